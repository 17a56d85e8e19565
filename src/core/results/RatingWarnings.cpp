#include "core/results/RatingWarnings.h"

#include "core/model/CHierarchy.h"
#include "core/results/CRatingResults.h"
#include "core/results/ConsistencyGuidance.h"
#include "core/results/ReportContent.h"

#include <vector>

namespace {
// One numbered placeholder of a whole sentence, so a translation may move it.
std::string Placed(std::string sentence, const std::string& placeholder, const std::string& value)
{
    const std::size_t at = sentence.find(placeholder);
    return at == std::string::npos ? sentence : sentence.replace(at, placeholder.size(), value);
}
} // namespace

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
            named.push_back({Placed("шкала «%1»", "%1", scales[s].Name), priorities.Measures.CR, limit,
                priorities.Basis == EPrioritiesBasis::LeastSquares});
        }
        if (scale.OutOfOrder) {
            const auto& [earlier, later] = *scale.OutOfOrder;
            std::string sentence = "Шкала «%1»: интенсивность «%2» получила больший вес, чем «%3».";
            sentence = Placed(sentence, "%1", scales[s].Name);
            sentence = Placed(sentence, "%2", scales[s].Intensities[later]);
            sentences.push_back(Placed(sentence, "%3", scales[s].Intensities[earlier]));
        }
    }
    std::string text = WarningText(named, matrices, decimalSeparator);
    for (const std::string& sentence : sentences) {
        text += (text.empty() ? "" : " ") + sentence;
    }
    std::uint64_t incomplete = 0;
    for (const std::uint32_t count : results.NotRatedCounts()) {
        incomplete += count > 0 ? 1U : 0U;
    }
    if (incomplete > 0) {
        const std::string sentence = PluralForm(incomplete, "%1 альтернатива оценена не по всем критериям.",
            "%1 альтернативы оценены не по всем критериям.", "%1 альтернатив оценены не по всем критериям.");
        text += (text.empty() ? "" : " ") + Placed(sentence, "%1", std::to_string(incomplete));
    }
    return text;
}
