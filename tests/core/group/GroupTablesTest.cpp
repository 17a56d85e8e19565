#include "GroupTestSupport.h"
#include "support/ModelEdits.h"

#include "core/group/CGroupDecision.h"
#include "core/group/GroupCsv.h"
#include "core/group/GroupReportContent.h"
#include "core/model/CUserProjectModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

// The tables the group window and the group's PDF show, and the group's CSV, checked
// against figures computed here the long way: the issue's two experts over three
// criteria, each criterion over two alternatives judged alike by both (А: X five times
// Y, Б: Y five times X, В: equal).

namespace {
using CVector = std::vector<double>;
using CSquare = std::vector<CVector>;

CSquare GoalMatrix(double a01, double a02, double a12)
{
    return {{1.0, a01, a02}, {1.0 / a01, 1.0, a12}, {1.0 / a02, 1.0 / a12, 1.0}};
}

CVector RowGeometricMeans(const CSquare& a)
{
    CVector w;
    double sum = 0.0;
    for (const CVector& row : a) {
        double logs = 0.0;
        for (const double x : row) {
            logs += std::log(x);
        }
        w.push_back(std::exp(logs / static_cast<double>(row.size())));
        sum += w.back();
    }
    for (double& x : w) {
        x /= sum;
    }
    return w;
}

double Cr3(const CSquare& a)
{
    const CVector w = RowGeometricMeans(a);
    double lambda = 0.0;
    for (std::size_t i = 0; i < 3; ++i) {
        double row = 0.0;
        for (std::size_t j = 0; j < 3; ++j) {
            row += a[i][j] * w[j];
        }
        lambda += row / w[i] / 3.0;
    }
    return (lambda - 3.0) / 2.0 / 0.58;
}

// The alternatives' shares under each criterion: А, Б, В.
const CSquare Local{{5.0 / 6.0, 1.0 / 6.0}, {1.0 / 6.0, 5.0 / 6.0}, {0.5, 0.5}};

CVector Final(const CVector& criteria)
{
    CVector f(2, 0.0);
    for (std::size_t c = 0; c < 3; ++c) {
        for (std::size_t a = 0; a < 2; ++a) {
            f[a] += criteria[c] * Local[c][a];
        }
    }
    return f;
}

// What every screen shows: truncated to 4 decimals, in the general format (no trailing zeros).
std::string Shown(double x)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", std::floor(x * 1e4 + 1e-9) / 1e4);
    return text;
}

std::unique_ptr<CUserProjectModel> Expert(const std::vector<int>& goalUpper)
{
    auto project = CriteriaProject(goalUpper);
    project->SetJudgements(0, 1, FromUpper(2, {5}));
    project->SetJudgements(1, 1, FromUpper(2, {-5}));
    project->SetJudgements(2, 1, FromUpper(2, {1}));
    return project;
}

struct CGroupCase {
    std::vector<std::unique_ptr<CUserProjectModel>> Projects;
    std::unique_ptr<CGroupDecision> Decision = std::make_unique<CGroupDecision>();

    void Add(const std::string& label, const std::vector<int>& goalUpper, double weight = 1.0)
    {
        Projects.push_back(Expert(goalUpper));
        EXPECT_EQ(
            Decision->AddExpert(CGroupMember{"/group-tables/" + label + ".tsy", label, weight}, *Projects.back()), "");
    }
};

// The issue's experts: (3, 5, 2) and (1/2, 4, 6).
CGroupCase IssueExperts(double annaWeight = 1.0, double borisWeight = 1.0)
{
    CGroupCase group;
    group.Add("Анна", {3, 5, 2}, annaWeight);
    group.Add("Борис", {-2, 4, 6}, borisWeight);
    return group;
}

const CSquare Anna = GoalMatrix(3.0, 5.0, 2.0);
const CSquare Boris = GoalMatrix(0.5, 4.0, 6.0);

CSquare Combined(double alpha)
{
    CSquare a(3, CVector(3));
    for (std::size_t i = 0; i < 3; ++i) {
        for (std::size_t j = 0; j < 3; ++j) {
            a[i][j] = std::pow(Anna[i][j], alpha) * std::pow(Boris[i][j], 1.0 - alpha);
        }
    }
    return a;
}

