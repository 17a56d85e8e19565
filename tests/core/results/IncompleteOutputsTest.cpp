// What the verdict, the deviation table, the transitivity memo, the report texts and the
// CSV make of a matrix with pairs left out.
#include "core/model/CUserProjectModel.h"
#include "core/results/CProjectResults.h"
#include "core/results/ConsistencyGuidance.h"
#include "core/results/CsvExport.h"
#include "core/results/Deviations.h"
#include "core/results/IncompleteJudgements.h"
#include "core/results/ReportContent.h"
#include "core/results/Synthesis.h"
#include "support/ModelEdits.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace {
struct UpperCell {
    std::uint32_t Row, Column;
    int Code; // 0 leaves the pair out
};

CJudgementMatrix Matrix(const std::vector<UpperCell>& cells)
{
    CJudgementMatrix m(9, 9);
    m.FillOnes();
    for (const UpperCell& cell : cells) {
        m(cell.Row, cell.Column) = CJudgement::FromCode(cell.Code);
        m(cell.Column, cell.Row) = cell.Code == 0 ? CJudgement::NotJudged() : CJudgement::FromCode(cell.Code).Mirror();
    }
    return m;
}

// The worked example: a-b 1, a-c 5, a-d 2, b-c 3, b-d 4, c-d left out.
CJudgementMatrix Example()
{
    return Matrix({{0, 1, 1}, {0, 2, 5}, {0, 3, 2}, {1, 2, 3}, {1, 3, 4}, {2, 3, 0}});
}

// Straightforward least squares for checking: gradient descent on the sum of squares
// over the judged pairs, long enough to settle to 1e-12.
std::array<double, 9> SlowLeastSquares(const CJudgementMatrix& m, std::uint32_t n)
{
    std::array<double, 9> y{};
    for (int step = 0; step < 200000; ++step) {
        std::array<double, 9> grad{};
        for (std::uint32_t i = 0; i < n; ++i) {
            for (std::uint32_t j = 0; j < n; ++j) {
                if (i != j && m(i, j).IsJudged()) {
                    const double e = std::log(m(i, j).Value()) - y[i] + y[j];
                    grad[i] -= e;
                    grad[j] += e;
                }
            }
        }
        for (std::uint32_t i = 0; i < n; ++i) {
            y[i] -= 0.05 * grad[i];
        }
    }
    double sum = 0.0;
    for (std::uint32_t i = 0; i < n; ++i) {
        y[i] = std::exp(y[i]);
        sum += y[i];
    }
    for (std::uint32_t i = 0; i < n; ++i) {
        y[i] /= sum;
    }
    return y;
}

// The CR of a matrix completed with the ratios of w, computed plainly.
double CompletedCr(const CJudgementMatrix& m, std::uint32_t n, const std::array<double, 9>& w)
{
    double lambda = 0.0;
    for (std::uint32_t i = 0; i < n; ++i) {
        double s = 0.0;
        for (std::uint32_t j = 0; j < n; ++j) {
            const double a = i == j ? 1.0 : m(i, j).IsJudged() ? m(i, j).Value() : w[i] / w[j];
            s += a * w[j];
        }
        lambda += s / w[i];
    }
    lambda /= n;
    return (lambda - n) / (n - 1.0) / RandomIndex[n];
}
} // namespace

