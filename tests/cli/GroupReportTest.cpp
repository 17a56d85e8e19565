#include "core/group/ExpertFiles.h"
#include "core/group/GroupCsv.h"
#include "core/group/GroupReading.h"
#include "core/group/GroupReportContent.h"
#include "core/model/CUserProjectModel.h"
#include "core/model/LayeredHierarchy.h"
#include "core/model/TLoadSaveProject.h"
#include "core/results/NumberFormat.h"
#include "core/storage/GroupFile.h"
#include "core/storage/ProjectFile.h"
#include "core/storage/TreeFile.h"
#include "support/EmployeesTree.h"
#include "support/FourLayersGroup.h"
#include "support/ModelEdits.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <sys/wait.h>
#include <vector>

namespace {
struct CGroupRun {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
};

// ---- A straightforward calculation of the group figures, kept apart from the core ----

using TVector = std::vector<double>;
using TMatrix3 = std::vector<TVector>;

// An expert's goal matrix from his upper triangle (values, not codes).
TMatrix3 GoalMatrix(const TVector& upper)
{
    return {{1.0, upper[0], upper[1]}, {1.0 / upper[0], 1.0, upper[2]}, {1.0 / upper[1], 1.0 / upper[2], 1.0}};
}

TVector RowGeometricMeans(const TMatrix3& a)
{
    TVector w;
    double sum = 0.0;
    for (const TVector& row : a) {
        w.push_back(std::cbrt(row[0] * row[1] * row[2]));
        sum += w.back();
    }
    for (double& x : w) {
        x /= sum;
    }
    return w;
}

double Entropy(const TVector& p)
{
    double h = 0.0;
    for (const double x : p) {
        h -= x * std::log(x);
    }
    return h;
}

struct CAgreement {
    double SStar = 0.0;
    double S = 0.0;
};

// Goepel's relative homogeneity with M = 9.
CAgreement Agreement(const std::vector<TVector>& vectors, const TVector& alpha)
{
    const std::size_t n = vectors.front().size();
    double hAlpha = 0.0;
    TVector mean(n, 0.0);
    for (std::size_t k = 0; k < vectors.size(); ++k) {
        hAlpha += alpha[k] * Entropy(vectors[k]);
        for (std::size_t i = 0; i < n; ++i) {
            mean[i] += alpha[k] * vectors[k][i];
        }
    }
    const double hBeta = Entropy(mean) - hAlpha;
    const double m = 9.0;
    const double big = m / (static_cast<double>(n) + m - 1.0);
    const double small = 1.0 / (static_cast<double>(n) + m - 1.0);
    const double hMin = -big * std::log(big) - (static_cast<double>(n) - 1.0) * small * std::log(small);
    const double cor = static_cast<double>(n) / std::exp(hMin);
    return {(std::exp(-hBeta) - 1.0 / cor) / (1.0 - 1.0 / cor),
        (std::exp(-hBeta) - 1.0 / static_cast<double>(n)) / (1.0 - 1.0 / static_cast<double>(n))};
}

// A criterion's local priorities of the two alternatives from its stored code.
TVector PairPriorities(int code)
{
    const double v = code > 0 ? code : 1.0 / -code;
    return {v / (v + 1.0), 1.0 / (v + 1.0)};
}

TVector Synthesis(const TVector& goal, const std::vector<int>& criteria)
{
    TVector final(2, 0.0);
    for (std::size_t c = 0; c < 3; ++c) {
        const TVector local = PairPriorities(criteria[c]);
        final[0] += goal[c] * local[0];
        final[1] += goal[c] * local[1];
    }
    return final;
}

// Every figure the report gives for experts who judge the goal over three criteria
// (upper triangles as values) and agree on the criteria.
struct CExpected {
    TVector Alpha;
    TVector Upper;      // aggregated (0,1), (0,2), (1,2)
    TVector Gsd;        // the same pairs
    TVector Priorities; // the group's, of the goal
    CAgreement Goal;
    TVector Final;
    TVector AipArithmetic;
    TVector AipGeometric;
    CAgreement FinalAgreement;
    double Overall = 0.0;
};

CExpected Independent(const std::vector<TVector>& uppers, const TVector& weights, const std::vector<int>& criteria)
{
    CExpected e;
    double total = 0.0;
    double squares = 0.0;
    for (const double u : weights) {
        total += u;
    }
    for (const double u : weights) {
        e.Alpha.push_back(u / total);
        squares += (u / total) * (u / total);
    }
    for (std::size_t p = 0; p < 3; ++p) {
        double m = 0.0;
        for (std::size_t k = 0; k < uppers.size(); ++k) {
            m += e.Alpha[k] * std::log(uppers[k][p]);
        }
        double v = 0.0;
        for (std::size_t k = 0; k < uppers.size(); ++k) {
            v += e.Alpha[k] * std::pow(std::log(uppers[k][p]) - m, 2);
        }
        e.Upper.push_back(std::exp(m));
        e.Gsd.push_back(std::exp(std::sqrt(v / (1.0 - squares))));
    }
    e.Priorities = RowGeometricMeans(GoalMatrix(e.Upper));
    std::vector<TVector> own;
    std::vector<TVector> finals;
    for (const TVector& upper : uppers) {
        own.push_back(RowGeometricMeans(GoalMatrix(upper)));
        finals.push_back(Synthesis(own.back(), criteria));
    }
    e.Goal = Agreement(own, e.Alpha);
    e.Final = Synthesis(e.Priorities, criteria);
    e.AipArithmetic.assign(2, 0.0);
    e.AipGeometric.assign(2, 1.0);
    for (std::size_t k = 0; k < finals.size(); ++k) {
        for (std::size_t a = 0; a < 2; ++a) {
            e.AipArithmetic[a] += e.Alpha[k] * finals[k][a];
            e.AipGeometric[a] *= std::pow(finals[k][a], e.Alpha[k]);
        }
    }
    const double geometricSum = e.AipGeometric[0] + e.AipGeometric[1];
    for (double& x : e.AipGeometric) {
        x /= geometricSum;
    }
    e.FinalAgreement = Agreement(finals, e.Alpha);
    // The criteria are judged alike by everyone (S* = 1) and their global weights add up to 1.
    e.Overall = (e.Goal.SStar + 1.0) / 2.0;
    return e;
}

class CGroupReportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = "/tmp/tessaly-group-report-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        Dir = pattern;
        Started = std::filesystem::current_path();
    }
    void TearDown() override
    {
        std::filesystem::current_path(Started);
        std::filesystem::remove_all(Dir);
    }

    static std::string Slurp(const std::filesystem::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    CGroupRun Run(const std::string& arguments) const
    {
        const std::string command = std::string("cd '") + Dir.string() + "' && timeout 30 '" + TESSALY_REPORT + "' "
            + arguments + " >'" + (Dir / "out").string() + "' 2>'" + (Dir / "err").string() + "'";
        const int status = std::system(command.c_str());
        CGroupRun run;
        run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.Out = Slurp(Dir / "out");
        run.Err = Slurp(Dir / "err");
        return run;
    }

    [[nodiscard]] std::string File(const std::string& name) const { return (Dir / name).string(); }

    // The facilitator's hierarchy: a goal over three criteria over two alternatives.
    static std::unique_ptr<CUserProjectModel> Facilitator()
    {
        auto project = std::make_unique<CUserProjectModel>();
        EXPECT_TRUE(BuildWithCounts(*project, {1, 3, 2}));
        SetName(*project, 0, 0, "ВЫБОР");
        const std::vector<std::string> criteria{"ЦЕНА", "КАЧЕСТВО", "СРОКИ"};
        for (std::uint32_t c = 0; c < 3; ++c) {
            SetName(*project, c, 1, criteria[c]);
        }
        SetName(*project, 0, 2, "Альфа");
        SetName(*project, 1, 2, "Бета");
        return project;
    }

    // Prepares one file per expert, as the program does, and judges each: the goal from
    // its upper triangle as codes, each criterion's pair of alternatives by criteria[c].
    void Experts(const std::vector<std::string>& names, const std::vector<std::vector<int>>& goals,
        const std::vector<int>& criteria) const
    {
        ASSERT_TRUE(WriteExpertFiles(*Facilitator(), names, Dir.string(), EExpertJudgements::NotJudged).Succeeded());
        for (std::size_t k = 0; k < names.size(); ++k) {
            const std::string file = File(names[k] + ".tsy");
            const auto record = std::make_unique<TLoadSaveProject>();
            ASSERT_TRUE(ReadProjectFile(*record, file).Succeeded());
            CUserProjectModel project;
            ASSERT_TRUE(project.BuildLoadedHierarchy(*record));
            SetPair(project, 0, 0, 0, 1, goals[k][0]);
            SetPair(project, 0, 0, 0, 2, goals[k][1]);
            SetPair(project, 0, 0, 1, 2, goals[k][2]);
            for (std::uint32_t c = 0; c < 3; ++c) {
                SetPair(project, c, 1, 0, 1, criteria[c]);
            }
            ASSERT_EQ(SaveProjectFile(project, file, false), EWriteResult::Ok);
        }
    }

    std::filesystem::path Dir;
    std::filesystem::path Started;
};

