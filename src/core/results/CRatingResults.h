#pragma once

#include "core/results/CHierarchyResults.h"

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

class CHierarchy;

// One scale's figures: its priorities and consistency (as a criterion's local result),
// its ideal values v(k) = p(k) / max p, and the first pair (earlier, later) of intensities
// where the one listed later weighs more than the one listed before it.
struct CScaleResult {
    CNodeResult Priorities;
    std::vector<double> Ideal;
    std::optional<std::pair<std::uint32_t, std::uint32_t>> OutOfOrder;
};

// The figures of a rated tree: the criteria's results (G(c) of every covering criterion),
// every scale's, and per alternative Score(a) = sum over the covering c of G(c) v(rating),
// a cell not rated counting 0, its share of the scores' sum and how many of its cells are
// not rated; the ranking by score, equal scores in the alternatives' order. A value: only
// the computation fills it.
class CRatingResults {
public:
    [[nodiscard]] const CHierarchyResults& Criteria() const { return CriteriaResults; }
    [[nodiscard]] const std::vector<CScaleResult>& Scales() const { return ScaleResults; }
    [[nodiscard]] const std::vector<double>& Scores() const { return ScoreList; }
    [[nodiscard]] const std::vector<double>& Shares() const { return ShareList; }
    [[nodiscard]] const std::vector<std::uint32_t>& NotRatedCounts() const { return NotRatedList; }
    [[nodiscard]] bool Complete(std::uint32_t alternative) const { return NotRatedList[alternative] == 0; }
    // Alternatives by place, the highest score first.
    [[nodiscard]] const std::vector<std::uint32_t>& Ranking() const { return RankingList; }

private:
    friend void ComputeRatingResults(const CHierarchy& hierarchy, CRatingResults& results);

    CHierarchyResults CriteriaResults;
    std::vector<CScaleResult> ScaleResults;
    std::vector<double> ScoreList;
    std::vector<double> ShareList;
    std::vector<std::uint32_t> NotRatedList;
    std::vector<std::uint32_t> RankingList;
};
