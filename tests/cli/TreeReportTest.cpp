#include "core/model/CHierarchy.h"
#include "core/model/CUserProjectModel.h"
#include "core/model/LayeredHierarchy.h"
#include "core/results/NumberFormat.h"
#include "core/storage/ProjectFile.h"
#include "core/storage/TreeFile.h"
#include "support/EmployeesTree.h"
#include "support/ModelEdits.h"
#include "support/UpperJudgements.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <vector>

namespace {
struct CRun {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
};

class CTreeReportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = "/tmp/tessaly-tree-report-XXXXXX";
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
        const std::string command = std::string("timeout 30 '") + TESSALY_REPORT + "' " + arguments + " >'"
            + (Dir / "out").string() + "' 2>'" + (Dir / "err").string() + "'";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(Dir / "out"), Slurp(Dir / "err")};
    }

    std::string Saved(const CHierarchy& tree, const std::string& name) const
    {
        const std::string file = (Dir / name).string();
        EXPECT_EQ(SaveTreeFile(tree, file, false), EWriteResult::Ok);
        return "'" + file + "'";
    }

    std::filesystem::path Dir;
};

// The priorities restated from their definition: exp of the mean of ln a_ij, normalised.
std::vector<double> Priorities(std::size_t n, const std::vector<int>& upper)
{
    std::vector<double> logs(n, 0.0);
    std::size_t k = 0;
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j, ++k) {
            const double v = upper[k] > 0 ? upper[k] : 1.0 / -upper[k];
            logs[i] += std::log(v);
            logs[j] -= std::log(v);
        }
    }
    std::vector<double> w(n);
    double sum = 0;
    for (std::size_t i = 0; i < n; ++i) {
        w[i] = std::exp(logs[i] / static_cast<double>(n));
        sum += w[i];
    }
    for (double& x : w) {
        x /= sum;
    }
    return w;
}

// Both syntheses from the covering criteria's global weights and local vectors.
struct CSynthesis {
    std::vector<double> Distributive;
    std::vector<double> Raw;
    std::vector<double> Ideal;
};
CSynthesis Synthesise(const std::vector<std::pair<double, std::vector<double>>>& covering)
{
    const std::size_t m = covering.front().second.size();
    CSynthesis s{std::vector<double>(m), std::vector<double>(m), std::vector<double>(m)};
    for (const auto& [g, local] : covering) {
        const double best = *std::max_element(local.begin(), local.end());
        for (std::size_t a = 0; a < m; ++a) {
            s.Distributive[a] += g * local[a];
            s.Raw[a] += g * local[a] / best;
        }
    }
    double sum = 0;
    for (const double r : s.Raw) {
        sum += r;
    }
    for (std::size_t a = 0; a < m; ++a) {
        s.Ideal[a] = s.Raw[a] / sum;
    }
    return s;
}

// The ranking's rows against the priorities (and raw scores) by position, best first.
void ExpectRanking(const nlohmann::json& ranking, const std::vector<double>& priority, const std::vector<double>* raw,
    double tolerance)
{
    ASSERT_EQ(ranking.size(), priority.size()) << ranking.dump();
    for (std::size_t place = 0; place < ranking.size(); ++place) {
        const std::size_t a = ranking[place]["position"];
        EXPECT_NEAR(ranking[place]["priority"].get<double>(), priority[a], tolerance) << place;
        if (raw != nullptr) {
            EXPECT_NEAR(ranking[place]["raw"].get<double>(), (*raw)[a], tolerance) << place;
        }
        if (place > 0) {
            EXPECT_GE(ranking[place - 1]["priority"].get<double>(), ranking[place]["priority"].get<double>());
        }
    }
}

