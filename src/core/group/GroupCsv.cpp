#include "core/group/GroupCsv.h"

#include "core/group/CGroupDecision.h"
#include "core/group/GroupReportContent.h"
#include "core/model/CUserProjectModel.h"
#include "core/results/CsvExport.h"
#include "core/results/NumberFormat.h"

#include <optional>
#include <span>
#include <vector>

namespace {
class CGroupCsvWriter {
public:
    explicit CGroupCsvWriter(char decimalSeparator)
        : Decimal(decimalSeparator)
        , Separator(CsvFieldSeparator(decimalSeparator))
    {
        Text = "\xEF\xBB\xBF";
    }

    void Row(const std::vector<std::string>& fields)
    {
        for (std::size_t f = 0; f < fields.size(); ++f) {
            if (f > 0) {
                Text += Separator;
            }
            Text += CsvField(fields[f], Separator);
        }
        Text += "\r\n";
    }
    void EndSection() { Text += "\r\n"; }
    [[nodiscard]] std::string Number(double x) const { return FormatGeneral(x, Decimal); }
    [[nodiscard]] std::string Number(const std::optional<double>& x) const { return x ? Number(*x) : std::string(); }
    // The entry i of a vector, empty where the vector has none (an expert without
    // priorities there).
    [[nodiscard]] std::string Entry(std::span<const double> vector, std::size_t i) const
    {
        return i < vector.size() ? Number(vector[i]) : std::string();
    }

    std::string Text;

private:
    char Decimal;
    char Separator;
};

std::string Count(std::size_t k)
{
    return std::to_string(k);
}

// Each alternative's place in a ranking by position; 0 for one not in it.
std::vector<std::uint32_t> PlacesOf(const CResultList& ranking, std::uint32_t alternatives)
{
    std::vector<std::uint32_t> places(alternatives, 0);
    for (std::uint32_t r = 0; r < ranking.Count; ++r) {
        if (ranking.Rows[r].Position < alternatives) {
            places[ranking.Rows[r].Position] = r + 1;
        }
    }
    return places;
}

void Members(CGroupCsvWriter& csv, const CGroupDecision& decision)
{
    const CGroupResult& result = decision.Result();
    csv.Row({GroupMembersTitle});
    csv.Row({"№", ExpertCaption, FileCaption, WeightCaption, ShareCaption});
    for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
        const CGroupMember& member = decision.Member(k);
        csv.Row({Count(k + 1), CsvText(member.Label), CsvText(member.File), csv.Number(member.Weight),
            k < result.Weights.size() ? csv.Number(result.Weights[k]) : std::string()});
    }
}

void Ranking(CGroupCsvWriter& csv, const CGroupDecision& decision)
{
    const CUserProjectModel& model = decision.Model();
    const CGroupResult& result = decision.Result();
    const std::uint32_t bottom = model.LevelCount() - 1;
    const std::uint32_t alternatives = model.ElementsInLevelChecked(bottom);

    std::vector<std::string> header{
        PlaceCaption, AlternativeCaption, GroupPriorityCaption, AipArithmeticCaption, AipGeometricCaption};
    for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
        header.push_back(CsvText(decision.Member(k).Label));
        header.push_back(CsvText(decision.Member(k).Label) + ": " + PlaceCaption);
    }
    csv.EndSection();
    csv.Row({GroupRankingTitle});
    csv.Row(header);

    const std::vector<std::uint32_t> groupPlaces = PlacesOf(result.Ranking, alternatives);
    std::vector<std::vector<std::uint32_t>> expertPlaces;
    for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
        expertPlaces.push_back(PlacesOf(decision.ExpertRanking(k), alternatives));
    }
    std::vector<std::uint32_t> order;
    for (std::uint32_t r = 0; r < result.Ranking.Count; ++r) {
        order.push_back(result.Ranking.Rows[r].Position);
    }
    if (order.empty()) {
        for (std::uint32_t a = 0; a < alternatives; ++a) {
            order.push_back(a);
        }
    }
    for (const std::uint32_t a : order) {
        const bool ranked = groupPlaces[a] != 0;
        std::vector<std::string> row{ranked ? Count(groupPlaces[a]) : std::string(),
            CsvText(model.Element(a, bottom).Name),
            ranked ? csv.Number(result.Group.GlobalPriority()(a, bottom)) : std::string(),
            csv.Entry(result.AipArithmetic, a), csv.Entry(result.AipGeometric, a)};
        for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
            row.push_back(csv.Entry(decision.ExpertFinal(k), a));
            row.push_back(expertPlaces[k][a] != 0 ? Count(expertPlaces[k][a]) : std::string());
        }
        csv.Row(row);
    }
}

void ConsensusRows(CGroupCsvWriter& csv, const std::string& caption, const std::optional<CConsensus>& consensus)
{
    if (!consensus) {
        csv.Row({caption});
        return;
    }
    csv.Row({caption, csv.Number(consensus->SStar), ConsensusBandText(ConsensusBandOf(consensus->SStar))});
    csv.Row({"S", csv.Number(consensus->S)});
}

