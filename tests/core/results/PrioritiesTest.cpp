#include "core/model/CUserProjectModel.h"
#include "core/results/CProjectResults.h"
#include "core/results/Deviations.h"
#include "core/results/LocalPriorities.h"
#include "core/results/NumberFormat.h"
#include "core/results/Synthesis.h"
#include "support/ModelEdits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {
TMatrix<int> Codes(const std::vector<std::vector<int>>& rows)
{
    TMatrix<int> m(9, 9);
    m.FillOnes();
    for (std::uint32_t r = 0; r < rows.size(); ++r) {
        for (std::uint32_t c = 0; c < rows.size(); ++c) {
            m(r, c) = rows[r][c];
        }
    }
    return m;
}

CJudgementMatrix Matrix(const std::vector<std::vector<int>>& rows)
{
    return JudgementsFromCodes(Codes(rows));
}

// Independent of the code under test: geometric means straight from the formula.
std::vector<double> Reference(const std::vector<std::vector<int>>& rows)
{
    const std::size_t n = rows.size();
    std::vector<double> w(n);
    double s = 0;
    for (std::size_t i = 0; i < n; ++i) {
        double logSum = 0;
        for (std::size_t j = 0; j < n; ++j) {
            const int v = rows[i][j];
            logSum += std::log(v < 0 ? 1.0 / -v : static_cast<double>(v));
        }
        w[i] = std::exp(logSum / static_cast<double>(n));
        s += w[i];
    }
    for (double& x : w) {
        x /= s;
    }
    return w;
}

struct Measures {
    double Lambda, CI, CR;
};
Measures ReferenceMeasures(const std::vector<std::vector<int>>& rows, const std::vector<double>& w)
{
    const std::size_t n = rows.size();
    const double ri[] = {10.0, 1.0, 1.0, 0.58, 0.9, 1.12, 1.24, 1.32, 1.41, 1.45, 1.49};
    double lambda = 0;
    for (std::size_t i = 0; i < n; ++i) {
        double s = 0;
        for (std::size_t j = 0; j < n; ++j) {
            const int v = rows[i][j];
            s += (v < 0 ? 1.0 / -v : v) * w[j];
        }
        lambda += s / w[i] / static_cast<double>(n);
    }
    const double ci = (lambda - static_cast<double>(n)) / (static_cast<double>(n) - 1);
    return {lambda, ci, ci / ri[n]};
}

void ExpectFinite(const CProjectResults& m)
{
    for (std::uint32_t e = 0; e < 9; ++e) {
        for (std::uint32_t k = 0; k < 10; ++k) {
            const TDesicionLevelData& r = m.LevelData(e, k);
            ASSERT_TRUE(std::isfinite(r.LambdaMax) && std::isfinite(r.CI) && std::isfinite(r.CR)) << e << "," << k;
            for (double p : r.Priority) {
                ASSERT_TRUE(std::isfinite(p));
            }
            ASSERT_TRUE(std::isfinite(m.GlobalPriority()(e, k)));
        }
    }
}
} // namespace

TEST(LocalPriorities, WorkedConsistentAndIntransitiveMatrices)
{
    const std::vector<std::vector<int>> a = {{1, 3, 5}, {-3, 1, 3}, {-5, -3, 1}};
    double w[9] = {7, 7, 7, 7, 7, 7, 7, 7, 7};
    ComputeLocalPriorities(Matrix(a), 3, w);
    const std::vector<double> ref = Reference(a);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(w[i], ref[i], 1e-12);
    }
    EXPECT_EQ(w[3], 7.0); // entries beyond n untouched
    EXPECT_NEAR(w[0], 0.636986, 1e-6);
    EXPECT_NEAR(w[1], 0.258285, 1e-6);
    EXPECT_NEAR(w[2], 0.104729, 1e-6);
    const CConsistency c = ComputeConsistency(Matrix(a), 3, w);
    const Measures rm = ReferenceMeasures(a, ref);
    EXPECT_NEAR(c.LambdaMax, rm.Lambda, 1e-12);
    EXPECT_NEAR(c.CI, rm.CI, 1e-12);
    EXPECT_NEAR(c.CR, rm.CR, 1e-12);
    EXPECT_NEAR(c.LambdaMax, 3.038511, 1e-6);
    EXPECT_EQ(FormatTruncated(w[0], 4), "0.6369");
    EXPECT_EQ(FormatTruncated(w[1], 4), "0.2582");
    EXPECT_EQ(FormatTruncated(w[2], 4), "0.1047");
    EXPECT_EQ(FormatTruncated(c.LambdaMax, 4), "3.0385");
    EXPECT_EQ(FormatTruncated(c.CI, 4), "0.0192");
    EXPECT_EQ(FormatTruncated(c.CR, 4, ','), "0,0331");

    const std::vector<std::vector<int>> b = {{1, 3, -3}, {-3, 1, 3}, {3, -3, 1}};
    ComputeLocalPriorities(Matrix(b), 3, w);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(w[i], 1.0 / 3, 1e-12);
    }
    const CConsistency d = ComputeConsistency(Matrix(b), 3, w);
    EXPECT_NEAR(d.LambdaMax, 1.0 + 3 + 1.0 / 3, 1e-12); // 4.333333
    EXPECT_NEAR(d.CI, (13.0 / 3 - 3) / 2, 1e-12);
    EXPECT_NEAR(d.CR, (13.0 / 3 - 3) / 2 / 0.58, 1e-12); // 1.149425
}

