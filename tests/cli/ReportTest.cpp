#include "core/model/CUserProjectModel.h"
#include "core/model/TLoadSaveProject.h"
#include "core/results/CProjectResults.h"
#include "core/results/ConsistencyGuidance.h"
#include "core/results/CsvExport.h"
#include "core/results/ReportContent.h"
#include "core/results/Sensitivity.h"
#include "core/results/Synthesis.h"
#include "core/storage/ProjectFile.h"
#include "support/IdealExample.h"
#include "support/ModelEdits.h"

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
#include <vector>

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
    SetCell(*project, 0, 0, 0, 1, 3);
    SetCell(*project, 0, 0, 1, 0, -3);
    SetCell(*project, 0, 1, 1, 0, 5);
    SetCell(*project, 0, 1, 0, 1, -5);
    SetName(*project, 0, 2, "Дом");
    SetName(*project, 1, 2, "Flat");
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
    EXPECT_NE(run.Out.find("СЗ: 2; ИС: 0; ОС: 0"), std::string::npos);

    // Goal and alternatives only: no weight to move, and no claim about the leader.
    auto pair = std::make_unique<CUserProjectModel>();
    pair->BuildNewHierarchy(3, 2, "Пара", "");
    ASSERT_EQ(SaveProjectFile(*pair, file, false), EWriteResult::Ok);
    const CRun two = Run("'" + file + "'");
    ASSERT_EQ(two.ExitCode, 0) << two.Err;
    EXPECT_NE(two.Out.find("В проекте нет промежуточных уровней: анализировать нечего"), std::string::npos) << two.Out;
    EXPECT_EQ(two.Out.find("Критическое изменение"), std::string::npos) << two.Out;
}

TEST_F(CReportTest, JsonReadsBackToTheCoreFigures)
{
    const std::string file = (Dir / "example.tsy").string();
    auto project = Example();
    // An intransitive triad on a 3-element level for the goal.
    project->BuildNewHierarchy(3, 3, "G", "");
    for (std::uint32_t r = 0; r < 3; ++r) {
        for (std::uint32_t c = 0; c < 3; ++c) {
            SetCell(*project, 0, 0, r, c, r == c ? 1 : 3);
        }
    }
    SetCell(*project, 0, 1, 0, 1, 7);
    SetCell(*project, 0, 1, 1, 0, -7);
    ASSERT_EQ(SaveProjectFile(*project, file, false), EWriteResult::Ok);
    const CRun run = Run("--json '" + file + "'");
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const nlohmann::json report = nlohmann::json::parse(run.Out);
    const CProjectResults results = ComputeResults(*project);
    EXPECT_EQ(report["goal"], "G");
    EXPECT_EQ(report["level_count"], 3);
    ASSERT_EQ(report["levels"].size(), 3U);
    const auto& goal = report["levels"][0]["elements"][0];
    EXPECT_TRUE(goal["global"].is_null());
    EXPECT_EQ(goal["judgements"], nlohmann::json::parse("[[1,3,3],[3,1,3],[3,3,1]]"));
    EXPECT_EQ(goal["intransitive_triads"], nlohmann::json::parse(R"(["1>2>3>1"])"));
    EXPECT_EQ(goal["lambda_max"].get<double>(), results.LevelData(0, 0).LambdaMax);
    const auto& first = report["levels"][1]["elements"][0];
    for (std::uint32_t i = 0; i < 3; ++i) {
        // Exact equality: the printed numbers read back to the same doubles.
        EXPECT_EQ(first["priorities"][i].get<double>(), results.LevelData(0, 1).Priority[i]);
    }
    EXPECT_EQ(first["cr"].get<double>(), results.LevelData(0, 1).CR);
    EXPECT_EQ(first["global"].get<double>(), results.GlobalPriority()(0, 1));
    const auto& bottom = report["levels"][2]["elements"][0];
    EXPECT_FALSE(bottom.contains("judgements"));
    EXPECT_FALSE(bottom.contains("priorities"));
    EXPECT_FALSE(bottom.contains("intransitive_triads"));
    const CResultList ranking = FinalResults(*project, results);
    ASSERT_EQ(report["ranking"].size(), ranking.Count);
    for (std::uint32_t i = 0; i < ranking.Count; ++i) {
        EXPECT_EQ(report["ranking"][i]["position"], ranking.Rows[i].Position);
        EXPECT_EQ(report["ranking"][i]["priority"].get<double>(), ranking.Rows[i].Value);
    }
    EXPECT_EQ(report["ranking"][0]["position"], 0); // the 7 : 1 preference wins
}

