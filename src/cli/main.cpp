// tessaly-report: a project or template file as a readable report, one JSON object or CSV.
// Every figure comes from the core's own computations, exactly as the windows show them.
#include "cli/CReportCommand.h"
#include "cli/GroupReport.h"
#include "cli/MatrixJson.h"
#include "cli/ReportOutput.h"
#include "cli/ReportPhrases.h"
#include "cli/TreeReport.h"
#include "core/model/CUserProjectModel.h"
#include "core/model/MiddleLevels.h"
#include "core/model/PhraseCatalogue.h"
#include "core/model/TLoadSaveProject.h"
#include "core/results/CHierarchyResults.h"
#include "core/results/CProjectResults.h"
#include "core/results/ConsistencyGuidance.h"
#include "core/results/ControlCharacters.h"
#include "core/results/CsvExport.h"
#include "core/results/Deviations.h"
#include "core/results/IncompleteJudgementsText.h"
#include "core/results/ReportContent.h"
#include "core/results/Sensitivity.h"
#include "core/results/Synthesis.h"
#include "core/storage/ProjectFile.h"
#include "core/storage/TreeFile.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <exception>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {
std::string ElementHeading(const CUserProjectModel& project, std::uint32_t position, std::uint32_t level)
{
    return Say(
        ElementHeadingLine, std::to_string(level), std::to_string(position), project.Element(position, level).Name);
}

void PrintLines(const std::vector<std::string>& lines, const char* indent)
{
    for (const std::string& line : lines) {
        std::cout << indent << line << '\n';
    }
}

// The verdict with its figures and the suggestions of one judged element.
void PrintGuidance(const CUserProjectModel& project, std::uint32_t position, std::uint32_t level)
{
    const CConsistencyGuidance guidance = GuideConsistency(project, position, level);
    PrintLines(ConsistencyLines(guidance), "  ");
    PrintLines(SuggestionLines(project, level, guidance), "  ");
}

void PrintSensitivity(const CUserProjectModel& project, const CProjectResults& results)
{
    auto analysis = std::make_unique<CSensitivityAnalysis>();
    AnalyseSensitivity(project, results, *analysis);
    std::cout << '\n' << Tr(SensitivityHeading) << '\n';
    const std::string refusal = ProjectNotConnectedText(project, results);
    if (!refusal.empty()) {
        std::cout << "  " << refusal << '\n';
        return;
    }
    if (!HasMiddleLevels(project.LevelCount())) {
        // No weight to move, so nothing to say about the leader either.
        std::cout << "  " << Tr(NoMiddleLevelsText) << '\n';
        return;
    }
    for (std::uint32_t level = 1; IsMiddleLevel(project.LevelCount(), level); ++level) {
        for (std::uint32_t e = 0; e < project.ElementsInLevelChecked(level); ++e) {
            std::cout << ElementHeading(project, e, level) << '\n';
            const std::vector<std::string> lines
                = SensitivityLines(ElementSensitivityText(project, *analysis, level, e));
            for (std::size_t l = 0; l < lines.size(); ++l) {
                std::cout << (l == 0 ? "  " : "    ") << lines[l] << '\n';
            }
        }
    }
    std::cout << CriticalChangeText(project, analysis->Critical) << '\n';
}

// A layered element's local result as the synthesis left it, in the form every matrix of
// the report is told from.
CNodeResult NodeResultOf(const CProjectResults& results, std::uint32_t position, std::uint32_t level, std::uint32_t n)
{
    const TDesicionLevelData& data = results.LevelData(position, level);
    CNodeResult result;
    result.Local.assign(data.Priority.begin(), data.Priority.begin() + n);
    result.Compared = n >= 2;
    result.Basis = results.Basis(position, level);
    result.Measures = CConsistency{data.LambdaMax, data.CI, data.CR};
    return result;
}