TVector Doubles(const nlohmann::json& array)
{
    return array.get<TVector>();
}

void ExpectNear(const TVector& got, const TVector& want, double tolerance, const std::string& what)
{
    ASSERT_EQ(got.size(), want.size()) << what;
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_NEAR(got[i], want[i], tolerance) << what << " [" << i << "]";
    }
}

// A ranking as the report gives it: positions best first with their priorities.
void ExpectRanking(const nlohmann::json& ranking, const TVector& priorities, const std::string& what)
{
    ASSERT_EQ(ranking.size(), 2U) << what;
    const std::size_t best = priorities[0] >= priorities[1] ? 0 : 1;
    EXPECT_EQ(ranking[0]["position"], best) << what;
    EXPECT_EQ(ranking[1]["position"], 1 - best) << what;
    EXPECT_EQ(ranking[0]["name"], best == 0 ? "Альфа" : "Бета") << what;
    EXPECT_NEAR(ranking[0]["priority"].get<double>(), priorities[best], 1e-12) << what;
    EXPECT_NEAR(ranking[1]["priority"].get<double>(), priorities[1 - best], 1e-12) << what;
}

// Every figure of the JSON that the independent calculation gives.
void ExpectFigures(const nlohmann::json& report, const CExpected& want, const std::string& what)
{
    ASSERT_EQ(report["experts"].size(), want.Alpha.size()) << what;
    for (std::size_t k = 0; k < want.Alpha.size(); ++k) {
        EXPECT_NEAR(report["experts"][k]["weight"].get<double>(), want.Alpha[k], 1e-15) << what;
    }
    ASSERT_EQ(report["levels"].size(), 2U) << what; // the judged levels only
    const nlohmann::json& goal = report["levels"][0]["elements"][0];
    const auto& a = goal["aggregated"];
    ExpectNear({a[0][1], a[0][2], a[1][2]}, want.Upper, 1e-12, what + " aggregated");
    ExpectNear({a[1][0], a[2][0], a[2][1]}, {1 / want.Upper[0], 1 / want.Upper[1], 1 / want.Upper[2]}, 1e-12, what);
    ExpectNear({a[0][0], a[1][1], a[2][2]}, {1, 1, 1}, 0, what);
    const auto& g = goal["gsd"];
    ExpectNear({g[0][1], g[0][2], g[1][2], g[1][0]}, {want.Gsd[0], want.Gsd[1], want.Gsd[2], want.Gsd[0]}, 1e-12,
        what + " gsd");
    ExpectNear({g[0][0], g[1][1], g[2][2]}, {1, 1, 1}, 0, what);
    ExpectNear(Doubles(goal["priorities"]), want.Priorities, 1e-12, what + " priorities");
    EXPECT_EQ(goal["global"], 1.0) << what;
    EXPECT_NEAR(goal["consensus"]["s_star"].get<double>(), want.Goal.SStar, 1e-12) << what;
    EXPECT_NEAR(goal["consensus"]["s"].get<double>(), want.Goal.S, 1e-12) << what;
    ExpectRanking(report["ranking"], want.Final, what + " group ranking");
    ExpectRanking(report["ranking_aip_arithmetic"], want.AipArithmetic, what + " arithmetic");
    ExpectRanking(report["ranking_aip_geometric"], want.AipGeometric, what + " geometric");
    EXPECT_NEAR(report["consensus"]["overall"].get<double>(), want.Overall, 1e-12) << what;
    EXPECT_NEAR(report["consensus"]["final_s_star"].get<double>(), want.FinalAgreement.SStar, 1e-12) << what;
    EXPECT_NEAR(report["consensus"]["final_homogeneity_s"].get<double>(), want.FinalAgreement.S, 1e-12) << what;
    // A criterion's global priority is its group goal priority.
    for (std::size_t c = 0; c < 3; ++c) {
        EXPECT_NEAR(report["levels"][1]["elements"][c]["global"].get<double>(), want.Priorities[c], 1e-12) << what;
    }
}
} // namespace