std::vector<std::string> Row(const CReportTable& table, const std::string& first)
{
    for (const std::vector<std::string>& row : table.Rows) {
        if (!row.empty() && row[0] == first) {
            return row;
        }
    }
    return {};
}
} // namespace

TEST(GroupTables, RankingBesideBothAggregationsAndEachExpert)
{
    const CGroupCase group = IssueExperts();
    const CVector group3 = RowGeometricMeans(Combined(0.5));
    const CVector g = Final(group3);
    const CVector anna = Final(RowGeometricMeans(Anna));
    const CVector boris = Final(RowGeometricMeans(Boris));
    CVector arithmetic{(anna[0] + boris[0]) / 2, (anna[1] + boris[1]) / 2};
    CVector geometric{std::sqrt(anna[0] * boris[0]), std::sqrt(anna[1] * boris[1])};
    const double sum = geometric[0] + geometric[1];
    geometric = {geometric[0] / sum, geometric[1] / sum};
    ASSERT_GT(g[0], g[1]);
    ASSERT_GT(anna[0], anna[1]);
    ASSERT_LT(boris[0], boris[1]); // Борис ranks Y first

    const CReportTable table = GroupRankingTable(*group.Decision);
    EXPECT_EQ(table.Header,
        (std::vector<std::string>{
            "Место", "Альтернатива", "Группа", "Среднее арифм.", "Среднее геом.", "Анна", "Борис"}));
    ASSERT_EQ(table.Rows.size(), 2U);
    EXPECT_EQ(table.Rows[0],
        (std::vector<std::string>{"1", "X", Shown(g[0]), Shown(arithmetic[0]) + " (1)", Shown(geometric[0]) + " (1)",
            Shown(anna[0]) + " (1)", Shown(boris[0]) + " (2)"}));
    EXPECT_EQ(table.Rows[1],
        (std::vector<std::string>{"2", "Y", Shown(g[1]), Shown(arithmetic[1]) + " (2)", Shown(geometric[1]) + " (2)",
            Shown(anna[1]) + " (2)", Shown(boris[1]) + " (1)"}));
    EXPECT_EQ(ExpertRankingText(*group.Decision, 1), "Y " + Shown(boris[1]) + ", X " + Shown(boris[0]));

    // Борис's weight nine times Анна's: the combined judgements lean his way, and so does the ranking.
    const CGroupCase weighted = IssueExperts(1.0, 9.0);
    const CVector leaning = Final(RowGeometricMeans(Combined(0.1)));
    ASSERT_GT(leaning[1], leaning[0]);
    const CReportTable after = GroupRankingTable(*weighted.Decision, ',');
    EXPECT_EQ(after.Rows[0][1], "Y");
    std::string expected = Shown(leaning[1]);
    expected[1] = ',';
    EXPECT_EQ(after.Rows[0][2], expected);
    EXPECT_EQ(GroupMembersTable(*weighted.Decision, ',').Rows[1],
        (std::vector<std::string>{"2", "Борис", "/group-tables/Борис.tsy", "9", "0,9"}));
}