// Four complete layers: goal (3) over A, B; A (1/2) and B (4) over S1, S2; S1 (2, 6, 3)
// and S2 (1/4, 1/2, 2) over X, Y, Z. As a layered file and as its tree (S1 and S2 copied
// under A and under B) every node's figures and both rankings agree.
TEST_F(CTreeReportTest, LayersAndTheirTreeReportTheSameFigures)
{
    CUserProjectModel m;
    ASSERT_TRUE(BuildWithCounts(m, {1, 2, 2, 3}));
    const std::vector<std::vector<std::string>> names{{}, {"A", "B"}, {"S1", "S2"}, {"X", "Y", "Z"}};
    for (std::uint32_t k = 1; k < names.size(); ++k) {
        for (std::uint32_t e = 0; e < names[k].size(); ++e) {
            SetName(m, e, k, names[k][e]);
        }
    }
    SetPair(m, 0, 0, 0, 1, 3);
    SetPair(m, 0, 1, 0, 1, -2);
    SetPair(m, 1, 1, 0, 1, 4);
    const std::vector<int> s1{2, 6, 3};
    const std::vector<int> s2{-4, -2, 2};
    for (std::uint32_t p = 0; p < 2; ++p) {
        const std::vector<int>& codes = p == 0 ? s1 : s2;
        SetPair(m, p, 2, 0, 1, codes[0]);
        SetPair(m, p, 2, 0, 2, codes[1]);
        SetPair(m, p, 2, 1, 2, codes[2]);
    }
    const std::string layers = (Dir / "layers.tsy").string();
    ASSERT_EQ(SaveProjectFile(m, layers, false), EWriteResult::Ok);
    const std::optional<CHierarchy> tree = HierarchyOfLayers(m)->AsTree();
    ASSERT_TRUE(tree);
    const CRun layered = Run("--json '" + layers + "'");
    const CRun treed = Run("--json " + Saved(*tree, "tree.tsj"));
    ASSERT_EQ(layered.ExitCode, 0) << layered.Err;
    ASSERT_EQ(treed.ExitCode, 0) << treed.Err;
    const nlohmann::json a = nlohmann::json::parse(layered.Out);
    const nlohmann::json b = nlohmann::json::parse(treed.Out);
    EXPECT_EQ(a["shape"], "layers");
    EXPECT_EQ(b["shape"], "tree");
    EXPECT_EQ(b["alternatives"], nlohmann::json::parse(R"(["X","Y","Z"])"));

    const std::vector<double> goal = Priorities(2, {3});
    const std::vector<double> wa = Priorities(2, {-2});
    const std::vector<double> wb = Priorities(2, {4});
    const double g1 = goal[0] * wa[0] + goal[1] * wb[0];
    const double g2 = goal[0] * wa[1] + goal[1] * wb[1];
    const CSynthesis want = Synthesise({{g1, Priorities(3, s1)}, {g2, Priorities(3, s2)}});
    ExpectRanking(a["ranking"], want.Distributive, nullptr, 1e-12);
    ExpectRanking(a["ranking_ideal"], want.Ideal, &want.Raw, 1e-12);
    EXPECT_NEAR(a["levels"][2]["elements"][0]["global"].get<double>(), g1, 1e-15);
    for (const char* ranking : {"ranking", "ranking_ideal"}) {
        ASSERT_EQ(b[ranking].size(), a[ranking].size());
        for (std::size_t place = 0; place < a[ranking].size(); ++place) {
            EXPECT_EQ(b[ranking][place]["position"], a[ranking][place]["position"]);
            for (const char* key : {"priority", "raw"}) {
                if (a[ranking][place].contains(key)) {
                    EXPECT_NEAR(b[ranking][place][key].get<double>(), a[ranking][place][key].get<double>(), 1e-15);
                }
            }
        }
    }
    // Depth first, the goal first; every node's figures are its layered element's.
    std::vector<std::string> order;
    for (const nlohmann::json& node : b["nodes"]) {
        const std::size_t level = node["path"].size();
        order.push_back(node["name"]);
        const nlohmann::json* element = nullptr;
        for (const nlohmann::json& e : a["levels"][level]["elements"]) {
            element = e["name"] == node["name"] ? &e : element;
        }
        ASSERT_NE(element, nullptr) << node["name"];
        for (const char* key : {"priorities", "lambda_max", "ci", "cr", "gci", "judgements", "suggestions"}) {
            EXPECT_EQ(node[key], (*element)[key]) << node["name"] << " " << key;
        }
        if (level == 1) {
            EXPECT_NEAR(node["global"].get<double>(), (*element)["global"].get<double>(), 1e-15);
        }
    }
    EXPECT_EQ(order, (std::vector<std::string>{m.Goal().Name, "A", "S1", "S2", "B", "S1", "S2"}));
    // Moving A's weight under the goal to a crossing's x makes its two alternatives equal,
    // by the synthesis run again here; the layered level 1 moves the same weight.
    ASSERT_TRUE(b["sensitivity"].is_array());
    std::size_t checked = 0;
    for (const nlohmann::json& node : b["sensitivity"]) {
        if (node["path"] != nlohmann::json::parse(R"(["A"])")) {
            continue;
        }
        EXPECT_NEAR(node["weight"].get<double>(), goal[0], 1e-15);
        EXPECT_EQ(node["crossings"].size(), a["sensitivity"][0]["crossings"].size());
        for (const nlohmann::json& crossing : node["crossings"]) {
            const double x = crossing["weight"];
            const CSynthesis moved = Synthesise(
                {{x * wa[0] + (1 - x) * wb[0], Priorities(3, s1)}, {x * wa[1] + (1 - x) * wb[1], Priorities(3, s2)}});
            EXPECT_NEAR(moved.Distributive[crossing["first"].get<std::size_t>()],
                moved.Distributive[crossing["second"].get<std::size_t>()], 1e-12);
            ++checked;
        }
    }
    EXPECT_GT(checked, 0U) << b["sensitivity"].dump();
}

