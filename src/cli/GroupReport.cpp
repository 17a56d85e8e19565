#include "cli/GroupReport.h"

#include "cli/ReportPhrases.h"
#include "core/group/CGroupDecision.h"
#include "core/group/GroupCsv.h"
#include "core/group/GroupReading.h"
#include "core/group/GroupReportContent.h"
#include "core/model/CHierarchy.h"
#include "core/results/CProjectResults.h"
#include "core/results/ControlCharacters.h"
#include "core/results/IncompleteJudgementsText.h"
#include "core/results/NumberFormat.h"
#include "core/results/RatingReportContent.h"
#include "core/results/ReportContent.h"
#include "core/storage/GroupFile.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <span>

namespace {
using nlohmann::json;

constexpr const char* GroupFileExtension = ".tsg";

bool IsGroupFile(const std::string& file)
{
    std::string extension = std::filesystem::path(file).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == GroupFileExtension;
}

CGroupReportOutcome Failure(int exitCode, std::string errors)
{
    return CGroupReportOutcome{exitCode, {}, std::move(errors), {}};
}

json Optional(const std::optional<double>& x)
{
    return x ? json(*x) : json(nullptr);
}

json Vector(std::span<const double> vector)
{
    return vector.empty() ? json(nullptr) : json(std::vector<double>(vector.begin(), vector.end()));
}

json RankingJson(std::span<const CResultRow> rows)
{
    json list = json::array();
    for (const CResultRow& row : rows) {
        list.push_back({{"position", row.Position}, {"name", row.Name}, {"priority", row.Value}});
    }
    return list;
}

json IdealRankingJson(std::span<const CResultRow> rows, const CHierarchyResults& results)
{
    json list = json::array();
    for (const CResultRow& row : rows) {
        list.push_back({{"position", row.Position}, {"name", row.Name}, {"priority", row.Value},
            {"raw", results.IdealRaw()[row.Position]}});
    }
    return list;
}

json ConsensusJson(const std::optional<CConsensus>& consensus)
{
    if (!consensus) {
        return nullptr;
    }
    return {{"s_star", consensus->SStar}, {"band", ConsensusBandKey(ConsensusBandOf(consensus->SStar))},
        {"s", consensus->S}, {"h_alpha", consensus->HAlpha}, {"h_gamma", consensus->HGamma},
        {"h_beta", consensus->HBeta}};
}

json PathJson(const CHierarchy& hierarchy, std::uint32_t node)
{
    return node == CHierarchy::GoalNode ? json::array() : json(hierarchy.Path(node));
}

// The group's fields of one element (a criterion that compares two or more).
void ElementFields(const CGroupDecision& decision, std::size_t index, json& item)
{
    const CGroupResult& result = decision.Result();
    const CGroupElementResult& element = result.Elements[index];
    const std::uint32_t n = element.Aggregate.Order;
    const bool several = decision.ExpertCount() > 1;
    json aggregated = json::array();
    json spread = several ? json::array() : json(nullptr);
    for (std::uint32_t i = 0; i < n; ++i) {
        json row = json::array();
        json spreadRow = json::array();
        for (std::uint32_t j = 0; j < n; ++j) {
            const CJudgement& cell = element.Aggregate.Judgements(i, j);
            // A pair nobody judged has no value, as in a project's incomplete matrix.
            row.push_back(cell.IsJudged() ? json(cell.Value()) : json(nullptr));
            spreadRow.push_back(i == j ? json(1.0) : Optional(element.Aggregate.Spread[i][j]));
        }
        aggregated.push_back(row);
        if (several) {
            spread.push_back(spreadRow);
        }
    }
    item["aggregated"] = aggregated;
    item["gsd"] = spread;
    if (GroupNodeHasPriorities(result, element.Node)) {
        const CNodeResult& data = result.Nodes.Node(element.Node);
        item["priorities"] = data.Local;
        item["lambda_max"] = data.Measures.LambdaMax;
        item["ci"] = data.Measures.CI;
        item["cr"] = data.Measures.CR;
    } else {
        for (const char* key : {"priorities", "lambda_max", "ci", "cr"}) {
            item[key] = nullptr;
        }
    }
    item["gci"] = Optional(element.Gci);
    json experts = json::array();
    json ratios = json::array();
    json distances = json::array();
    // By expert, so that each is found at once: a search per expert would make the report
    // quadratic in the experts.
    std::vector<std::optional<double>> distanceOf(decision.ExpertCount());
    for (const CExpertDistance& d : element.Distances) {
        distanceOf[d.Expert] = d.Distance;
    }
    for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
        const std::span<const double> own = decision.ExpertElementPriorities(k, index);
        experts.push_back(Vector(own));
        ratios.push_back(
            own.empty() ? json(nullptr) : json(decision.ExpertNodeResults(k).Node(element.Node).Measures.CR));
        distances.push_back(Optional(distanceOf[k]));
    }
    item["expert_priorities"] = experts;
    item["expert_cr"] = ratios;
    item["expert_distance"] = distances;
    item["global"] = result.Nodes.NotConnected() ? json(nullptr) : json(element.GlobalPriority);
    item["consensus"] = ConsensusJson(element.Consensus);
}