void AddSensitivityJson(const CUserProjectModel& project, const CProjectResults& results, nlohmann::json& root)
{
    if (results.NotConnected()) {
        // No synthesis, so no weight to move.
        root["sensitivity"] = nullptr;
        root["critical"] = nullptr;
        return;
    }
    auto analysis = std::make_unique<CSensitivityAnalysis>();
    AnalyseSensitivity(project, results, *analysis);
    nlohmann::json elements = nlohmann::json::array();
    for (std::uint32_t level = 1; IsMiddleLevel(project.LevelCount(), level); ++level) {
        for (std::uint32_t e = 0; e < project.ElementsInLevelChecked(level); ++e) {
            const CElementSensitivity& element = analysis->Elements[level][e];
            nlohmann::json crossings = nlohmann::json::array();
            for (std::uint32_t c = 0; c < element.CrossingCount; ++c) {
                const CCrossing& crossing = element.Crossings[c];
                crossings.push_back({{"weight", crossing.Weight}, {"first", crossing.First},
                    {"second", crossing.Second}, {"leader_after", crossing.LeaderAfter}});
            }
            elements.push_back({{"level", level}, {"position", e}, {"name", project.Element(e, level).Name},
                {"weight", element.Weight}, {"crossings", crossings}});
        }
    }
    root["sensitivity"] = elements;
    root["critical"] = nullptr;
    if (analysis->Critical) {
        const CCriticalChange& c = *analysis->Critical;
        root["critical"]
            = {{"level", c.Level}, {"position", c.Position}, {"name", project.Element(c.Position, c.Level).Name},
                {"from", c.From}, {"to", c.To}, {"first", c.First}, {"second", c.Second}};
    }
}

void PrintText(const CUserProjectModel& project, const CProjectResults& results)
{
    std::cout << Say(GoalLine, project.Goal().Name) << '\n';
    std::cout << Say(CommentLine, project.Goal().Comment) << '\n';
    std::cout << Say(LevelCountLine, std::to_string(project.LevelCount())) << "\n\n"
              << RankingTitle(ESynthesisMode::Distributive) << ":\n";
    const std::string refusal = ProjectNotConnectedText(project, results);
    if (!refusal.empty()) {
        std::cout << "  " << refusal << '\n';
    } else {
        for (const std::vector<std::string>& row : FinalRankingTable(project, results).Rows) {
            std::cout << "  " << row[0] << ". " << row[1] << "  " << row[2] << '\n';
        }
    }
    // A ranking that rests on matrices not acceptable says so right under it.
    const std::string warning = UnacceptableWarningText(project, UnacceptableMatrices(project, results));
    if (!warning.empty()) {
        std::cout << warning << '\n';
    }
    // The ideal ranking beside the distributive one: adding an alternative cannot reorder the others there.
    std::cout << '\n' << RankingTitle(ESynthesisMode::Ideal) << ":\n";
    if (!refusal.empty()) {
        std::cout << "  " << refusal << '\n';
    } else {
        for (const std::vector<std::string>& row : IdealRankingTable(project, results).Rows) {
            std::cout << "  " << row[0] << ". " << row[1] << "  " << row[2] << "  " << Say(RawIdealShown, row[3])
                      << '\n';
        }
        std::cout << Tr(RawIdealNote) << '\n';
    }
    const std::vector<std::string> incomplete = IncompleteMatrixLines(project);
    if (!incomplete.empty()) {
        std::cout << Tr(IncompleteMatricesHeading) << '\n';
        PrintLines(incomplete, "  ");
    }
    for (std::uint32_t k = 0; k + 1 < project.LevelCount(); ++k) {
        const std::uint32_t n = project.ElementsInLevelChecked(k + 1);
        for (std::uint32_t e = 0; e < project.ElementsInLevelChecked(k); ++e) {
            const TDesicionLevelData& data = results.LevelData(e, k);
            const EPrioritiesBasis basis = results.Basis(e, k);
            std::cout << '\n' << ElementHeading(project, e, k) << '\n';
            const CComparisonGraph graph = ElementGraph(project, e, k);
            if (!graph.Complete()) {
                std::cout << "  " << JudgedPairsText(graph, ComparedNames(project, k)) << '\n';
            }
            if (basis == EPrioritiesBasis::NotConnected) {
                std::cout << "  " << NotConnectedText(project.Element(e, k).Name, graph, ComparedNames(project, k))
                          << '\n';
            } else if (basis != EPrioritiesBasis::BadValue) {
                std::cout << "  " << LocalPrioritiesText(data, n) << '\n';
            }
            std::cout << "  " << MeasuresText(data, basis) << '\n';
            const CTransitivityReport report = BuildTransitivityReport(project.Element(e, k).Judgements, n);
            if (report.None) {
                std::cout << "  " << Tr(NoTransitivityViolationText) << '\n';
            }
            PrintLines(report.Lines, "  ");
            PrintGuidance(project, e, k);
        }
    }
    PrintSensitivity(project, results);
}

