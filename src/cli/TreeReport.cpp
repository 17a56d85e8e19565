#include "cli/TreeReport.h"

#include "cli/MatrixJson.h"
#include "cli/ReportPhrases.h"
#include "core/model/CHierarchy.h"
#include "core/results/CHierarchyResults.h"
#include "core/results/ConsistencyGuidance.h"
#include "core/results/ControlCharacters.h"
#include "core/results/CsvExport.h"
#include "core/results/Deviations.h"
#include "core/results/HierarchySensitivity.h"
#include "core/results/HierarchySynthesis.h"
#include "core/results/IncompleteJudgementsText.h"
#include "core/results/RankingOrder.h"
#include "core/results/RatingReportContent.h"
#include "core/results/RatingSynthesis.h"
#include "core/results/ReportContent.h"
#include "core/storage/TreeFile.h"

#include <nlohmann/json.hpp>

#include <memory>
#include <optional>
#include <vector>

namespace {
nlohmann::json PathJson(const CHierarchy& hierarchy, std::uint32_t node)
{
    nlohmann::json path = nlohmann::json::array();
    for (const std::string& name : hierarchy.Path(node)) {
        path.push_back(name);
    }
    return path;
}

// Each criterion whose weight can move, named by its path, with its place changes, and
// the critical change; null for both when there is no synthesis to move.
void AddSensitivityJson(
    const CHierarchy& hierarchy, const std::optional<CHierarchySensitivity>& analysis, nlohmann::json& root)
{
    root["sensitivity"] = nullptr;
    root["critical"] = nullptr;
    if (!analysis) {
        return;
    }
    nlohmann::json nodes = nlohmann::json::array();
    for (const CNodeSensitivity& node : analysis->Nodes) {
        nlohmann::json crossings = nlohmann::json::array();
        for (const CCrossing& crossing : node.Crossings) {
            crossings.push_back({{"weight", crossing.Weight}, {"first", crossing.First}, {"second", crossing.Second},
                {"leader_after", crossing.LeaderAfter}});
        }
        nodes.push_back({{"path", PathJson(hierarchy, node.Node)}, {"name", hierarchy.Node(node.Node).Name},
            {"weight", node.Weight}, {"crossings", crossings}});
    }
    root["sensitivity"] = nodes;
    if (analysis->Critical) {
        const CNodeCriticalChange& c = *analysis->Critical;
        root["critical"] = {{"path", PathJson(hierarchy, c.Node)}, {"name", hierarchy.Node(c.Node).Name},
            {"from", c.From}, {"to", c.To}, {"first", c.First}, {"second", c.Second}, {"new_leader", c.NewLeader}};
    }
}

void AddSensitivityLines(const CHierarchy& hierarchy, const std::optional<CHierarchySensitivity>& analysis,
    const std::string& refusal, std::vector<std::string>& lines, std::size_t leaders = 0)
{
    lines.emplace_back();
    lines.push_back(Tr(SensitivityHeading));
    if (!analysis) {
        lines.push_back("  " + refusal);
        return;
    }
    for (const CNodeSensitivity& node : analysis->Nodes) {
        const std::vector<std::string> text
            = SensitivityLines(NodeSensitivityText(hierarchy, *analysis, node, '.', leaders));
        for (std::size_t l = 0; l < text.size(); ++l) {
            lines.push_back((l == 0 ? "  " : "    ") + text[l]);
        }
    }
    lines.push_back(NodeCriticalChangeText(hierarchy, analysis->Critical));
}

// The analysis of a tree whose judgements connect every criterion; none otherwise.
std::optional<CHierarchySensitivity> Sensitivity(const CHierarchy& hierarchy, const CHierarchyResults& results)
{
    return results.NotConnected() ? std::nullopt : std::optional(AnalyseSensitivity(hierarchy, results));
}

// A rated tree's: the place changes among its leading alternatives only; leftOut counts the others.
std::optional<CHierarchySensitivity> Sensitivity(
    const CHierarchy& hierarchy, const CRatingResults& results, std::size_t& leftOut)
{
    leftOut = 0;
    if (results.Criteria().NotConnected()) {
        return std::nullopt;
    }
    CHierarchySensitivity analysis = AnalyseSensitivity(hierarchy, results);
    leftOut = KeepLeadingCrossings(analysis, results.Ranking(), RatedSensitivityLeaders);
    return analysis;
}

bool HasPriorities(const CNodeResult& result)
{
    return result.Basis == EPrioritiesBasis::AllJudged || result.Basis == EPrioritiesBasis::LeastSquares;
}

// Its local priority under its (first) parent; 1 for the goal; null when the parent has none.
nlohmann::json LocalJson(const CHierarchy& hierarchy, const CHierarchyResults& results, std::uint32_t node)
{
    if (node == CHierarchy::GoalNode) {
        return 1.0;
    }
    const std::uint32_t parent = hierarchy.Parents(node).front();
    const CNodeResult& result = results.Node(parent);
    const std::vector<std::uint32_t>& siblings = hierarchy.Node(parent).Children;
    for (std::size_t k = 0; k < siblings.size(); ++k) {
        if (siblings[k] == node && HasPriorities(result) && k < result.Local.size()) {
            return result.Local[k];
        }
    }
    return nullptr;
}

nlohmann::json RankingJson(const CHierarchy& hierarchy, const CHierarchyResults& results, bool ideal)
{
    const std::vector<double>& values = ideal ? results.Ideal() : results.Distributive();
    nlohmann::json ranking = nlohmann::json::array();
    for (const std::uint32_t a : RankingOrder(values)) {
        nlohmann::json row{{"position", a}, {"name", hierarchy.Alternatives()[a].Name}, {"priority", values[a]}};
        if (ideal) {
            row["raw"] = results.IdealRaw()[a];
        }
        ranking.push_back(row);
    }
    return ranking;
}

void Add(std::vector<std::string>& lines, const std::vector<std::string>& more, const char* indent)
{
    for (const std::string& line : more) {
        lines.push_back(indent + line);
    }
}

// A ranking table's rows as the layered report prints them.
void AddRanking(std::vector<std::string>& lines, const CHierarchy& hierarchy, const CHierarchyResults& results,
    ESynthesisMode mode, const std::string& refusal)
{
    lines.push_back(RankingTitle(mode) + ":");
    if (!refusal.empty()) {
        lines.push_back("  " + refusal);
        return;
    }
    for (const std::vector<std::string>& row : HierarchyRankingTable(hierarchy, results, mode).Rows) {
        std::string line = "  " + row[0] + ". " + row[1] + "  " + row[2];
        if (mode == ESynthesisMode::Ideal) {
            line += "  " + Say(RawIdealShown, row[3]);
        }
        lines.push_back(line);
    }
}

// What the text report says of one node's matrix.
void AddNode(
    std::vector<std::string>& lines, const CHierarchy& hierarchy, const CHierarchyResults& results, std::uint32_t node)
{
    const CNodeResult& result = results.Node(node);
    lines.emplace_back();
    lines.push_back(NodeHeading(hierarchy, node) + ":");
    if (!result.Compared) {
        lines.push_back("  " + SingleChildText(hierarchy, node));
        return;
    }
    const std::uint32_t n = hierarchy.ComparedCount(node);
    const CJudgementMatrix& judgements = hierarchy.Node(node).Judgements;
    const std::vector<std::string> names = NodeComparedNames(hierarchy, node);
    const CWideComparisonGraph graph = NodeGraph(hierarchy, node);
    if (!graph.Complete()) {
        lines.push_back("  " + JudgedPairsText(graph, names));
    }
    if (result.Basis == EPrioritiesBasis::NotConnected) {
        lines.push_back("  " + NotConnectedText(NodePathText(hierarchy, node), graph, names));
    } else if (result.Basis != EPrioritiesBasis::BadValue) {
        lines.push_back("  " + LocalPrioritiesText(result.Local));
    }
    lines.push_back("  " + MeasuresText(result.Measures, result.Basis));
    const CTransitivityReport report = BuildTransitivityReport(judgements, n);
    if (report.None) {
        lines.push_back("  " + Tr(NoTransitivityViolationText));
    }
    Add(lines, report.Lines, "  ");
    const CConsistencyGuidance guidance = GuideConsistency(judgements, n, result.Local.data());
    Add(lines, ConsistencyLines(guidance), "  ");
    Add(lines, SuggestionLines(names, guidance), "  ");
}

// The criteria's part of a rated tree's report: every criterion as a tree's, a rated one
// with its scale instead of a matrix.
nlohmann::json RatedNodesJson(const CHierarchy& hierarchy, const CHierarchyResults& criteria, bool synthesised)
{
    nlohmann::json nodes = nlohmann::json::array();
    for (const std::uint32_t node : DepthFirstNodes(hierarchy)) {
        const CHierarchyNode& data = hierarchy.Node(node);
        nlohmann::json item;
        if (hierarchy.IsRated(node)) {
            item["scale"] = hierarchy.Scales()[data.Scale].Id;
        } else {
            item = MatrixJson(data.Judgements, hierarchy.ComparedCount(node), criteria.Node(node));
        }
        item["path"] = PathJson(hierarchy, node);
        item["name"] = data.Name;
        item["covering"] = hierarchy.IsCovering(node);
        item["local"] = LocalJson(hierarchy, criteria, node);
        item["global"] = synthesised ? nlohmann::json(criteria.Global(node)) : nlohmann::json(nullptr);
        nodes.push_back(item);
    }
    return nodes;
}

nlohmann::json ScalesJson(const CHierarchy& hierarchy, const CRatingResults& results)
{
    nlohmann::json scales = nlohmann::json::array();
    for (std::size_t s = 0; s < hierarchy.Scales().size(); ++s) {
        const CRatingScale& scale = hierarchy.Scales()[s];
        const CScaleResult& result = results.Scales()[s];
        nlohmann::json item
            = MatrixJson(scale.Judgements, static_cast<std::uint32_t>(scale.Intensities.size()), result.Priorities);
        item["id"] = scale.Id;
        item["name"] = scale.Name;
        item["intensities"] = scale.Intensities;
        item["ideal"] = result.Ideal;
        item["out_of_order"] = result.OutOfOrder
            ? nlohmann::json{{"earlier", result.OutOfOrder->first}, {"later", result.OutOfOrder->second}}
            : nlohmann::json(nullptr);
        scales.push_back(item);
    }
    return scales;
}

nlohmann::json RatedRankingJson(const CHierarchy& hierarchy, const CRatingResults& results)
{
    nlohmann::json ranking = nlohmann::json::array();
    for (const std::uint32_t a : results.Ranking()) {
        ranking.push_back({{"position", a}, {"name", hierarchy.Alternatives()[a].Name},
            {"priority", results.Shares()[a]}, {"score", results.Scores()[a]}, {"complete", results.Complete(a)},
            {"not_rated", results.NotRatedCounts()[a]}});
    }
    return ranking;
}

void AddRatedRanking(std::vector<std::string>& lines, const CHierarchy& hierarchy, const CRatingResults& results,
    const std::string& refusal)
{
    lines.push_back(Tr(RatingRankingTitle) + ":");
    if (!refusal.empty()) {
        lines.push_back("  " + refusal);
        return;
    }
    for (const std::vector<std::string>& row :
        RatingRankingTable(hierarchy, results, hierarchy.AlternativeCount(), '.').Rows) {
        lines.push_back("  " + row[0] + ". " + row[1] + "  " + row[2] + "  "
            + (row[4].empty() ? Say(RatedShare, row[3]) : Say(RatedShareMarked, row[3], row[4])));
    }
}

void AddScale(
    std::vector<std::string>& lines, const CHierarchy& hierarchy, const CRatingResults& results, std::uint32_t s)
{
    const CRatingScale& scale = hierarchy.Scales()[s];
    const CScaleResult& result = results.Scales()[s];
    lines.emplace_back();
    lines.push_back(ScaleHeading(scale) + ":");
    lines.push_back("  " + ScaleUseText(hierarchy, s));
    for (const std::vector<std::string>& row : ScaleTable(scale, result, '.').Rows) {
        lines.push_back("  " + Say(IntensityLine, row[0], row[1], row[2]));
    }
    Add(lines, ScaleConsistencyLines(scale, result, '.'), "  ");
    const std::string warning = ScaleOrderWarningText(scale, result);
    if (!warning.empty()) {
        lines.push_back("  " + warning);
    }
}
} // namespace