// Every node of a tree: its place, then the group's fields; a criterion of one child
// compares nothing and gives it all of its weight.
json NodesJson(const CGroupDecision& decision)
{
    const CHierarchy& hierarchy = decision.Hierarchy();
    const CGroupResult& result = decision.Result();
    std::vector<std::optional<std::size_t>> elementOf(hierarchy.NodeCount());
    for (std::size_t e = 0; e < result.Elements.size(); ++e) {
        elementOf[result.Elements[e].Node] = e;
    }
    json nodes = json::array();
    for (const std::uint32_t node : GroupNodesDepthFirst(decision)) {
        json item{{"path", PathJson(hierarchy, node)}, {"name", hierarchy.Node(node).Name},
            {"covering", hierarchy.IsCovering(node)}};
        if (elementOf[node]) {
            ElementFields(decision, *elementOf[node], item);
        } else {
            item["priorities"] = std::vector<double>{1.0};
            for (const char* key : {"aggregated", "gsd", "lambda_max", "ci", "cr", "gci", "expert_priorities",
                     "expert_cr", "expert_distance", "consensus"}) {
                item[key] = nullptr;
            }
            item["global"] = result.Nodes.NotConnected() ? json(nullptr) : json(result.Nodes.Global(node));
        }
        nodes.push_back(item);
    }
    return nodes;
}

// ---- Text ----

std::string Shown(double x)
{
    return FormatTruncated(x, 4, '.');
}

void RankingLines(std::span<const CResultRow> rows, std::vector<std::string>& lines)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        lines.push_back("  " + std::to_string(i + 1) + ". " + rows[i].Name + "  " + Shown(rows[i].Value));
    }
}

// A layered element by its level and place, a tree's criterion by its path.
std::string ElementHeading(const CGroupDecision& decision, const CGroupElementResult& element)
{
    if (decision.Layered()) {
        return Say(ElementHeadingLine, std::to_string(element.Slot.Level), std::to_string(element.Slot.Position),
            decision.Hierarchy().Node(element.Node).Name);
    }
    return Say(
        element.Node == CHierarchy::GoalNode ? GoalLine : GroupCriterionHeading, GroupNodePath(decision, element.Node));
}

// How the lines under a heading name the element: by its name, or a tree's by its path.
std::string ElementName(const CGroupDecision& decision, std::uint32_t node)
{
    return decision.Layered() ? decision.Hierarchy().Node(node).Name : GroupNodePath(decision, node);
}

