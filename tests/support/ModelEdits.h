#pragma once

// Test set-up of a project's names and judgements through the model's own operations
// (the model keeps its hierarchy to itself).

#include "core/document/CProjectDocument.h"
#include "core/model/CUserProjectModel.h"
#include "core/model/TLoadSaveProject.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

inline void SetCell(
    CUserProjectModel& model, std::uint32_t position, std::uint32_t level, std::uint32_t r, std::uint32_t c, int code)
{
    CJudgementMatrix judgements = model.Element(position, level).Judgements;
    judgements(r, c) = CJudgement::FromCode(code);
    model.SetJudgements(position, level, judgements);
}

// A judgement with its mirror, as the comparison window enters it.
inline void SetPair(
    CUserProjectModel& model, std::uint32_t position, std::uint32_t level, std::uint32_t r, std::uint32_t c, int code)
{
    CJudgementMatrix judgements = model.Element(position, level).Judgements;
    judgements(r, c) = CJudgement::FromCode(code);
    judgements(c, r) = judgements(r, c).Mirror();
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

// The model of a document as a test fixture edits it directly, past the document's
// operations (so neither Modified nor an undo step follows); the document's results
// still follow every such change.
inline CUserProjectModel& EditableModel(CProjectDocument& document)
{
    return const_cast<CUserProjectModel&>(document.Model());
}
