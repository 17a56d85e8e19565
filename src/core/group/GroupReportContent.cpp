#include "core/group/GroupReportContent.h"

#include "core/group/CGroupDecision.h"
#include "core/group/CGroupResult.h"
#include "core/model/CUserProjectModel.h"
#include "core/results/ConsistencyGuidance.h"
#include "core/results/NumberFormat.h"
#include "core/results/RatingReportContent.h"

#include <algorithm>
#include <utility>

namespace {
std::string Quoted(const std::string& text)
{
    return "«" + text + "»";
}

std::string Labels(const CGroupDecision& decision, std::span<const std::size_t> experts)
{
    std::string text;
    for (const std::size_t k : experts) {
        text += text.empty() ? "" : ", ";
        text += decision.Member(k).Label;
    }
    return text;
}

std::string PercentText(double percent, char decimalSeparator)
{
    return FormatTruncated(percent, 1, decimalSeparator) + " %";
}

// A priority, weight or measure as every output shows it.
std::string Shown(double x, char decimalSeparator)
{
    return FormatTruncated(x, 4, decimalSeparator);
}

std::string Numbered(std::uint32_t index, const std::string& name)
{
    return std::to_string(index + 1) + ". " + name;
}

// The names of the level below an element, by position; under a tree's criterion what it
// compares.
std::vector<std::string> ChildNames(const CGroupDecision& decision, const CGroupElementResult& element)
{
    if (!decision.Layered()) {
        return GroupComparedNames(decision, element.Node);
    }
    std::vector<std::string> names;
    for (std::uint32_t i = 0; i < element.Aggregate.Order; ++i) {
        names.push_back(decision.Model().Element(i, element.Slot.Level + 1).Name);
    }
    return names;
}

// The first column's caption of an element's tables: the level below it, or what a tree's
// criterion compares.
std::string ComparedCaption(const CGroupDecision& decision, const CGroupElementResult& element)
{
    if (decision.Layered()) {
        return "Элемент уровня " + std::to_string(element.Slot.Level + 1);
    }
    // As a tree's own judgement tables head theirs.
    const CHierarchy& hierarchy = decision.Hierarchy();
    if (hierarchy.IsCovering(element.Node)) {
        return Tr(AlternativeCaption);
    }
    return element.Node == CHierarchy::GoalNode ? "Критерий" : "Подкритерий";
}

// The level an element stands on: a layered slot's, or a tree's depth.
std::uint32_t LevelOf(const CGroupDecision& decision, const CGroupElementResult& element)
{
    return decision.Layered() ? element.Slot.Level : decision.Hierarchy().Level(element.Node);
}

// Each alternative's place (1 = best) in a ranking, by position; 0 for one not in it.
std::vector<std::uint32_t> PlacesOf(std::span<const CResultRow> ranking, std::uint32_t alternatives)
{
    std::vector<std::uint32_t> places(alternatives, 0);
    for (std::size_t r = 0; r < ranking.size(); ++r) {
        if (ranking[r].Position < alternatives) {
            places[ranking[r].Position] = static_cast<std::uint32_t>(r + 1);
        }
    }
    return places;
}

// "0.4926 (1)", or "—" when the column has no figures.
std::string PriorityAndPlace(const CRankedFigure& figure, char sep)
{
    if (!figure.Priority || figure.Place == 0) {
        return NoFigureText;
    }
    return Shown(*figure.Priority, sep) + " (" + std::to_string(figure.Place) + ")";
}

// The entry i of a vector; none where the vector has none.
std::optional<double> EntryOf(std::span<const double> vector, std::size_t i)
{
    return i < vector.size() ? std::optional<double>(vector[i]) : std::nullopt;
}

// Places by a vector of scores, the highest first, equal scores in the alternatives' order.
std::vector<std::uint32_t> PlacesByScore(std::span<const double> scores, std::uint32_t alternatives)
{
    std::vector<std::uint32_t> places(alternatives, 0);
    if (scores.size() != alternatives) {
        return places;
    }
    std::vector<std::uint32_t> order(alternatives);
    for (std::uint32_t a = 0; a < alternatives; ++a) {
        order[a] = a;
    }
    std::stable_sort(
        order.begin(), order.end(), [&](std::uint32_t x, std::uint32_t y) { return scores[x] > scores[y]; });
    for (std::uint32_t r = 0; r < alternatives; ++r) {
        places[order[r]] = r + 1;
    }
    return places;
}

bool GroupHasPrioritiesAtSlot(const CGroupResult& result, const CElementSlot& slot)
{
    const EPrioritiesBasis basis = result.Group.Basis(slot.Position, slot.Level);
    return basis == EPrioritiesBasis::AllJudged || basis == EPrioritiesBasis::LeastSquares;
}
} // namespace