void ElementLines(const CGroupDecision& decision, std::size_t index, std::vector<std::string>& lines)
{
    const CGroupResult& result = decision.Result();
    const CGroupElementResult& element = result.Elements[index];
    const std::uint32_t n = element.Aggregate.Order;
    const std::vector<std::string> names = GroupComparedNames(decision, element.Node);
    const std::string name = ElementName(decision, element.Node);
    lines.emplace_back();
    lines.push_back(ElementHeading(decision, element));
    if (GroupNodeHasPriorities(result, element.Node)) {
        const CNodeResult& data = result.Nodes.Node(element.Node);
        lines.push_back("  " + LocalPrioritiesText(std::span<const double>(data.Local.data(), n)));
        TDesicionLevelData measures;
        measures.LambdaMax = data.Measures.LambdaMax;
        measures.CI = data.Measures.CI;
        measures.CR = data.Measures.CR;
        lines.push_back("  " + MeasuresText(measures));
    } else {
        lines.push_back("  "
            + NotConnectedText(decision.Hierarchy().Node(element.Node).Name,
                BuildWideComparisonGraph(element.Aggregate.Judgements, n), names));
    }
    if (element.Consensus) {
        lines.push_back("  " + Tr(ConsensusCaptionPhrase) + ": " + ConsensusText(element.Consensus->SStar));
    }
    if (element.LargestCrExpert) {
        const std::size_t k = *element.LargestCrExpert;
        lines.push_back("  " + Tr(LargestExpertRatioCaptionPhrase) + ": "
            + Shown(decision.ExpertNodeResults(k).Node(element.Node).Measures.CR) + " (" + decision.Member(k).Label
            + ")");
    }
    if (element.WidestSpread) {
        const CElementPair& pair = *element.WidestSpread;
        lines.push_back("  " + Tr(WidestSpreadCaptionPhrase) + ": "
            + SpreadText(names[pair.Row], names[pair.Column], *element.Aggregate.Spread[pair.Row][pair.Column]));
    }
    const std::string leftOut = LeftOutText(decision, name, element.LeftOut);
    if (!leftOut.empty()) {
        lines.push_back("  " + leftOut);
    }
    if (!element.Distances.empty()) {
        lines.push_back("  " + Tr(DistanceCaptionPhrase) + ": " + DistancesText(decision, element.Distances));
    }
}
// Rated trees: the group's scales and its ranking by group score, each alternative with
// the experts' own scores and their mean.
json GroupRatingsJson(const CGroupDecision& decision, const CGroupRatings& ratings)
{
    const CHierarchy& hierarchy = decision.Hierarchy();
    json scales = json::array();
    for (std::size_t s = 0; s < ratings.Scales.size(); ++s) {
        const CRatingScale& scale = hierarchy.Scales()[s];
        const CScaleResult& result = ratings.Scales[s];
        const bool has = result.Priorities.Basis == EPrioritiesBasis::AllJudged
            || result.Priorities.Basis == EPrioritiesBasis::LeastSquares;
        scales.push_back({{"id", scale.Id}, {"name", scale.Name}, {"intensities", scale.Intensities},
            {"priorities", has ? json(result.Priorities.Local) : json(nullptr)},
            {"ideal", has ? json(result.Ideal) : json(nullptr)},
            {"lambda_max", has ? json(result.Priorities.Measures.LambdaMax) : json(nullptr)},
            {"ci", has ? json(result.Priorities.Measures.CI) : json(nullptr)},
            {"cr", has ? json(result.Priorities.Measures.CR) : json(nullptr)}});
    }
    json ranking = json::array();
    if (!decision.Result().RankingProblem) {
        for (const std::uint32_t a : ratings.Ranking) {
            json experts = json::array();
            for (const std::vector<double>& own : ratings.ExpertScores) {
                experts.push_back(own[a]);
            }
            ranking.push_back(
                {{"position", a}, {"name", hierarchy.Alternatives()[a].Name}, {"priority", ratings.Shares[a]},
                    {"score", ratings.Scores[a]}, {"complete", ratings.NotRatedCounts[a] == 0},
                    {"expert_scores", experts}, {"mean_score", ratings.MeanScores[a]}});
        }
    }
    return {{"scales", scales}, {"ranking", ranking}};
}

void GroupRatingLines(const CGroupDecision& decision, const CGroupRatings& ratings, std::vector<std::string>& lines)
{
    lines.push_back(Tr(GroupRatingRankingHeading));
    if (decision.Result().RankingProblem) {
        lines.push_back("  " + RankingProblemText(decision.Result().RankingProblem));
        return;
    }
    for (std::size_t place = 0; place < ratings.Ranking.size(); ++place) {
        const std::uint32_t a = ratings.Ranking[place];
        std::string experts;
        for (const std::vector<double>& own : ratings.ExpertScores) {
            experts += (experts.empty() ? "" : " ") + Shown(own[a]);
        }
        const std::string mean = Shown(ratings.MeanScores[a]);
        lines.push_back("  " + std::to_string(place + 1) + ". " + decision.Hierarchy().Alternatives()[a].Name + "  "
            + Shown(ratings.Scores[a]) + "  "
            + (ratings.NotRatedCounts[a] > 0 ? Say(ExpertScoresMarked, experts, mean, Tr(NotAllRatedMark))
                                             : Say(ExpertScores, experts, mean)));
    }
}
} // namespace

