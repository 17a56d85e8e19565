#include "core/results/RatingSynthesis.h"

#include "core/model/CHierarchy.h"
#include "core/results/HierarchySynthesis.h"

#include <algorithm>
#include <numeric>

void ComputeScaleResult(const CRatingScale& scale, CScaleResult& result)
{
    const auto n = static_cast<std::uint32_t>(scale.Intensities.size());
    ComputeNodeResult(scale.Judgements, n, result.Priorities);
    const std::vector<double>& p = result.Priorities.Local;
    const double top = p.empty() ? 0.0 : *std::max_element(p.begin(), p.end());
    result.Ideal.resize(p.size());
    for (std::size_t k = 0; k < p.size(); ++k) {
        result.Ideal[k] = top > 0.0 ? p[k] / top : 0.0; // no priorities: no weights, never NaN
    }
    result.OutOfOrder.reset();
    // Rounding alone never flags a pair judged equal.
    constexpr double Tolerance = 1e-12;
    for (std::uint32_t earlier = 0; earlier < n && !result.OutOfOrder; ++earlier) {
        for (std::uint32_t later = earlier + 1; later < n; ++later) {
            if (result.Ideal[later] > result.Ideal[earlier] + Tolerance) {
                result.OutOfOrder = std::make_pair(earlier, later);
                break;
            }
        }
    }
}

void ComputeRatingResults(const CHierarchy& hierarchy, CRatingResults& results)
{
    ComputeHierarchyResults(hierarchy, results.CriteriaResults);
    const std::vector<CRatingScale>& scales = hierarchy.Scales();
    results.ScaleResults.resize(scales.size());
    for (std::size_t s = 0; s < scales.size(); ++s) {
        ComputeScaleResult(scales[s], results.ScaleResults[s]);
    }
    const std::uint32_t m = hierarchy.AlternativeCount();
    results.ScoreList.assign(m, 0.0);
    results.NotRatedList.assign(m, 0);
    for (const std::uint32_t node : hierarchy.CoveringNodes()) {
        if (!hierarchy.IsRated(node)) {
            continue;
        }
        const CHierarchyNode& data = hierarchy.Node(node);
        const double weight = results.CriteriaResults.Global(node);
        const std::vector<double>& ideal = results.ScaleResults[data.Scale].Ideal;
        for (std::uint32_t a = 0; a < m; ++a) {
            const std::int8_t rating = data.Ratings[a];
            if (rating == NotRated) {
                ++results.NotRatedList[a];
            } else {
                results.ScoreList[a] += weight * ideal[static_cast<std::size_t>(rating)];
            }
        }
    }
    const double total = std::accumulate(results.ScoreList.begin(), results.ScoreList.end(), 0.0);
    results.ShareList.resize(m);
    for (std::uint32_t a = 0; a < m; ++a) {
        results.ShareList[a] = total > 0.0 ? results.ScoreList[a] / total : 0.0;
    }
    results.RankingList.resize(m);
    std::iota(results.RankingList.begin(), results.RankingList.end(), 0U);
    std::stable_sort(results.RankingList.begin(), results.RankingList.end(),
        [&scores = results.ScoreList](std::uint32_t a, std::uint32_t b) { return scores[a] > scores[b]; });
}

CRatingResults ComputeRatingResults(const CHierarchy& hierarchy)
{
    CRatingResults results;
    ComputeRatingResults(hierarchy, results);
    return results;
}
