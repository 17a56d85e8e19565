#include "core/results/CsvExport.h"

#include "core/model/CHierarchy.h"
#include "core/model/CUserProjectModel.h"
#include "core/results/CCsvWriter.h"
#include "core/results/CHierarchyResults.h"
#include "core/results/CProjectResults.h"
#include "core/results/CRatingResults.h"
#include "core/results/IncompleteJudgementsText.h"
#include "core/results/NumberFormat.h"
#include "core/results/RankingOrder.h"
#include "core/results/RatingReportContent.h"
#include "core/results/ReportContent.h"
#include "core/results/Synthesis.h"

#include <string_view>

namespace {
// The columns' headers, the same in every section that has them.
constexpr CPhrase LevelCaption = TESSALY_PHRASE("CsvExport", "Уровень");
constexpr CPhrase NumberCaption = TESSALY_PHRASE("CsvExport", "№");
constexpr CPhrase ElementCaption = TESSALY_PHRASE("CsvExport", "Элемент");
constexpr CPhrase CriterionCaption = TESSALY_PHRASE("CsvExport", "Критерий");
constexpr CPhrase GlobalPriorityCaption = TESSALY_PHRASE("CsvExport", "Глобальный приоритет");
constexpr CPhrase LocalPriorityCaption = TESSALY_PHRASE("CsvExport", "Локальный приоритет");
} // namespace

char CsvFieldSeparator(char decimalSeparator)
{
    return decimalSeparator == ',' ? ';' : ',';
}