TEST(LocalPriorities, OnesPairsAndRandomMatricesAgainstTheFormula)
{
    for (std::uint32_t n = 2; n <= 9; ++n) {
        double w[9];
        const CJudgementMatrix ones = Matrix(std::vector<std::vector<int>>(n, std::vector<int>(n, 1)));
        ComputeLocalPriorities(ones, n, w);
        const CConsistency c = ComputeConsistency(ones, n, w);
        EXPECT_EQ(FormatTruncated(w[0], 4), FormatTruncated(1.0 / n, 4));
        // Shown exactly, whatever rounding noise the sums carry (n = 7 gives 6.9999999999999991).
        EXPECT_EQ(FormatTruncated(c.LambdaMax, 4), std::to_string(n)) << n;
        EXPECT_EQ(FormatTruncated(c.CI, 4), "0") << n;
        EXPECT_EQ(FormatTruncated(c.CR, 4), "0") << n;
    }
    for (int v = 2; v <= 9; ++v) {
        double w[9];
        const CJudgementMatrix pair = Matrix({{1, v}, {-v, 1}});
        ComputeLocalPriorities(pair, 2, w);
        EXPECT_NEAR(w[0], v / (1.0 + v), 1e-12);
        EXPECT_NEAR(w[1], 1 / (1.0 + v), 1e-12);
        const CConsistency c = ComputeConsistency(pair, 2, w);
        EXPECT_NEAR(c.LambdaMax, 2.0, 1e-12);
        EXPECT_NEAR(c.CR, 0.0, 1e-12);
    }
    // -1 counts as 1.
    double w1[9];
    double w2[9];
    ComputeLocalPriorities(Matrix({{1, -1, 2}, {-1, 1, 3}, {-2, -3, 1}}), 3, w1);
    ComputeLocalPriorities(Matrix({{1, 1, 2}, {1, 1, 3}, {-2, -3, 1}}), 3, w2);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(w1[i], w2[i]);
    }
    std::mt19937 rng(7);
    const int codes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, -2, -3, -4, -5, -6, -7, -8, -9};
    for (int t = 0; t < 200; ++t) {
        const std::size_t n = 2 + rng() % 8;
        std::vector<std::vector<int>> rows(n, std::vector<int>(n, 1));
        for (std::size_t i = 0; i < n; ++i) {
            for (std::size_t j = i + 1; j < n; ++j) {
                rows[i][j] = codes[rng() % 17];
                rows[j][i] = rows[i][j] == 1 ? 1 : -rows[i][j];
            }
        }
        double w[9];
        ComputeLocalPriorities(Matrix(rows), static_cast<std::uint32_t>(n), w);
        const std::vector<double> ref = Reference(rows);
        for (std::size_t i = 0; i < n; ++i) {
            ASSERT_NEAR(w[i], ref[i], 1e-12);
        }
        const CConsistency c = ComputeConsistency(Matrix(rows), static_cast<std::uint32_t>(n), w);
        const Measures rm = ReferenceMeasures(rows, ref);
        ASSERT_NEAR(c.LambdaMax, rm.Lambda, 1e-9);
        ASSERT_NEAR(c.CR, rm.CR, 1e-9);
    }
}

