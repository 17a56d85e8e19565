#include "core/results/RatingWarnings.h"

#include "core/model/CHierarchy.h"
#include "core/model/Phrase.h"
#include "core/results/CRatingResults.h"
#include "core/results/ConsistencyGuidance.h"
#include "core/results/ReportContent.h"

#include <vector>

const char* PluralForm(std::uint64_t count, const char* one, const char* few, const char* many)
{
    const std::uint64_t tens = count % 100;
    const std::uint64_t units = count % 10;
    if (tens >= 11 && tens <= 14) {
        return many;
    }
    return units == 1 ? one : units >= 2 && units <= 4 ? few : many;
}

std::string RatingWarningText(const CHierarchy& hierarchy, const CRatingResults& results, char decimalSeparator)
{
    const CHierarchyResults& criteria = results.Criteria();
    std::vector<CNamedRatio> named;
    for (const CUnacceptableNode& matrix : UnacceptableNodes(hierarchy, criteria)) {
        named.push_back({NodeMatrixName(hierarchy, matrix.Node), matrix.Cr, matrix.CrLimit, matrix.Completed});
    }
    std::uint32_t matrices = JudgedMatrixCount(hierarchy, criteria);
    const std::vector<CRatingScale>& scales = hierarchy.Scales();
    std::vector<std::string> sentences;
    for (std::size_t s = 0; s < scales.size() && s < results.Scales().size(); ++s) {
        const CScaleResult& scale = results.Scales()[s];
        const CNodeResult& priorities = scale.Priorities;
        const auto n = static_cast<std::uint32_t>(scales[s].Intensities.size());
        matrices += priorities.Compared ? 1U : 0U;
        const double limit = ConsistencyRatioLimit(n);
        if (priorities.Compared && priorities.Local.size() == n && priorities.Measures.CR > limit) {
            named.push_back({Say(TESSALY_PHRASE("RatingWarnings", "шкала «%1»"), scales[s].Name),
                priorities.Measures.CR, limit, priorities.Basis == EPrioritiesBasis::LeastSquares});
        }
        if (scale.OutOfOrder) {
            const auto& [earlier, later] = *scale.OutOfOrder;
            sentences.push_back(
                Say(TESSALY_PHRASE("RatingWarnings", "Шкала «%1»: интенсивность «%2» получила больший вес, чем «%3»."),
                    scales[s].Name, scales[s].Intensities[later], scales[s].Intensities[earlier]));
        }
    }
    std::string text = WarningText(named, matrices, decimalSeparator);
    for (const std::string& sentence : sentences) {
        text += (text.empty() ? "" : " ") + sentence;
    }
    int incomplete = 0;
    for (const std::uint32_t count : results.NotRatedCounts()) {
        incomplete += count > 0 ? 1 : 0;
    }
    if (incomplete > 0) {
        text += (text.empty() ? "" : " ")
            + SayCount(TESSALY_PHRASE_N("RatingWarnings", "%n альтернатив оценены не по всем критериям."), incomplete);
    }
    return text;
}