nlohmann::json RatedHierarchyJson(const CHierarchy& hierarchy, const CRatingResults& results)
{
    const CHierarchyResults& criteria = results.Criteria();
    nlohmann::json root;
    root["shape"] = "tree";
    root["mode"] = "ratings";
    root["goal"] = hierarchy.Goal().Name;
    root["comment"] = hierarchy.Goal().Comment;
    nlohmann::json alternatives = nlohmann::json::array();
    for (const CAlternative& alternative : hierarchy.Alternatives()) {
        alternatives.push_back(alternative.Name);
    }
    root["alternatives"] = alternatives;
    const bool synthesised = !criteria.NotConnected();
    root["nodes"] = RatedNodesJson(hierarchy, criteria, synthesised);
    root["scales"] = ScalesJson(hierarchy, results);
    // No score exists until the criteria's judgements connect every criterion.
    root["ranking"] = synthesised ? RatedRankingJson(hierarchy, results) : nlohmann::json(nullptr);
    nlohmann::json incomplete = nlohmann::json::array();
    for (const std::uint32_t node : DepthFirstNodes(hierarchy)) {
        if (!hierarchy.IsRated(node) && criteria.Node(node).Basis == EPrioritiesBasis::NotConnected) {
            incomplete.push_back({{"path", PathJson(hierarchy, node)}, {"name", hierarchy.Node(node).Name}});
        }
    }
    root["incomplete_elements"] = incomplete;
    nlohmann::json unacceptable = nlohmann::json::array();
    for (const CUnacceptableNode& matrix : UnacceptableNodes(hierarchy, criteria)) {
        unacceptable.push_back({{"path", PathJson(hierarchy, matrix.Node)}, {"name", hierarchy.Node(matrix.Node).Name},
            {"cr", matrix.Cr}, {"cr_limit", matrix.CrLimit}});
    }
    root["unacceptable"] = unacceptable;
    std::size_t leftOut = 0;
    AddSensitivityJson(hierarchy, Sensitivity(hierarchy, results, leftOut), root);
    root["crossings_left_out"] = leftOut;
    return root;
}