TEST(LocalPriorities, RandomIndexTable)
{
    const double expected[] = {10.0, 1.0, 1.0, 0.58, 0.9, 1.12, 1.24, 1.32, 1.41, 1.45, 1.49};
    ASSERT_EQ(RandomIndex.size(), 11U);
    for (std::size_t n = 0; n < 11; ++n) {
        EXPECT_EQ(RandomIndex[n], expected[n]);
    }
    EXPECT_EQ(JudgementValue(-3), 1.0 / 3);
    EXPECT_EQ(JudgementValue(0), 0.0);
    EXPECT_EQ(JudgementValue(7), 7.0);
}

TEST(Synthesis, WorkedProjectGivesFiftyFiveAndFortyFive)
{
    CUserProjectModel m;
    m.BuildNewHierarchy(2, 3, "G", "");
    SetName(m, 0, 1, "A1");
    SetName(m, 1, 2, "A2");
    SetName(m, 0, 2, "A1");
    SetCell(m, 0, 0, 0, 1, 3);
    SetCell(m, 0, 0, 1, 0, -3);
    SetCell(m, 0, 1, 0, 1, 2);
    SetCell(m, 0, 1, 1, 0, -2);
    SetCell(m, 1, 1, 0, 1, -4);
    SetCell(m, 1, 1, 1, 0, 4);
    const CProjectResults results = ComputeResults(m);
    // 0.75 * 2/3 + 0.25 * 1/5 and 0.75 * 1/3 + 0.25 * 4/5
    EXPECT_NEAR(results.GlobalPriority()(0, 2), 0.55, 1e-12);
    EXPECT_NEAR(results.GlobalPriority()(1, 2), 0.45, 1e-12);
    EXPECT_EQ(results.GlobalPriority()(0, 0), 0.0);
    const CResultList list = FinalResults(m, results);
    ASSERT_EQ(list.Count, 2U);
    EXPECT_EQ(list.Rows[0].Name, "A1");
    EXPECT_EQ(FormatTruncated(list.Rows[0].Value, 4), "0.55");
    EXPECT_EQ(list.Rows[0].Colour, clRed);
    EXPECT_EQ(list.Rows[1].Name, "A2");
    EXPECT_EQ(FormatTruncated(list.Rows[1].Value, 4), "0.45");
    EXPECT_EQ(list.Rows[1].Colour, clFuchsia);
}

TEST(Synthesis, EqualPrioritiesKeepPositionalOrder)
{
    for (std::uint32_t m = 3; m <= 4; ++m) {
        for (std::uint32_t criteria = 2; criteria <= 9; ++criteria) {
            CUserProjectModel p;
            ASSERT_TRUE(BuildWithCounts(p, {1, criteria, m}));
            const CResultList list = FinalResults(p, ComputeResults(p));
            ASSERT_EQ(list.Count, m);
            for (std::uint32_t i = 0; i < m; ++i) {
                EXPECT_EQ(list.Rows[i].Position, i);
                EXPECT_EQ(FormatTruncated(list.Rows[i].Value, 4), m == 3 ? "0.3333" : "0.25") << criteria;
            }
        }
    }
    CResultList list;
    list.Count = 3;
    list.Rows[0] = {"A", 0.3, clBlack, 0};
    list.Rows[1] = {"B", 0.3, clBlack, 1};
    list.Rows[2] = {"C", 0.5, clBlack, 2};
    OrderResults(list);
    EXPECT_EQ(list.Rows[0].Name, "C");
    EXPECT_EQ(list.Rows[1].Name, "B");
    EXPECT_EQ(list.Rows[2].Name, "A");
    EXPECT_EQ(list.Rows[2].Colour, clYellow);
}

