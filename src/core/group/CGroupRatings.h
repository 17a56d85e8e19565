#pragma once

#include "core/results/CRatingResults.h"

#include <cstdint>
#include <vector>

// The figures of a group of rated trees under one set of weights. The scales' judgements
// combine as any matrix's, into the group's scales. A rating cell's group value is the
// weighted geometric mean of the ideal values the experts taken into account gave it,
// their weights shared anew among those who rated it; a cell nobody rated has none (NaN).
// The group score sums G(c) times the group value over the rated criteria (the group's
// G(c), a cell without a value counting 0). Beside it, every expert's own scores and the
// arithmetic mean of those of the experts taken into account. A value: the decision fills it.
struct CGroupRatings {
    // By scale, from the combined judgements.
    std::vector<CScaleResult> Scales;
    // Cell (criterion c of the hierarchy's RatedCriteria(), alternative a) at c * m + a.
    std::vector<double> Values;
    std::vector<double> Scores;
    std::vector<double> Shares;
    std::vector<std::uint32_t> NotRatedCounts;
    // By expert (every one, taken into account or not), his own scores.
    std::vector<std::vector<double>> ExpertScores;
    std::vector<double> MeanScores;
    // Alternatives by group score, the highest first, equal scores in their order.
    std::vector<std::uint32_t> Ranking;
};