std::string CsvField(const std::string& text, char fieldSeparator)
{
    if (text.find_first_of(std::string{fieldSeparator, '"', '\r', '\n'}) == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') {
            quoted += '"';
        }
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string CsvText(const std::string& text)
{
    if (!text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos) {
        return "'" + text;
    }
    return text;
}

std::string ProjectCsv(const CUserProjectModel& project, const CProjectResults& results, char decimalSeparator)
{
    CCsvWriter csv(decimalSeparator);
    const std::uint32_t levels = project.LevelCount() > MaxLevels ? MaxLevels : project.LevelCount();

    // Judgements that do not connect the elements leave no synthesis: both sections say why.
    const std::string refusal = ProjectNotConnectedText(project, results);
    csv.Row({RankingTitle(ESynthesisMode::Distributive)});
    if (!refusal.empty()) {
        csv.Row({CsvText(refusal)});
    } else {
        csv.Row({Tr(PlaceCaption), Tr(AlternativeCaption), Tr(PriorityCaption)});
        const CResultList ranking = FinalResults(project, results);
        for (std::uint32_t i = 0; i < ranking.Count; ++i) {
            csv.Row({CCsvWriter::Count(i + 1), CsvText(ranking.Rows[i].Name), csv.Number(ranking.Rows[i].Value)});
        }
    }

    csv.EndSection();
    csv.Row({RankingTitle(ESynthesisMode::Ideal)});
    if (!refusal.empty()) {
        csv.Row({CsvText(refusal)});
    } else {
        csv.Row({Tr(PlaceCaption), Tr(AlternativeCaption), Tr(PriorityCaption), Tr(RawIdealCaption)});
        const CResultList ideal = FinalResults(project, results, ESynthesisMode::Ideal);
        for (std::uint32_t i = 0; i < ideal.Count; ++i) {
            const CResultRow& row = ideal.Rows[i];
            csv.Row({CCsvWriter::Count(i + 1), CsvText(row.Name), csv.Number(row.Value),
                csv.Number(results.Ideal().Raw[row.Position])});
        }
    }

    csv.EndSection();
    csv.Row({Tr(CsvGlobalTitle)});
    if (!refusal.empty()) {
        csv.Row({CsvText(refusal)});
    } else {
        csv.Row({Tr(LevelCaption), Tr(NumberCaption), Tr(ElementCaption), Tr(GlobalPriorityCaption)});
        for (std::uint32_t k = 1; k < levels; ++k) {
            for (std::uint32_t e = 0; e < project.ElementsInLevelChecked(k); ++e) {
                csv.Row({CCsvWriter::Count(k), CCsvWriter::Count(e + 1), CsvText(project.Element(e, k).Name),
                    csv.Number(results.GlobalPriority()(e, k))});
            }
        }
    }

    const std::vector<std::string> incomplete = IncompleteMatrixLines(project);
    if (!incomplete.empty()) {
        csv.EndSection();
        csv.Row({Tr(IncompleteMatricesHeading)});
        for (const std::string& line : incomplete) {
            csv.Row({CsvText(line)});
        }
    }

    for (std::uint32_t k = 0; k + 1 < levels; ++k) {
        const std::uint32_t n = project.ElementsInLevelChecked(k + 1);
        const std::uint32_t parents = k == 0 ? 1U : project.ElementsInLevelChecked(k);
        for (std::uint32_t e = 0; e < parents; ++e) {
            const TDesicionLevelData& data = results.LevelData(e, k);
            csv.EndSection();
            csv.Row(
                {Say(TESSALY_PHRASE("CsvExport", "Локальные приоритеты относительно элемента «%1» (уровень %2, № %3)"),
                    project.Element(e, k).Name, CCsvWriter::Count(k), CCsvWriter::Count(e + 1))});
            const CComparisonGraph graph = ElementGraph(project, e, k);
            if (!graph.Complete()) {
                csv.Row({CsvText(JudgedPairsText(graph, ComparedNames(project, k)))});
            }
            const EPrioritiesBasis basis = results.Basis(e, k);
            if (basis == EPrioritiesBasis::NotConnected || basis == EPrioritiesBasis::BadValue) {
                csv.Row({CsvText(MeasuresText(data, basis))});
                continue;
            }
            csv.Row({Tr(NumberCaption), Tr(ElementCaption), Tr(LocalPriorityCaption)});
            for (std::uint32_t j = 0; j < n; ++j) {
                csv.Row(
                    {CCsvWriter::Count(j + 1), CsvText(project.Element(j, k + 1).Name), csv.Number(data.Priority[j])});
            }
            csv.Row({Tr(LambdaMaxTerm), csv.Number(data.LambdaMax)});
            csv.Row({Tr(ConsistencyIndexTerm), csv.Number(data.CI)});
            csv.Row({Tr(basis == EPrioritiesBasis::LeastSquares ? CompletedRatioTerm : ConsistencyRatioTerm),
                csv.Number(data.CR)});
        }
    }
    return csv.Text;
}

namespace {
// A ranking table's rows, each name through CsvText and each figure unrounded.
void RankingSection(CCsvWriter& csv, const std::string& title, const std::string& refusal, const CHierarchy& hierarchy,
    const CHierarchyResults& results, ESynthesisMode mode)
{
    csv.Row({title});
    if (!refusal.empty()) {
        csv.Row({CsvText(refusal)});
        return;
    }
    const bool ideal = mode == ESynthesisMode::Ideal;
    const std::vector<double>& values = ideal ? results.Ideal() : results.Distributive();
    std::vector<std::string> header{Tr(PlaceCaption), Tr(AlternativeCaption), Tr(PriorityCaption)};
    if (ideal) {
        header.push_back(Tr(RawIdealCaption));
    }
    csv.Row(header);
    const std::vector<std::uint32_t> order = RankingOrder(values);
    for (std::uint32_t place = 0; place < order.size(); ++place) {
        const std::uint32_t a = order[place];
        std::vector<std::string> row{
            CCsvWriter::Count(place + 1), CsvText(hierarchy.Alternatives()[a].Name), csv.Number(values[a])};
        if (ideal) {
            row.push_back(csv.Number(results.IdealRaw()[a]));
        }
        csv.Row(row);
    }
}
void MeasureRows(CCsvWriter& csv, const CNodeResult& result)
{
    csv.Row({Tr(LambdaMaxTerm), csv.Number(result.Measures.LambdaMax)});
    csv.Row({Tr(ConsistencyIndexTerm), csv.Number(result.Measures.CI)});
    csv.Row({Tr(result.Basis == EPrioritiesBasis::LeastSquares ? CompletedRatioTerm : ConsistencyRatioTerm),
        csv.Number(result.Measures.CR)});
}

// Each judged node's local priorities and measures, a section each; a matrix without
// priorities says why.
void NodeSections(CCsvWriter& csv, const CHierarchy& hierarchy, const CHierarchyResults& results,
    const std::vector<std::uint32_t>& nodes)
{
    for (const std::uint32_t node : nodes) {
        const CNodeResult& result = results.Node(node);
        if (!result.Compared) {
            continue; // a single child (or rated alternatives): no matrix
        }
        csv.EndSection();
        csv.Row({Say(TESSALY_PHRASE("CsvExport", "Локальные приоритеты относительно элемента «%1»"),
            NodePathText(hierarchy, node))});
        const CWideComparisonGraph graph = NodeGraph(hierarchy, node);
        const std::vector<std::string> names = NodeComparedNames(hierarchy, node);
        if (!graph.Complete()) {
            csv.Row({CsvText(JudgedPairsText(graph, names))});
        }
        if (result.Basis == EPrioritiesBasis::NotConnected || result.Basis == EPrioritiesBasis::BadValue) {
            csv.Row({CsvText(MeasuresText(result.Measures, result.Basis))});
            continue;
        }
        csv.Row({Tr(NumberCaption), Tr(ElementCaption), Tr(LocalPriorityCaption)});
        for (std::uint32_t j = 0; j < names.size() && j < result.Local.size(); ++j) {
            csv.Row({CCsvWriter::Count(j + 1), CsvText(names[j]), csv.Number(result.Local[j])});
        }
        MeasureRows(csv, result);
    }
}

} // namespace

std::string HierarchyCsv(const CHierarchy& hierarchy, const CHierarchyResults& results, char decimalSeparator)
{
    CCsvWriter csv(decimalSeparator);
    const std::string refusal = HierarchyNotConnectedText(hierarchy, results);
    RankingSection(
        csv, RankingTitle(ESynthesisMode::Distributive), refusal, hierarchy, results, ESynthesisMode::Distributive);
    csv.EndSection();
    RankingSection(csv, RankingTitle(ESynthesisMode::Ideal), refusal, hierarchy, results, ESynthesisMode::Ideal);

    const std::vector<std::uint32_t> nodes = DepthFirstNodes(hierarchy);
    csv.EndSection();
    csv.Row({Tr(CsvCriteriaTitle)});
    if (!refusal.empty()) {
        csv.Row({CsvText(refusal)});
    } else {
        csv.Row({Tr(LevelCaption), Tr(CriterionCaption), Tr(GlobalPriorityCaption)});
        for (const std::uint32_t node : nodes) {
            if (node != CHierarchy::GoalNode) {
                csv.Row({CCsvWriter::Count(hierarchy.Level(node)), CsvText(NodePathText(hierarchy, node)),
                    csv.Number(results.Global(node))});
            }
        }
    }

    const std::vector<std::string> incomplete = IncompleteNodeLines(hierarchy);
    if (!incomplete.empty()) {
        csv.EndSection();
        csv.Row({Tr(IncompleteMatricesHeading)});
        for (const std::string& line : incomplete) {
            csv.Row({CsvText(line)});
        }
    }

    NodeSections(csv, hierarchy, results, nodes);
    return csv.Text;
}

std::string RatedTreeCsv(const CHierarchy& hierarchy, const CRatingResults& results, char decimalSeparator)
{
    CCsvWriter csv(decimalSeparator);
    const CHierarchyResults& criteria = results.Criteria();
    const std::string refusal = HierarchyNotConnectedText(hierarchy, criteria);
    const std::vector<std::uint32_t> rated = hierarchy.RatedCriteria();
    csv.Row({Tr(RatingRankingTitle)});
    if (!refusal.empty()) {
        csv.Row({CsvText(refusal)});
    } else {
        std::vector<std::string> header{Tr(PlaceCaption), Tr(AlternativeCaption), Tr(RatingScoreCaption),
            Tr(RatingShareCaption), Tr(CsvCompleteCaption)};
        for (const std::uint32_t node : rated) {
            header.push_back(CsvText(NodePathText(hierarchy, node)));
        }
        csv.Row(header);
        const std::vector<std::uint32_t>& ranking = results.Ranking();
        for (std::size_t place = 0; place < ranking.size(); ++place) {
            const std::uint32_t a = ranking[place];
            std::vector<std::string> row{CCsvWriter::Count(place + 1), CsvText(hierarchy.Alternatives()[a].Name),
                csv.Number(results.Scores()[a]), csv.Number(results.Shares()[a]),
                Tr(results.Complete(a) ? TESSALY_PHRASE("CsvExport", "да") : TESSALY_PHRASE("CsvExport", "нет"))};
            for (const std::uint32_t node : rated) {
                const CHierarchyNode& data = hierarchy.Node(node);
                const std::int8_t rating = data.Ratings[a];
                row.push_back(rating == NotRated
                        ? std::string()
                        : CsvText(hierarchy.Scales()[data.Scale].Intensities[static_cast<std::size_t>(rating)]));
            }
            csv.Row(row);
        }
    }

    const std::vector<std::uint32_t> nodes = DepthFirstNodes(hierarchy);
    csv.EndSection();
    csv.Row({Tr(CsvCriteriaTitle)});
    if (!refusal.empty()) {
        csv.Row({CsvText(refusal)});
    } else {
        csv.Row({Tr(LevelCaption), Tr(CriterionCaption), Tr(GlobalPriorityCaption),
            Tr(TESSALY_PHRASE("CsvExport", "Шкала"))});
        for (const std::uint32_t node : nodes) {
            if (node != CHierarchy::GoalNode) {
                csv.Row({CCsvWriter::Count(hierarchy.Level(node)), CsvText(NodePathText(hierarchy, node)),
                    csv.Number(criteria.Global(node)),
                    hierarchy.IsRated(node) ? CsvText(hierarchy.Scales()[hierarchy.Node(node).Scale].Name)
                                            : std::string()});
            }
        }
    }
    const std::vector<std::string> incomplete = IncompleteNodeLines(hierarchy);
    if (!incomplete.empty()) {
        csv.EndSection();
        csv.Row({Tr(IncompleteMatricesHeading)});
        for (const std::string& line : incomplete) {
            csv.Row({CsvText(line)});
        }
    }
    NodeSections(csv, hierarchy, criteria, nodes);

    for (std::size_t s = 0; s < hierarchy.Scales().size(); ++s) {
        const CRatingScale& scale = hierarchy.Scales()[s];
        const CScaleResult& result = results.Scales()[s];
        csv.EndSection();
        csv.Row({CsvText(ScaleHeading(scale))});
        const CNodeResult& priorities = result.Priorities;
        if (priorities.Basis == EPrioritiesBasis::NotConnected || priorities.Basis == EPrioritiesBasis::BadValue) {
            csv.Row({CsvText(MeasuresText(priorities.Measures, priorities.Basis))});
            continue;
        }
        csv.Row({Tr(NumberCaption), Tr(TESSALY_PHRASE("CsvExport", "Интенсивность")), Tr(PriorityCaption),
            Tr(TESSALY_PHRASE("CsvExport", "Идеальное значение"))});
        for (std::size_t k = 0; k < scale.Intensities.size(); ++k) {
            csv.Row({CCsvWriter::Count(k + 1), CsvText(scale.Intensities[k]), csv.Entry(priorities.Local, k),
                csv.Entry(result.Ideal, k)});
        }
        MeasureRows(csv, priorities);
    }
    return csv.Text;
}
