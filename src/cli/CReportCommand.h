#pragma once

#include "core/model/PhraseCatalogue.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace CLI {
class App;
}

// What tessaly-report ends with; the help lists them.
inline constexpr int ExitOk = 0;
inline constexpr int ExitRefused = 1;    // the project file (a member's, the group file) could not be read
inline constexpr int ExitUsage = 2;      // the command line is wrong
inline constexpr int ExitNotWritten = 3; // the report (or the help) could not be written
inline constexpr int ExitNotGrouped = 4; // the members make no group (their hierarchies differ, a file twice)

enum class EReportFormat {
    Text,
    Json,
    Csv,
};

// The command line of tessaly-report, parsed by one parser: options and the files in any
// order, "--" before a file name that starts with a dash. One project file is reported
// alone; with --group the files are the experts' (or one group file) and their weights
// may be given by --weights.
class CReportCommand {
public:
    enum class EAction {
        Report,     // write the report of ProjectFile() in Format()
        Group,      // write the report of the group of Files() in Format()
        Help,       // write HelpText()
        Version,    // write VersionText()
        UsageError, // tell ErrorText() on standard error and exit with ExitUsage
    };

    CReportCommand();
    CReportCommand(const CReportCommand&) = delete;
    CReportCommand& operator=(const CReportCommand&) = delete;
    ~CReportCommand();

    EAction Parse(int argc, const char* const* argv);

    [[nodiscard]] const std::string& ProjectFile() const { return Files.front(); }
    // The files of a group, as given: the experts' project files, or one group file.
    [[nodiscard]] const std::vector<std::string>& GroupFiles() const { return Files; }
    // The weights --weights gave, each a positive number; none when not given.
    [[nodiscard]] const std::optional<std::vector<double>>& Weights() const { return ExpertWeights; }
    [[nodiscard]] EReportFormat Format() const;
    // The file -o names; none for standard output.
    [[nodiscard]] const std::optional<std::string>& OutputFile() const { return Output; }

    [[nodiscard]] std::string HelpText() const;
    [[nodiscard]] static std::string VersionText();
    // What was wrong, the usage and where to find the help, one line each.
    [[nodiscard]] const std::string& ErrorText() const { return Error; }
    // The same for a complaint found later (a count of weights that is not the members').
    [[nodiscard]] static std::string Refusal(const std::string& complaint);

private:
    std::unique_ptr<CLI::App> App;
    std::vector<std::string> Files;
    bool Group = false;
    std::optional<std::string> WeightList;
    std::optional<std::vector<double>> ExpertWeights;
    bool Json = false;
    bool Csv = false;
    std::optional<std::string> Output;
    std::optional<std::string> Language;
    std::string Error;
};

// The language of the report and of the messages: --lang's (its last, "ru" or "en"; a
// wrong value is left for the parser to refuse), or else the environment's.
[[nodiscard]] ELanguage ReportLanguage(int argc, const char* const* argv);

// "--weights" as written, "2,1,1.5": the weights, or "" and why not in problem.
std::optional<std::vector<double>> ParseWeightList(const std::string& text, std::string& problem);