// The two experts of the issue's example, with equal weights, in every figure.
TEST_F(CGroupReportTest, TwoExpertsGiveTheIssueFigures)
{
    Experts({"Анна", "Борис"}, {{3, 5, 2}, {-2, 4, 6}}, {1, 1, 1});
    const CGroupRun run = Run("--group --json Анна.tsy Борис.tsy");
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
    const nlohmann::json report = nlohmann::json::parse(run.Out);
    ASSERT_EQ(report["experts"].size(), 2U);
    EXPECT_EQ(report["experts"][0]["file"], "Анна.tsy");
    EXPECT_EQ(report["experts"][1]["label"], "Борис");
    EXPECT_EQ(report["experts"][1]["weight"], 0.5);

    const nlohmann::json& goal = report["levels"][0]["elements"][0];
    EXPECT_EQ(goal["position"], 0);
    EXPECT_EQ(goal["name"], "ВЫБОР");
    const auto& a = goal["aggregated"];
    ExpectNear({a[0][1], a[0][2], a[1][2]}, {1.224745, 4.472136, 3.464102}, 5e-7, "aggregated");
    ExpectNear(Doubles(goal["priorities"]), {0.492647, 0.395243, 0.112111}, 5e-7, "priorities");
    EXPECT_NEAR(goal["cr"].get<double>(), 0.000266, 5e-7);
    const auto& g = goal["gsd"];
    ExpectNear({g[0][1], g[0][2], g[1][2]}, {3.550063, 1.170916, 2.174581}, 5e-7, "gsd");
    ExpectNear(Doubles(goal["expert_priorities"][0]), {0.648329, 0.229651, 0.122020}, 5e-7, "expert 1");
    ExpectNear(Doubles(goal["expert_priorities"][1]), {0.323386, 0.587631, 0.088983}, 5e-7, "expert 2");
    ASSERT_EQ(goal["expert_cr"].size(), 2U);
    EXPECT_GT(goal["expert_cr"][1].get<double>(), goal["expert_cr"][0].get<double>());
    EXPECT_TRUE(goal["gci"].is_number());
    const nlohmann::json& consensus = goal["consensus"];
    EXPECT_NEAR(consensus["s_star"].get<double>(), 0.828823, 5e-7);
    EXPECT_EQ(consensus["band"], "high");
    EXPECT_NEAR(consensus["s"].get<double>(), 0.899213, 5e-7);
    EXPECT_NEAR(consensus["h_alpha"].get<double>(), 0.884133, 5e-7);
    EXPECT_NEAR(consensus["h_gamma"].get<double>(), 0.953688, 5e-7);
    EXPECT_NEAR(consensus["h_beta"].get<double>(), 0.069555, 5e-7);
    // The criteria: both experts judged their alternatives equal, so they agree fully.
    const nlohmann::json& criterion = report["levels"][1]["elements"][2];
    EXPECT_EQ(criterion["name"], "СРОКИ");
    EXPECT_EQ(criterion["gsd"][0][1], 1.0);
    EXPECT_NEAR(criterion["consensus"]["s_star"].get<double>(), 1.0, 1e-12);
    EXPECT_EQ(criterion["consensus"]["band"], "very_high");
    // Overall: (S* of the goal with weight 1 + S* 1 of the criteria with weights adding to 1) / 2.
    EXPECT_NEAR(report["consensus"]["overall"].get<double>(), (0.828823 + 1.0) / 2.0, 5e-7);
    EXPECT_EQ(report["consensus"]["band"], "very_high");
    ASSERT_EQ(report["expert_rankings"].size(), 2U);
    EXPECT_EQ(report["expert_rankings"][1].size(), 2U);

    ExpectFigures(report, Independent({{3, 5, 2}, {0.5, 4, 6}}, {1, 1}, {1, 1, 1}), "equal weights");
}