nlohmann::json GroupJson(const CGroupDecision& decision)
{
    const CGroupResult& result = decision.Result();
    const CHierarchy& hierarchy = decision.Hierarchy();
    json root;
    json experts = json::array();
    for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
        const CGroupMember& member = decision.Member(k);
        experts.push_back({{"file", member.File}, {"label", member.Label}, {"weight", result.Weights.at(k)},
            {"included", member.Included}});
    }
    root["shape"] = decision.Layered() ? "layers" : "tree";
    root["weighted"] = decision.UseExpertWeights();
    root["experts"] = experts;
    if (decision.Layered()) {
        json levels = json::array();
        for (std::uint32_t level = 0; level + 1 < hierarchy.LevelCount(); ++level) {
            json elements = json::array();
            for (std::size_t e = 0; e < result.Elements.size(); ++e) {
                const CGroupElementResult& element = result.Elements[e];
                if (element.Slot.Level == level) {
                    json item{{"position", element.Slot.Position}, {"name", hierarchy.Node(element.Node).Name}};
                    ElementFields(decision, e, item);
                    elements.push_back(item);
                }
            }
            levels.push_back({{"level", level}, {"elements", elements}});
        }
        root["levels"] = levels;
    } else {
        root["goal"] = hierarchy.Goal().Name;
        json alternatives = json::array();
        for (const CAlternative& alternative : hierarchy.Alternatives()) {
            alternatives.push_back(alternative.Name);
        }
        root["alternatives"] = alternatives;
        root["nodes"] = NodesJson(decision);
    }
    root["ratings"] = result.Ratings ? GroupRatingsJson(decision, *result.Ratings) : json(nullptr);
    root["ranking"] = RankingJson(result.RankingRows);
    root["ranking_ideal"] = result.Ratings ? json(nullptr) : IdealRankingJson(result.IdealRankingRows, result.Nodes);
    root["ranking_problem"] = result.RankingProblem ? json(RankingProblemText(result.RankingProblem)) : json(nullptr);
    json unacceptable = json::array();
    for (const CUnacceptableNode& matrix : result.UnacceptableNodes) {
        json item = decision.Layered() ? json{{"level", hierarchy.Level(matrix.Node)},
                        {"position", result.ElementOfNode(matrix.Node)->Slot.Position}}
                                       : json{{"path", PathJson(hierarchy, matrix.Node)}};
        item["name"] = hierarchy.Node(matrix.Node).Name;
        item["cr"] = matrix.Cr;
        item["cr_limit"] = matrix.CrLimit;
        unacceptable.push_back(item);
    }
    root["unacceptable"] = unacceptable;
    root["ranking_aip_arithmetic"] = RankingJson(result.AipArithmeticRows);
    root["ranking_aip_geometric"] = RankingJson(result.AipGeometricRows);
    json rankings = json::array();
    for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
        rankings.push_back(RankingJson(decision.ExpertRankingRows(k)));
    }
    root["expert_rankings"] = rankings;
    if (decision.ExpertCount() < 2) {
        root["consensus"] = nullptr;
    } else {
        const std::optional<double>& overall = result.OverallConsensus;
        const std::optional<CConsensus>& final = result.FinalAgreement;
        root["consensus"] = {{"overall", Optional(overall)},
            {"band", overall ? json(ConsensusBandKey(ConsensusBandOf(*overall))) : json(nullptr)},
            {"final_homogeneity_s", final ? json(final->S) : json(nullptr)},
            {"final_s_star", final ? json(final->SStar) : json(nullptr)}, {"kendall_w", Optional(result.KendallW)}};
    }
    return root;
}

std::string GroupText(const CGroupDecision& decision)
{
    const CGroupResult& result = decision.Result();
    std::vector<std::string> lines;
    lines.push_back(GroupWindowCaption(decision.Hierarchy().Goal().Name));
    lines.emplace_back();
    lines.push_back(Tr(ExpertsHeading));
    for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
        const CGroupMember& member = decision.Member(k);
        lines.push_back("  "
            + Say(member.Included ? ExpertLine : ExcludedExpertLine, std::to_string(k + 1), member.Label, member.File,
                FormatGeneral(member.Weight), Shown(result.Weights.at(k))));
    }
    if (!decision.UseExpertWeights()) {
        lines.push_back(Tr(ExpertWeightsOffText));
    }
    lines.emplace_back();
    if (result.Ratings) {
        // Ratings are ideal by nature: one ranking, by the group score.
        GroupRatingLines(decision, *result.Ratings, lines);
        const std::string warning = GroupUnacceptableWarning(decision);
        if (!warning.empty()) {
            lines.push_back(warning);
        }
    } else {
        lines.push_back(Say(GroupRankingHeading, Tr(GroupPriorityCaption)));
        if (result.RankingRows.empty()) {
            lines.push_back("  " + RankingProblemText(result.RankingProblem));
        }
        RankingLines(result.RankingRows, lines);
        // A ranking that rests on combined matrices not acceptable says so right under it.
        const std::string warning = GroupUnacceptableWarning(decision);
        if (!warning.empty()) {
            lines.push_back(warning);
        }
        lines.push_back(Say(GroupIdealRankingHeading, Tr(GroupPriorityCaption)));
        if (result.IdealRankingRows.empty()) {
            lines.push_back("  " + RankingProblemText(result.RankingProblem));
        } else {
            for (std::size_t i = 0; i < result.IdealRankingRows.size(); ++i) {
                const CResultRow& row = result.IdealRankingRows[i];
                lines.push_back("  " + std::to_string(i + 1) + ". " + row.Name + "  " + Shown(row.Value) + "  "
                    + Say(RawIdealShown, Shown(result.Nodes.IdealRaw()[row.Position])));
            }
            lines.push_back(Tr(RawIdealNote));
        }
    }
    for (const auto& [caption, ranking] : {std::pair{Tr(AipArithmeticCaptionPhrase), &result.AipArithmeticRows},
             std::pair{Tr(AipGeometricCaptionPhrase), &result.AipGeometricRows}}) {
        lines.push_back(Say(GroupRankingHeading, caption));
        RankingLines(*ranking, lines);
    }
    const std::string without = WithoutFinalText(decision);
    if (!without.empty()) {
        lines.push_back(without);
    }
    lines.push_back(OverallConsensusLine(decision));
    lines.push_back(FinalAgreementLine(decision));
    lines.push_back(KendallLine(decision));

    for (const std::size_t e : GroupElementOrder(decision)) {
        ElementLines(decision, e, lines);
    }

    lines.emplace_back();
    lines.push_back(Tr(ExpertRankingsHeading));
    for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
        lines.push_back(std::to_string(k + 1) + ". " + decision.Member(k).Label + ":");
        if (decision.ExpertRankingRows(k).empty()) {
            lines.push_back("  " + Tr(ExpertWithoutRanking));
        }
        RankingLines(decision.ExpertRankingRows(k), lines);
    }

    std::string text;
    for (const std::string& line : lines) {
        text += ShowControlCharacters(line) + '\n';
    }
    return text;
}