TEST(Synthesis, RandomProjectsAgainstATopDownReference)
{
    std::mt19937 rng(11);
    const int codes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, -2, -3, -4, -5, -6, -7, -8, -9};
    for (int t = 0; t < 30; ++t) {
        CUserProjectModel m;
        const std::uint32_t levels = 2 + rng() % 9;
        std::vector<std::uint32_t> count(levels, 1);
        for (std::uint32_t k = 1; k < levels; ++k) {
            count[k] = 2 + rng() % 8;
        }
        ASSERT_TRUE(BuildWithCounts(m, count));
        std::vector<double> global(1, 1.0);
        for (std::uint32_t k = 0; k + 1 < levels; ++k) {
            const std::uint32_t n = count[k + 1];
            std::vector<double> next(n, 0.0);
            for (std::uint32_t p = 0; p < count[k]; ++p) {
                std::vector<std::vector<int>> rows(n, std::vector<int>(n, 1));
                for (std::uint32_t i = 0; i < n; ++i) {
                    for (std::uint32_t j = i + 1; j < n; ++j) {
                        rows[i][j] = codes[rng() % 17];
                        rows[j][i] = rows[i][j] == 1 ? 1 : -rows[i][j];
                    }
                }
                m.SetJudgements(p, k, Matrix(rows));
                const std::vector<double> w = Reference(rows);
                for (std::uint32_t e = 0; e < n; ++e) {
                    next[e] += w[e] * global[p];
                }
            }
            global = next;
        }
        const CProjectResults results = ComputeResults(m);
        double sum = 0;
        for (std::uint32_t e = 0; e < count[levels - 1]; ++e) {
            ASSERT_NEAR(results.GlobalPriority()(e, levels - 1), global[e], 1e-12);
            sum += results.GlobalPriority()(e, levels - 1);
        }
        ASSERT_NEAR(sum, 1.0, 1e-12);
    }
}

TEST(ZeroJudgements, NeverCrashOrSpreadNaN)
{
    CUserProjectModel m;
    m.BuildNewHierarchy(3, 4, "G", "");
    SetCell(m, 0, 0, 0, 1, 0); // one row's mean is 0
    TMatrix<int> zeros(9, 9);  // every priority 0
    m.SetJudgements(1, 1, JudgementsFromCodes(zeros));
    SetCell(m, 2, 1, 2, 0, -1);
    SetCell(m, 0, 2, 1, 1, 0);
    SetCell(m, 0, 2, 2, 2, 0);
    const CProjectResults results = ComputeResults(m);
    ExpectFinite(results);
    EXPECT_EQ(results.LevelData(1, 1).Priority[0], 0.0);
    EXPECT_EQ(results.LevelData(0, 0).Priority[0], 0.0);
    EXPECT_EQ(results.LevelData(0, 0).LambdaMax, 0.0);
    EXPECT_EQ(results.LevelData(0, 0).CR, 0.0);
    EXPECT_EQ(FormatTruncated(results.LevelData(1, 1).CI, 4), "0");
    double w[9] = {0, 0, 0};
    const CDeviationTable d = ComputeDeviations(m.Element(1, 1).Judgements, 3, w);
    const double w2[3] = {0.5, 0.5, 0.0};
    const CDeviationTable d2 = ComputeDeviations(m.Goal().Judgements, 3, w2);
    for (std::uint32_t i = 0; i < 3; ++i) {
        EXPECT_TRUE(std::isfinite(d.RowSum[i]) && std::isfinite(d2.RowSum[i]));
        for (std::uint32_t j = 0; j < 3; ++j) {
            EXPECT_TRUE(std::isfinite(d.Deviation[i][j]) && std::isfinite(d2.Deviation[i][j]));
        }
    }
    EXPECT_EQ(FormatGeneral(std::nan("")), "0");
}

