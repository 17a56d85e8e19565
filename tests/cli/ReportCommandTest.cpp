#include "core/model/CUserProjectModel.h"
#include "core/storage/ProjectFile.h"
#include "support/ModelEdits.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <sstream>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
struct CCommandRun {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
};

class CReportCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = "/tmp/tessaly-command-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        Dir = pattern;
        Project = (Dir / "supplier.tsy").string();
        std::filesystem::copy_file(std::filesystem::path(TESSALY_SOURCE_DIR) / "examples/supplier.tsy", Project);
    }
    void TearDown() override
    {
        for (const std::string& mount : Mounts) {
            ::umount2(mount.c_str(), MNT_DETACH);
        }
        std::filesystem::remove_all(Dir);
    }

    static std::string Slurp(const std::filesystem::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // Runs the command with its arguments; standard output goes to Dir/out unless
    // another redirection is given ("> /dev/full", ">&-").
    CCommandRun Run(const std::string& arguments, const std::string& output = "") const
    {
        const std::string out = output.empty() ? ">'" + (Dir / "out").string() + "'" : output;
        std::filesystem::remove(Dir / "out");
        const std::string command = std::string("cd '") + Dir.string() + "' && timeout 30 '" + TESSALY_REPORT + "' "
            + arguments + " " + out + " 2>'" + (Dir / "err").string() + "'";
        const int status = std::system(command.c_str());
        CCommandRun run;
        run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.Out = Slurp(Dir / "out");
        run.Err = Slurp(Dir / "err");
        return run;
    }

    // A tmpfs of the given size on Dir/name (root only; empty when it cannot be had).
    std::string MountTmpfs(const std::string& name, const std::string& options)
    {
        const std::string path = (Dir / name).string();
        std::filesystem::create_directories(path);
        if (::geteuid() != 0 || ::mount("tmpfs", path.c_str(), "tmpfs", 0, options.c_str()) != 0) {
            return {};
        }
        Mounts.push_back(path);
        return path;
    }

    std::filesystem::path Dir;
    std::string Project;
    std::vector<std::string> Mounts;
};

std::string Quoted(const std::string& text)
{
    return "'" + text + "'";
}
} // namespace

TEST_F(CReportCommandTest, OptionsStandAnywhereAndEveryFormerCallStillWorks)
{
    const CCommandRun text = Run(Quoted(Project));
    ASSERT_EQ(text.ExitCode, 0) << text.Err;
    EXPECT_NE(text.Out.find("Цель: "), std::string::npos);
    const CCommandRun json = Run("--json " + Quoted(Project));
    ASSERT_EQ(json.ExitCode, 0) << json.Err;
    EXPECT_TRUE(nlohmann::json::accept(json.Out));
    const CCommandRun csv = Run("--csv " + Quoted(Project));
    ASSERT_EQ(csv.ExitCode, 0) << csv.Err;
    EXPECT_EQ(csv.Out.rfind("\xEF\xBB\xBF", 0), 0U); // the export's BOM
    EXPECT_TRUE(text.Out != json.Out && json.Out != csv.Out);

    EXPECT_EQ(Run(Quoted(Project) + " --json").Out, json.Out);
    EXPECT_EQ(Run(Quoted(Project) + " --csv").Out, csv.Out);
    EXPECT_EQ(Run("--output=" + Quoted(Project) + ".txt " + Quoted(Project) + " --json").Out, "");
    EXPECT_EQ(Slurp(Project + ".txt"), json.Out);
    // A file whose name starts with a dash, after "--".
    std::filesystem::copy_file(Project, Dir / "-dash.tsy");
    EXPECT_EQ(Run("--json -- -dash.tsy").Out, json.Out);
}