// X has the single child X1: it takes all of X's weight, and X has no figures.
TEST_F(CTreeReportTest, SingleChildTakesItsParentsWeight)
{
    CHierarchy h;
    for (const char* name : {"А", "Б", "В"}) {
        ASSERT_EQ(h.AddAlternative(h.AlternativeCount(), name), "");
    }
    ASSERT_EQ(h.AddCriterion(0, 0, "X"), "");
    ASSERT_EQ(h.AddCriterion(0, 1, "Y"), "");
    ASSERT_EQ(h.AddCriterion(1, 0, "X1"), "");
    ASSERT_EQ(h.SetJudgements(0, Upper(2, {2})), "");
    ASSERT_EQ(h.SetJudgements(*h.NodeAt({"X", "X1"}), Upper(3, {3, 5, 2})), "");
    ASSERT_EQ(h.SetJudgements(*h.NodeAt({"Y"}), Upper(3, {-2, 4, 6})), "");
    const CRun run = Run("--json " + Saved(h, "one.tsj"));
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const nlohmann::json report = nlohmann::json::parse(run.Out);
    const std::vector<double> goal = Priorities(2, {2});
    const CSynthesis want = Synthesise({{goal[0], Priorities(3, {3, 5, 2})}, {goal[1], Priorities(3, {-2, 4, 6})}});
    ExpectRanking(report["ranking"], want.Distributive, nullptr, 1e-12);
    ExpectRanking(report["ranking_ideal"], want.Ideal, &want.Raw, 1e-12);

    const nlohmann::json& nodes = report["nodes"];
    ASSERT_EQ(nodes.size(), 4U);
    const nlohmann::json& x = nodes[1];
    EXPECT_EQ(x["path"], nlohmann::json::parse(R"(["X"])"));
    EXPECT_FALSE(x["covering"]);
    EXPECT_EQ(x["priorities"], nlohmann::json::parse("[1.0]"));
    for (const char* key : {"lambda_max", "ci", "cr", "gci", "cr_limit"}) {
        EXPECT_TRUE(x[key].is_null()) << key;
    }
    EXPECT_NEAR(x["local"].get<double>(), goal[0], 1e-15);
    EXPECT_EQ(nodes[2]["path"], nlohmann::json::parse(R"(["X","X1"])"));
    EXPECT_TRUE(nodes[2]["covering"]);
    EXPECT_EQ(nodes[2]["local"], 1.0);
    EXPECT_EQ(nodes[2]["global"], x["global"]);
    EXPECT_NEAR(x["global"].get<double>(), goal[0], 1e-15);
    EXPECT_EQ(nodes[0]["local"], 1.0);
    EXPECT_EQ(nodes[0]["path"], nlohmann::json::array());
}

// A damaged tree file is refused as a damaged project file is, with the place named.
TEST_F(CTreeReportTest, DamagedFileIsRefusedWithItsPlace)
{
    const std::string file = (Dir / "bad.tsj").string();
    std::ofstream(file) << R"({"format": "tessaly-project", "version": 2,
 "goal": {"name": "Цель", "judgements": [2], "children": [{"name": "X", "judgements": [1, 1, 1]}, {"name": "Y", "judgements": [3, 5]}]},
 "alternatives": [{"name": "А"}, {"name": "Б"}, {"name": "В"}]})";
    for (const char* format : {"", "--json ", "--csv "}) {
        const CRun run = Run(format + ("'" + file + "'"));
        EXPECT_EQ(run.ExitCode, 1) << format;
        EXPECT_EQ(run.Out, "");
        EXPECT_EQ(run.Err, std::string(DamagedProjectText) + "\ngoal.children[1].judgements: 2 значений вместо 3\n")
            << format;
    }
}