// Weights from the command line and from a group file give the weighted calculation;
// a group file's weights give way to --weights.
TEST_F(CGroupReportTest, WeightsChangeTheResultAsTheWeightedCalculationSays)
{
    const std::vector<int> criteria{3, -5, 1};
    Experts({"a", "b", "c"}, {{3, 5, 2}, {-2, 4, 6}, {1, -3, 7}}, criteria);
    const std::vector<TVector> uppers{{3, 5, 2}, {0.5, 4, 6}, {1, 1.0 / 3, 7}};

    const CGroupRun equal = Run("--group --json a.tsy b.tsy c.tsy");
    ASSERT_EQ(equal.ExitCode, 0) << equal.Err;
    ExpectFigures(nlohmann::json::parse(equal.Out), Independent(uppers, {1, 1, 1}, criteria), "equal");

    const CGroupRun weighted = Run("--group --weights 3,1,0.5 --json a.tsy b.tsy c.tsy");
    ASSERT_EQ(weighted.ExitCode, 0) << weighted.Err;
    const nlohmann::json report = nlohmann::json::parse(weighted.Out);
    const CExpected want = Independent(uppers, {3, 1, 0.5}, criteria);
    ExpectFigures(report, want, "weighted");
    EXPECT_NE(report["ranking"], nlohmann::json::parse(equal.Out)["ranking"]);

    const std::vector<CGroupMember> members{
        {File("a.tsy"), "Анна", 6}, {File("b.tsy"), "Борис", 2}, {File("c.tsy"), "Вера", 1}};
    ASSERT_TRUE(SaveGroupFile(members, File("группа.tsg")).Succeeded());
    const CGroupRun group = Run("--json --group группа.tsg");
    ASSERT_EQ(group.ExitCode, 0) << group.Err;
    const nlohmann::json fromFile = nlohmann::json::parse(group.Out);
    ExpectFigures(fromFile, want, "group file");
    EXPECT_EQ(fromFile["experts"][2]["label"], "Вера");
    EXPECT_EQ(fromFile["experts"][2]["file"], File("c.tsy"));
    const CGroupRun overridden = Run("--json --group --weights 1,1,1 группа.tsg");
    ASSERT_EQ(overridden.ExitCode, 0) << overridden.Err;
    ExpectFigures(nlohmann::json::parse(overridden.Out), Independent(uppers, {1, 1, 1}, criteria), "overridden");
}

// One expert: the group is his own result, with no spread and no consensus.
TEST_F(CGroupReportTest, OneExpertIsHisOwnResult)
{
    Experts({"solo"}, {{3, 5, 2}}, {3, -5, 1});
    const CGroupRun run = Run("--group --json solo.tsy");
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const nlohmann::json report = nlohmann::json::parse(run.Out);
    EXPECT_EQ(report["experts"][0]["weight"], 1.0);
    for (const auto& level : report["levels"]) {
        for (const auto& element : level["elements"]) {
            EXPECT_TRUE(element["gsd"].is_null());
            EXPECT_TRUE(element["consensus"].is_null());
        }
    }
    EXPECT_TRUE(report["consensus"].is_null());
    const nlohmann::json& goal = report["levels"][0]["elements"][0];
    ExpectNear(Doubles(goal["priorities"]), {0.648329, 0.229651, 0.122020}, 5e-7, "his own priorities");
    ExpectNear(Doubles(goal["priorities"]), Doubles(goal["expert_priorities"][0]), 1e-15, "the same");
    ExpectRanking(report["ranking"], Synthesis(RowGeometricMeans(GoalMatrix({3, 5, 2})), {3, -5, 1}), "solo");
}

// The text and the CSV say what the core's group content says, in the windows' words.
TEST_F(CGroupReportTest, TextAndCsvUseTheGroupContent)
{
    Experts({"Анна", "Борис"}, {{3, 5, 2}, {-2, 4, 6}}, {1, 1, 1});
    const std::vector<CGroupMember> members{{"Анна.tsy", "Анна", 1}, {"Борис.tsy", "Борис", 1}};
    std::filesystem::current_path(Dir);
    const CGroupOpening opening = OpenGroupMembers(members, true);
    ASSERT_TRUE(opening.Succeeded()) << opening.Problem;
    const CGroupDecision& decision = *opening.Decision;

    const CGroupRun text = Run("--group Анна.tsy Борис.tsy");
    ASSERT_EQ(text.ExitCode, 0) << text.Err;
    for (const std::string& line : {GroupWindowCaption("ВЫБОР"), std::string("  1. Анна (Анна.tsy): вес 1, доля 0.5"),
             OverallConsensusLine(decision), FinalAgreementLine(decision), std::string("Уровень 0, элемент 0: ВЫБОР"),
             std::string("  Локальные приоритеты: 0.4926 0.3952 0.1121"),
             std::string("  Согласие S*: 82.8 % (высокое согласие)"),
             "  " + std::string(WidestSpreadCaption) + ": " + SpreadText("ЦЕНА", "КАЧЕСТВО", 3.550063),
             "  " + std::string(DistanceCaption) + ": "
                 + DistancesText(decision, decision.Result().Elements[0].Distances)}) {
        EXPECT_NE(text.Out.find(line + "\n"), std::string::npos) << line << "\n" << text.Out;
    }
    // Борис's goal matrix is the less consistent one.
    EXPECT_NE(text.Out.find("  Наибольшая ОС эксперта: "), std::string::npos);
    EXPECT_NE(text.Out.find(" (Борис)\n"), std::string::npos) << text.Out;

    const CGroupRun csv = Run("--group --csv -o report.csv Анна.tsy Борис.tsy");
    ASSERT_EQ(csv.ExitCode, 0) << csv.Err;
    EXPECT_EQ(csv.Out, "");
    const std::string written = Slurp(Dir / "report.csv");
    EXPECT_EQ(written, GroupCsv(decision, '.'));
    EXPECT_NE(written.find("\r\n1,ЦЕНА,1,1.22474487139"), std::string::npos) << written;
    EXPECT_NE(written.find("\r\nГСО\r\n"), std::string::npos) << written;
}