std::string RatedHierarchyText(const CHierarchy& hierarchy, const CRatingResults& results)
{
    const CHierarchyResults& criteria = results.Criteria();
    std::vector<std::string> lines;
    lines.push_back(Say(GoalLine, hierarchy.Goal().Name));
    lines.push_back(Say(CommentLine, hierarchy.Goal().Comment));
    lines.push_back(Say(LevelCountLine, std::to_string(hierarchy.LevelCount())));
    lines.push_back(Tr(RatedAlternativesText));
    lines.emplace_back();
    const std::string refusal = HierarchyNotConnectedText(hierarchy, criteria);
    AddRatedRanking(lines, hierarchy, results, refusal);
    const std::string warning
        = UnacceptableNodesWarningText(hierarchy, criteria, UnacceptableNodes(hierarchy, criteria));
    if (!warning.empty()) {
        lines.push_back(warning);
    }
    const std::vector<std::string> incomplete = IncompleteNodeLines(hierarchy);
    if (!incomplete.empty()) {
        lines.push_back(Tr(IncompleteMatricesHeading));
        Add(lines, incomplete, "  ");
    }
    for (const std::uint32_t node : DepthFirstNodes(hierarchy)) {
        if (hierarchy.IsRated(node)) {
            lines.emplace_back();
            lines.push_back(NodeHeading(hierarchy, node) + ":");
            lines.push_back("  " + CriterionScaleText(hierarchy, node));
        } else {
            AddNode(lines, hierarchy, criteria, node);
        }
    }
    for (std::uint32_t s = 0; s < hierarchy.Scales().size(); ++s) {
        AddScale(lines, hierarchy, results, s);
    }
    std::size_t leftOut = 0;
    AddSensitivityLines(hierarchy, Sensitivity(hierarchy, results, leftOut), refusal, lines, RatedSensitivityLeaders);
    const std::string note = LeftOutCrossingsText(RatedSensitivityLeaders, leftOut);
    if (!note.empty()) {
        lines.push_back(note);
    }
    std::string text;
    for (const std::string& line : lines) {
        text += ShowControlCharacters(line) + '\n';
    }
    return text;
}

