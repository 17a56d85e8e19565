#include "core/group/GroupCsv.h"

#include "core/group/CGroupDecision.h"
#include "core/group/CGroupResult.h"
#include "core/group/GroupReportContent.h"
#include "core/model/CHierarchy.h"
#include "core/results/CCsvWriter.h"
#include "core/results/CsvExport.h"
#include "core/results/NumberFormat.h"
#include "core/results/RatingReportContent.h"
#include "core/results/ReportContent.h"
#include "core/results/Synthesis.h"

#include <optional>
#include <span>
#include <vector>

namespace {
constexpr auto Count = &CCsvWriter::Count;

void Members(CCsvWriter& csv, const CGroupDecision& decision)
{
    const CGroupResult& result = decision.Result();
    csv.Row({Tr(GroupMembersTitlePhrase)});
    csv.Row({Tr(NumberCaption), Tr(ExpertCaption), Tr(FileCaption), Tr(WeightCaption), Tr(ShareCaption),
        Tr(IncludedCaption)});
    const std::string yes = Tr(IncludedYes);
    const std::string no = Tr(IncludedNo);
    for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
        const CGroupMember& member = decision.Member(k);
        csv.Row({Count(k + 1), CsvText(member.Label), CsvText(member.File), csv.Number(member.Weight),
            k < result.Weights.size() ? csv.Number(result.Weights[k]) : std::string(), member.Included ? yes : no});
    }
}

void Ranking(CCsvWriter& csv, const CGroupDecision& decision)
{
    const CHierarchy& hierarchy = decision.Hierarchy();
    const bool rated = decision.Result().Ratings.has_value();
    std::vector<std::string> header = rated
        ? std::vector<std::string>{Tr(PlaceCaption), Tr(AlternativeCaption), Tr(GroupScoreCaption),
            Tr(RatingShareCaption), Tr(MeanScoreCaption)}
        : std::vector<std::string>{Tr(PlaceCaption), Tr(AlternativeCaption), Tr(GroupPriorityCaption),
            Tr(AipArithmeticCaptionPhrase), Tr(AipGeometricCaptionPhrase)};
    for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
        header.push_back(CsvText(decision.Member(k).Label));
        header.push_back(CsvText(decision.Member(k).Label) + ": " + Tr(PlaceCaption));
    }
    if (rated) {
        header.push_back(Tr(RatingNoteCaption));
    }
    csv.EndSection();
    csv.Row({Tr(GroupRankingTitlePhrase)});
    csv.Row(header);

    const auto place = [](std::uint32_t p) { return p != 0 ? Count(p) : std::string(); };
    for (const CGroupRankingRow& ranked : GroupRankingRows(decision)) {
        std::vector<std::string> row{place(ranked.Group.Place),
            CsvText(hierarchy.Alternatives()[ranked.Alternative].Name),
            ranked.Group.Place != 0 ? csv.Number(ranked.Group.Priority) : std::string()};
        // The aggregated priorities' columns go without places, each expert's with his.
        for (std::size_t c = 0; c < ranked.Columns.size(); ++c) {
            row.push_back(csv.Number(ranked.Columns[c].Priority));
            if (c >= 2) {
                row.push_back(place(ranked.Columns[c].Place));
            }
        }
        if (rated) {
            row.emplace_back(ranked.NotAllRated ? Tr(NotAllRatedMark) : "");
        }
        csv.Row(row);
    }
}

// The group's ranking by the ideal synthesis, with the raw ideal scores, as a project's CSV
// gives its own.
void IdealRanking(CCsvWriter& csv, const CGroupDecision& decision)
{
    const CGroupResult& result = decision.Result();
    csv.EndSection();
    csv.Row({RankingTitle(ESynthesisMode::Ideal)});
    if (result.IdealRankingRows.empty()) {
        csv.Row({RankingProblemText(result.RankingProblem)});
        return;
    }
    csv.Row({Tr(PlaceCaption), Tr(AlternativeCaption), Tr(PriorityCaption), Tr(RawIdealCaption)});
    for (std::size_t i = 0; i < result.IdealRankingRows.size(); ++i) {
        const CResultRow& row = result.IdealRankingRows[i];
        csv.Row({Count(i + 1), CsvText(row.Name), csv.Number(row.Value),
            csv.Number(result.Nodes.IdealRaw()[row.Position])});
    }
}