// Every refusal with its exit code and the message naming what is wrong.
TEST_F(CGroupReportTest, RefusalsNameTheFaultWithTheirExitCodes)
{
    Experts({"a", "b"}, {{3, 5, 2}, {-2, 4, 6}}, {1, 1, 1});
    auto other = Facilitator();
    SetName(*other, 2, 1, "СТОИМОСТЬ");
    ASSERT_EQ(SaveProjectFile(*other, File("c.tsy"), false), EWriteResult::Ok);
    ASSERT_TRUE(SaveGroupFile(std::vector<CGroupMember>{{File("a.tsy"), "a", 1}}, File("g.tsg")).Succeeded());
    std::ofstream(File("bad.tsg")) << "{}";
    const std::vector<CGroupMember> mismatched{{"a.tsy", "a", 1}, {"c.tsy", "c", 1}};
    std::filesystem::current_path(Dir);
    const std::string difference = OpenGroupMembers(mismatched, true).Problem;
    ASSERT_NE(difference.find("c.tsy"), std::string::npos);

    const std::string usage = "Использование: tessaly-report";
    struct CCase {
        std::string Arguments;
        int ExitCode;
        std::string ErrorStart;
    };
    const std::vector<CCase> cases{
        {"--group --weights 1 a.tsy b.tsy", 2, "tessaly-report: --weights: весов 1, а экспертов 2\n" + usage},
        {"--group --weights 1,2,3 g.tsg", 2, "tessaly-report: --weights: весов 3, а экспертов 1\n"},
        {"--group --weights 1,0 a.tsy b.tsy", 2,
            "tessaly-report: --weights: вес 2 «0»: вес должен быть числом от 0.000001 до 1000000\n"},
        {"--group --weights 1,-2 a.tsy b.tsy", 2,
            "tessaly-report: --weights: вес 2 «-2»: вес должен быть числом от 0.000001 до 1000000\n"},
        {"--group --weights 1,x a.tsy b.tsy", 2,
            "tessaly-report: --weights: вес 2 «x»: вес должен быть числом от 0.000001 до 1000000\n"},
        {"--group --weights 1,,2 a.tsy b.tsy", 2,
            "tessaly-report: --weights: вес 2 «»: вес должен быть числом от 0.000001 до 1000000\n"},
        {"--group --weights 1e10,1e-315 a.tsy b.tsy", 2,
            "tessaly-report: --weights: вес 1 «1e10»: вес должен быть числом от 0.000001 до 1000000\n"},
        {"--group --weights 1,inf a.tsy b.tsy", 2,
            "tessaly-report: --weights: вес 2 «inf»: вес должен быть числом от 0.000001 до 1000000\n"},
        {"--weights 1 a.tsy", 2, "tessaly-report: --weights задаётся только вместе с --group\n"},
        {"--group", 2, "tessaly-report: не указан файл проекта\n"},
        {"a.tsy b.tsy", 2, "tessaly-report: лишние или неизвестные аргументы: b.tsy\n"},
        {"--group a.tsy g.tsg", 2, "tessaly-report: файл группы «g.tsg» задаётся один, без файлов экспертов\n"},
        {"--group a.tsy c.tsy", 4, difference + "\n"},
        {"--group a.tsy b.tsy a.tsy", 4,
            GroupMembersProblem(std::vector<CGroupMember>{{"a.tsy", "a", 1}, {"b.tsy", "b", 1}, {"a.tsy", "a", 1}})
                + "\n"},
        {"--group a.tsy ./a.tsy", 4, "Эксперт 2: файл «a.tsy» уже указан для эксперта 1\n"},
        {"--group a.tsy missing.tsy", 1,
            UnreadableMemberLine(1, "missing", CannotOpenProjectText, "missing.tsy", SystemErrorText(ENOENT)) + "\n"},
        {"--group missing.tsg", 1, std::string(GroupCannotOpenText)},
        {"--group bad.tsg", 1, std::string(NotGroupFileText)},
    };
    for (const CCase& c : cases) {
        const CGroupRun run = Run(c.Arguments);
        EXPECT_EQ(run.ExitCode, c.ExitCode) << c.Arguments << "\n" << run.Err;
        EXPECT_EQ(run.Err.rfind(c.ErrorStart, 0), 0U) << c.Arguments << "\n" << run.Err;
        EXPECT_EQ(run.Out, "") << c.Arguments;
    }
}