// The text and the CSV name a node by its path, in whole sentences.
TEST_F(CTreeReportTest, TextAndCsvNameNodesByPath)
{
    CHierarchy h;
    for (const char* name : {"Вариант А", "Вариант Б", "Вариант В"}) {
        ASSERT_EQ(h.AddAlternative(h.AlternativeCount(), name), "");
    }
    ASSERT_EQ(h.AddCriterion(0, 0, "Стоимость"), "");
    ASSERT_EQ(h.AddCriterion(0, 1, "Безопасность"), "");
    ASSERT_EQ(h.AddCriterion(1, 0, "Цена"), "");
    ASSERT_EQ(h.AddCriterion(1, 1, "Расходы"), "");
    CJudgementMatrix price = Upper(3, {3, 1, 2});
    price(0, 2) = CJudgement::FromCode(0);
    price(2, 0) = CJudgement::FromCode(0);
    ASSERT_EQ(h.SetJudgements(*h.NodeAt({"Стоимость", "Цена"}), price), "");
    ASSERT_EQ(h.SetJudgements(*h.NodeAt({"Безопасность"}), Upper(3, {9, -9, 9})), "");
    const std::string file = Saved(h, "car.tsj");

    const CRun text = Run(file);
    ASSERT_EQ(text.ExitCode, 0) << text.Err;
    for (const char* line : {"\nКритерий «Стоимость / Цена» (уровень 2):\n  Задано 2 из 3 сравнений\n",
             "\n  критерий «Стоимость / Цена»: задано 2 из 3 сравнений\n",
             "в 1 матрице из 5: критерий «Безопасность» (ОС ",
             "\nКритерий «Стоимость» (уровень 1):\n  Локальные приоритеты: 0.5 0.5\n"}) {
        EXPECT_NE(text.Out.find(line), std::string::npos) << line << "\n" << text.Out;
    }
    const CRun csv = Run("--csv " + file);
    ASSERT_EQ(csv.ExitCode, 0) << csv.Err;
    for (const char* line :
        {"\r\n2,Стоимость / Цена,", "\r\nЛокальные приоритеты относительно элемента «Стоимость / Цена»\r\n",
            "\r\nкритерий «Стоимость / Цена»: задано 2 из 3 сравнений\r\n"}) {
        EXPECT_NE(csv.Out.find(line), std::string::npos) << line << "\n" << csv.Out;
    }
    const nlohmann::json json = nlohmann::json::parse(Run("--json " + file).Out);
    EXPECT_EQ(json["unacceptable"][0]["path"], nlohmann::json::parse(R"(["Безопасность"])"));
}

// A matrix's measures restated: lambda-max as the mean of (A w)_i / w_i, CR over the
// random index of its order, and the geometric index from the errors a_ij w_j / w_i.
struct CMeasures {
    double Cr = 0;
    double Gci = 0;
};
CMeasures Measures(std::size_t n, const std::vector<int>& upper, const std::vector<double>& w)
{
    std::vector<std::vector<double>> a(n, std::vector<double>(n, 1.0));
    std::size_t k = 0;
    double errors = 0;
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j, ++k) {
            a[i][j] = upper[k] > 0 ? upper[k] : 1.0 / -upper[k];
            a[j][i] = 1.0 / a[i][j];
            errors += std::pow(std::log(a[i][j] * w[j] / w[i]), 2);
        }
    }
    double lambda = 0;
    for (std::size_t i = 0; i < n; ++i) {
        double row = 0;
        for (std::size_t j = 0; j < n; ++j) {
            row += a[i][j] * w[j];
        }
        lambda += row / w[i] / static_cast<double>(n);
    }
    const double randomIndex[] = {0, 0, 0, 0.58, 0.90, 1.12};
    const double d = static_cast<double>(n);
    return {(lambda - d) / (d - 1) / randomIndex[n], 2 * errors / ((d - 1) * (d - 2))};
}

