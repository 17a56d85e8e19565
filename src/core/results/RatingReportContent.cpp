#include "core/results/RatingReportContent.h"

#include "core/model/CHierarchy.h"
#include "core/results/CRatingResults.h"
#include "core/results/ConsistencyGuidance.h"
#include "core/results/HierarchySensitivity.h"
#include "core/results/NumberFormat.h"

#include <algorithm>

namespace {
std::string Shown(double x, char decimalSeparator)
{
    return FormatTruncated(x, 4, decimalSeparator);
}

} // namespace

CReportTable RatingRankingTable(
    const CHierarchy& hierarchy, const CRatingResults& results, std::size_t count, char decimalSeparator)
{
    CReportTable table;
    table.Header = {Tr(PlaceCaption), Tr(AlternativeCaption), Tr(RatingScoreCaption), Tr(RatingShareCaption),
        Tr(RatingNoteCaption)};
    const std::vector<std::uint32_t>& ranking = results.Ranking();
    const std::size_t shown = std::min(count, ranking.size());
    for (std::size_t place = 0; place < shown; ++place) {
        const std::uint32_t a = ranking[place];
        table.Rows.push_back({std::to_string(place + 1), hierarchy.Alternatives()[a].Name,
            Shown(results.Scores()[a], decimalSeparator), Shown(results.Shares()[a], decimalSeparator),
            results.Complete(a) ? std::string() : Tr(NotAllRatedMark)});
    }
    return table;
}

std::string LeadingAlternativesText(std::size_t count, std::size_t total)
{
    if (count >= total) {
        return {};
    }
    return Say(TESSALY_PHRASE("RatingReportContent",
                   "Показаны %1 лучших альтернатив из %2; все они с их оценками — в приложении."),
        std::to_string(count), std::to_string(total));
}

std::size_t KeepLeadingCrossings(
    CHierarchySensitivity& analysis, const std::vector<std::uint32_t>& ranking, std::size_t count)
{
    std::vector<bool> leading;
    for (std::size_t place = 0; place < ranking.size() && place < count; ++place) {
        if (ranking[place] >= leading.size()) {
            leading.resize(ranking[place] + 1, false);
        }
        leading[ranking[place]] = true;
    }
    auto isLeading = [&leading](std::uint32_t a) { return a < leading.size() && leading[a]; };
    std::size_t dropped = 0;
    for (CNodeSensitivity& node : analysis.Nodes) {
        const auto kept = std::remove_if(node.Crossings.begin(), node.Crossings.end(),
            [&](const CCrossing& c) { return !isLeading(c.First) || !isLeading(c.Second); });
        dropped += static_cast<std::size_t>(node.Crossings.end() - kept);
        node.Crossings.erase(kept, node.Crossings.end());
    }
    return dropped;
}

std::string LeftOutCrossingsText(std::size_t count, std::size_t leftOut)
{
    if (leftOut == 0) {
        return {};
    }
    return Say(TESSALY_PHRASE("RatingReportContent",
                   "Смены мест с лидером показаны только для %1 лучших альтернатив; не показано ещё %2."),
        std::to_string(count), std::to_string(leftOut));
}

std::string ScaleHeading(const CRatingScale& scale)
{
    return Say(TESSALY_PHRASE("RatingReportContent", "Шкала «%1»"), scale.Name);
}

std::string ScaleUseText(const CHierarchy& hierarchy, std::uint32_t scale)
{
    std::string names;
    for (const std::uint32_t node : hierarchy.RatedCriteria()) {
        if (hierarchy.Node(node).Scale == scale) {
            names += (names.empty() ? "" : ", ")
                + Say(TESSALY_PHRASE("RatingReportContent", "«%1»"), NodePathText(hierarchy, node));
        }
    }
    if (names.empty()) {
        return Tr(TESSALY_PHRASE("RatingReportContent", "Шкала не применяется ни к одному критерию."));
    }
    return Say(TESSALY_PHRASE("RatingReportContent", "Шкала применяется к критериям: %1."), names);
}

CReportTable ScaleTable(const CRatingScale& scale, const CScaleResult& result, char decimalSeparator)
{
    CReportTable table;
    table.Header = {Tr(TESSALY_PHRASE("RatingReportContent", "Интенсивность")), Tr(PriorityCaption),
        Tr(TESSALY_PHRASE("RatingReportContent", "Идеальное значение"))};
    const std::vector<double>& priorities = result.Priorities.Local;
    for (std::size_t k = 0; k < scale.Intensities.size(); ++k) {
        const bool has = k < priorities.size() && k < result.Ideal.size();
        table.Rows.push_back({scale.Intensities[k], has ? Shown(priorities[k], decimalSeparator) : "—",
            has ? Shown(result.Ideal[k], decimalSeparator) : "—"});
    }
    return table;
}

std::string ScaleOrderWarningText(const CRatingScale& scale, const CScaleResult& result)
{
    if (!result.OutOfOrder) {
        return {};
    }
    const auto [earlier, later] = *result.OutOfOrder;
    return Say(TESSALY_PHRASE("RatingReportContent", "Интенсивность «%1» получила больший вес, чем «%2»."),
        scale.Intensities[later], scale.Intensities[earlier]);
}

std::vector<std::string> ScaleConsistencyLines(
    const CRatingScale& scale, const CScaleResult& result, char decimalSeparator)
{
    const auto n = static_cast<std::uint32_t>(scale.Intensities.size());
    std::vector<std::string> lines{MeasuresText(result.Priorities.Measures, result.Priorities.Basis, decimalSeparator)};
    const bool measured = result.Priorities.Basis == EPrioritiesBasis::AllJudged
        || result.Priorities.Basis == EPrioritiesBasis::LeastSquares;
    if (measured) {
        const CConsistencyGuidance guidance = GuideConsistency(scale.Judgements, n, result.Priorities.Local.data());
        for (std::string& line : ConsistencyLines(guidance, decimalSeparator)) {
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

std::string CriterionScaleText(const CHierarchy& hierarchy, std::uint32_t node)
{
    const CRatingScale& scale = hierarchy.Scales()[hierarchy.Node(node).Scale];
    return Say(TESSALY_PHRASE("RatingReportContent", "Критерий «%1» оценивается по шкале «%2»."),
        NodePathText(hierarchy, node), scale.Name);
}

CReportTable RatingsTable(const CHierarchy& hierarchy)
{
    CReportTable table;
    const std::vector<std::uint32_t> criteria = hierarchy.RatedCriteria();
    table.Header = {Tr(AlternativeCaption)};
    for (const std::uint32_t node : criteria) {
        table.Header.push_back(NodePathText(hierarchy, node));
    }
    for (std::uint32_t a = 0; a < hierarchy.AlternativeCount(); ++a) {
        std::vector<std::string> row{hierarchy.Alternatives()[a].Name};
        for (const std::uint32_t node : criteria) {
            const CHierarchyNode& data = hierarchy.Node(node);
            const std::int8_t rating = data.Ratings[a];
            row.push_back(rating == NotRated
                    ? Tr(NotRatedCellText)
                    : hierarchy.Scales()[data.Scale].Intensities[static_cast<std::size_t>(rating)]);
        }
        table.Rows.push_back(std::move(row));
    }
    return table;
}
