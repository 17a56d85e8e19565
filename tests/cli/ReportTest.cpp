#include "model/CUserProjectModel.h"
#include "results/Synthesis.h"
#include "storage/ProjectFile.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>

namespace {
struct CRun {
    int ExitCode = -1;
    bool Signalled = false;
    std::string Out;
    std::string Err;
};

class CReportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = "/tmp/tessaly-report-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        Dir = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(Dir); }

    static std::string Slurp(const std::filesystem::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    CRun Run(const std::string& arguments) const
    {
        // A run that hangs is ended (exit 124) and fails its test instead of the suite.
        const std::string command = std::string("timeout 30 '") + TESSALY_REPORT + "' " + arguments + " >'"
            + (Dir / "out").string() + "' 2>'" + (Dir / "err").string() + "'";
        const int status = std::system(command.c_str());
        CRun run;
        run.Signalled = WIFSIGNALED(status) || (WIFEXITED(status) && WEXITSTATUS(status) > 125);
        run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.Out = Slurp(Dir / "out");
        run.Err = Slurp(Dir / "err");
        return run;
    }

    std::filesystem::path Dir;
};

// Goal over two criteria (3 : 1), each over two alternatives; by hand the criteria
// weigh sqrt(3) / (sqrt(3) + 1/sqrt(3)) = 0.75 and 0.25, criterion 0 prefers alternative 1
// 5 : 1 (5/6 against 1/6), criterion 1 is indifferent, so alternative 1 scores
// 0.75 * 5/6 + 0.25 * 1/2 = 0.75 and alternative 0 scores 0.25.
std::unique_ptr<CUserProjectModel> Example()
{
    auto project = std::make_unique<CUserProjectModel>();
    project->BuildNewHierarchy(2, 3, "Выбор", "Пример");
    project->Goal().Judgements(0, 1) = 3;
    project->Goal().Judgements(1, 0) = -3;
    project->Element(0, 1).Judgements(1, 0) = 5;
    project->Element(0, 1).Judgements(0, 1) = -5;
    project->Element(0, 2).Name = "Дом";
    project->Element(1, 2).Name = "Flat";
    return project;
}
} // namespace

TEST_F(CReportTest, TextReportShowsRankingAndMeasures)
{
    const std::string file = (Dir / "example.tsy").string();
    ASSERT_EQ(SaveProjectFile(*Example(), file, false), EWriteResult::Ok);
    const CRun run = Run("'" + file + "'");
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_TRUE(run.Err.empty());
    EXPECT_NE(run.Out.find("Цель: Выбор"), std::string::npos) << run.Out;
    // Flat first (0.75), then Дом (0.25): the results table order.
    const std::size_t flat = run.Out.find("1. Flat  0.75");
    const std::size_t house = run.Out.find("2. Дом  0.25");
    EXPECT_NE(flat, std::string::npos) << run.Out;
    EXPECT_NE(house, std::string::npos) << run.Out;
    EXPECT_LT(flat, house);
    EXPECT_NE(run.Out.find("Локальные приоритеты: 0.75 0.25"), std::string::npos);
    EXPECT_NE(run.Out.find("Локальные приоритеты: 0.1666 0.8333"), std::string::npos); // floored, not rounded
    EXPECT_NE(run.Out.find("lambda-max: 2  CI: 0  CR: 0"), std::string::npos);
}