bool GroupNodeHasPriorities(const CGroupResult& result, std::uint32_t node)
{
    const EPrioritiesBasis basis = result.Nodes.Node(node).Basis;
    return basis == EPrioritiesBasis::AllJudged || basis == EPrioritiesBasis::LeastSquares;
}

std::vector<std::string> GroupComparedNames(const CGroupDecision& decision, std::uint32_t node)
{
    const CHierarchy& hierarchy = decision.Hierarchy();
    std::vector<std::string> names;
    if (hierarchy.IsCovering(node)) {
        for (const CAlternative& alternative : hierarchy.Alternatives()) {
            names.push_back(alternative.Name);
        }
    } else {
        for (const std::uint32_t child : hierarchy.Node(node).Children) {
            names.push_back(hierarchy.Node(child).Name);
        }
    }
    return names;
}

std::string GroupNodePath(const CGroupDecision& decision, std::uint32_t node)
{
    const CHierarchy& hierarchy = decision.Hierarchy();
    if (node == CHierarchy::GoalNode) {
        return hierarchy.Goal().Name;
    }
    std::string text;
    for (const std::string& name : hierarchy.Path(node)) {
        text += text.empty() ? "" : " / ";
        text += name;
    }
    return text;
}

std::vector<std::uint32_t> GroupNodesDepthFirst(const CGroupDecision& decision)
{
    const CHierarchy& hierarchy = decision.Hierarchy();
    std::vector<std::uint32_t> order;
    if (hierarchy.NodeCount() == 0) {
        return order;
    }
    std::vector<std::uint32_t> pending{CHierarchy::GoalNode};
    while (!pending.empty()) {
        const std::uint32_t node = pending.back();
        pending.pop_back();
        order.push_back(node);
        const std::vector<std::uint32_t>& children = hierarchy.Node(node).Children;
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    return order;
}

std::vector<std::size_t> GroupElementOrder(const CGroupDecision& decision)
{
    const std::vector<CGroupElementResult>& elements = decision.Result().Elements;
    std::vector<std::size_t> order;
    if (decision.Layered()) {
        for (std::size_t e = 0; e < elements.size(); ++e) {
            order.push_back(e);
        }
        return order;
    }
    std::vector<std::optional<std::size_t>> elementOf(decision.Hierarchy().NodeCount());
    for (std::size_t e = 0; e < elements.size(); ++e) {
        elementOf[elements[e].Node] = e;
    }
    for (const std::uint32_t node : GroupNodesDepthFirst(decision)) {
        if (elementOf[node]) {
            order.push_back(*elementOf[node]);
        }
    }
    return order;
}

std::string GroupWindowCaption(const std::string& name)
{
    return GroupCaptionPrefix + name;
}

std::string ExpertProblemText(std::size_t expert, const std::string& problem)
{
    return "Эксперт " + std::to_string(expert + 1) + ": " + problem;
}

std::string SameFileProblem(const std::string& fileName, std::size_t otherExpert)
{
    return "файл " + Quoted(fileName) + " уже указан для эксперта " + std::to_string(otherExpert + 1);
}

std::string UnreadableMemberText(std::size_t expert, const std::string& label, const std::string& message)
{
    return "Эксперт " + std::to_string(expert + 1) + " " + Quoted(label) + ": " + message;
}

std::string UnreadableMemberLine(std::size_t expert, const std::string& label, const std::string& message,
    const std::string& file, const std::string& reason)
{
    std::string line = UnreadableMemberText(expert, label, message) + " (" + file;
    if (!reason.empty()) {
        line += ": " + reason;
    }
    return line + ")";
}

std::string MoreProblemsText(std::size_t more)
{
    const std::string digits = std::to_string(more);
    std::string text = "... и ещё ";
    // Thousands apart, as the number is read: 99 997.
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            text += ' ';
        }
        text += digits[i];
    }
    return text;
}