TEST(IncompleteOutputs, VerdictRestsOnTheCompletedMatrix)
{
    const CJudgementMatrix m = Example();
    std::array<double, 9> w{};
    ComputeLocalPriorities(m, 4, w.data());
    const CConsistencyGuidance g = GuideConsistency(m, 4, w.data());
    EXPECT_TRUE(g.Completed);
    EXPECT_FALSE(g.HoldsZero);
    EXPECT_NEAR(g.Measures.LambdaMax, 4.092346, 5e-7);
    EXPECT_NEAR(g.Measures.CR, 0.034202, 5e-7);
    EXPECT_EQ(g.Verdict, EConsistencyVerdict::Acceptable);
    EXPECT_FALSE(g.Gci.has_value()) << "no GCI for a matrix with a pair left out";
    const CConsistencyText text = ConsistencyText(g);
    EXPECT_EQ(text.RatioLimit, "ОС (по дополненной матрице): 0.0342 (допустимо до 0.08)");
    EXPECT_TRUE(text.GeometricLimit.empty());

    // Not connected: no verdict, and the words say why.
    const CJudgementMatrix split = Matrix({{0, 1, 3}, {0, 2, 0}, {0, 3, 0}, {1, 2, 0}, {1, 3, 0}, {2, 3, 5}});
    const CConsistencyGuidance none = GuideConsistency(split, 4, w.data());
    EXPECT_EQ(none.Verdict, EConsistencyVerdict::Undetermined);
    EXPECT_TRUE(none.NotConnected);
    EXPECT_EQ(ConsistencyText(none).Verdict, "Согласованность не оценивается: сравнений недостаточно");
    EXPECT_EQ(none.SuggestionCount, 0U);
}

TEST(IncompleteOutputs, SuggestionsChangeJudgedCellsOnlyWithTheCrApplyWillShow)
{
    // A badly inconsistent 5 x 5 with two pairs left out.
    const CJudgementMatrix m = Matrix({{0, 1, 9}, {0, 2, -7}, {0, 3, 0}, {0, 4, 5}, {1, 2, 8}, {1, 3, -6}, {1, 4, 0},
        {2, 3, 7}, {2, 4, -5}, {3, 4, 6}});
    std::array<double, 9> w{};
    const CConsistencyGuidance g = GuideConsistency(m, 5, w.data());
    ASSERT_TRUE(g.Completed);
    const std::array<double, 9> slow = SlowLeastSquares(m, 5);
    EXPECT_NEAR(g.Measures.CR, CompletedCr(m, 5, slow), 1e-9);
    ASSERT_EQ(g.Verdict, EConsistencyVerdict::NotAcceptable);
    ASSERT_GT(g.SuggestionCount, 0U);
    for (std::uint32_t s = 0; s < g.SuggestionCount; ++s) {
        const CSuggestion& suggestion = g.Suggestions[s];
        SCOPED_TRACE(s);
        EXPECT_FALSE(
            (suggestion.Row == 0 && suggestion.Column == 3) || (suggestion.Row == 1 && suggestion.Column == 4));
        EXPECT_FALSE(suggestion.GciAfter.has_value());
        CJudgementMatrix changed = m;
        ApplySuggestion(changed, suggestion);
        EXPECT_NEAR(suggestion.CrAfter, CompletedCr(changed, 5, SlowLeastSquares(changed, 5)), 1e-9);
        EXPECT_LT(suggestion.CrAfter, g.Measures.CR);
    }
}

TEST(IncompleteOutputs, DeviationsAndTransitivitySkipPairsLeftOut)
{
    const CJudgementMatrix m = Example();
    const CMatrixPriorities found = ComputeMatrixPriorities(m, 4);
    const CDeviationTable table = ComputeDeviations(m, 4, found.Priority.data());
    for (std::uint32_t i = 0; i < 4; ++i) {
        double sum = 0.0;
        for (std::uint32_t j = 0; j < 4; ++j) {
            const bool missing = (i == 2 && j == 3) || (i == 3 && j == 2);
            EXPECT_EQ(table.Missing[i][j], missing) << i << "," << j;
            if (missing) {
                EXPECT_EQ(table.Deviation[i][j], 0.0);
            } else if (i != j) {
                const double expected = std::fabs(m(i, j).Value() - found.Priority[i] / found.Priority[j]);
                EXPECT_NEAR(table.Deviation[i][j], expected, 1e-12);
                sum += expected;
            }
        }
        EXPECT_NEAR(table.RowSum[i], sum, 1e-12) << i;
    }

    // 2 over 1 and 3 over 2 with 1-3 left out: the 0 codes must not read as "3 over 1".
    const CJudgementMatrix open = Matrix({{0, 1, -3}, {1, 2, -3}, {0, 2, 0}});
    EXPECT_TRUE(BuildTransitivityReport(open, 3).None);
    // A cycle elsewhere in the matrix is still found.
    const CJudgementMatrix cycle = Matrix({{0, 1, 3}, {1, 2, 3}, {0, 2, -3}, {0, 3, 0}});
    const CTransitivityReport report = BuildTransitivityReport(cycle, 4);
    EXPECT_EQ(report.Lines, std::vector<std::string>{"1>2>3>1"});
}