void ConsensusRows(CCsvWriter& csv, const std::string& caption, const std::optional<CConsensus>& consensus)
{
    if (!consensus) {
        csv.Row({caption});
        return;
    }
    csv.Row({caption, csv.Number(consensus->SStar), Tr(ConsensusBandPhrase(ConsensusBandOf(consensus->SStar)))});
    csv.Row({"S", csv.Number(consensus->S)});
}

void Agreement(CCsvWriter& csv, const CGroupDecision& decision)
{
    const CGroupResult& result = decision.Result();
    csv.EndSection();
    csv.Row({Tr(CsvGroupAgreementTitlePhrase)});
    if (result.OverallConsensus) {
        csv.Row({Tr(CsvOverallConsensusCaption), csv.Number(*result.OverallConsensus),
            Tr(ConsensusBandPhrase(ConsensusBandOf(*result.OverallConsensus)))});
    } else {
        csv.Row({Tr(CsvOverallConsensusCaption)});
    }
    ConsensusRows(csv, Tr(CsvFinalHomogeneityCaption), result.FinalAgreement);
    if (result.KendallW) {
        csv.Row({Tr(CsvKendallCaption), csv.Number(*result.KendallW),
            Tr(ConcordanceBandPhrase(ConcordanceBandOf(*result.KendallW)))});
    } else {
        csv.Row({Tr(CsvKendallCaption)});
    }
}

void Element(CCsvWriter& csv, const CGroupDecision& decision, std::size_t index)
{
    const CGroupElementResult& element = decision.Result().Elements[index];
    const CGroupResult& result = decision.Result();
    const std::uint32_t n = element.Aggregate.Order;
    const CNodeResult& data = result.Nodes.Node(element.Node);
    const bool has = GroupNodeHasPriorities(result, element.Node);
    const std::vector<std::string> names = GroupComparedNames(decision, element.Node);
    const auto name = [&names](std::uint32_t i) { return CsvText(names[i]); };

    csv.EndSection();
    if (decision.Layered()) {
        const CElementSlot& slot = element.Slot;
        csv.Row({Say(CsvLayeredElementTitle, Tr(CsvGroupElementTitlePhrase),
            decision.Hierarchy().Node(element.Node).Name, Count(slot.Level), Count(slot.Position + 1))});
    } else {
        csv.Row({Say(CsvTreeElementTitle, Tr(CsvGroupElementTitlePhrase), GroupNodePath(decision, element.Node))});
    }
    std::vector<std::string> header{Tr(NumberCaption), Tr(ElementCaption)};
    for (std::uint32_t c = 0; c < n; ++c) {
        header.push_back(Count(c + 1));
    }
    std::vector<std::string> matrixHeader = header;
    matrixHeader.push_back(Tr(PriorityCaption));
    csv.Row(matrixHeader);
    for (std::uint32_t r = 0; r < n; ++r) {
        std::vector<std::string> row{Count(r + 1), name(r)};
        for (std::uint32_t c = 0; c < n; ++c) {
            const CJudgement& judgement = element.Aggregate.Judgements(r, c);
            row.push_back(judgement.IsJudged() ? csv.Number(judgement.Value()) : std::string());
        }
        row.push_back(has ? csv.Number(data.Local[r]) : std::string());
        csv.Row(row);
    }
    // One expert's judgements have no spread: the section is left out, as the command
    // line's JSON gives no matrix then. The diagonal is every expert's equality, so its
    // spread is 1.
    if (decision.ExpertCount() > 1) {
        csv.Row({Tr(SpreadTerm)});
        csv.Row(header);
        for (std::uint32_t r = 0; r < n; ++r) {
            std::vector<std::string> row{Count(r + 1), name(r)};
            for (std::uint32_t c = 0; c < n; ++c) {
                row.push_back(r == c ? csv.Number(1.0) : csv.Number(element.Aggregate.Spread[r][c]));
            }
            csv.Row(row);
        }
    }
    if (has) {
        csv.Row({Tr(LambdaMaxTerm), csv.Number(data.Measures.LambdaMax)});
        csv.Row({Tr(ConsistencyIndexTerm), csv.Number(data.Measures.CI)});
        csv.Row({Tr(ConsistencyRatioTerm), csv.Number(data.Measures.CR)});
        csv.Row({Tr(CsvGciCaption), csv.Number(element.Gci)});
    }
    ConsensusRows(csv, Tr(ConsensusCaptionPhrase), element.Consensus);

    csv.Row({Tr(CsvExpertPrioritiesTitlePhrase)});
    std::vector<std::string> experts{Tr(NumberCaption), Tr(ElementCaption), Tr(GroupPriorityCaption)};
    for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
        experts.push_back(CsvText(decision.Member(k).Label));
    }
    csv.Row(experts);
    const std::vector<std::vector<std::optional<double>>> figures = ExpertVectorsRows(decision, index);
    for (std::uint32_t r = 0; r <= n; ++r) {
        std::vector<std::string> row = r < n ? std::vector<std::string>{Count(r + 1), name(r)}
                                             : std::vector<std::string>{"", Tr(ConsistencyRatioTerm)};
        for (const std::optional<double>& figure : figures[r]) {
            row.push_back(csv.Number(figure));
        }
        csv.Row(row);
    }
    // Placed by expert, so that each is found at once (a search per expert is quadratic).
    std::vector<std::string> distances(3 + decision.ExpertCount());
    distances[1] = Tr(DistanceCaptionPhrase);
    for (const CExpertDistance& d : element.Distances) {
        distances[3 + d.Expert] = csv.Number(d.Distance);
    }
    csv.Row(distances);
}

