#pragma once

#include "core/results/SynthesisMode.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class CHierarchy;
class CHierarchyResults;
class CRatingResults;

// The dynamic sensitivity view of a hierarchy of either shape: the weights of one group
// (a criterion and its siblings in a tree, with their local priorities; a middle level of
// complete layers, with their global ones) and the alternatives' final priorities while
// the user moves one member's weight after another. A move puts the member at x and
// rescales the others of its group by (1 - x) / (1 - w), so the group still sums to 1,
// and the alternatives follow the analysis's lines. Moving another member starts from
// the weights as the moves before left them; moving the same member again is measured
// from where its move started, so dragging back returns the group exactly.
class CNodeWeightMoves {
public:
    // The group of node as computed; nothing to move for the goal, a criterion without
    // siblings or results of another hierarchy.
    void Reset(const CHierarchy& hierarchy, const CHierarchyResults& results, std::uint32_t node,
        ESynthesisMode mode = ESynthesisMode::Distributive);
    // The same for a rated tree: the alternatives' values are their scores.
    void Reset(const CHierarchy& hierarchy, const CRatingResults& ratings, std::uint32_t node);
    // The member at index (in Group()) to x, clamped to 0 .. 1, the others rescaled. False,
    // and nothing changed, when it cannot move: it carries its whole group, or there is none.
    bool Move(std::size_t index, double x);

    // The group's nodes in their order, their weights, and the final priorities in the
    // alternatives' order (the ideal ones in the ideal mode).
    [[nodiscard]] const std::vector<std::uint32_t>& Group() const { return Members; }
    [[nodiscard]] const std::vector<double>& Weights() const { return MemberWeights; }
    [[nodiscard]] const std::vector<double>& Alternatives() const { return FinalPriorities; }

private:
    void Prepare(const CHierarchy& hierarchy, const CHierarchyResults& results, std::uint32_t node,
        const CRatingResults* ratings);

    std::uint32_t AlternativeCount = 0;
    bool Ideal = false;
    // Whether the group weighs 1 in the whole (a level, or the goal's children); otherwise
    // it reaches the result through its parent's global weight.
    bool Whole = true;
    double GroupWeight = 1.0;
    std::vector<std::uint32_t> Members;
    std::vector<double> MemberWeights;
    std::vector<double> FinalPriorities;
    // Units[k * m + i]: member k's result when it alone weighs 1.
    std::vector<double> Units;
    // The lines' values as the weights stand: the group's own result and the whole one
    // (raw ideal scores in the ideal mode).
    std::vector<double> GroupResult;
    std::vector<double> Present;
    // The move in progress: its member, the weights it started from and its lines.
    std::size_t Moving = SIZE_MAX;
    std::vector<double> StartWeights;
    std::vector<double> GroupZero;
    std::vector<double> GroupOne;
    std::vector<double> AtZero;
    std::vector<double> AtOne;
};