void Agreement(CGroupCsvWriter& csv, const CGroupDecision& decision)
{
    const CGroupResult& result = decision.Result();
    csv.EndSection();
    csv.Row({CsvGroupAgreementTitle});
    if (result.OverallConsensus) {
        csv.Row({"Общее согласие группы S*", csv.Number(*result.OverallConsensus),
            ConsensusBandText(ConsensusBandOf(*result.OverallConsensus))});
    } else {
        csv.Row({"Общее согласие группы S*"});
    }
    ConsensusRows(csv, "Согласие в итоговом рейтинге S*", result.FinalAgreement);
}

void Element(CGroupCsvWriter& csv, const CGroupDecision& decision, const CGroupElementResult& element)
{
    const CUserProjectModel& model = decision.Model();
    const CGroupResult& result = decision.Result();
    const CElementSlot& slot = element.Slot;
    const std::uint32_t n = element.Aggregate.Order;
    const TDesicionLevelData& data = result.Group.LevelData(slot.Position, slot.Level);
    const EPrioritiesBasis basis = result.Group.Basis(slot.Position, slot.Level);
    const bool has = basis == EPrioritiesBasis::AllJudged || basis == EPrioritiesBasis::LeastSquares;
    const auto name = [&model, &slot](std::uint32_t i) { return CsvText(model.Element(i, slot.Level + 1).Name); };

    csv.EndSection();
    csv.Row({std::string(CsvGroupElementTitle) + " «" + model.Element(slot.Position, slot.Level).Name + "» (уровень "
        + Count(slot.Level) + ", № " + Count(slot.Position + 1) + ")"});
    std::vector<std::string> header{"№", ElementCaption};
    for (std::uint32_t c = 0; c < n; ++c) {
        header.push_back(Count(c + 1));
    }
    std::vector<std::string> matrixHeader = header;
    matrixHeader.emplace_back(PriorityCaption);
    csv.Row(matrixHeader);
    for (std::uint32_t r = 0; r < n; ++r) {
        std::vector<std::string> row{Count(r + 1), name(r)};
        for (std::uint32_t c = 0; c < n; ++c) {
            const CJudgement& judgement = element.Aggregate.Judgements(r, c);
            row.push_back(judgement.IsJudged() ? csv.Number(judgement.Value()) : std::string());
        }
        row.push_back(has ? csv.Number(data.Priority[r]) : std::string());
        csv.Row(row);
    }
    // One expert's judgements have no spread: the section is left out, as the command
    // line's JSON gives no matrix then. The diagonal is every expert's equality, so its
    // spread is 1.
    if (decision.ExpertCount() > 1) {
        csv.Row({SpreadTerm});
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
        csv.Row({LambdaMaxTerm, csv.Number(data.LambdaMax)});
        csv.Row({ConsistencyIndexTerm, csv.Number(data.CI)});
        csv.Row({ConsistencyRatioTerm, csv.Number(data.CR)});
        csv.Row({"Геометрический индекс", csv.Number(element.Gci)});
    }
    ConsensusRows(csv, ConsensusCaption, element.Consensus);

    csv.Row({CsvExpertPrioritiesTitle});
    std::vector<std::string> experts{"№", ElementCaption, GroupPriorityCaption};
    for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
        experts.push_back(CsvText(decision.Member(k).Label));
    }
    csv.Row(experts);
    for (std::uint32_t r = 0; r < n; ++r) {
        std::vector<std::string> row{Count(r + 1), name(r), has ? csv.Number(data.Priority[r]) : std::string()};
        for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
            row.push_back(csv.Entry(decision.ExpertPriorities(k, slot), r));
        }
        csv.Row(row);
    }
    std::vector<std::string> ratios{"", ConsistencyRatioTerm, has ? csv.Number(data.CR) : std::string()};
    std::vector<std::string> distances{"", DistanceCaption, ""};
    for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
        const bool own = !decision.ExpertPriorities(k, slot).empty();
        ratios.push_back(own ? csv.Number(decision.ExpertResults(k).LevelData(slot.Position, slot.Level).CR) : "");
        std::string distance;
        for (const CExpertDistance& d : element.Distances) {
            if (d.Expert == k) {
                distance = csv.Number(d.Distance);
            }
        }
        distances.push_back(distance);
    }
    csv.Row(ratios);
    csv.Row(distances);
}
} // namespace

std::string GroupCsv(const CGroupDecision& decision, char decimalSeparator)
{
    CGroupCsvWriter csv(decimalSeparator);
    if (decision.ExpertCount() == 0) {
        return csv.Text;
    }
    Members(csv, decision);
    Ranking(csv, decision);
    Agreement(csv, decision);
    for (const CGroupElementResult& element : decision.Result().Elements) {
        Element(csv, decision, element);
    }
    return csv.Text;
}