TEST_F(CReportTest, JsonReadsBackToTheCoreFigures)
{
    const std::string file = (Dir / "example.tsy").string();
    auto project = Example();
    // An intransitive triad on a 3-element level for the goal.
    project->BuildNewHierarchy(3, 3, "G", "");
    for (std::uint32_t r = 0; r < 3; ++r) {
        for (std::uint32_t c = 0; c < 3; ++c) {
            project->Goal().Judgements(r, c) = r == c ? 1 : 3;
        }
    }
    project->Element(0, 1).Judgements(0, 1) = 7;
    project->Element(0, 1).Judgements(1, 0) = -7;
    ASSERT_EQ(SaveProjectFile(*project, file, false), EWriteResult::Ok);
    const CRun run = Run("--json '" + file + "'");
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const nlohmann::json report = nlohmann::json::parse(run.Out);
    ComputeAllPriorities(*project);
    EXPECT_EQ(report["goal"], "G");
    EXPECT_EQ(report["level_count"], 3);
    ASSERT_EQ(report["levels"].size(), 3U);
    const auto& goal = report["levels"][0]["elements"][0];
    EXPECT_TRUE(goal["global"].is_null());
    EXPECT_EQ(goal["judgements"], nlohmann::json::parse("[[1,3,3],[3,1,3],[3,3,1]]"));
    EXPECT_EQ(goal["intransitive_triads"], nlohmann::json::parse(R"(["1>2>3>1"])"));
    EXPECT_EQ(goal["lambda_max"].get<double>(), project->LevelDataGrid[0][0].LambdaMax);
    const auto& first = report["levels"][1]["elements"][0];
    for (std::uint32_t i = 0; i < 3; ++i) {
        // Exact equality: the printed numbers read back to the same doubles.
        EXPECT_EQ(first["priorities"][i].get<double>(), project->LevelDataGrid[0][1].Priority[i]);
    }
    EXPECT_EQ(first["cr"].get<double>(), project->LevelDataGrid[0][1].CR);
    EXPECT_EQ(first["global"].get<double>(), project->GlobalPriority(0, 1));
    const auto& bottom = report["levels"][2]["elements"][0];
    EXPECT_FALSE(bottom.contains("judgements"));
    EXPECT_FALSE(bottom.contains("priorities"));
    EXPECT_FALSE(bottom.contains("intransitive_triads"));
    const CResultList ranking = FinalResults(*project);
    ASSERT_EQ(report["ranking"].size(), ranking.Count);
    for (std::uint32_t i = 0; i < ranking.Count; ++i) {
        EXPECT_EQ(report["ranking"][i]["position"], ranking.Rows[i].Position);
        EXPECT_EQ(report["ranking"][i]["priority"].get<double>(), ranking.Rows[i].Value);
    }
    EXPECT_EQ(report["ranking"][0]["position"], 0); // the 7 : 1 preference wins
}

TEST_F(CReportTest, RefusedFilesAndUsageErrors)
{
    CRun run = Run("'" + (Dir / "missing.tsy").string() + "'");
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Err, std::string(CannotOpenProjectText) + "\n");
    EXPECT_TRUE(run.Out.empty());
    std::ofstream(Dir / "short.tsy") << "short";
    run = Run("--json '" + (Dir / "short.tsy").string() + "'");
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Err, std::string(DamagedProjectText) + "\n");
    run = Run("''");
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Err, std::string(EmptyFileNameText) + "\n");
    ASSERT_EQ(::mkfifo((Dir / "pipe.tsy").c_str(), 0600), 0);
    run = Run("'" + (Dir / "pipe.tsy").string() + "'"); // never reaches an end: refused unread
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Err, std::string(CannotOpenProjectText) + "\n");
    for (const std::string& arguments :
        {std::string(), std::string("--json"), std::string("a b"), std::string("--json a b"), std::string("--xml a")}) {
        run = Run(arguments);
        EXPECT_EQ(run.ExitCode, 2) << arguments;
        EXPECT_NE(run.Err.find("tessaly-report [--json]"), std::string::npos) << arguments;
    }
}

TEST_F(CReportTest, CorpusNeverCrashesIt)
{
    const std::filesystem::path corpus = std::filesystem::path(TESSALY_SOURCE_DIR) / "tests/fuzz/corpus";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        const std::string name = entry.path().filename().string();
        for (const char* mode : {"", "--json "}) {
            const CRun run = Run(std::string(mode) + "'" + entry.path().string() + "'");
            EXPECT_FALSE(run.Signalled) << name;
            EXPECT_TRUE(run.ExitCode == 0 || run.ExitCode == 1) << name << " " << run.ExitCode;
            if (name.rfind("damaged_", 0) == 0) {
                EXPECT_EQ(run.ExitCode, 1) << name;
            }
            if (run.ExitCode == 0 && std::string(mode) == "--json ") {
                EXPECT_TRUE(nlohmann::json::accept(run.Out)) << name;
            }
        }
        ++files;
    }
    EXPECT_GE(files, 15);
}