TEST(GroupTables, ElementsAggregatedMatrixAndExpertVectors)
{
    const CGroupCase group = IssueExperts();
    const CVector w = RowGeometricMeans(Combined(0.5));
    const CVector anna = RowGeometricMeans(Anna);
    const CVector boris = RowGeometricMeans(Boris);

    const CReportTable elements = GroupElementsTable(*group.Decision);
    ASSERT_EQ(elements.Rows.size(), 4U);
    const double largest = std::max(Cr3(Anna), Cr3(Boris));
    const std::string largestBy = Cr3(Anna) > Cr3(Boris) ? "Анна" : "Борис";
    // S* 0.828823 and GSD 3.550063 from the issue; the group's CR from its combined matrix.
    EXPECT_EQ(elements.Rows[0],
        (std::vector<std::string>{"0", "ВЫБОР", "82.8 % (высокое согласие)", Shown(Cr3(Combined(0.5))),
            Shown(largest) + " (" + largestBy + ")", "«А» и «Б»: ГСО 3.55"}));
    // Both judged the criteria alike: full agreement, no spread.
    EXPECT_EQ(elements.Rows[2],
        (std::vector<std::string>{"1", "2. Б", "100 % (очень высокое согласие)", "0", "0 (Анна)", "«X» и «Y»: ГСО 1"}));

    const CReportTable matrix = AggregatedMatrixTable(*group.Decision, 0);
    EXPECT_EQ(matrix.Header, (std::vector<std::string>{"Элемент уровня 1", "1", "2", "3", "Приоритет"}));
    EXPECT_EQ(
        matrix.Rows[0], (std::vector<std::string>{"1. А", "1", "1.2247\nГСО 3.55", "4.4721\nГСО 1.1709", Shown(w[0])}));
    EXPECT_EQ(matrix.Rows[1],
        (std::vector<std::string>{"2. Б", Shown(1.0 / 1.224745), "1", "3.4641\nГСО 2.1745", Shown(w[1])}));
    EXPECT_EQ(Row(matrix, "3. В")[1], Shown(1.0 / 4.472136));

    const CReportTable vectors = ExpertVectorsTable(*group.Decision, 0);
    EXPECT_EQ(vectors.Header, (std::vector<std::string>{"Элемент уровня 1", "Группа", "Анна", "Борис"}));
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(vectors.Rows[i][1], Shown(w[i]));
        EXPECT_EQ(vectors.Rows[i][2], Shown(anna[i]));
        EXPECT_EQ(vectors.Rows[i][3], Shown(boris[i]));
    }
    EXPECT_EQ(vectors.Rows[3],
        (std::vector<std::string>{"ОС", Shown(Cr3(Combined(0.5))), Shown(Cr3(Anna)), Shown(Cr3(Boris))}));

    // Each expert's distance from the group: sum |ln w_k - ln w_G|, the larger first.
    double toAnna = 0.0;
    double toBoris = 0.0;
    for (std::size_t i = 0; i < 3; ++i) {
        toAnna += std::abs(std::log(anna[i]) - std::log(w[i]));
        toBoris += std::abs(std::log(boris[i]) - std::log(w[i]));
    }
    const std::string distances = toAnna >= toBoris ? "Анна " + Shown(toAnna) + ", Борис " + Shown(toBoris)
                                                    : "Борис " + Shown(toBoris) + ", Анна " + Shown(toAnna);
    EXPECT_EQ(GroupDistancesTable(*group.Decision).Rows[0], (std::vector<std::string>{"0", "ВЫБОР", distances}));
}

// An expert far from consistent is named above the limit of his order; one who judged
// nothing of an element shows no figures there and is left out of its agreement.
TEST(GroupTables, InconsistentAndAbstainingExperts)
{
    CGroupCase group = IssueExperts();
    group.Add("Вера", {9, -9, 9}); // А > Б > В, yet В nine times А
    const CSquare vera = GoalMatrix(9.0, 1.0 / 9.0, 9.0);
    ASSERT_GT(Cr3(vera), 0.05);
    EXPECT_TRUE(ExpertRatioAboveLimit(*group.Decision, 2, CElementSlot{0, 0}));
    const bool annaAbove = Cr3(Anna) > 0.05;
    EXPECT_EQ(ExpertRatioAboveLimit(*group.Decision, 0, CElementSlot{0, 0}), annaAbove);
    EXPECT_EQ(ExpertRatioWarning(*group.Decision, 0),
        std::string("ОС выше допустимой (0.05): ") + (annaAbove ? "Анна, " : "") + "Вера");
    EXPECT_EQ(ExpertRatioWarning(*group.Decision, 1), "");

    CGroupCase abstaining = IssueExperts();
    abstaining.Add("Глеб", {0, 0, 0});
    const CReportTable vectors = ExpertVectorsTable(*abstaining.Decision, 0);
    for (const std::vector<std::string>& row : vectors.Rows) {
        EXPECT_EQ(row[4], "—");
    }
    EXPECT_EQ(ExpertRankingText(*abstaining.Decision, 2), "нет итоговых приоритетов");
    const CReportTable ranking = GroupRankingTable(*abstaining.Decision);
    EXPECT_EQ(ranking.Rows[0][7], "—");
    // The group's consensus on the goal is the two who judged it: the issue's 82.8 %.
    EXPECT_EQ(GroupElementsTable(*abstaining.Decision).Rows[0][2], "82.8 % (высокое согласие)");
}

