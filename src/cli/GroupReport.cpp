#include "cli/GroupReport.h"

#include "core/group/CGroupDecision.h"
#include "core/group/GroupCsv.h"
#include "core/group/GroupReading.h"
#include "core/group/GroupReportContent.h"
#include "core/model/CUserProjectModel.h"
#include "core/results/ControlCharacters.h"
#include "core/results/IncompleteJudgementsText.h"
#include "core/results/NumberFormat.h"
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

// Whether the group's own judgements of the element give priorities (they connect its
// children).
bool GroupHasPriorities(const CGroupResult& result, const CElementSlot& slot)
{
    const EPrioritiesBasis basis = result.Group.Basis(slot.Position, slot.Level);
    return basis == EPrioritiesBasis::AllJudged || basis == EPrioritiesBasis::LeastSquares;
}

json Optional(const std::optional<double>& x)
{
    return x ? json(*x) : json(nullptr);
}

json Vector(std::span<const double> vector)
{
    return vector.empty() ? json(nullptr) : json(std::vector<double>(vector.begin(), vector.end()));
}

json RankingJson(const CResultList& list)
{
    json rows = json::array();
    for (std::uint32_t i = 0; i < list.Count; ++i) {
        const CResultRow& row = list.Rows[i];
        rows.push_back({{"position", row.Position}, {"name", row.Name}, {"priority", row.Value}});
    }
    return rows;
}

json IdealRankingJson(const CResultList& list, const CProjectResults& results)
{
    json rows = json::array();
    for (std::uint32_t i = 0; i < list.Count; ++i) {
        const CResultRow& row = list.Rows[i];
        rows.push_back({{"position", row.Position}, {"name", row.Name}, {"priority", row.Value},
            {"raw", results.Ideal().Raw[row.Position]}});
    }
    return rows;
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

json ElementJson(const CGroupDecision& decision, const CGroupElementResult& element)
{
    const CGroupResult& result = decision.Result();
    const CElementSlot& slot = element.Slot;
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
    json item{{"position", slot.Position}, {"name", decision.Model().Element(slot.Position, slot.Level).Name},
        {"aggregated", aggregated}, {"gsd", spread}};
    if (GroupHasPriorities(result, slot)) {
        const TDesicionLevelData& data = result.Group.LevelData(slot.Position, slot.Level);
        item["priorities"] = std::vector<double>(data.Priority.begin(), data.Priority.begin() + n);
        item["lambda_max"] = data.LambdaMax;
        item["ci"] = data.CI;
        item["cr"] = data.CR;
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
        const std::span<const double> own = decision.ExpertPriorities(k, slot);
        experts.push_back(Vector(own));
        ratios.push_back(
            own.empty() ? json(nullptr) : json(decision.ExpertResults(k).LevelData(slot.Position, slot.Level).CR));
        distances.push_back(Optional(distanceOf[k]));
    }
    item["expert_priorities"] = experts;
    item["expert_cr"] = ratios;
    item["expert_distance"] = distances;
    item["global"] = result.Group.NotConnected() ? json(nullptr) : json(element.GlobalPriority);
    item["consensus"] = ConsensusJson(element.Consensus);
    return item;
}

// ---- Text ----

std::string Shown(double x)
{
    return FormatTruncated(x, 4, '.');
}

void RankingLines(const CResultList& list, std::vector<std::string>& lines)
{
    for (std::uint32_t i = 0; i < list.Count; ++i) {
        lines.push_back("  " + std::to_string(i + 1) + ". " + list.Rows[i].Name + "  " + Shown(list.Rows[i].Value));
    }
}

std::string ElementHeading(const CUserProjectModel& model, const CElementSlot& slot)
{
    return "Уровень " + std::to_string(slot.Level) + ", элемент " + std::to_string(slot.Position) + ": "
        + model.Element(slot.Position, slot.Level).Name;
}

std::vector<std::string> ChildNames(const CUserProjectModel& model, const CElementSlot& slot, std::uint32_t n)
{
    std::vector<std::string> names;
    for (std::uint32_t i = 0; i < n; ++i) {
        names.push_back(model.Element(i, slot.Level + 1).Name);
    }
    return names;
}

void ElementLines(const CGroupDecision& decision, const CGroupElementResult& element, std::vector<std::string>& lines)
{
    const CUserProjectModel& model = decision.Model();
    const CGroupResult& result = decision.Result();
    const CElementSlot& slot = element.Slot;
    const std::uint32_t n = element.Aggregate.Order;
    const std::vector<std::string> names = ChildNames(model, slot, n);
    lines.emplace_back();
    lines.push_back(ElementHeading(model, slot));
    if (GroupHasPriorities(result, slot)) {
        const TDesicionLevelData& data = result.Group.LevelData(slot.Position, slot.Level);
        lines.push_back("  " + LocalPrioritiesText(data, n));
        lines.push_back("  " + MeasuresText(data));
    } else {
        lines.push_back("  "
            + NotConnectedText(model.Element(slot.Position, slot.Level).Name,
                BuildComparisonGraph(element.Aggregate.Judgements, n), names));
    }
    if (element.Consensus) {
        lines.push_back("  " + std::string(ConsensusCaption) + ": " + ConsensusText(element.Consensus->SStar));
    }
    if (element.LargestCrExpert) {
        const std::size_t k = *element.LargestCrExpert;
        lines.push_back("  " + std::string(LargestExpertRatioCaption) + ": "
            + Shown(decision.ExpertResults(k).LevelData(slot.Position, slot.Level).CR) + " (" + decision.Member(k).Label
            + ")");
    }
    if (element.WidestSpread) {
        const CElementPair& pair = *element.WidestSpread;
        lines.push_back("  " + std::string(WidestSpreadCaption) + ": "
            + SpreadText(names[pair.Row], names[pair.Column], *element.Aggregate.Spread[pair.Row][pair.Column]));
    }
    const std::string leftOut = LeftOutText(decision, model.Element(slot.Position, slot.Level).Name, element.LeftOut);
    if (!leftOut.empty()) {
        lines.push_back("  " + leftOut);
    }
    if (!element.Distances.empty()) {
        lines.push_back("  " + std::string(DistanceCaption) + ": " + DistancesText(decision, element.Distances));
    }
}
} // namespace