nlohmann::json Json(const CUserProjectModel& project, const CProjectResults& results)
{
    nlohmann::json root;
    root["shape"] = "layers";
    root["goal"] = project.Goal().Name;
    root["comment"] = project.Goal().Comment;
    root["level_count"] = project.LevelCount();
    nlohmann::json levels = nlohmann::json::array();
    for (std::uint32_t k = 0; k < project.LevelCount(); ++k) {
        const bool judged = k + 1 < project.LevelCount();
        const std::uint32_t n = judged ? project.ElementsInLevelChecked(k + 1) : 0;
        nlohmann::json elements = nlohmann::json::array();
        for (std::uint32_t e = 0; e < project.ElementsInLevelChecked(k); ++e) {
            const CHierarchy_Element& element = project.Element(e, k);
            nlohmann::json item{{"position", e}, {"name", element.Name}, {"comment", element.Comment}};
            item["global"] = k == 0 || results.NotConnected() ? nlohmann::json(nullptr)
                                                              : nlohmann::json(results.GlobalPriority()(e, k));
            if (judged) {
                item.update(MatrixJson(element.Judgements, n, NodeResultOf(results, e, k, n)));
            }
            elements.push_back(item);
        }
        levels.push_back({{"level", k}, {"elements", elements}});
    }
    root["levels"] = levels;
    nlohmann::json ranking = nlohmann::json::array();
    const CResultList final = FinalResults(project, results);
    for (std::uint32_t i = 0; i < final.Count; ++i) {
        const CResultRow& row = final.Rows[i];
        ranking.push_back({{"position", row.Position}, {"name", row.Name}, {"priority", row.Value}});
    }
    root["ranking"] = ranking;
    nlohmann::json rankingIdeal = nlohmann::json::array();
    const CResultList ideal = FinalResults(project, results, ESynthesisMode::Ideal);
    for (std::uint32_t i = 0; i < ideal.Count; ++i) {
        const CResultRow& row = ideal.Rows[i];
        rankingIdeal.push_back({{"position", row.Position}, {"name", row.Name}, {"priority", row.Value},
            {"raw", results.Ideal().Raw[row.Position]}});
    }
    root["ranking_ideal"] = rankingIdeal;
    nlohmann::json notConnected = nlohmann::json::array();
    for (std::uint32_t k = 0; k + 1 < project.LevelCount(); ++k) {
        for (std::uint32_t e = 0; e < project.ElementsInLevelChecked(k); ++e) {
            if (results.Basis(e, k) != EPrioritiesBasis::NotConnected) {
                continue;
            }
            const nlohmann::json components = levels[k]["elements"][e]["components"];
            notConnected.push_back(
                {{"level", k}, {"position", e}, {"name", project.Element(e, k).Name}, {"components", components}});
        }
    }
    root["incomplete_elements"] = notConnected;
    if (!notConnected.empty()) {
        // No synthesis exists in either mode until the judgements connect every element.
        root["ranking"] = nullptr;
        root["ranking_ideal"] = nullptr;
    }
    nlohmann::json unacceptable = nlohmann::json::array();
    for (const CUnacceptableMatrix& matrix : UnacceptableMatrices(project, results)) {
        unacceptable.push_back({{"level", matrix.Level}, {"position", matrix.Position},
            {"name", project.Element(matrix.Position, matrix.Level).Name}, {"cr", matrix.Cr},
            {"cr_limit", matrix.CrLimit}});
    }
    root["unacceptable"] = unacceptable;
    AddSensitivityJson(project, results, root);
    return root;
}

// Text for a terminal: names and comments show their control characters escaped, so a
// project cannot send escape sequences. Nothing computed depends on them.
void ShowControlCharactersIn(TLoadSaveProject& record)
{
    for (std::uint32_t k = 0; k < record.LevelCount; ++k) {
        const std::uint32_t count = k == 0 ? 1U : static_cast<std::uint32_t>(record.ElementsPerLevel[k]);
        for (std::uint32_t e = 0; e < count; ++e) {
            CLoadSaveProjectHierarchy_Element& element = record.Elements[e][k];
            element.Name = ShowControlCharacters(element.Name);
            element.Comment = ShowControlCharacters(element.Comment);
        }
    }
}