// Nobody judged the goal: no group priorities there, so no ranking; the table keeps the
// alternatives in their order without places.
TEST(GroupTables, NoGroupRanking)
{
    CGroupCase group;
    group.Add("Анна", {0, 0, 0});
    group.Add("Борис", {0, 0, 0});
    const CReportTable ranking = GroupRankingTable(*group.Decision);
    ASSERT_EQ(ranking.Rows.size(), 2U);
    EXPECT_EQ(ranking.Rows[0], (std::vector<std::string>{"—", "X", "—", "—", "—", "—", "—"}));
    EXPECT_EQ(GroupMeasuresText(*group.Decision, 0), "У группы нет приоритетов: её сравнения не связывают элементы");
    EXPECT_EQ(
        AggregatedMatrixTable(*group.Decision, 0).Rows[0], (std::vector<std::string>{"1. А", "1", "—", "—", "—"}));
}

namespace {
std::vector<std::vector<std::string>> CsvRows(const std::string& text, char separator)
{
    std::vector<std::vector<std::string>> rows;
    std::size_t start = 3; // after the byte-order mark
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        const std::string line = text.substr(start, end - start);
        std::vector<std::string> fields;
        std::stringstream stream(line);
        std::string field;
        while (std::getline(stream, field, separator)) {
            fields.push_back(field);
        }
        if (!line.empty() && line.back() == separator) {
            fields.emplace_back();
        }
        rows.push_back(fields);
        start = end + 2;
    }
    return rows;
}

double Number(std::string text)
{
    for (char& c : text) {
        c = c == ',' ? '.' : c;
    }
    return std::stod(text);
}
} // namespace

