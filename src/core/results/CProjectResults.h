#pragma once

#include "core/model/CUserProjectModel.h"
#include "core/model/TDesicionLevelData.h"
#include "core/model/TMatrix.h"

#include <cstdint>

// Every figure computed from a project's judgements: the local priorities and
// consistency of every element [position][level], and the global priorities
// [position][level] of every element. A value: whoever holds one reads it; only the
// computations fill it.
class CProjectResults {
public:
    CProjectResults();

    [[nodiscard]] const TDesicionLevelData& LevelData(std::uint32_t position, std::uint32_t level) const
    {
        return LevelDataGrid[position][level];
    }
    TDesicionLevelData& LevelData(std::uint32_t position, std::uint32_t level)
    {
        return LevelDataGrid[position][level];
    }
    [[nodiscard]] const TMatrix<double>& GlobalPriority() const { return GlobalPriorities; }
    TMatrix<double>& GlobalPriority() { return GlobalPriorities; }

private:
    TElementGridOf<TDesicionLevelData> LevelDataGrid;
    TMatrix<double> GlobalPriorities{MaxElementsPerLevel, MaxLevels};
};
