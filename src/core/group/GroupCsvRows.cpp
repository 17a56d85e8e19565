#include "core/group/GroupCsvRows.h"

#include "core/group/CGroupDecision.h"
#include "core/group/GroupReportContent.h"
#include "core/model/CUserProjectModel.h"
#include "core/results/CsvExport.h"
#include "core/results/NumberFormat.h"
#include "core/results/ReportContent.h"

#include <algorithm>
#include <optional>
#include <span>
#include <vector>

namespace {
constexpr const char* MembersTitle = "Эксперты группы";
constexpr const char* AgreementTitle = "Согласие";
constexpr const char* ElementTitle = "Групповые суждения по элементу";
constexpr const char* ExpertVectorsTitle = "Приоритеты экспертов";

class CRows {
public:
    explicit CRows(char decimalSeparator)
        : Decimal(decimalSeparator)
        , Separator(CsvFieldSeparator(decimalSeparator))
    {
    }

    void Row(const std::vector<std::string>& fields)
    {
        for (std::size_t f = 0; f < fields.size(); ++f) {
            Text += f == 0 ? "" : std::string(1, Separator);
            Text += CsvField(fields[f], Separator);
        }
        Text += "\r\n";
    }
    void EndSection() { Text += "\r\n"; }
    [[nodiscard]] std::string Number(double x) const { return FormatGeneral(x, Decimal); }
    [[nodiscard]] std::string Number(const std::optional<double>& x) const { return x ? Number(*x) : std::string(); }
    [[nodiscard]] std::string Entry(std::span<const double> vector, std::size_t i) const
    {
        return i < vector.size() ? Number(vector[i]) : std::string();
    }

    std::string Text = "\xEF\xBB\xBF";

private:
    char Decimal;
    char Separator;
};

std::string Count(std::size_t k)
{
    return std::to_string(k);
}

bool GroupHasPriorities(const CGroupResult& result, const CElementSlot& slot)
{
    const EPrioritiesBasis basis = result.Group.Basis(slot.Position, slot.Level);
    return basis == EPrioritiesBasis::AllJudged || basis == EPrioritiesBasis::LeastSquares;
}

void Members(CRows& csv, const CGroupDecision& decision)
{
    csv.Row({MembersTitle});
    csv.Row({"№", ExpertCaption, "Файл", WeightCaption, "Доля"});
    for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
        const CGroupMember& member = decision.Member(k);
        csv.Row({Count(k + 1), CsvText(member.Label), CsvText(member.File), csv.Number(member.Weight),
            csv.Number(decision.Result().Weights.at(k))});
    }
}

// The alternatives in the group ranking's order (by position without one), each with the
// group's priority and place, both aggregations and every expert's own priority.
void Ranking(CRows& csv, const CGroupDecision& decision)
{
    const CGroupResult& result = decision.Result();
    const CUserProjectModel& model = decision.Model();
    const std::uint32_t bottom = model.LevelCount() - 1;
    const std::uint32_t alternatives = model.ElementsInLevelChecked(bottom);
    std::vector<std::string> header{
        PlaceCaption, AlternativeCaption, GroupPriorityCaption, AipArithmeticCaption, AipGeometricCaption};
    for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
        header.push_back(CsvText(decision.Member(k).Label));
    }
    csv.EndSection();
    csv.Row({FinalRankingTitle});
    csv.Row(header);
    std::vector<std::uint32_t> order;
    for (std::uint32_t r = 0; r < result.Ranking.Count; ++r) {
        order.push_back(result.Ranking.Rows[r].Position);
    }
    for (std::uint32_t a = 0; order.empty() && a < alternatives; ++a) {
        order.push_back(a);
    }
    const bool ranked = result.Ranking.Count != 0;
    for (std::size_t r = 0; r < order.size(); ++r) {
        const std::uint32_t a = order[r];
        std::vector<std::string> row{ranked ? Count(r + 1) : std::string(), CsvText(model.Element(a, bottom).Name),
            ranked ? csv.Number(result.Group.GlobalPriority()(a, bottom)) : std::string(),
            csv.Entry(result.AipArithmetic, a), csv.Entry(result.AipGeometric, a)};
        for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
            row.push_back(csv.Entry(decision.ExpertFinal(k), a));
        }
        csv.Row(row);
    }
}

void ConsensusRows(CRows& csv, const std::string& caption, const std::optional<CConsensus>& consensus)
{
    if (!consensus) {
        csv.Row({caption});
        return;
    }
    csv.Row({caption, csv.Number(consensus->SStar), ConsensusBandText(ConsensusBandOf(consensus->SStar))});
    csv.Row({"S", csv.Number(consensus->S)});
}

void Agreement(CRows& csv, const CGroupDecision& decision)
{
    const CGroupResult& result = decision.Result();
    csv.EndSection();
    csv.Row({AgreementTitle});
    const std::optional<double>& overall = result.OverallConsensus;
    csv.Row({"Общее согласие группы S*", csv.Number(overall),
        overall ? ConsensusBandText(ConsensusBandOf(*overall)) : std::string()});
    ConsensusRows(csv, "Согласие в итоговом рейтинге S*", result.FinalAgreement);
}

void Element(CRows& csv, const CGroupDecision& decision, const CGroupElementResult& element)
{
    const CUserProjectModel& model = decision.Model();
    const CGroupResult& result = decision.Result();
    const CElementSlot& slot = element.Slot;
    const std::uint32_t n = element.Aggregate.Order;
    const bool has = GroupHasPriorities(result, slot);
    const TDesicionLevelData& data = result.Group.LevelData(slot.Position, slot.Level);
    const auto name = [&](std::uint32_t i) { return CsvText(model.Element(i, slot.Level + 1).Name); };

    csv.EndSection();
    csv.Row({std::string(ElementTitle) + " «" + model.Element(slot.Position, slot.Level).Name + "» (уровень "
        + Count(slot.Level) + ", № " + Count(slot.Position + 1) + ")"});
    std::vector<std::string> header{"№", "Элемент"};
    for (std::uint32_t c = 0; c < n; ++c) {
        header.push_back(Count(c + 1));
    }
    std::vector<std::string> withPriority = header;
    withPriority.emplace_back(PriorityCaption);
    csv.Row(withPriority);
    for (std::uint32_t r = 0; r < n; ++r) {
        std::vector<std::string> row{Count(r + 1), name(r)};
        for (std::uint32_t c = 0; c < n; ++c) {
            const CJudgement& cell = element.Aggregate.Judgements(r, c);
            row.push_back(cell.IsJudged() ? csv.Number(cell.Value()) : std::string());
        }
        row.push_back(has ? csv.Number(data.Priority[r]) : std::string());
        csv.Row(row);
    }
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
    }
    csv.Row({"Геометрический индекс", csv.Number(element.Gci)});
    ConsensusRows(csv, ConsensusCaption, element.Consensus);

    csv.Row({ExpertVectorsTitle});
    std::vector<std::string> experts{"№", "Элемент", GroupPriorityCaption};
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
        const auto distance = std::find_if(element.Distances.begin(), element.Distances.end(),
            [k](const CExpertDistance& d) { return d.Expert == k; });
        distances.push_back(distance == element.Distances.end() ? std::string() : csv.Number(distance->Distance));
    }
    csv.Row(ratios);
    csv.Row(distances);
}
} // namespace

std::string GroupDecisionCsv(const CGroupDecision& decision, char decimalSeparator)
{
    CRows csv(decimalSeparator);
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