TEST_F(CReportTest, JsonAndCsvCarryGuidanceAndSensitivity)
{
    // The supplier example with one of the goal's judgements turned round, so that the
    // goal's matrix is no longer acceptable and gets suggestions.
    const std::filesystem::path file = Dir / "supplier.tsy";
    std::filesystem::copy_file(std::filesystem::path(TESSALY_SOURCE_DIR) / "examples/supplier.tsy", file);
    auto record = std::make_unique<TLoadSaveProject>();
    ASSERT_TRUE(ReadProjectFile(*record, file.string()).Succeeded());
    auto project = std::make_unique<CUserProjectModel>();
    ASSERT_TRUE(project->BuildLoadedHierarchy(*record));
    SetPair(*project, 0, 0, 1, 3, project->Goal().Judgements(3, 1).Code());
    ASSERT_EQ(SaveProjectFile(*project, file.string(), false), EWriteResult::Ok);
    const CRun run = Run("--json '" + file.string() + "'");
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const nlohmann::json report = nlohmann::json::parse(run.Out);
    const CProjectResults results = ComputeResults(*project);

    int suggestions = 0;
    for (std::uint32_t k = 0; k < 2; ++k) {
        for (std::uint32_t e = 0; e < (k == 0 ? 1U : 4U); ++e) {
            const auto& item = report["levels"][k]["elements"][e];
            const CConsistencyGuidance g = GuideConsistency(*project, e, k);
            EXPECT_EQ(item["gci"].get<double>(), *g.Gci);
            EXPECT_EQ(item["cr_limit"].get<double>(), g.CrLimit);
            EXPECT_EQ(item["gci_limit"].get<double>(), *g.GciLimit);
            EXPECT_EQ(item["acceptable"].get<bool>(), g.Acceptable());
            ASSERT_EQ(item["suggestions"].size(), g.SuggestionCount);
            for (std::uint32_t s = 0; s < g.SuggestionCount; ++s, ++suggestions) {
                const auto& got = item["suggestions"][s];
                const CSuggestion& want = g.Suggestions[s];
                EXPECT_TRUE(got["row"] == want.Row && got["column"] == want.Column && got["current"] == want.Current
                    && got["proposed"] == want.Proposed);
                EXPECT_EQ(got["cr_after"].get<double>(), want.CrAfter);
                EXPECT_EQ(got["gci_after"].get<double>(), *want.GciAfter);
            }
        }
    }
    EXPECT_GT(suggestions, 0);

    auto analysis = std::make_unique<CSensitivityAnalysis>();
    AnalyseSensitivity(*project, results, *analysis);
    ASSERT_EQ(report["sensitivity"].size(), 4U);
    for (std::uint32_t e = 0; e < 4; ++e) {
        const auto& item = report["sensitivity"][e];
        const CElementSensitivity& element = analysis->Elements[1][e];
        EXPECT_TRUE(item["level"] == 1 && item["position"] == e && item["name"] == project->Element(e, 1).Name);
        EXPECT_EQ(item["weight"].get<double>(), element.Weight);
        ASSERT_EQ(item["crossings"].size(), element.CrossingCount);
        for (std::uint32_t c = 0; c < element.CrossingCount; ++c) {
            const auto& got = item["crossings"][c];
            const CCrossing& want = element.Crossings[c];
            EXPECT_EQ(got["weight"].get<double>(), want.Weight);
            EXPECT_TRUE(
                got["first"] == want.First && got["second"] == want.Second && got["leader_after"] == want.LeaderAfter);
        }
    }
    const auto& critical = report["critical"];
    ASSERT_TRUE(analysis->Critical);
    const CCriticalChange& want = *analysis->Critical;
    EXPECT_TRUE(critical["level"] == want.Level && critical["position"] == want.Position
        && critical["name"] == project->Element(want.Position, want.Level).Name && critical["first"] == want.First
        && critical["second"] == want.Second);
    EXPECT_EQ(critical["from"].get<double>(), want.From);
    EXPECT_EQ(critical["to"].get<double>(), want.To);

    // The text report ends with the critical change; --csv prints the export byte for byte.
    const CRun text = Run("'" + file.string() + "'");
    EXPECT_NE(text.Out.find(CriticalChangeText(*project, analysis->Critical) + "\n"), std::string::npos);
    // Its sentences are the report content's, in the windows' words: the goal's verdict
    // and its suggestions, each on a line of its own.
    const CConsistencyGuidance goal = GuideConsistency(*project, 0, 0);
    ASSERT_GT(goal.SuggestionCount, 0U);
    std::vector<std::string> lines = ConsistencyLines(goal);
    const std::vector<std::string> suggested = SuggestionLines(*project, 0, goal);
    lines.insert(lines.end(), suggested.begin(), suggested.end());
    std::string block;
    for (const std::string& line : lines) {
        block += "  " + line + "\n";
    }
    EXPECT_NE(text.Out.find(block), std::string::npos) << block << text.Out;
    EXPECT_NE(text.Out.find("  Предложение 1: "), std::string::npos);
    for (const char* old : {"CR", "GCI", "->", "lambda-max", "CI:"}) {
        EXPECT_EQ(text.Out.find(old), std::string::npos) << old;
    }
    const CRun csv = Run("--csv '" + file.string() + "'");
    EXPECT_EQ(csv.ExitCode, 0);
    EXPECT_EQ(csv.Out, ProjectCsv(*project, results, '.'));
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
    for (const std::string& arguments : {std::string(), std::string("--json"), std::string("--csv"), std::string("a b"),
             std::string("--json a b"), std::string("--xml a")}) {
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

TEST_F(CReportTest, BothRankingsInTextAndJson)
{
    const std::string file = (Dir / "ideal.tsy").string();
    auto project = std::make_unique<CUserProjectModel>();
    ASSERT_TRUE(idealexample::Build(*project));
    ASSERT_EQ(SaveProjectFile(*project, file, false), EWriteResult::Ok);
    const CProjectResults results = ComputeResults(*project);

    const CRun json = Run("--json '" + file + "'");
    ASSERT_EQ(json.ExitCode, 0) << json.Err;
    const nlohmann::json report = nlohmann::json::parse(json.Out);
    // "ranking" stays the distributive one; "ranking_ideal" is ordered the same way, best first.
    ASSERT_EQ(report["ranking"].size(), 3U);
    ASSERT_EQ(report["ranking_ideal"].size(), 3U);
    for (std::uint32_t i = 0; i < 3; ++i) {
        const auto& plain = report["ranking"][i];
        const auto& ideal = report["ranking_ideal"][i];
        EXPECT_EQ(plain["position"], i);
        EXPECT_NEAR(plain["priority"].get<double>(), idealexample::Distributive[i], 5e-7);
        EXPECT_EQ(ideal["position"], i);
        EXPECT_EQ(ideal["name"], idealexample::Names[i]);
        EXPECT_NEAR(ideal["priority"].get<double>(), idealexample::Ideal[i], 5e-7);
        EXPECT_NEAR(ideal["raw"].get<double>(), idealexample::Raw[i], 5e-7);
        // The printed numbers read back to the core's doubles.
        EXPECT_EQ(ideal["priority"].get<double>(), results.Ideal().Priority[i]);
        EXPECT_EQ(ideal["raw"].get<double>(), results.Ideal().Raw[i]);
        EXPECT_EQ(ideal.size(), 4U);
    }

    const CRun text = Run("'" + file + "'");
    ASSERT_EQ(text.ExitCode, 0) << text.Err;
    const std::size_t plain = text.Out.find("Итоговый рейтинг (распределительный синтез):\n"
                                            "  1. АЛЬФА  0.6637\n  2. БЕТА  0.2069\n  3. ГАММА  0.1293\n");
    const std::size_t ideal = text.Out.find("Итоговый рейтинг (идеальный синтез):\n"
                                            "  1. АЛЬФА  0.6433  (Доля идеала 1)\n"
                                            "  2. БЕТА  0.221  (Доля идеала 0.3436)\n"
                                            "  3. ГАММА  0.1355  (Доля идеала 0.2106)\n"
                                            "Доля идеала: ");
    EXPECT_NE(plain, std::string::npos) << text.Out;
    EXPECT_NE(ideal, std::string::npos) << text.Out;
    EXPECT_LT(plain, ideal);

    // The CSV carries both, as the program exports them.
    const CRun csv = Run("--csv '" + file + "'");
    ASSERT_EQ(csv.ExitCode, 0) << csv.Err;
    EXPECT_NE(
        csv.Out.find("Итоговый рейтинг (идеальный синтез)\r\nМесто,Альтернатива,Приоритет,Доля идеала\r\n1,АЛЬФА,"),
        std::string::npos)
        << csv.Out;
}