TEST(IncompleteOutputs, ProjectTextsAndCsv)
{
    CUserProjectModel project;
    ASSERT_TRUE(BuildWithCounts(project, {1, 4, 2}));
    SetName(project, 0, 0, "ВЫБОР");
    const std::array<const char*, 4> names{"А", "Б", "В", "Г"};
    for (std::uint32_t k = 0; k < 4; ++k) {
        SetName(project, k, 1, names[k]);
    }
    // The goal: the worked example, c-d left out.
    const CJudgementMatrix example = Example();
    project.SetJudgements(0, 0, example);
    CProjectResults results = ComputeResults(project);
    EXPECT_EQ(results.Basis(0, 0), EPrioritiesBasis::LeastSquares);
    EXPECT_EQ(ProjectNotConnectedText(project, results), "");
    EXPECT_EQ(IncompleteMatrixLines(project), std::vector<std::string>{"цель «ВЫБОР»: задано 5 из 6 сравнений"});
    EXPECT_EQ(IncompleteMarkText(project, 0, 0), "Не все сравнения заданы: задано 5 из 6 сравнений");
    EXPECT_EQ(IncompleteMarkText(project, 1, 1), "");
    EXPECT_EQ(MeasuresText(results.LevelData(0, 0), results.Basis(0, 0)),
        "СЗ: 4.0923; ИС: 0.0307; ОС (по дополненной матрице): 0.0342");
    const CReportTable table = JudgementTable(project, results, 0, 0);
    ASSERT_EQ(table.Rows.size(), 4U);
    EXPECT_EQ(table.Rows[2][4], "—");
    EXPECT_EQ(table.Rows[3][3], "—");
    EXPECT_EQ(table.Rows[2][1], "1/5");
    EXPECT_EQ(table.Rows[0][5], "0.3741");
    std::string csv = ProjectCsv(project, results, '.');
    EXPECT_NE(csv.find("ОС (по дополненной матрице),0.0342"), std::string::npos);
    EXPECT_NE(csv.find("Неполные матрицы суждений:\r\nцель «ВЫБОР»: задано 5 из 6 сравнений\r\n"), std::string::npos);
    EXPECT_NE(csv.find("\r\nЗадано 5 из 6 сравнений\r\n"), std::string::npos);

    // Element Б of level 1 judges its two alternatives not at all: not connected.
    CJudgementMatrix split = project.Element(1, 1).Judgements;
    split(0, 1) = CJudgement::NotJudged();
    split(1, 0) = CJudgement::NotJudged();
    project.SetJudgements(1, 1, split);
    results = ComputeResults(project);
    const std::string refusal
        = "Недостаточно сравнений для «Б»: группы {ЭЛЕМЕНТ_0} и {ЭЛЕМЕНТ_1} не сравнены между собой";
    EXPECT_EQ(ProjectNotConnectedText(project, results), refusal);
    EXPECT_EQ(IncompleteMarkText(project, 1, 1), refusal);
    EXPECT_EQ(
        MeasuresText(results.LevelData(1, 1), results.Basis(1, 1)), "Приоритеты не определены: сравнений недостаточно");
    EXPECT_EQ(JudgementTable(project, results, 1, 1).Rows[0][3], "—");
    csv = ProjectCsv(project, results, '.');
    // Both the ranking and the global priorities are refused with the message, and nothing
    // is ranked.
    EXPECT_EQ(csv.find("Место,Альтернатива"), std::string::npos);
    std::size_t at = csv.find(refusal);
    ASSERT_NE(at, std::string::npos);
    at = csv.find(refusal, at + 1);
    EXPECT_NE(at, std::string::npos);
    EXPECT_NE(csv.find("Приоритеты не определены: сравнений недостаточно"), std::string::npos);
}
