#pragma once

#include <memory>
#include <optional>
#include <string>

namespace CLI {
class App;
}

// What tessaly-report ends with; the help lists them.
inline constexpr int ExitOk = 0;
inline constexpr int ExitRefused = 1;    // the project file could not be read
inline constexpr int ExitUsage = 2;      // the command line is wrong
inline constexpr int ExitNotWritten = 3; // the report (or the help) could not be written

enum class EReportFormat {
    Text,
    Json,
    Csv,
};

// The command line of tessaly-report, parsed by one parser: options and the file in any
// order, "--" before a file name that starts with a dash.
class CReportCommand {
public:
    enum class EAction {
        Report,     // write the report of ProjectFile() in Format()
        Help,       // write HelpText()
        Version,    // write VersionText()
        UsageError, // tell ErrorText() on standard error and exit with ExitUsage
    };

    CReportCommand();
    CReportCommand(const CReportCommand&) = delete;
    CReportCommand& operator=(const CReportCommand&) = delete;
    ~CReportCommand();

    EAction Parse(int argc, const char* const* argv);

    [[nodiscard]] const std::string& ProjectFile() const { return Project; }
    [[nodiscard]] EReportFormat Format() const;
    // The file -o names; none for standard output.
    [[nodiscard]] const std::optional<std::string>& OutputFile() const { return Output; }

    [[nodiscard]] std::string HelpText() const;
    [[nodiscard]] static std::string VersionText();
    // What was wrong, the usage and where to find the help, one line each.
    [[nodiscard]] const std::string& ErrorText() const { return Error; }

private:
    std::unique_ptr<CLI::App> App;
    std::string Project;
    bool Json = false;
    bool Csv = false;
    std::optional<std::string> Output;
    std::string Error;
};