nlohmann::json HierarchyJson(const CHierarchy& hierarchy, const CHierarchyResults& results)
{
    nlohmann::json root;
    root["shape"] = "tree";
    root["goal"] = hierarchy.Goal().Name;
    root["comment"] = hierarchy.Goal().Comment;
    nlohmann::json alternatives = nlohmann::json::array();
    for (const CAlternative& alternative : hierarchy.Alternatives()) {
        alternatives.push_back(alternative.Name);
    }
    root["alternatives"] = alternatives;
    const bool synthesised = !results.NotConnected();
    nlohmann::json nodes = nlohmann::json::array();
    nlohmann::json incomplete = nlohmann::json::array();
    for (const std::uint32_t node : DepthFirstNodes(hierarchy)) {
        const CHierarchyNode& data = hierarchy.Node(node);
        const CNodeResult& result = results.Node(node);
        nlohmann::json item = MatrixJson(data.Judgements, hierarchy.ComparedCount(node), result);
        item["path"] = PathJson(hierarchy, node);
        item["name"] = data.Name;
        item["covering"] = hierarchy.IsCovering(node);
        item["local"] = LocalJson(hierarchy, results, node);
        item["global"] = synthesised ? nlohmann::json(results.Global(node)) : nlohmann::json(nullptr);
        if (result.Basis == EPrioritiesBasis::NotConnected) {
            incomplete.push_back({{"path", item["path"]}, {"name", data.Name}, {"components", item["components"]}});
        }
        nodes.push_back(item);
    }
    root["nodes"] = nodes;
    // No synthesis exists in either mode until the judgements connect every node.
    root["ranking"] = synthesised ? RankingJson(hierarchy, results, false) : nlohmann::json(nullptr);
    root["ranking_ideal"] = synthesised ? RankingJson(hierarchy, results, true) : nlohmann::json(nullptr);
    root["incomplete_elements"] = incomplete;
    nlohmann::json unacceptable = nlohmann::json::array();
    for (const CUnacceptableNode& matrix : UnacceptableNodes(hierarchy, results)) {
        unacceptable.push_back({{"path", PathJson(hierarchy, matrix.Node)}, {"name", hierarchy.Node(matrix.Node).Name},
            {"cr", matrix.Cr}, {"cr_limit", matrix.CrLimit}});
    }
    root["unacceptable"] = unacceptable;
    AddSensitivityJson(hierarchy, Sensitivity(hierarchy, results), root);
    return root;
}