TEST(NumberFormat, GeneralFormatAndCells)
{
    EXPECT_EQ(FormatTruncated(0.63698, 4), "0.6369");
    EXPECT_EQ(FormatTruncated(1.0, 4), "1");
    EXPECT_EQ(FormatTruncated(0.4286, 2), "0.42");
    EXPECT_EQ(FormatTruncated(0.0, 2), "0");
    EXPECT_EQ(FormatTruncated(-0.0, 2), "0");
    EXPECT_EQ(FloorToDecimals(0.12349, 4), std::floor(0.12349 * 1e4) / 1e4);
    EXPECT_EQ(FloorToDecimals(-0.5, 2), -0.5);
    EXPECT_EQ(FloorToDecimals(-0.001, 2), -0.01);
    EXPECT_EQ(FormatGeneral(0.55, ','), "0,55");
    EXPECT_EQ(FormatGeneral(123.25), "123.25");
    EXPECT_EQ(FormatGeneral(0.1 + 0.2), "0.3");
    EXPECT_EQ(FormatGeneral(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(FormatGeneral(-2.5), "-2.5");
    EXPECT_EQ(FormatGeneral(1e-5), "0.00001");
    EXPECT_EQ(FormatGeneral(1.5e-6), "1.5E-6");
    EXPECT_EQ(FormatGeneral(2e20), "2E20");
    EXPECT_EQ(FormatGeneral(100000), "100000");
    EXPECT_EQ(JudgementCellText(5), "5");
    EXPECT_EQ(JudgementCellText(1), "1");
    EXPECT_EQ(JudgementCellText(-7), "1/7");
    EXPECT_EQ(JudgementCellText(0), "0");
    EXPECT_EQ(JudgementCellText(-2147483647 - 1), "1/2147483648");
}

TEST(Deviations, ConsistentMatrixAndWorkedRatios)
{
    const CJudgementMatrix a = Matrix({{1, 2, 4}, {-2, 1, 2}, {-4, -2, 1}});
    double w[9];
    ComputeLocalPriorities(a, 3, w);
    EXPECT_NEAR(w[0], 4.0 / 7, 1e-12);
    const CDeviationTable t = ComputeDeviations(a, 3, w);
    for (std::uint32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(FormatTruncated(t.RowSum[i], 2), "0");
        for (std::uint32_t j = 0; j < 3; ++j) {
            EXPECT_EQ(FormatTruncated(t.Deviation[i][j], 2), "0");
        }
    }
    const CTransitivityReport none = BuildTransitivityReport(a, 3);
    EXPECT_TRUE(none.None);
    EXPECT_TRUE(none.Lines.empty());
    EXPECT_EQ(Tr(NoTransitivityViolationText), "Информация о нарушении транзитивности -- отсутствует!");

    const CJudgementMatrix b = Matrix({{1, 3, 5}, {-3, 1, 3}, {-5, -3, 1}});
    ComputeLocalPriorities(b, 3, w);
    const CDeviationTable d = ComputeDeviations(b, 3, w);
    double rowSum0 = 0;
    for (std::uint32_t j = 0; j < 3; ++j) {
        const double expected = j == 0 ? 0.0 : std::fabs((j == 1 ? 3.0 : 5.0) - w[0] / w[j]);
        EXPECT_NEAR(d.Deviation[0][j], expected, 1e-12);
        rowSum0 += expected;
    }
    EXPECT_NEAR(d.RowSum[0], rowSum0, 1e-12);
    EXPECT_EQ(d.Deviation[2][2], 0.0);
}

TEST(Deviations, TransitivityReport)
{
    const CTransitivityReport r = BuildTransitivityReport(Matrix({{1, 3, -3}, {-3, 1, 3}, {3, -3, 1}}), 3);
    EXPECT_FALSE(r.None);
    ASSERT_EQ(r.Lines.size(), 1U);
    EXPECT_EQ(r.Lines[0], "1>2>3>1");
    // Cycle the other way among elements 2, 4, 5 of five; a triad with a 1 never counts.
    TMatrix<int> m = Codes(std::vector<std::vector<int>>(5, std::vector<int>(5, 1)));
    m(1, 3) = -2;
    m(3, 1) = 2;
    m(3, 4) = -3;
    m(4, 3) = 3;
    m(4, 1) = -4;
    m(1, 4) = 4;
    m(0, 2) = 5;
    m(2, 0) = -5;
    const CTransitivityReport s = BuildTransitivityReport(JudgementsFromCodes(m), 5);
    ASSERT_EQ(s.Lines.size(), 1U);
    EXPECT_EQ(s.Lines[0], "2<4<5<2");
    const CTransitivityReport two = BuildTransitivityReport(Matrix({{1, 9}, {0, 1}}), 2);
    EXPECT_TRUE(two.None);
    // A matrix of a tree: the cycle among its last three of 20 elements is found.
    TMatrix<int> wide(20, 20);
    wide.FillOnes();
    for (const auto& [i, j] : {std::pair{17, 18}, std::pair{18, 19}, std::pair{19, 17}}) {
        wide(i, j) = 2;
        wide(j, i) = -2;
    }
    EXPECT_EQ(BuildTransitivityReport(JudgementsFromCodes(wide), 20).Lines, std::vector<std::string>{"18>19>20>18"});
}