// Names and labels from files cannot drive the terminal: the text shows their control
// characters escaped, the JSON keeps them.
TEST_F(CGroupReportTest, TextShowsControlCharactersEscaped)
{
    auto project = Facilitator();
    SetName(*project, 0, 0, "Goal\x1b[2J");
    SetName(*project, 1, 2, "Alt\none");
    ASSERT_EQ(SaveProjectFile(*project, File("x.tsy"), false), EWriteResult::Ok);
    ASSERT_TRUE(SaveGroupFile(std::vector<CGroupMember>{{File("x.tsy"), "Bell\x07", 1}}, File("g.tsg")).Succeeded());
    const CGroupRun text = Run("--group g.tsg");
    ASSERT_EQ(text.ExitCode, 0) << text.Err;
    for (const char c : text.Out) {
        EXPECT_TRUE(c == '\n' || (static_cast<unsigned char>(c) >= 0x20U && c != 0x7F)) << static_cast<int>(c);
    }
    for (const char* shown : {"Goal\\x1b[2J\n", ". Bell\\x07 (", "Alt\\none"}) {
        EXPECT_NE(text.Out.find(shown), std::string::npos) << shown << "\n" << text.Out;
    }
    const nlohmann::json json = nlohmann::json::parse(Run("--group --json g.tsg").Out);
    EXPECT_EQ(json["experts"][0]["label"], "Bell\x07");

    // A file named twice is refused without its escapes reaching the terminal.
    std::ofstream(File("twice.tsg"))
        << R"({"format": "tessaly-group", "version": 1, "members": [{"file": "a\u001b[2J.tsy"}, )"
        << R"({"file": "./a\u001b[2J.tsy"}]})";
    const CGroupRun twice = Run("--group twice.tsg");
    EXPECT_EQ(twice.ExitCode, 1);
    EXPECT_EQ(twice.Err, "Эксперт 2: файл «a\\x1b[2J.tsy» уже указан для эксперта 1 (twice.tsg)\n");
    const nlohmann::json& ranking = json["ranking"];
    EXPECT_TRUE(ranking[0]["name"] == "Alt\none" || ranking[1]["name"] == "Alt\none") << ranking;
}

// A group file's "weighted": false and "included": false are followed; the ideal ranking,
// Kendall's W and the warning of unacceptable combined matrices are reported.
TEST_F(CGroupReportTest, GroupFileFlagsIdealRankingAgreementAndWarning)
{
    Experts({"Анна", "Борис", "Вера"}, {{3, 5, 2}, {-2, 4, 6}, {9, -9, 9}}, {3, -2, 1});
    std::vector<CGroupMember> members{
        {File("Анна.tsy"), "Анна", 5}, {File("Борис.tsy"), "Борис", 1}, {File("Вера.tsy"), "Вера", 1}};
    members[2].Included = false;
    ASSERT_TRUE(SaveGroupFile(members, File("g.tsg"), false).Succeeded());
    const nlohmann::json group = nlohmann::json::parse(Run("--group --json g.tsg").Out);
    const nlohmann::json two = nlohmann::json::parse(Run("--group --json Анна.tsy Борис.tsy").Out);
    EXPECT_EQ(group["weighted"], false);
    EXPECT_EQ(group["experts"][2]["included"], false);
    ExpectNear({group["experts"][0]["weight"], group["experts"][1]["weight"], group["experts"][2]["weight"]},
        {0.5, 0.5, 0.0}, 1e-15, "shares");
    for (const char* key : {"ranking", "ranking_ideal"}) {
        ASSERT_EQ(group[key].size(), 2U) << key;
        for (std::size_t r = 0; r < 2; ++r) {
            EXPECT_EQ(group[key][r]["position"], two[key][r]["position"]) << key;
            EXPECT_NEAR(group[key][r]["priority"].get<double>(), two[key][r]["priority"].get<double>(), 1e-15) << key;
        }
    }
    EXPECT_EQ(group["unacceptable"], two["unacceptable"]);
    EXPECT_EQ(group["consensus"]["kendall_w"], two["consensus"]["kendall_w"]);
    // Two experts over two alternatives: W is 1 when they order them alike, 0 otherwise.
    const CExpected want = Independent({{3, 5, 2}, {0.5, 4, 6}}, {1, 1}, {3, -2, 1});
    std::vector<TVector> finals;
    for (const TVector& upper : {TVector{3, 5, 2}, TVector{0.5, 4, 6}}) {
        finals.push_back(Synthesis(RowGeometricMeans(GoalMatrix(upper)), {3, -2, 1}));
    }
    EXPECT_EQ(two["consensus"]["kendall_w"].get<double>(),
        (finals[0][0] > finals[0][1]) == (finals[1][0] > finals[1][1]) ? 1.0 : 0.0);
    // Ideal synthesis of the group: per criterion its local priorities over their largest,
    // weighed by the group's criteria priorities.
    TVector raw(2, 0.0);
    for (std::size_t c = 0; c < 3; ++c) {
        const TVector local = PairPriorities(std::vector<int>{3, -2, 1}[c]);
        const double top = std::max(local[0], local[1]);
        raw[0] += want.Priorities[c] * local[0] / top;
        raw[1] += want.Priorities[c] * local[1] / top;
    }
    ExpectRanking(two["ranking_ideal"], {raw[0] / (raw[0] + raw[1]), raw[1] / (raw[0] + raw[1])}, "ideal");

    // Вера's goal matrix alone is not acceptable: the group of her says so as her project does.
    const nlohmann::json own = nlohmann::json::parse(Run("--json Вера.tsy").Out);
    const nlohmann::json alone = nlohmann::json::parse(Run("--group --json Вера.tsy").Out);
    ASSERT_EQ(alone["unacceptable"].size(), 1U);
    EXPECT_NEAR(alone["unacceptable"][0]["cr"].get<double>(), own["unacceptable"][0]["cr"].get<double>(), 1e-12);
    const std::string projectText = Run("Вера.tsy").Out;
    const std::size_t warning = projectText.find("Внимание");
    ASSERT_NE(warning, std::string::npos) << projectText;
    const std::string line = projectText.substr(warning, projectText.find('\n', warning) - warning + 1);
    const std::string groupText = Run("--group Вера.tsy").Out;
    EXPECT_NE(groupText.find(line), std::string::npos) << groupText;
    EXPECT_NE(groupText.find("Согласие в порядке альтернатив (W Кендалла) не определено"), std::string::npos);
}

// -o never names a file the report reads: refused before anything is written.
TEST_F(CGroupReportTest, AnOutputThatIsAnInputIsRefused)
{
    Experts({"a", "b", "c"}, {{3, 5, 2}, {-2, 4, 6}, {2, 2, 2}}, {1, 1, 1});
    ASSERT_TRUE(
        SaveGroupFile(std::vector<CGroupMember>{{File("a.tsy"), "a", 1}, {File("b.tsy"), "b", 1}}, File("g.tsg"))
            .Succeeded());
    std::filesystem::create_symlink(File("b.tsy"), File("link.tsy"));
    const std::vector<std::pair<std::string, std::string>> cases{
        {"-o a.tsy a.tsy", "a.tsy"},
        {"--group -o g.tsg g.tsg", "g.tsg"},
        {"--group a.tsy b.tsy c.tsy -o b.tsy", "b.tsy"},
        {"--group --json -o ./b.tsy g.tsg", "./b.tsy"},
        {"--group --csv a.tsy c.tsy -o link.tsy b.tsy", "link.tsy"},
    };
    for (const auto& [arguments, output] : cases) {
        const std::string before = Slurp(File(output));
        const CGroupRun run = Run(arguments);
        EXPECT_EQ(run.ExitCode, 2) << arguments;
        EXPECT_EQ(
            run.Err, "tessaly-report: Отчёт не записан: файл «" + output + "» — один из файлов, которые отчёт читает\n")
            << arguments;
        EXPECT_EQ(Slurp(File(output)), before) << arguments;
    }
    EXPECT_EQ(Run("--group -o report.txt g.tsg").ExitCode, 0);
}

// The four-layer group as layered files and as tree files: the tree's nodes depth first by
// path, each with the figures of its layered element; a mix of both kinds is refused.
TEST_F(CGroupReportTest, TreeExpertsReportTheirNodesByPath)
{
    for (std::size_t k = 0; k < FourLayersExperts.size(); ++k) {
        const auto project = FourLayers(FourLayersExperts[k]);
        const std::string name = "e" + std::to_string(k + 1);
        ASSERT_EQ(SaveProjectFile(*project, File(name + ".tsy"), false), EWriteResult::Ok);
        ASSERT_EQ(SaveTreeFile(*HierarchyOfLayers(*project)->AsTree(), File(name + ".tsj"), false), EWriteResult::Ok);
    }
    const CGroupRun layeredRun = Run("--group --json e1.tsy e2.tsy e3.tsy");
    const CGroupRun treeRun = Run("--group --json e1.tsj e2.tsj e3.tsj");
    ASSERT_EQ(layeredRun.ExitCode, 0) << layeredRun.Err;
    ASSERT_EQ(treeRun.ExitCode, 0) << treeRun.Err;
    const nlohmann::json layers = nlohmann::json::parse(layeredRun.Out);
    const nlohmann::json tree = nlohmann::json::parse(treeRun.Out);
    EXPECT_EQ(layers["shape"], "layers");
    EXPECT_EQ(tree["shape"], "tree");
    EXPECT_FALSE(tree.contains("levels"));
    EXPECT_EQ(tree["alternatives"], nlohmann::json({"X", "Y", "Z"}));
    EXPECT_NEAR(tree["consensus"]["overall"].get<double>(), 0.956852, 5e-7);
    EXPECT_NEAR(tree["consensus"]["overall"].get<double>(), layers["consensus"]["overall"].get<double>(), 1e-12);

    // Each node against its layered element (level, position); S1 and S2 share the layered
    // element's global priority between their two copies.
    const struct {
        std::vector<std::string> Path;
        bool Covering;
        std::uint32_t Level;
        std::uint32_t Position;
    } nodes[] = {{{}, false, 0, 0}, {{"A"}, false, 1, 0}, {{"A", "S1"}, true, 2, 0}, {{"A", "S2"}, true, 2, 1},
        {{"B"}, false, 1, 1}, {{"B", "S1"}, true, 2, 0}, {{"B", "S2"}, true, 2, 1}};
    ASSERT_EQ(tree["nodes"].size(), std::size(nodes));
    std::vector<double> copies(2, 0.0);
    for (std::size_t i = 0; i < std::size(nodes); ++i) {
        const nlohmann::json& node = tree["nodes"][i];
        const nlohmann::json& element = layers["levels"][nodes[i].Level]["elements"][nodes[i].Position];
        EXPECT_EQ(node["path"], nlohmann::json(nodes[i].Path)) << i;
        EXPECT_EQ(node["covering"], nodes[i].Covering) << i;
        EXPECT_EQ(node["name"], element["name"]) << i;
        ExpectNear(Doubles(node["priorities"]), Doubles(element["priorities"]), 1e-15, "priorities");
        EXPECT_NEAR(node["consensus"]["s_star"].get<double>(), element["consensus"]["s_star"].get<double>(), 1e-15);
        if (nodes[i].Level == 2) {
            copies[nodes[i].Position] += node["global"].get<double>();
        } else {
            EXPECT_NEAR(node["global"].get<double>(), element["global"].get<double>(), 1e-15) << i;
        }
    }
    for (std::uint32_t s = 0; s < 2; ++s) {
        EXPECT_NEAR(copies[s], layers["levels"][2]["elements"][s]["global"].get<double>(), 1e-15);
    }
    EXPECT_EQ(tree["ranking"].size(), 3U);
    for (std::size_t r = 0; r < 3; ++r) {
        EXPECT_EQ(tree["ranking"][r]["position"], layers["ranking"][r]["position"]);
        EXPECT_NEAR(
            tree["ranking"][r]["priority"].get<double>(), layers["ranking"][r]["priority"].get<double>(), 1e-15);
    }

    EXPECT_NE(Run("--group e1.tsj e2.tsj e3.tsj").Out.find("\nКритерий: B / S2\n"), std::string::npos);
    EXPECT_NE(Run("--group --csv e1.tsj e2.tsj e3.tsj").Out.find("Групповые суждения по элементу «B / S2»"),
        std::string::npos);
    const CGroupRun mixed = Run("--group e1.tsy e2.tsj");
    EXPECT_EQ(mixed.ExitCode, 4); // the members make no group
    EXPECT_EQ(mixed.Err,
        "Эксперт 2: файл «e2.tsj» — дерево критериев, а «e1.tsy» — проект с полными уровнями; в одной группе файлы "
        "экспертов одного вида\n");
    EXPECT_EQ(mixed.Out, "");
}

// Two experts rating the employees: a cell rated by both takes the geometric mean of
// their ideal values, one rated by one his value, one rated by none counts 0; beside the
// group score, each expert's own and their mean.
TEST_F(CGroupReportTest, RatedTreesRankByTheGroupScore)
{
    const std::vector<std::vector<std::vector<int>>> ratings{
        {{0, 1, 1, 0}, {1, 0, 2, 1}, {2, 2, 0, -1}, {1, 1, -1, 2}},
        {{1, 1, 0, 0}, {0, 0, 2, 2}, {3, 2, 1, -1}, {1, 3, 1, 2}},
    };
    for (std::size_t k = 0; k < 2; ++k) {
        ASSERT_EQ(
            SaveTreeFile(EmployeesTree(ratings[k]), File("e" + std::to_string(k) + ".tsj"), false), EWriteResult::Ok);
    }
    const std::vector<double> w = RowGeometricMeans(4, EmployeeCriteriaUpper);
    const std::vector<std::vector<double>> scales{RowGeometricMeans(5, FiveStepUpper),
        RowGeometricMeans(4, EducationUpper), RowGeometricMeans(3, ExperienceUpper)};
    const std::size_t scaleOf[] = {0, 1, 2, 0};
    std::vector<double> scores(4, 0.0);
    for (std::size_t a = 0; a < 4; ++a) {
        for (std::size_t c = 0; c < 4; ++c) {
            const std::vector<double>& p = scales[scaleOf[c]];
            double product = 1;
            int raters = 0;
            for (std::size_t k = 0; k < 2; ++k) {
                if (ratings[k][a][c] >= 0) {
                    product *= p[static_cast<std::size_t>(ratings[k][a][c])] / p[0];
                    ++raters;
                }
            }
            scores[a] += raters == 0 ? 0.0 : w[c] * std::pow(product, 1.0 / raters);
        }
    }
    const std::vector<double> first = EmployeeScores(ratings[0]);
    const std::vector<double> second = EmployeeScores(ratings[1]);
    const CGroupRun run = Run("--group --json e0.tsj e1.tsj");
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const nlohmann::json ranking = nlohmann::json::parse(run.Out)["ratings"]["ranking"];
    ASSERT_EQ(ranking.size(), 4U) << run.Out;
    const double total = scores[0] + scores[1] + scores[2] + scores[3];
    for (std::size_t place = 0; place < 4; ++place) {
        const std::size_t a = ranking[place]["position"];
        EXPECT_NEAR(ranking[place]["score"].get<double>(), scores[a], 1e-12) << a;
        EXPECT_NEAR(ranking[place]["priority"].get<double>(), scores[a] / total, 1e-12) << a;
        EXPECT_NEAR(ranking[place]["expert_scores"][0].get<double>(), first[a], 1e-12) << a;
        EXPECT_NEAR(ranking[place]["expert_scores"][1].get<double>(), second[a], 1e-12) << a;
        EXPECT_NEAR(ranking[place]["mean_score"].get<double>(), (first[a] + second[a]) / 2, 1e-12) << a;
        EXPECT_EQ(ranking[place]["complete"], a != 2);
        if (place > 0) {
            EXPECT_GE(ranking[place - 1]["score"].get<double>(), ranking[place]["score"].get<double>());
        }
    }
    const CGroupRun text = Run("--group e0.tsj e1.tsj");
    ASSERT_EQ(text.ExitCode, 0) << text.Err;
    const std::string line = ". В  " + FormatTruncated(scores[2], 4) + "  (эксперты: " + FormatTruncated(first[2], 4)
        + " " + FormatTruncated(second[2], 4) + "; среднее " + FormatTruncated((first[2] + second[2]) / 2, 4)
        + "; не все оценки)\n";
    EXPECT_NE(text.Out.find(line), std::string::npos) << line << text.Out;
}