// A rated tree's place changes with the leader and its critical change, found by moving
// each criterion's weight by hand: the others rescaled to keep the sum, the scores linear
// in the weight, so each alternative meets the leader where the two lines cross.
void ExpectRatedCriticalChange(
    const nlohmann::json& report, const std::string& text, const std::vector<std::vector<int>>& ratings)
{
    const std::vector<double> w = RowGeometricMeans(4, EmployeeCriteriaUpper);
    const std::size_t leader = report["ranking"][0]["position"];
    ASSERT_EQ(report["sensitivity"].size(), 4U) << report["sensitivity"].dump();
    double nearest = 2.0;
    nlohmann::json critical;
    for (std::size_t c = 0; c < 4; ++c) {
        std::vector<std::vector<double>> ends;
        for (const double x : {0.0, 1.0}) {
            std::vector<double> moved(4);
            for (std::size_t d = 0; d < 4; ++d) {
                moved[d] = d == c ? x : w[d] * (1 - x) / (1 - w[c]);
            }
            ends.push_back(EmployeeScores(ratings, moved));
        }
        std::vector<double> want;
        for (std::size_t b = 0; b < ratings.size(); ++b) {
            const double slope = (ends[1][leader] - ends[0][leader]) - (ends[1][b] - ends[0][b]);
            const double x = b == leader || slope == 0 ? -1 : (ends[0][b] - ends[0][leader]) / slope;
            if (x > 0 && x < 1) {
                want.push_back(x);
                if (std::abs(x - w[c]) < nearest) {
                    nearest = std::abs(x - w[c]);
                    critical = {{"name", report["nodes"][1 + c]["name"]}, {"from", w[c]}, {"to", x}, {"new_leader", b}};
                }
            }
        }
        std::sort(want.begin(), want.end());
        const nlohmann::json& node = report["sensitivity"][c];
        EXPECT_NEAR(node["weight"].get<double>(), w[c], 1e-12);
        ASSERT_EQ(node["crossings"].size(), want.size()) << node.dump();
        for (std::size_t k = 0; k < want.size(); ++k) {
            EXPECT_NEAR(node["crossings"][k]["weight"].get<double>(), want[k], 1e-12) << c;
        }
    }
    ASSERT_FALSE(critical.is_null());
    const nlohmann::json& got = report["critical"];
    EXPECT_EQ(got["name"], critical["name"]) << got.dump();
    EXPECT_EQ(got["new_leader"], critical["new_leader"]) << got.dump();
    for (const char* key : {"from", "to"}) {
        EXPECT_NEAR(got[key].get<double>(), critical[key].get<double>(), 1e-12) << key;
    }
    const std::string line = "\nКритическое изменение: локальный вес «" + critical["name"].get<std::string>() + "» с "
        + FormatTruncated(critical["from"], 4) + " до " + FormatTruncated(critical["to"], 4);
    EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
}