CGroupReportOutcome GroupReport(
    const std::vector<std::string>& files, const std::optional<std::vector<double>>& weights, EReportFormat format)
{
    std::vector<CGroupMember> members;
    bool weighted = true;
    if (files.size() == 1 && IsGroupFile(files.front())) {
        CGroupReadOutcome group = ReadGroupFile(files.front());
        if (!group.Succeeded()) {
            // The message may name a file or a value from the group file: nothing of it
            // reaches the terminal raw.
            return Failure(ExitRefused, ShowControlCharacters(group.Message + " (" + files.front() + ")") + "\n");
        }
        members = std::move(group.Members);
        weighted = group.Weighted;
    } else {
        for (const std::string& file : files) {
            if (IsGroupFile(file)) {
                return Failure(ExitUsage, CReportCommand::Refusal(Say(GroupFileAlone, ShowControlCharacters(file))));
            }
            members.push_back(CGroupMember{file, std::filesystem::path(file).stem().string(), 1.0});
        }
    }
    if (weights) {
        if (weights->size() != members.size()) {
            return Failure(ExitUsage,
                CReportCommand::Refusal(
                    Say(WeightCountMismatch, std::to_string(weights->size()), std::to_string(members.size()))));
        }
        for (std::size_t k = 0; k < members.size(); ++k) {
            members[k].Weight = (*weights)[k];
        }
        weighted = true;
    }

    const CGroupOpening opening = OpenGroupMembers(members, weighted);
    if (!opening.Unreadable.empty()) {
        std::string errors;
        // The first few name what went wrong; a hundred thousand lines would not.
        const std::size_t shown = std::min(opening.Unreadable.size(), MaxNamedProblems);
        for (std::size_t u = 0; u < shown; ++u) {
            const CMemberReadFailure& failure = opening.Unreadable[u];
            // A label or a file name could hold control characters meant for the terminal.
            errors += ShowControlCharacters(UnreadableMemberLine(
                          failure.Expert, failure.Label, failure.Outcome.Message, failure.File, failure.Outcome.Reason))
                + '\n';
        }
        if (opening.Unreadable.size() > shown) {
            errors += MoreProblemsText(opening.Unreadable.size() - shown) + '\n';
        }
        return Failure(ExitRefused, errors);
    }
    if (!opening.Succeeded()) {
        return Failure(ExitNotGrouped, ShowControlCharacters(GroupProblemText(opening.Problem)) + '\n');
    }
    const CGroupDecision& decision = *opening.Decision;
    CGroupReportOutcome outcome;
    outcome.Inputs = files;
    for (const CGroupMember& member : members) {
        outcome.Inputs.push_back(member.File);
    }
    if (format == EReportFormat::Csv) {
        outcome.Report = GroupCsv(decision, '.');
    } else if (format == EReportFormat::Json) {
        outcome.Report = GroupJson(decision).dump(-1, ' ', false, json::error_handler_t::replace) + '\n';
    } else {
        outcome.Report = GroupText(decision);
    }
    return outcome;
}