// The report functions print to std::cout; while one runs, what it prints is kept here,
// to be written out in one piece with every failure seen.
class CCapturedOutput {
public:
    CCapturedOutput()
        : Previous(std::cout.rdbuf(Text.rdbuf()))
    {
    }
    CCapturedOutput(const CCapturedOutput&) = delete;
    CCapturedOutput& operator=(const CCapturedOutput&) = delete;
    ~CCapturedOutput() { std::cout.rdbuf(Previous); }
    [[nodiscard]] std::string Taken() const { return Text.str(); }

private:
    std::ostringstream Text;
    std::streambuf* Previous;
};

// Where the text goes: -o's file or standard output; the failure, if any, is told.
int Deliver(const std::string& text, const std::optional<std::string>& file)
{
    const std::string failure = file ? WriteToFile(*file, text) : WriteToStandardOutput(text);
    if (failure.empty()) {
        return ExitOk;
    }
    std::cerr << failure << '\n';
    return ExitNotWritten;
}

// A report written over a file it reads would lose that file with no backup: refused,
// nothing written.
bool OutputOverwritesInput(const std::optional<std::string>& output, const std::vector<std::string>& inputs)
{
    if (!output || OutputAmongInputs(*output, inputs).empty()) {
        return false;
    }
    std::cerr << "tessaly-report: " << OutputIsInputText(*output) << '\n';
    return true;
}

std::string Report(EReportFormat format, const CUserProjectModel& project, const CProjectResults& results)
{
    const CCapturedOutput output;
    if (format == EReportFormat::Csv) {
        // The same text the program exports, with '.' and ',' whatever the locale.
        std::cout << ProjectCsv(project, results, '.');
    } else if (format == EReportFormat::Json) {
        // Doubles are dumped in their shortest round-trip form; bytes that are not
        // UTF-8 cannot come from the reader, but would be replaced rather than thrown on.
        std::cout << Json(project, results).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    } else {
        PrintText(project, results);
    }
    return output.Taken();
}

int Run(int argc, char** argv)
{
    HoldClosedStandardDescriptors();
    CReportCommand command;
    switch (command.Parse(argc, argv)) {
    case CReportCommand::EAction::Help:
        return Deliver(command.HelpText(), std::nullopt);
    case CReportCommand::EAction::Version:
        return Deliver(CReportCommand::VersionText(), std::nullopt);
    case CReportCommand::EAction::UsageError:
        std::cerr << command.ErrorText();
        return ExitUsage;
    case CReportCommand::EAction::Group: {
        const CGroupReportOutcome group = GroupReport(command.GroupFiles(), command.Weights(), command.Format());
        if (group.ExitCode != ExitOk) {
            std::cerr << group.Errors;
            return group.ExitCode;
        }
        if (OutputOverwritesInput(command.OutputFile(), group.Inputs)) {
            return ExitUsage;
        }
        return Deliver(group.Report, command.OutputFile());
    }
    case CReportCommand::EAction::Report:
        break;
    }
    if (OutputOverwritesInput(command.OutputFile(), {command.ProjectFile()})) {
        return ExitUsage;
    }
    if (IsTreeFileName(command.ProjectFile())) {
        const CTreeReportOutcome tree = TreeReport(command.ProjectFile(), command.Format());
        if (tree.ExitCode != ExitOk) {
            std::cerr << tree.Errors;
            return tree.ExitCode;
        }
        return Deliver(tree.Report, command.OutputFile());
    }
    // The report never writes the project, so a file the user may only read is read.
    auto record = std::make_unique<TLoadSaveProject>();
    const CReadOutcome outcome = ReadProjectFile(*record, command.ProjectFile(), EReadAccess::ReadOnly);
    if (!outcome.Succeeded()) {
        std::cerr << outcome.Message << '\n';
        return ExitRefused;
    }
    if (command.Format() == EReportFormat::Text) {
        ShowControlCharactersIn(*record);
    }
    auto project = std::make_unique<CUserProjectModel>();
    if (!project->BuildLoadedHierarchy(*record)) {
        std::cerr << Tr(StoragePhrases::DamagedProject) << '\n';
        return ExitRefused;
    }
    const auto results = std::make_unique<CProjectResults>(ComputeResults(*project));
    return Deliver(Report(command.Format(), *project, *results), command.OutputFile());
}
} // namespace

int main(int argc, char** argv)
{
    // Before the command line is parsed: its help and complaints are in this language too.
    SetPhraseTranslator(CatalogueTranslator(ReportLanguage(argc, argv)));
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return ExitRefused;
    }
}