std::string GroupRankingRefusalText(const std::string& notConnected)
{
    return "Группового рейтинга нет. " + notConnected;
}

std::string ConsensusPercentText(double sStar, char decimalSeparator)
{
    return PercentText(ShownConsensusPercent(sStar), decimalSeparator);
}

std::string ConsensusText(double sStar, char decimalSeparator)
{
    return ConsensusPercentText(sStar, decimalSeparator) + " (" + ConsensusBandText(ConsensusBandOf(sStar)) + ")";
}

std::string OverallConsensusLine(const CGroupDecision& decision, char decimalSeparator)
{
    const CGroupResult& result = decision.Result();
    if (decision.ExpertCount() < 2) {
        return "Согласие группы не определено: в группе один эксперт";
    }
    if (!result.OverallConsensus) {
        return "Общее согласие группы не определено: нет группового рейтинга";
    }
    return "Общее согласие группы: " + ConsensusText(*result.OverallConsensus, decimalSeparator);
}

std::string FinalAgreementLine(const CGroupDecision& decision, char decimalSeparator)
{
    const CGroupResult& result = decision.Result();
    if (decision.ExpertCount() < 2) {
        return "Однородность итоговых приоритетов не определена: в группе один эксперт";
    }
    if (!result.FinalAgreement) {
        return "Однородность итоговых приоритетов не определена: итоговые приоритеты есть меньше чем у двух "
               "экспертов";
    }
    return "Однородность итоговых приоритетов: S* " + ConsensusText(result.FinalAgreement->SStar, decimalSeparator)
        + ", S " + PercentText(ShownConsensusPercent(result.FinalAgreement->S), decimalSeparator);
}

std::string KendallLine(const CGroupDecision& decision, char decimalSeparator)
{
    const std::optional<double>& w = decision.Result().KendallW;
    if (!w) {
        return "Согласие в порядке альтернатив (W Кендалла) не определено: итоговые приоритеты есть меньше чем у "
               "двух экспертов";
    }
    return "Согласие в порядке альтернатив (W Кендалла): " + Shown(*w, decimalSeparator) + " ("
        + ConcordanceBandText(ConcordanceBandOf(*w)) + ")";
}

std::string GroupUnacceptableWarning(const CGroupDecision& decision, char decimalSeparator)
{
    if (decision.ExpertCount() == 0) {
        return {};
    }
    if (decision.Layered()) {
        return UnacceptableWarningText(decision.Model(), decision.Result().Unacceptable, decimalSeparator);
    }
    // A tree's matrices named by their paths, in the sentence a layered project's get.
    const CGroupResult& result = decision.Result();
    const std::vector<CUnacceptableNode>& unacceptable = result.UnacceptableNodes;
    if (unacceptable.empty()) {
        return {};
    }
    const auto count = static_cast<std::uint32_t>(unacceptable.size());
    const bool one = count % 10 == 1 && count % 100 != 11;
    std::string text = "Внимание: согласованность суждений недостаточна в " + std::to_string(count)
        + (one ? " матрице" : " матрицах") + " из " + std::to_string(result.Elements.size()) + ": ";
    // A large tree may have hundreds: the first few are named, the rest counted.
    const std::size_t named = std::min(unacceptable.size(), MaxNamedProblems);
    for (std::size_t k = 0; k < named; ++k) {
        const CUnacceptableNode& matrix = unacceptable[k];
        text += k == 0 ? "" : "; ";
        text += matrix.Node == CHierarchy::GoalNode ? "цель " : "";
        text += Quoted(GroupNodePath(decision, matrix.Node)) + " ("
            + (matrix.Completed ? Tr(CompletedRatioTerm) : Tr(ConsistencyRatioTerm)) + " "
            + Shown(matrix.Cr, decimalSeparator) + ", допустимо до " + Shown(matrix.CrLimit, decimalSeparator) + ")";
    }
    if (named < unacceptable.size()) {
        text += "; " + MoreProblemsText(unacceptable.size() - named);
    }
    return text + ". Результат опирается на суждения, которые стоит пересмотреть.";
}

std::string LeftOutText(
    const CGroupDecision& decision, const std::string& elementName, std::span<const std::size_t> experts)
{
    if (experts.empty()) {
        return {};
    }
    const bool one = experts.size() == 1;
    return "В согласии по " + Quoted(elementName) + (one ? " не учтён эксперт " : " не учтены эксперты ")
        + Labels(decision, experts) + (one ? ": его" : ": их") + " сравнения не связывают элементы";
}