TEST(GroupCsv, SectionsWithUnroundedFigures)
{
    const CGroupCase group = IssueExperts(1.0, 3.0);
    const std::string csv = GroupCsv(*group.Decision, ',');
    ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(csv.find('\n'), csv.find("\r\n") + 1);
    const auto rows = CsvRows(csv, ';');

    const double alpha = 0.25;
    const CSquare a = Combined(alpha);
    const CVector w = RowGeometricMeans(a);
    const CVector g = Final(w);
    const CVector anna = Final(RowGeometricMeans(Anna));
    const CVector boris = Final(RowGeometricMeans(Boris));

    std::size_t members = 0;
    std::size_t ranking = 0;
    std::size_t goal = 0;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (rows[r] == std::vector<std::string>{"Эксперты группы"}) {
            members = r;
        } else if (rows[r] == std::vector<std::string>{"Групповой рейтинг"}) {
            ranking = r;
        } else if (!rows[r].empty() && rows[r][0] == "Групповые суждения по элементу «ВЫБОР» (уровень 0, № 1)") {
            goal = r;
        }
    }
    ASSERT_GT(ranking, members);
    ASSERT_GT(goal, ranking);
    EXPECT_EQ(rows[members + 2], (std::vector<std::string>{"1", "Анна", "/group-tables/Анна.tsy", "1", "0,25", "да"}));
    EXPECT_EQ(rows[members + 3][4], "0,75");
    EXPECT_EQ(rows[ranking + 1],
        (std::vector<std::string>{"Место", "Альтернатива", "Группа", "Среднее арифм.", "Среднее геом.", "Анна",
            "Анна: Место", "Борис", "Борис: Место"}));
    const std::vector<std::string>& first = rows[ranking + 2];
    const std::size_t best = g[0] > g[1] ? 0 : 1;
    EXPECT_EQ(first[0], "1");
    EXPECT_EQ(first[1], best == 0 ? "X" : "Y");
    EXPECT_NEAR(Number(first[2]), g[best], 1e-12);
    EXPECT_NEAR(Number(first[3]), alpha * anna[best] + (1 - alpha) * boris[best], 1e-12);
    EXPECT_NEAR(Number(first[5]), anna[best], 1e-12);
    EXPECT_EQ(first[6], anna[best] > anna[1 - best] ? "1" : "2");
    EXPECT_NEAR(Number(first[7]), boris[best], 1e-12);
    EXPECT_EQ(first[8], boris[best] > boris[1 - best] ? "1" : "2");

    // The combined judgements, their spread, the group's priorities.
    EXPECT_EQ(rows[goal + 1], (std::vector<std::string>{"№", "Элемент", "1", "2", "3", "Приоритет"}));
    EXPECT_EQ(rows[goal + 2][2], "1");
    EXPECT_NEAR(Number(rows[goal + 2][3]), a[0][1], 1e-12);
    EXPECT_NEAR(Number(rows[goal + 3][2]), a[1][0], 1e-12);
    EXPECT_NEAR(Number(rows[goal + 4][5]), w[2], 1e-12);
    EXPECT_EQ(rows[goal + 5], std::vector<std::string>{"ГСО"});
    // Weighted spread of ln 3 and ln 1/2: V = sum a (x - m)^2 / (1 - sum a^2).
    const double x1 = std::log(3.0);
    const double x2 = std::log(0.5);
    const double m = alpha * x1 + (1 - alpha) * x2;
    const double v = (alpha * (x1 - m) * (x1 - m) + (1 - alpha) * (x2 - m) * (x2 - m))
        / (1 - alpha * alpha - (1 - alpha) * (1 - alpha));
    EXPECT_EQ(rows[goal + 7][2], "1"); // everyone's equality on the diagonal
    EXPECT_NEAR(Number(rows[goal + 7][3]), std::exp(std::sqrt(v)), 1e-12);

    // The experts' local priorities beside the group's, then the CRs and the distances
    // from the group (sum |ln w_k - ln w_G|).
    std::size_t vectors = goal;
    while (vectors < rows.size() && rows[vectors] != std::vector<std::string>{"Приоритеты экспертов"}) {
        ++vectors;
    }
    ASSERT_LT(vectors + 6, rows.size());
    EXPECT_EQ(rows[vectors + 1], (std::vector<std::string>{"№", "Элемент", "Группа", "Анна", "Борис"}));
    const CVector annaLocal = RowGeometricMeans(Anna);
    const CVector borisLocal = RowGeometricMeans(Boris);
    double toAnna = 0.0;
    double toBoris = 0.0;
    for (std::size_t i = 0; i < 3; ++i) {
        const std::vector<std::string>& row = rows[vectors + 2 + i];
        EXPECT_NEAR(Number(row[2]), w[i], 1e-12);
        EXPECT_NEAR(Number(row[3]), annaLocal[i], 1e-12);
        EXPECT_NEAR(Number(row[4]), borisLocal[i], 1e-12);
        toAnna += std::abs(std::log(annaLocal[i]) - std::log(w[i]));
        toBoris += std::abs(std::log(borisLocal[i]) - std::log(w[i]));
    }
    const std::vector<std::string>& ratios = rows[vectors + 5];
    ASSERT_EQ(ratios.size(), 5U);
    EXPECT_EQ(ratios[1], "ОС");
    EXPECT_NEAR(Number(ratios[2]), Cr3(a), 1e-9);
    EXPECT_NEAR(Number(ratios[3]), Cr3(Anna), 1e-9);
    EXPECT_NEAR(Number(ratios[4]), Cr3(Boris), 1e-9);
    const std::vector<std::string>& distances = rows[vectors + 6];
    ASSERT_EQ(distances.size(), 5U);
    EXPECT_EQ(distances[2], "");
    EXPECT_NEAR(Number(distances[3]), toAnna, 1e-12);
    EXPECT_NEAR(Number(distances[4]), toBoris, 1e-12);
}