// Who said what: per pair the group's value, how many judged it and who lies furthest
// from it, then each expert's own judgement (empty where he left the pair out).
void PairJudgements(CCsvWriter& csv, const CGroupDecision& decision, std::size_t index)
{
    const CGroupElementResult& element = decision.Result().Elements[index];
    const std::uint32_t n = element.Aggregate.Order;
    csv.Row({Tr(CsvPairJudgementsTitlePhrase)});
    csv.Row({Tr(CsvRowCaption), Tr(CsvColumnCaption), Tr(ExpertCaption), Tr(CsvJudgementCaption),
        Tr(CsvJudgedByCaption), Tr(CsvFurthestCaption)});
    const std::string group = Tr(GroupPriorityCaption);
    for (std::uint32_t i = 0; i < n; ++i) {
        for (std::uint32_t j = i + 1; j < n; ++j) {
            const CJudgement& combined = element.Aggregate.Judgements(i, j);
            const std::optional<std::size_t>& furthest = element.FurthestExpert[i][j];
            csv.Row(
                {Count(i + 1), Count(j + 1), group, combined.IsJudged() ? csv.Number(combined.Value()) : std::string(),
                    Count(element.Aggregate.JudgedBy[i][j]),
                    furthest ? CsvText(decision.Member(*furthest).Label) : std::string()});
            for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
                const CJudgement own = decision.ExpertJudgement(k, index, i, j);
                csv.Row({Count(i + 1), Count(j + 1), CsvText(decision.Member(k).Label),
                    own.IsJudged() ? csv.Number(own.Value()) : std::string()});
            }
        }
    }
}
} // namespace

std::string GroupCsv(const CGroupDecision& decision, char decimalSeparator)
{
    CCsvWriter csv(decimalSeparator);
    if (decision.ExpertCount() == 0) {
        return csv.Text;
    }
    Members(csv, decision);
    Ranking(csv, decision);
    // Ratings are ideal by nature: their ranking is already the one above.
    if (!decision.Result().Ratings) {
        IdealRanking(csv, decision);
    }
    Agreement(csv, decision);
    for (const std::size_t e : GroupElementOrder(decision)) {
        Element(csv, decision, e);
        PairJudgements(csv, decision, e);
    }
    return csv.Text;
}