std::string WithoutFinalText(const CGroupDecision& decision)
{
    const std::vector<std::size_t> without = decision.ExpertsWithoutFinal();
    if (without.empty()) {
        return {};
    }
    return "Без итоговых приоритетов (сравнения не связывают элементы): " + Labels(decision, without);
}

std::string DistancesText(
    const CGroupDecision& decision, std::span<const CExpertDistance> distances, char decimalSeparator)
{
    std::string text;
    for (const CExpertDistance& distance : distances) {
        text += text.empty() ? "" : ", ";
        text += decision.Member(distance.Expert).Label + " " + FormatTruncated(distance.Distance, 4, decimalSeparator);
    }
    return text;
}

std::string SpreadText(const std::string& rowName, const std::string& columnName, double spread, char decimalSeparator)
{
    return Quoted(rowName) + " и " + Quoted(columnName) + ": " + SpreadTerm + " "
        + FormatTruncated(spread, 4, decimalSeparator);
}

std::string GroupElementName(const CGroupDecision& decision, const CElementSlot& slot)
{
    const std::string& name = decision.Model().Element(slot.Position, slot.Level).Name;
    return slot.Level == 0 ? name : Numbered(slot.Position, name);
}

std::string GroupElementLabel(const CGroupDecision& decision, std::size_t element)
{
    const CGroupElementResult& shown = decision.Result().Elements[element];
    return decision.Layered() ? GroupElementName(decision, shown.Slot) : GroupNodePath(decision, shown.Node);
}

std::string GroupElementHeading(const CGroupDecision& decision, std::size_t element)
{
    const CGroupElementResult& shown = decision.Result().Elements[element];
    if (decision.Layered()) {
        const CElementSlot& slot = shown.Slot;
        const std::string& name = decision.Model().Element(slot.Position, slot.Level).Name;
        return slot.Level == 0
            ? "Цель «" + name + "»"
            : "«" + name + "»: уровень " + std::to_string(slot.Level) + ", № " + std::to_string(slot.Position + 1);
    }
    return NodeHeading(decision.Hierarchy(), shown.Node);
}

CReportTable GroupMembersTable(const CGroupDecision& decision, char decimalSeparator)
{
    CReportTable table;
    table.Header = {"№", ExpertCaption, FileCaption, WeightCaption, ShareCaption};
    const CGroupResult& result = decision.Result();
    for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
        const CGroupMember& member = decision.Member(k);
        table.Rows.push_back(
            {std::to_string(k + 1), member.Label, member.File, FormatGeneral(member.Weight, decimalSeparator),
                k < result.Weights.size() ? Shown(result.Weights[k], decimalSeparator) : NoFigureText});
    }
    return table;
}

