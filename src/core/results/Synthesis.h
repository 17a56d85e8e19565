#pragma once

#include "core/model/HierarchyLimits.h"
#include "core/model/ModelConstants.h"
#include "core/model/TColor.h"
#include "core/results/SynthesisMode.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class CHierarchy;
class CHierarchyResults;
class CUserProjectModel;
class CProjectResults;

// Pie slice colours by place after sorting: the nine of a layered level, then as many
// more, each unlike the others, as a tree has alternatives (0x00BBGGRR).
inline constexpr std::array<TColor, MaxAlternatives> PieColours{clRed, clFuchsia, clYellow, clLime, clBlue, clGreen,
    clPurple, clGray, clBlack,
    0x000080,  // maroon
    0x008080,  // olive
    0x800000,  // navy
    0x808000,  // teal
    0xFFFF00,  // aqua
    clSilver,  // silver
    0x0080FF,  // orange
    0x13458B,  // brown
    0xC1B6FF,  // pink
    0xEBCE87,  // sky blue
    0xFF0080}; // violet

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

// The rows of a ranking: a layered level's (up to 9) or a tree's alternatives (up to 20).
struct CResultList {
    std::uint32_t Count = 0;
    std::array<CResultRow, MaxAlternatives> Rows;
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

// A hierarchy's alternatives by their final priorities in the mode, ordered, with colours
// by place; no rows while some criterion's judgements do not connect what it compares.
CResultList HierarchyFinalResults(
    const CHierarchy& hierarchy, const CHierarchyResults& results, ESynthesisMode mode = ESynthesisMode::Distributive);

// A criterion of a hierarchy with its local priority (under its parent) and its global one.
struct CNodePriority {
    std::uint32_t Node = 0;
    double Local = 0.0;
    double Global = 0.0;
};
// The criteria that judge the alternatives, whose global priorities sum to 1, or the
// children of a criterion that has criteria below it; largest global priority first, by
// the ranking's order.
std::vector<CNodePriority> CoveringPriorities(const CHierarchy& hierarchy, const CHierarchyResults& results);
std::vector<CNodePriority> ChildPriorities(
    const CHierarchy& hierarchy, const CHierarchyResults& results, std::uint32_t node);