TEST_F(CReportCommandTest, HelpVersionAndUsageErrors)
{
    // The version is the one project(VERSION) in the top CMakeLists.txt gives.
    std::smatch match;
    const std::string cmake = Slurp(std::filesystem::path(TESSALY_SOURCE_DIR) / "CMakeLists.txt");
    ASSERT_TRUE(std::regex_search(cmake, match, std::regex(R"(project\(Tessaly VERSION ([0-9.]+))")));
    CCommandRun run = Run("--version");
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Out, "tessaly-report " + match[1].str() + "\n");
    EXPECT_EQ(run.Err, "");

    const CCommandRun help = Run("--help");
    EXPECT_EQ(help.ExitCode, 0);
    EXPECT_EQ(help.Err, "");
    EXPECT_EQ(Run("-h").Out, help.Out);
    EXPECT_EQ(Run(Quoted(Project) + " --json --help").Out, help.Out); // help wins, nothing is read
    for (const char* part : {"Использование: tessaly-report [--json] [-o ОТЧЁТ] ФАЙЛ\n", "--csv", "-o,--output ОТЧЁТ",
             "--version", "\n  0  отчёт выведен\n", "\n  1  файл проекта не открыт или повреждён\n",
             "\n  2  неверная командная строка", "\n  3  отчёт не записан", "--group [--weights ВЕСА]",
             "--weights ВЕСА", "\n  4  группа не составлена"}) {
        EXPECT_NE(help.Out.find(part), std::string::npos) << part << "\n" << help.Out;
    }
    // The descriptions form one column, counted in characters, not bytes.
    std::istringstream lines(help.Out);
    std::string line;
    const std::regex option(R"(^  (-\S+|ФАЙЛ)( ОТЧЁТ| ВЕСА| ЯЗЫК)? +(\S.*)$)");
    int options = 0;
    while (std::getline(lines, line)) {
        if (std::regex_match(line, match, option)) {
            std::size_t column = 0;
            for (std::size_t i = 0; i < static_cast<std::size_t>(match.position(3)); ++i) {
                column += (static_cast<unsigned char>(line[i]) & 0xC0U) != 0x80U ? 1 : 0;
            }
            EXPECT_EQ(column, 24U) << line;
            ++options;
        }
    }
    EXPECT_EQ(options, 9) << help.Out; // help, version, json, csv, output, group, weights, lang, the files

    // Each documented code is the one the command ends with.
    EXPECT_EQ(Run(Quoted((Dir / "missing.tsy").string())).ExitCode, 1);
    EXPECT_EQ(Run(Quoted(Project), "> /dev/full").ExitCode, 3);
    const std::vector<std::pair<std::string, std::string>> usage{
        {"", "не указан файл проекта"},
        {"--json --csv " + Quoted(Project), "--json и --csv не задаются вместе"},
        {Quoted(Project) + " --csv --json", "--json и --csv не задаются вместе"},
        {Quoted(Project) + " other.tsy", "лишние или неизвестные аргументы: other.tsy"},
        {"--pdf " + Quoted(Project), "лишние или неизвестные аргументы: --pdf"},
        {Quoted(Project) + " -o", "у параметра нет значения"},
    };
    for (const auto& [arguments, complaint] : usage) {
        run = Run(arguments);
        EXPECT_EQ(run.ExitCode, 2) << arguments;
        EXPECT_EQ(run.Out, "") << arguments;
        EXPECT_EQ(run.Err.rfind("tessaly-report: " + complaint, 0), 0U) << arguments << "\n" << run.Err;
        EXPECT_NE(run.Err.find("\nСправка: tessaly-report --help\n"), std::string::npos) << run.Err;
    }
}

TEST_F(CReportCommandTest, OutputFileIsWrittenThroughTheAtomicSave)
{
    const std::string expected = Run("--csv " + Quoted(Project)).Out;
    const std::string target = (Dir / "report.csv").string();
    std::ofstream(target) << "old";
    CCommandRun run = Run("--csv -o " + Quoted(target) + " " + Quoted(Project));
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(Slurp(target), expected);
    // No temporary file is left beside the target.
    for (const auto& entry : std::filesystem::directory_iterator(Dir)) {
        EXPECT_NE(entry.path().filename().string().rfind(".report.csv.", 0), 0U) << entry.path();
    }

    // A folder that does not exist, and a folder in the file's place.
    const std::string missing = (Dir / "no-such-folder" / "report.txt").string();
    run = Run("-o " + Quoted(missing) + " " + Quoted(Project));
    EXPECT_EQ(run.ExitCode, 3);
    EXPECT_EQ(run.Err, "Не могу записать отчёт в файл «" + missing + "»: " + SystemErrorText(ENOENT) + "\n");
    EXPECT_FALSE(std::filesystem::exists(Dir / "no-such-folder"));
    run = Run("-o " + Quoted(Dir.string()) + " " + Quoted(Project));
    EXPECT_EQ(run.ExitCode, 3);
    EXPECT_EQ(run.Err, "Не могу записать отчёт в файл «" + Dir.string() + "»: " + SystemErrorText(EISDIR) + "\n");
    // Standard output is not needed for a report that goes to a file.
    run = Run("-o " + Quoted(target) + " --csv " + Quoted(Project), ">&-");
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(Slurp(target), expected);
}

