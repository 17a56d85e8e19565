#pragma once

// Test set-up of a project's names and judgements through the model's own operations
// (the model keeps its hierarchy to itself).

#include "core/model/CUserProjectModel.h"
#include "core/model/TLoadSaveProject.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

inline void SetCell(
    CUserProjectModel& model, std::uint32_t position, std::uint32_t level, std::uint32_t r, std::uint32_t c, int code)
{
    TMatrix<int> judgements = model.Element(position, level).Judgements;
    judgements(r, c) = code;
    model.SetJudgements(position, level, judgements);
}

// A judgement with its mirror, as the comparison window enters it.
inline void SetPair(
    CUserProjectModel& model, std::uint32_t position, std::uint32_t level, std::uint32_t r, std::uint32_t c, int code)
{
    TMatrix<int> judgements = model.Element(position, level).Judgements;
    judgements(r, c) = code;
    judgements(c, r) = code == 1 ? 1 : -code;
    model.SetJudgements(position, level, judgements);
}

inline void SetName(CUserProjectModel& model, std::uint32_t position, std::uint32_t level, const std::string& name)
{
    model.SetElementText(position, level, name, model.Element(position, level).Comment);
}

inline void SetComment(
    CUserProjectModel& model, std::uint32_t position, std::uint32_t level, const std::string& comment)
{
    model.SetElementText(position, level, model.Element(position, level).Name, comment);
}

// A hierarchy with counts[k] elements on level k (counts[0] is the goal's 1), default
// names and neutral judgements, built the way a file is.
inline bool BuildWithCounts(CUserProjectModel& model, const std::vector<std::uint32_t>& counts)
{
    auto record = std::make_unique<TLoadSaveProject>();
    record->LevelCount = static_cast<std::uint32_t>(counts.size());
    for (std::uint32_t k = 0; k < counts.size() && k < MaxLevels; ++k) {
        record->ElementsPerLevel[k] = k == 0 ? 1 : static_cast<std::int32_t>(counts[k]);
        for (std::uint32_t e = 0; e < MaxElementsPerLevel; ++e) {
            record->Elements[e][k].Name = "ЭЛЕМЕНТ_" + std::to_string(e);
        }
    }
    return model.BuildLoadedHierarchy(*record);
}
