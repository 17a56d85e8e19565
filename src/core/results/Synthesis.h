#pragma once

#include "core/model/ModelConstants.h"
#include "core/model/TColor.h"
#include "core/results/SynthesisMode.h"

#include <array>
#include <cstdint>
#include <string>

class CUserProjectModel;
class CProjectResults;

// Pie slice colours by place after sorting.
inline constexpr std::array<TColor, MaxElementsPerLevel> PieColours{
    clRed, clFuchsia, clYellow, clLime, clBlue, clGreen, clPurple, clGray, clBlack};

// Every local priority vector with its consistency, then the global priorities
// of every level top-down, into results (a fresh object or one computed before): the
// hierarchy's synthesis over the project's layers.
void ComputeAllPriorities(const CUserProjectModel& project, CProjectResults& results);
// The same into a new value.
CProjectResults ComputeResults(const CUserProjectModel& project);

struct CResultRow {
    std::string Name;
    double Value = 0.0; // unrounded
    TColor Colour = clBlack;
    std::uint32_t Position = 0; // the element's place on its level
};

struct CResultList {
    std::uint32_t Count = 0;
    std::array<CResultRow, MaxElementsPerLevel> Rows;
};

// Largest first by the exchange procedure: equal values are never exchanged,
// so their final order is the one that procedure leaves.
void OrderResults(CResultList& list);

// Names and global priorities of one level, ordered, with colours by place. In the ideal
// mode the bottom level carries the ideal priorities; the levels above are the same.
CResultList LevelResults(const CUserProjectModel& project, const CProjectResults& results, std::uint32_t level,
    ESynthesisMode mode = ESynthesisMode::Distributive);
// The bottom level: what the results table and the print show.
CResultList FinalResults(const CUserProjectModel& project, const CProjectResults& results,
    ESynthesisMode mode = ESynthesisMode::Distributive);