// The employees rated on their scales: the scales' figures and the ranking by score
// against their definitions and the published figures; Г with Опыт not rated is marked.
TEST_F(CTreeReportTest, RatedTreeReportsScalesAndScores)
{
    const std::vector<std::vector<int>> uppers{FiveStepUpper, EducationUpper, ExperienceUpper, FourStepUpper};
    const std::vector<std::size_t> orders{5, 4, 3, 4};
    std::vector<std::vector<double>> ideal;
    for (std::size_t s = 0; s < uppers.size(); ++s) {
        std::vector<double> p = Priorities(orders[s], uppers[s]);
        const double top = *std::max_element(p.begin(), p.end());
        for (double& x : p) {
            x /= top;
        }
        ideal.push_back(p);
    }
    const std::vector<std::vector<int>> ratings{{0, 1, 1, 0}, {1, 0, 2, 1}, {2, 2, 0, 1}, {1, 1, -1, 2}};
    for (const bool gap : {false, true}) {
        std::vector<std::vector<int>> given = ratings;
        given[3][2] = gap ? -1 : 1;
        const std::vector<double> scores = EmployeeScores(given);
        const double total = scores[0] + scores[1] + scores[2] + scores[3];
        const std::string file = Saved(EmployeesTree(given), gap ? "gap.tsj" : "employees.tsj");
        const CRun run = Run("--json " + file);
        ASSERT_EQ(run.ExitCode, 0) << run.Err;
        const nlohmann::json report = nlohmann::json::parse(run.Out);
        EXPECT_EQ(report["mode"], "ratings");
        const std::vector<double> published = gap ? std::vector<double>{0.774387, 0.647126, 0.461237, 0.436859}
                                                  : std::vector<double>{0.774387, 0.647126, 0.506497, 0.436859};
        const std::vector<std::string> order{"А", "Б", "Г", "В"};
        ASSERT_EQ(report["ranking"].size(), 4U) << run.Out;
        for (std::size_t place = 0; place < 4; ++place) {
            const nlohmann::json& row = report["ranking"][place];
            const std::size_t a = row["position"];
            EXPECT_EQ(row["name"], order[place]);
            EXPECT_NEAR(row["score"].get<double>(), scores[a], 1e-12);
            EXPECT_NEAR(row["score"].get<double>(), published[place], 5e-7);
            EXPECT_NEAR(row["priority"].get<double>(), scores[a] / total, 1e-12);
            EXPECT_EQ(row["complete"], !(gap && a == 3));
        }
        EXPECT_EQ(report["nodes"][3]["scale"], "exp");
        ASSERT_EQ(report["scales"].size(), 4U);
        for (std::size_t s = 0; s < 4; ++s) {
            const nlohmann::json& scale = report["scales"][s];
            const std::vector<double> p = Priorities(orders[s], uppers[s]);
            const CMeasures m = Measures(orders[s], uppers[s], p);
            ASSERT_EQ(scale["intensities"].size(), orders[s]);
            for (std::size_t k = 0; k < orders[s]; ++k) {
                EXPECT_NEAR(scale["priorities"][k].get<double>(), p[k], 1e-12) << s;
                EXPECT_NEAR(scale["ideal"][k].get<double>(), ideal[s][k], 1e-12) << s;
            }
            EXPECT_NEAR(scale["cr"].get<double>(), m.Cr, 1e-12) << s;
            EXPECT_NEAR(scale["gci"].get<double>(), m.Gci, 1e-12) << s;
        }
        const nlohmann::json& four = report["scales"][3];
        EXPECT_EQ(four["id"], "s4");
        EXPECT_EQ(four["intensities"][2], "Удовлетворительно");
        const double fourPublished[] = {0.512751, 0.275493, 0.137747, 0.074009};
        for (std::size_t k = 0; k < 4; ++k) {
            EXPECT_NEAR(four["priorities"][k].get<double>(), fourPublished[k], 5e-7);
        }
        EXPECT_NEAR(four["cr"].get<double>(), 0.003836, 5e-7);
        if (!gap) {
            ExpectRatedCriticalChange(report, Run(file).Out, given);
            continue;
        }
        const CRun text = Run(file);
        ASSERT_EQ(text.ExitCode, 0) << text.Err;
        for (const std::string& line : {"\n  3. Г  " + FormatTruncated(scores[3], 4) + "  (доля "
                     + FormatTruncated(scores[3] / total, 4) + "; не все оценки)\n",
                 std::string("\nШкала «Четыре ступени»:\n  Шкала не применяется ни к одному критерию.\n  Отлично: "
                             "приоритет 0.5127, идеальное значение 1\n"),
                 std::string("\n  Критерий «Опыт» оценивается по шкале «Опыт».\n")}) {
            EXPECT_NE(text.Out.find(line), std::string::npos) << line << "\n" << text.Out;
        }
        const CRun csv = Run("--csv " + file);
        ASSERT_EQ(csv.ExitCode, 0) << csv.Err;
        EXPECT_NE(
            csv.Out.find("\r\nМесто,Альтернатива,Оценка,Доля,Все оценки,Надёжность,Образование,Опыт,Качество\r\n"),
            std::string::npos)
            << csv.Out;
        const std::size_t at = csv.Out.find("\r\n3,Г,");
        ASSERT_NE(at, std::string::npos) << csv.Out;
        std::istringstream row(csv.Out.substr(at + 2, csv.Out.find("\r\n", at + 2) - at - 2));
        std::vector<std::string> fields;
        for (std::string field; std::getline(row, field, ',');) {
            fields.push_back(field);
        }
        ASSERT_EQ(fields.size(), 9U) << row.str();
        EXPECT_NEAR(std::stod(fields[2]), scores[3], 1e-13);
        EXPECT_NEAR(std::stod(fields[3]), scores[3] / total, 1e-13);
        EXPECT_EQ(std::vector<std::string>(fields.begin() + 4, fields.end()),
            (std::vector<std::string>{"нет", "Выше среднего", "Магистр", "", "Средне"}));
    }
}
} // namespace
