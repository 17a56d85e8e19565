#include "core/group/ExpertSummary.h"

#include "core/group/CGroupDecision.h"
#include "core/group/CGroupResult.h"
#include "core/model/CUserProjectModel.h"
#include "core/results/ConsistencyGuidance.h"
#include "core/results/NumberFormat.h"

#include <algorithm>

namespace {
std::string Shown(double x, char decimalSeparator)
{
    return FormatTruncated(x, 4, decimalSeparator);
}

// The three figures as three cells, or "—" in each when there are none.
void AppendSummary(std::vector<std::string>& row, std::vector<double> figures, char decimalSeparator)
{
    const std::optional<CFigureSummary> summary = SummariseFigures(std::move(figures));
    for (const double CFigureSummary::*figure :
        {&CFigureSummary::Minimum, &CFigureSummary::Median, &CFigureSummary::Maximum}) {
        row.emplace_back(summary ? Shown((*summary).*figure, decimalSeparator) : std::string(NoFigureText));
    }
}

// An expert left out of the group is in none of its figures, nor in their summaries.
bool Counted(const CGroupDecision& decision, std::size_t expert)
{
    return decision.Included(expert);
}

// "A, B, C и ещё 7": the first `shown` labels, the others counted.
std::string FirstLabels(const CGroupDecision& decision, std::span<const std::size_t> experts, std::size_t shown)
{
    std::string text;
    for (std::size_t i = 0; i < experts.size() && i < shown; ++i) {
        text += (i == 0 ? "" : ", ") + decision.Member(experts[i]).Label;
    }
    return experts.size() > shown ? Say(FirstLabelsPhrase, text, std::to_string(experts.size() - shown)) : text;
}
} // namespace

std::optional<CFigureSummary> SummariseFigures(std::vector<double> figures)
{
    if (figures.empty()) {
        return std::nullopt;
    }
    std::sort(figures.begin(), figures.end());
    const std::size_t n = figures.size();
    CFigureSummary summary;
    summary.Minimum = figures.front();
    summary.Maximum = figures.back();
    summary.Median = n % 2 == 1 ? figures[n / 2] : (figures[n / 2 - 1] + figures[n / 2]) / 2.0;
    summary.Count = n;
    return summary;
}

CReportTable GroupRankingSummaryTable(const CGroupDecision& decision, char decimalSeparator)
{
    CReportTable table;
    table.Header = {Tr(PlaceCaption), Tr(AlternativeCaption), Tr(GroupPriorityCaption), Tr(AipArithmeticCaptionPhrase),
        Tr(AipGeometricCaptionPhrase), Tr(MinimumCaption), Tr(MedianCaption), Tr(MaximumCaption)};
    if (decision.ExpertCount() == 0) {
        return table;
    }
    // The group's own columns as the full table has them, its rows in the same order;
    // a rated group's are its score, share and the experts' mean score, and what is
    // summarised are the experts' own scores.
    const CReportTable full = GroupRankingTable(decision, decimalSeparator);
    std::copy(full.Header.begin() + 2, full.Header.begin() + 5, table.Header.begin() + 2);
    const std::optional<CGroupRatings>& rated = decision.Result().Ratings;
    const CResultList& ranking = decision.Result().Ranking;
    const std::uint32_t alternatives = decision.Hierarchy().AlternativeCount();
    for (std::size_t r = 0; r < full.Rows.size(); ++r) {
        const auto position = ranking.Count > 0 ? ranking.Rows[r].Position : static_cast<std::uint32_t>(r);
        std::vector<std::string> row(full.Rows[r].begin(), full.Rows[r].begin() + 5);
        std::vector<double> figures;
        for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
            const std::span<const double> final
                = rated ? std::span<const double>(rated->ExpertScores[k]) : decision.ExpertFinal(k);
            if (Counted(decision, k) && position < final.size() && position < alternatives) {
                figures.push_back(final[position]);
            }
        }
        AppendSummary(row, std::move(figures), decimalSeparator);
        table.Rows.push_back(std::move(row));
    }
    return table;
}

CReportTable ExpertVectorsSummaryTable(const CGroupDecision& decision, std::size_t element, char decimalSeparator)
{
    CReportTable table;
    const CGroupResult& result = decision.Result();
    if (element >= result.Elements.size()) {
        return table;
    }
    const CReportTable full = ExpertVectorsTable(decision, element, decimalSeparator);
    table.Header = {full.Header.at(0), full.Header.at(1), Tr(MinimumCaption), Tr(MedianCaption), Tr(MaximumCaption)};
    const std::size_t n = result.Elements[element].Aggregate.Order;
    for (std::size_t r = 0; r < full.Rows.size(); ++r) {
        std::vector<std::string> row{full.Rows[r].at(0), full.Rows[r].at(1)};
        std::vector<double> figures;
        for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
            const std::span<const double> own = decision.ExpertElementPriorities(k, element);
            if (own.empty() || !Counted(decision, k)) {
                continue;
            }
            figures.push_back(
                r == n ? decision.ExpertNodeResults(k).Node(result.Elements[element].Node).Measures.CR : own[r]);
        }
        AppendSummary(row, std::move(figures), decimalSeparator);
        table.Rows.push_back(std::move(row));
    }
    return table;
}

std::string ExpertVectorsSummaryNote(const CGroupDecision& decision, std::size_t element)
{
    const CGroupResult& result = decision.Result();
    if (element >= result.Elements.size()) {
        return {};
    }
    std::size_t counted = 0;
    for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
        counted += Counted(decision, k) && !decision.ExpertElementPriorities(k, element).empty() ? 1 : 0;
    }
    return Say(ExpertVectorsSummaryNotePhrase, std::to_string(counted), std::to_string(decision.ExpertCount()));
}

std::string RankingSummaryNote(const CGroupDecision& decision)
{
    std::size_t counted = 0;
    for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
        counted += Counted(decision, k) && !decision.ExpertFinal(k).empty() ? 1 : 0;
    }
    return Say(decision.Result().Ratings ? RatedRankingSummaryNotePhrase : RankingSummaryNotePhrase,
        std::to_string(counted), std::to_string(decision.ExpertCount()));
}

std::string FurthestExpertsText(const CGroupDecision& decision, std::span<const CExpertDistance> distances,
    std::size_t shown, char decimalSeparator)
{
    if (distances.empty()) {
        return {};
    }
    if (distances.size() <= shown) {
        return Say(AllDistancesPhrase, DistancesText(decision, distances, decimalSeparator));
    }
    return Say(FurthestExpertsPhrase, std::to_string(shown), std::to_string(distances.size()),
        DistancesText(decision, distances.first(shown), decimalSeparator));
}

std::string ExpertRatioSummaryText(
    const CGroupDecision& decision, std::size_t element, std::size_t shown, char decimalSeparator)
{
    const CGroupResult& result = decision.Result();
    if (element >= result.Elements.size()) {
        return {};
    }
    const CGroupElementResult& aggregated = result.Elements[element];
    std::vector<std::size_t> above;
    std::size_t counted = 0;
    for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
        if (!Counted(decision, k)) {
            continue;
        }
        ++counted;
        if (ExpertElementRatioAboveLimit(decision, k, element)) {
            above.push_back(k);
        }
    }
    if (above.empty()) {
        return {};
    }
    return Say(ExpertRatioSummaryPhrase,
        FormatGeneral(ConsistencyRatioLimit(aggregated.Aggregate.Order), decimalSeparator),
        std::to_string(above.size()), std::to_string(counted), FirstLabels(decision, above, shown));
}