std::string HierarchyText(const CHierarchy& hierarchy, const CHierarchyResults& results)
{
    std::vector<std::string> lines;
    lines.push_back(Say(GoalLine, hierarchy.Goal().Name));
    lines.push_back(Say(CommentLine, hierarchy.Goal().Comment));
    lines.push_back(Say(LevelCountLine, std::to_string(hierarchy.LevelCount())));
    lines.emplace_back();
    const std::string refusal = HierarchyNotConnectedText(hierarchy, results);
    AddRanking(lines, hierarchy, results, ESynthesisMode::Distributive, refusal);
    // A ranking that rests on matrices not acceptable says so right under it.
    const std::string warning = UnacceptableNodesWarningText(hierarchy, results, UnacceptableNodes(hierarchy, results));
    if (!warning.empty()) {
        lines.push_back(warning);
    }
    lines.emplace_back();
    AddRanking(lines, hierarchy, results, ESynthesisMode::Ideal, refusal);
    if (refusal.empty()) {
        lines.push_back(Tr(RawIdealNote));
    }
    const std::vector<std::string> incomplete = IncompleteNodeLines(hierarchy);
    if (!incomplete.empty()) {
        lines.push_back(Tr(IncompleteMatricesHeading));
        Add(lines, incomplete, "  ");
    }
    for (const std::uint32_t node : DepthFirstNodes(hierarchy)) {
        AddNode(lines, hierarchy, results, node);
    }
    AddSensitivityLines(hierarchy, Sensitivity(hierarchy, results), refusal, lines);
    std::string text;
    for (const std::string& line : lines) {
        // A name from a file cannot send escape sequences to the terminal.
        text += ShowControlCharacters(line) + '\n';
    }
    return text;
}

CTreeReportOutcome TreeReport(const std::string& fileName, EReportFormat format)
{
    CTreeReportOutcome outcome;
    auto hierarchy = std::make_unique<CHierarchy>();
    const CReadOutcome read = ReadTreeFile(*hierarchy, fileName, EReadAccess::ReadOnly);
    if (!read.Succeeded()) {
        outcome.ExitCode = ExitRefused;
        outcome.Errors = read.Message + '\n';
        if (!read.Reason.empty()) {
            outcome.Errors += ShowControlCharacters(read.Reason) + '\n';
        }
        return outcome;
    }
    if (hierarchy->Evaluation() == EAlternativeEvaluation::Ratings) {
        const CRatingResults results = ComputeRatingResults(*hierarchy);
        if (format == EReportFormat::Csv) {
            outcome.Report = RatedTreeCsv(*hierarchy, results, '.');
        } else if (format == EReportFormat::Json) {
            outcome.Report
                = RatedHierarchyJson(*hierarchy, results).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace)
                + '\n';
        } else {
            outcome.Report = RatedHierarchyText(*hierarchy, results);
        }
        return outcome;
    }
    const CHierarchyResults results = ComputeHierarchyResults(*hierarchy);
    if (format == EReportFormat::Csv) {
        // The same text the program exports, with '.' and ',' whatever the locale.
        outcome.Report = HierarchyCsv(*hierarchy, results, '.');
    } else if (format == EReportFormat::Json) {
        outcome.Report
            = HierarchyJson(*hierarchy, results).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) + '\n';
    } else {
        outcome.Report = HierarchyText(*hierarchy, results);
    }
    return outcome;
}