nlohmann::json GroupJson(const CGroupDecision& decision)
{
    const CGroupResult& result = decision.Result();
    const CUserProjectModel& model = decision.Model();
    json root;
    json experts = json::array();
    for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
        const CGroupMember& member = decision.Member(k);
        experts.push_back({{"file", member.File}, {"label", member.Label}, {"weight", result.Weights.at(k)},
            {"included", member.Included}});
    }
    root["weighted"] = decision.UseExpertWeights();
    root["experts"] = experts;
    json levels = json::array();
    for (std::uint32_t level = 0; level + 1 < model.LevelCount(); ++level) {
        json elements = json::array();
        for (const CGroupElementResult& element : result.Elements) {
            if (element.Slot.Level == level) {
                elements.push_back(ElementJson(decision, element));
            }
        }
        levels.push_back({{"level", level}, {"elements", elements}});
    }
    root["levels"] = levels;
    root["ranking"] = RankingJson(result.Ranking);
    root["ranking_ideal"] = IdealRankingJson(result.IdealRanking, result.Group);
    root["ranking_problem"] = result.RankingProblem.empty() ? json(nullptr) : json(result.RankingProblem);
    json unacceptable = json::array();
    for (const CUnacceptableMatrix& matrix : result.Unacceptable) {
        unacceptable.push_back({{"level", matrix.Level}, {"position", matrix.Position},
            {"name", model.Element(matrix.Position, matrix.Level).Name}, {"cr", matrix.Cr},
            {"cr_limit", matrix.CrLimit}});
    }
    root["unacceptable"] = unacceptable;
    root["ranking_aip_arithmetic"] = RankingJson(result.AipArithmeticRanking);
    root["ranking_aip_geometric"] = RankingJson(result.AipGeometricRanking);
    json rankings = json::array();
    for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
        rankings.push_back(RankingJson(decision.ExpertRanking(k)));
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
    const CUserProjectModel& model = decision.Model();
    std::vector<std::string> lines;
    lines.push_back(GroupWindowCaption(model.Goal().Name));
    lines.emplace_back();
    lines.push_back("Эксперты:");
    for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
        const CGroupMember& member = decision.Member(k);
        lines.push_back("  " + std::to_string(k + 1) + ". " + member.Label + " (" + member.File + "): вес "
            + FormatGeneral(member.Weight) + ", доля " + Shown(result.Weights.at(k))
            + (member.Included ? "" : ", не учитывается"));
    }
    if (!decision.UseExpertWeights()) {
        lines.emplace_back(ExpertWeightsOffText);
    }
    lines.emplace_back();
    lines.push_back(std::string(FinalRankingTitle) + " (" + GroupPriorityCaption + "):");
    if (result.Ranking.Count == 0) {
        lines.push_back("  " + result.RankingProblem);
    }
    RankingLines(result.Ranking, lines);
    // A ranking that rests on combined matrices not acceptable says so right under it.
    const std::string warning = GroupUnacceptableWarning(decision);
    if (!warning.empty()) {
        lines.push_back(warning);
    }
    lines.push_back(RankingTitle(ESynthesisMode::Ideal) + " (" + GroupPriorityCaption + "):");
    if (result.IdealRanking.Count == 0) {
        lines.push_back("  " + result.RankingProblem);
    } else {
        for (std::uint32_t i = 0; i < result.IdealRanking.Count; ++i) {
            const CResultRow& row = result.IdealRanking.Rows[i];
            lines.push_back("  " + std::to_string(i + 1) + ". " + row.Name + "  " + Shown(row.Value) + "  ("
                + RawIdealCaption + " " + Shown(result.Group.Ideal().Raw[row.Position]) + ")");
        }
        lines.emplace_back(RawIdealNote);
    }
    for (const auto& [caption, ranking] : {std::pair{AipArithmeticCaption, &result.AipArithmeticRanking},
             std::pair{AipGeometricCaption, &result.AipGeometricRanking}}) {
        lines.push_back(std::string(FinalRankingTitle) + " (" + caption + "):");
        RankingLines(*ranking, lines);
    }
    const std::string without = WithoutFinalText(decision);
    if (!without.empty()) {
        lines.push_back(without);
    }
    lines.push_back(OverallConsensusLine(decision));
    lines.push_back(FinalAgreementLine(decision));
    lines.push_back(KendallLine(decision));

    for (const CGroupElementResult& element : result.Elements) {
        ElementLines(decision, element, lines);
    }

    lines.emplace_back();
    lines.push_back("Собственные рейтинги экспертов:");
    for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
        lines.push_back(std::to_string(k + 1) + ". " + decision.Member(k).Label + ":");
        if (decision.ExpertRanking(k).Count == 0) {
            lines.emplace_back("  итоговых приоритетов нет: сравнения не связывают элементы");
        }
        RankingLines(decision.ExpertRanking(k), lines);
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
                return Failure(ExitUsage,
                    CReportCommand::Refusal(
                        "файл группы «" + ShowControlCharacters(file) + "» задаётся один, без файлов экспертов"));
            }
            members.push_back(CGroupMember{file, std::filesystem::path(file).stem().string(), 1.0});
        }
    }
    if (weights) {
        if (weights->size() != members.size()) {
            return Failure(ExitUsage,
                CReportCommand::Refusal("--weights: весов " + std::to_string(weights->size()) + ", а экспертов "
                    + std::to_string(members.size())));
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
        return Failure(ExitNotGrouped, ShowControlCharacters(opening.Problem) + '\n');
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