std::vector<CGroupRankingRow> GroupRankingRows(const CGroupDecision& decision)
{
    std::vector<CGroupRankingRow> rows;
    if (decision.ExpertCount() == 0) {
        return rows;
    }
    const CGroupResult& result = decision.Result();
    const std::uint32_t alternatives = decision.Hierarchy().AlternativeCount();

    const std::vector<std::uint32_t> groupPlaces = PlacesOf(result.RankingRows, alternatives);
    const CGroupRatings* rated = result.Ratings ? &*result.Ratings : nullptr;
    std::vector<std::pair<std::span<const double>, std::vector<std::uint32_t>>> columns;
    if (rated != nullptr) {
        columns.emplace_back(rated->Shares, std::vector<std::uint32_t>(alternatives, 0));
        columns.emplace_back(rated->MeanScores, PlacesByScore(rated->MeanScores, alternatives));
        for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
            const std::span<const double> own = k < rated->ExpertScores.size()
                ? std::span<const double>(rated->ExpertScores[k])
                : std::span<const double>();
            columns.emplace_back(own, PlacesByScore(own, alternatives));
        }
    } else {
        columns.emplace_back(result.AipArithmetic, PlacesOf(result.AipArithmeticRows, alternatives));
        columns.emplace_back(result.AipGeometric, PlacesOf(result.AipGeometricRows, alternatives));
        for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
            columns.emplace_back(decision.ExpertFinal(k), PlacesOf(decision.ExpertRankingRows(k), alternatives));
        }
    }

    // In the group's ranking order; without one, in the alternatives' order.
    const bool ranked = !result.RankingRows.empty();
    for (std::uint32_t i = 0; i < (ranked ? result.RankingRows.size() : alternatives); ++i) {
        const std::uint32_t a = ranked ? result.RankingRows[i].Position : i;
        CGroupRankingRow row{
            a, {EntryOf(rated != nullptr ? rated->Scores : result.Nodes.Distributive(), a), groupPlaces[a]}, {}};
        row.NotAllRated = rated != nullptr && a < rated->NotRatedCounts.size() && rated->NotRatedCounts[a] != 0;
        for (const auto& [priorities, places] : columns) {
            row.Columns.push_back({EntryOf(priorities, a), places[a]});
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

CReportTable GroupRankingTable(const CGroupDecision& decision, char decimalSeparator)
{
    CReportTable table;
    const bool rated = decision.Result().Ratings.has_value();
    table.Header = rated ? std::vector<std::string>{Tr(PlaceCaption), Tr(AlternativeCaption), GroupScoreCaption,
                       Tr(RatingShareCaption), MeanScoreCaption}
                         : std::vector<std::string>{Tr(PlaceCaption), Tr(AlternativeCaption), GroupPriorityCaption,
                             AipArithmeticCaption, AipGeometricCaption};
    for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
        table.Header.push_back(decision.Member(k).Label);
    }
    if (rated) {
        table.Header.push_back(Tr(RatingNoteCaption));
    }
    for (const CGroupRankingRow& ranked : GroupRankingRows(decision)) {
        const bool placed = ranked.Group.Place != 0;
        std::vector<std::string> row{placed ? std::to_string(ranked.Group.Place) : NoFigureText,
            decision.Hierarchy().Alternatives()[ranked.Alternative].Name,
            placed ? Shown(*ranked.Group.Priority, decimalSeparator) : NoFigureText};
        for (std::size_t c = 0; c < ranked.Columns.size(); ++c) {
            const CRankedFigure& column = ranked.Columns[c];
            // A rated group's share goes without a place.
            row.push_back(rated && c == 0 ? (column.Priority ? Shown(*column.Priority, decimalSeparator) : NoFigureText)
                                          : PriorityAndPlace(column, decimalSeparator));
        }
        if (rated) {
            row.emplace_back(ranked.NotAllRated ? Tr(NotAllRatedMark) : "");
        }
        table.Rows.push_back(std::move(row));
    }
    return table;
}

CReportTable GroupElementsTable(const CGroupDecision& decision, char decimalSeparator)
{
    CReportTable table;
    table.Header = {LevelCaption, ElementCaption, ConsensusCaption, GroupRatioCaption, LargestExpertRatioCaption,
        WidestSpreadCaption};
    const CGroupResult& result = decision.Result();
    for (const std::size_t e : GroupElementOrder(decision)) {
        const CGroupElementResult& element = result.Elements[e];
        std::vector<std::string> row{std::to_string(LevelOf(decision, element)), GroupElementLabel(decision, e)};
        row.emplace_back(element.Consensus ? ConsensusText(element.Consensus->SStar, decimalSeparator) : NoFigureText);
        row.emplace_back(GroupNodeHasPriorities(result, element.Node)
                ? Shown(result.Nodes.Node(element.Node).Measures.CR, decimalSeparator)
                : NoFigureText);
        if (element.LargestCrExpert) {
            const std::size_t k = *element.LargestCrExpert;
            row.emplace_back(Shown(decision.ExpertNodeResults(k).Node(element.Node).Measures.CR, decimalSeparator)
                + " (" + decision.Member(k).Label + ")");
        } else {
            row.emplace_back(NoFigureText);
        }
        if (element.WidestSpread) {
            const CElementPair& pair = *element.WidestSpread;
            const std::vector<std::string> names = ChildNames(decision, element);
            row.emplace_back(SpreadText(names[pair.Row], names[pair.Column],
                element.Aggregate.Spread[pair.Row][pair.Column].value_or(1.0), decimalSeparator));
        } else {
            row.emplace_back(NoFigureText);
        }
        table.Rows.push_back(std::move(row));
    }
    return table;
}

CReportTable AggregatedMatrixTable(const CGroupDecision& decision, std::size_t element, char decimalSeparator)
{
    CReportTable table;
    const CGroupResult& result = decision.Result();
    if (element >= result.Elements.size()) {
        return table;
    }
    const CGroupElementResult& aggregated = result.Elements[element];
    const CElementSlot& slot = aggregated.Slot;
    const std::uint32_t n = aggregated.Aggregate.Order;
    const bool layered = decision.Layered();
    const bool has = layered ? GroupHasPrioritiesAtSlot(result, slot) : GroupNodeHasPriorities(result, aggregated.Node);
    const std::span<const double> priority = layered
        ? std::span<const double>(result.Group.LevelData(slot.Position, slot.Level).Priority)
        : std::span<const double>(result.Nodes.Node(aggregated.Node).Local);
    const std::vector<std::string> names = ChildNames(decision, aggregated);
    table.Header.push_back(ComparedCaption(decision, aggregated));
    for (std::uint32_t c = 0; c < n; ++c) {
        table.Header.push_back(std::to_string(c + 1));
    }
    table.Header.push_back(Tr(PriorityCaption));
    for (std::uint32_t r = 0; r < n; ++r) {
        std::vector<std::string> row{Numbered(r, names[r])};
        for (std::uint32_t c = 0; c < n; ++c) {
            const CJudgement& judgement = aggregated.Aggregate.Judgements(r, c);
            std::string cell
                = !judgement.IsJudged() ? std::string(NoFigureText) : JudgementText(judgement, decimalSeparator);
            if (r < c && aggregated.Aggregate.Spread[r][c]) {
                // Appended piece by piece: GCC 12 takes "literal" + string here for an
                // overlapping copy (-Wrestrict) in optimised builds.
                cell += '\n';
                cell += SpreadTerm;
                cell += ' ';
                cell += Shown(*aggregated.Aggregate.Spread[r][c], decimalSeparator);
            }
            row.push_back(std::move(cell));
        }
        row.emplace_back(has ? Shown(priority[r], decimalSeparator) : NoFigureText);
        table.Rows.push_back(std::move(row));
    }
    return table;
}

std::vector<std::vector<std::optional<double>>> ExpertVectorsRows(const CGroupDecision& decision, std::size_t element)
{
    std::vector<std::vector<std::optional<double>>> rows;
    const CGroupResult& result = decision.Result();
    if (element >= result.Elements.size()) {
        return rows;
    }
    const std::uint32_t node = result.Elements[element].Node;
    const std::uint32_t n = result.Elements[element].Aggregate.Order;
    const CNodeResult& group = result.Nodes.Node(node);
    const bool has = GroupNodeHasPriorities(result, node);
    for (std::uint32_t r = 0; r <= n; ++r) {
        const bool ratioRow = r == n;
        std::vector<std::optional<double>> row{
            has ? std::optional<double>(ratioRow ? group.Measures.CR : group.Local[r]) : std::nullopt};
        for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
            const std::span<const double> own = decision.ExpertElementPriorities(k, element);
            if (own.empty()) {
                row.emplace_back();
            } else if (ratioRow) {
                row.emplace_back(decision.ExpertNodeResults(k).Node(node).Measures.CR);
            } else {
                row.emplace_back(EntryOf(own, r));
            }
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

CReportTable ExpertVectorsTable(const CGroupDecision& decision, std::size_t element, char decimalSeparator)
{
    CReportTable table;
    const CGroupResult& result = decision.Result();
    if (element >= result.Elements.size()) {
        return table;
    }
    const std::vector<std::string> names = ChildNames(decision, result.Elements[element]);
    table.Header = {ComparedCaption(decision, result.Elements[element]), GroupPriorityCaption};
    for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
        table.Header.push_back(decision.Member(k).Label);
    }
    const std::vector<std::vector<std::optional<double>>> figures = ExpertVectorsRows(decision, element);
    for (std::uint32_t r = 0; r < figures.size(); ++r) {
        std::vector<std::string> row{r == names.size() ? Tr(ConsistencyRatioTerm) : Numbered(r, names[r])};
        for (const std::optional<double>& figure : figures[r]) {
            row.emplace_back(figure ? Shown(*figure, decimalSeparator) : NoFigureText);
        }
        table.Rows.push_back(std::move(row));
    }
    return table;
}

bool ExpertRatioAboveLimit(const CGroupDecision& decision, std::size_t expert, const CElementSlot& slot)
{
    const CGroupResult& result = decision.Result();
    const CGroupElementResult* element = result.ElementAt(slot);
    return element != nullptr
        && ExpertElementRatioAboveLimit(decision, expert, static_cast<std::size_t>(element - result.Elements.data()));
}

bool ExpertElementRatioAboveLimit(const CGroupDecision& decision, std::size_t expert, std::size_t element)
{
    const CGroupResult& result = decision.Result();
    if (element >= result.Elements.size()) {
        return false;
    }
    const std::span<const double> own = decision.ExpertElementPriorities(expert, element);
    if (own.empty()) {
        return false;
    }
    const auto n = static_cast<std::uint32_t>(own.size());
    return decision.ExpertNodeResults(expert).Node(result.Elements[element].Node).Measures.CR
        > ConsistencyRatioLimit(n);
}

std::string ExpertRatioWarning(const CGroupDecision& decision, std::size_t element, char decimalSeparator)
{
    const CGroupResult& result = decision.Result();
    if (element >= result.Elements.size()) {
        return {};
    }
    const CGroupElementResult& aggregated = result.Elements[element];
    std::vector<std::size_t> above;
    for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
        if (ExpertElementRatioAboveLimit(decision, k, element)) {
            above.push_back(k);
        }
    }
    if (above.empty()) {
        return {};
    }
    return Tr(ConsistencyRatioTerm) + " выше допустимой ("
        + FormatGeneral(ConsistencyRatioLimit(aggregated.Aggregate.Order), decimalSeparator)
        + "): " + Labels(decision, above);
}

std::string GroupMeasuresText(const CGroupDecision& decision, std::size_t element, char decimalSeparator)
{
    const CGroupResult& result = decision.Result();
    if (element >= result.Elements.size()) {
        return {};
    }
    const CGroupElementResult& aggregated = result.Elements[element];
    const CElementSlot& slot = aggregated.Slot;
    const bool layered = decision.Layered();
    if (layered ? !GroupHasPrioritiesAtSlot(result, slot) : !GroupNodeHasPriorities(result, aggregated.Node)) {
        return "У группы нет приоритетов: её сравнения не связывают элементы";
    }
    TDesicionLevelData measures;
    if (layered) {
        measures = result.Group.LevelData(slot.Position, slot.Level);
    } else {
        const CConsistency& node = result.Nodes.Node(aggregated.Node).Measures;
        measures.LambdaMax = node.LambdaMax;
        measures.CI = node.CI;
        measures.CR = node.CR;
    }
    std::string text = MeasuresText(measures, decimalSeparator);
    if (aggregated.Gci) {
        text += "; геометрический индекс: " + Shown(*aggregated.Gci, decimalSeparator);
    }
    return text;
}

std::string ExpertRankingText(const CGroupDecision& decision, std::size_t expert, char decimalSeparator)
{
    const CResultList& ranking = decision.ExpertRanking(expert);
    if (ranking.Count == 0) {
        return "нет итоговых приоритетов";
    }
    // A rated expert's ranking follows his shares; what he gave each alternative is its score.
    const std::optional<CGroupRatings>& rated = decision.Result().Ratings;
    const std::vector<double>* scores
        = rated && expert < rated->ExpertScores.size() ? &rated->ExpertScores[expert] : nullptr;
    std::string text;
    for (std::uint32_t r = 0; r < ranking.Count; ++r) {
        const std::uint32_t a = ranking.Rows[r].Position;
        const double value = scores != nullptr && a < scores->size() ? (*scores)[a] : ranking.Rows[r].Value;
        text += text.empty() ? "" : ", ";
        text += ranking.Rows[r].Name + " " + Shown(value, decimalSeparator);
    }
    return text;
}

CReportTable GroupDistancesTable(const CGroupDecision& decision, char decimalSeparator)
{
    CReportTable table;
    table.Header = {LevelCaption, ElementCaption, DistanceCaption};
    for (const std::size_t e : GroupElementOrder(decision)) {
        const CGroupElementResult& element = decision.Result().Elements[e];
        table.Rows.push_back({std::to_string(LevelOf(decision, element)), GroupElementLabel(decision, e),
            element.Distances.empty() ? std::string(NoFigureText)
                                      : DistancesText(decision, element.Distances, decimalSeparator)});
    }
    return table;
}
