#pragma once

#include "core/results/SensitivityLines.h"
#include "core/results/SynthesisMode.h"

#include <cstdint>
#include <optional>
#include <vector>

class CHierarchy;
class CHierarchyResults;
class CRatingResults;

// One criterion whose weight the analysis moves, keyed by its node number.
// In a tree: a criterion whose parent has at least 2 children; Weight is its local
// priority w under Parent, and moving it to x rescales its siblings by (1 - x) / (1 - w).
// With C_k the result when node k alone weighs 1 (the unit synthesis from k) and
// C_p = sum over the children k of p of w_k C_k, every final result becomes the line
// P(x) = P - G(p) C_p + G(p) [x C_c + (1 - x) (C_p - w C_c) / (1 - w)] (for the goal,
// G = 1 and C_goal = P).
// In complete layers: every criterion of a middle level; Weight is its global priority,
// the rest of its level is rescaled, and Parent is its first parent. These are the
// layered analysis's lines, crossings and critical change (CSensitivityAnalysis).
// P_i(x) = x * AtOne[i] + (1 - x) * AtZero[i] over the alternatives in their order.
// Normalised (the ideal synthesis): the lines are the raw ideal scores, C_k built from
// each covering criterion's local vector divided by its largest entry; the priorities are
// the lines' values divided by their sum at the same x, and they cross where the lines do.
struct CNodeSensitivity {
    std::uint32_t Node = 0;
    std::uint32_t Parent = 0;
    double Weight = 0.0;
    // False when the weight carries its whole group (w = 1, or the others all 0): then
    // AtZero, AtOne and Crossings are empty.
    bool HasLines = false;
    bool Normalised = false;
    std::vector<double> AtZero;
    std::vector<double> AtOne;
    // Every x* in (0, 1) where two alternatives change places, ascending; equal weights in
    // (First, Second) order.
    std::vector<CCrossing> Crossings;
};

// The smallest move of one weight that changes the winner: Node's weight From -> To,
// where First and Second (First < Second) change places and NewLeader overtakes the
// present leader.
struct CNodeCriticalChange {
    std::uint32_t Node = 0;
    double From = 0.0;
    double To = 0.0;
    std::uint32_t First = 0;
    std::uint32_t Second = 0;
    std::uint32_t NewLeader = 0;
};

struct CHierarchySensitivity {
    // The criteria that can be moved, in node order.
    std::vector<CNodeSensitivity> Nodes;
    // Over every node, the crossing involving the present leader (the first alternative of
    // the largest final priority, as the ranking puts it first) nearest to the node's
    // weight, |x* - w|; equally near ones keep the first in node, then weight order.
    // None when no crossing involves the leader.
    std::optional<CNodeCriticalChange> Critical;
};

// The analysis of a hierarchy of either shape from its computed results, in the
// distributive or the ideal mode. Into analysis (whose storage is reused) or a new value.
void AnalyseSensitivity(const CHierarchy& hierarchy, const CHierarchyResults& results, CHierarchySensitivity& analysis,
    ESynthesisMode mode = ESynthesisMode::Distributive);
CHierarchySensitivity AnalyseSensitivity(
    const CHierarchy& hierarchy, const CHierarchyResults& results, ESynthesisMode mode = ESynthesisMode::Distributive);

// The same for a rated tree: the lines are of the scores, which are linear in every
// criterion's weight, an alternative's value under a rated criterion being the ideal value
// of its rating (0 when not rated). Never normalised; the crossings are those with the
// leader only (FindLeaderCrossings).
void AnalyseSensitivity(const CHierarchy& hierarchy, const CRatingResults& ratings, CHierarchySensitivity& analysis);
CHierarchySensitivity AnalyseSensitivity(const CHierarchy& hierarchy, const CRatingResults& ratings);

// unit[k * m + i]: C_k of every node k (m alternatives; the goal's row unused), built from
// the covering criteria's local vectors, divided by their largest entry when ideal; with
// ratings, a rated criterion's vector is its ratings' ideal values.
void ComputeNodeUnitSyntheses(const CHierarchy& hierarchy, const CHierarchyResults& results, bool ideal,
    std::uint32_t m, std::vector<double>& unit, const CRatingResults* ratings = nullptr);

// The lines' values at x (the raw ideal scores when Normalised), or the final priorities
// at x; false, values untouched, when the node has no lines.
bool LinesAt(const CNodeSensitivity& node, double x, std::vector<double>& values);
bool AlternativesAt(const CNodeSensitivity& node, double x, std::vector<double>& values);