TEST_F(CReportCommandTest, EveryWriteFailureIsToldWithItsOwnCode)
{
    const std::string onStdout = "Не могу записать отчёт в стандартный вывод: ";
    for (const std::string& call : {Quoted(Project), "--json " + Quoted(Project), "--csv " + Quoted(Project),
             std::string("--help"), std::string("--version")}) {
        CCommandRun run = Run(call, "> /dev/full");
        EXPECT_EQ(run.ExitCode, 3) << call;
        EXPECT_EQ(run.Err, onStdout + SystemErrorText(ENOSPC) + "\n") << call;
        run = Run(call, ">&-");
        EXPECT_EQ(run.ExitCode, 3) << call;
        EXPECT_EQ(run.Err, onStdout + SystemErrorText(EBADF) + "\n") << call;
    }
    // With standard error closed too, the failure is still in the exit code.
    EXPECT_EQ(Run(Quoted(Project), ">&- 2>&-").ExitCode, 3);

    // A full disk, reached through standard output and through -o.
    const std::string full = MountTmpfs("full", "size=64k");
    if (full.empty()) {
        GTEST_SKIP() << "a full file system needs a tmpfs, which needs root";
    }
    const std::string kept = full + "/report.txt";
    std::ofstream(kept) << "old report";
    {
        std::ofstream filler(full + "/filler", std::ios::binary);
        const std::string block(4096, 'x');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size()))) { }
    }
    CCommandRun run = Run(Quoted(Project), "> '" + full + "/out.txt'");
    EXPECT_EQ(run.ExitCode, 3);
    EXPECT_EQ(run.Err, onStdout + SystemErrorText(ENOSPC) + "\n");
    run = Run("-o " + Quoted(kept) + " " + Quoted(Project));
    EXPECT_EQ(run.ExitCode, 3);
    EXPECT_EQ(run.Err, "Не могу записать отчёт в файл «" + kept + "»: " + SystemErrorText(ENOSPC) + "\n");
    EXPECT_EQ(Slurp(kept), "old report");
}

TEST_F(CReportCommandTest, AFileTheUserMayOnlyReadIsReported)
{
    const std::string expected = Run("--json " + Quoted(Project)).Out;
    ASSERT_FALSE(expected.empty());
    // Permission bits do not stop root: root gets a file system mounted read-only.
    std::string folder = MountTmpfs("ro", "size=1m");
    if (folder.empty()) {
        if (::geteuid() == 0) {
            GTEST_SKIP() << "root cannot make a file read-only here without a tmpfs";
        }
        folder = (Dir / "ro").string();
    }
    const std::string file = folder + "/supplier.tsy";
    std::filesystem::copy_file(Project, file);
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    if (::geteuid() == 0) {
        ASSERT_EQ(::mount("tmpfs", folder.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr), 0);
    }
    ASSERT_NE(::access(file.c_str(), W_OK), 0); // the program itself would refuse it
    const CCommandRun run = Run("--json " + Quoted(file));
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Out, expected);
}

TEST_F(CReportCommandTest, TextReportShowsControlCharactersEscaped)
{
    // Names with an escape sequence that would retitle the terminal, a line break and a
    // bell (the names stay within the model's lengths); the file keeps them (Windows-1251 holds every ASCII control
    // character).
    const std::string file = (Dir / "crafted.tsy").string();
    auto project = std::make_unique<CUserProjectModel>();
    project->BuildNewHierarchy(2, 3, "Goal\x1b[2J", "one\r\ntwo");
    SetName(*project, 0, 1, "C\x1b]2;t\x07");
    SetName(*project, 0, 2, "Alt\none");
    SetName(*project, 1, 2, "Alt\ttwo\x7f");
    SetCell(*project, 0, 0, 0, 1, 3);
    SetCell(*project, 0, 0, 1, 0, -3);
    ASSERT_EQ(SaveProjectFile(*project, file, false), EWriteResult::Ok);

    const CCommandRun text = Run(Quoted(file));
    ASSERT_EQ(text.ExitCode, 0) << text.Err;
    for (const char c : text.Out) {
        EXPECT_TRUE(c == '\n' || (static_cast<unsigned char>(c) >= 0x20U && c != 0x7F))
            << "control character " << static_cast<int>(c) << " in\n"
            << text.Out;
    }
    for (const char* shown : {"Цель: Goal\\x1b[2J\n", "Комментарий: one\\r\\ntwo\n", ": C\\x1b]2;t\\x07\n",
             ". Alt\\none  ", ". Alt\\ttwo\\x7f  "}) {
        EXPECT_NE(text.Out.find(shown), std::string::npos) << shown << "\n" << text.Out;
    }
    // JSON escapes by itself and keeps the names as they are.
    const nlohmann::json json = nlohmann::json::parse(Run("--json " + Quoted(file)).Out);
    EXPECT_EQ(json["goal"], "Goal\x1b[2J");
    EXPECT_EQ(json["levels"][1]["elements"][0]["name"], "C\x1b]2;t\x07");
    EXPECT_EQ(json["levels"][2]["elements"][0]["name"], "Alt\none");
}
