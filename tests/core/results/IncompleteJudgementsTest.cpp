#include "core/results/IncompleteJudgements.h"
#include "core/results/IncompleteJudgementsText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace {
// A 9 x 9 matrix of 1s with the given upper cells and their mirrors; 0 leaves the pair out.
struct UpperCell {
    std::uint32_t Row, Column;
    int Code;
};
CJudgementMatrix Matrix(std::uint32_t n, const std::vector<UpperCell>& cells, bool missingByDefault = false)
{
    CJudgementMatrix m(9, 9);
    m.FillOnes();
    for (std::uint32_t i = 0; i < n && missingByDefault; ++i) {
        for (std::uint32_t j = 0; j < n; ++j) {
            if (i != j) {
                m(i, j) = CJudgement::NotJudged();
            }
        }
    }
    for (const UpperCell& cell : cells) {
        m(cell.Row, cell.Column) = CJudgement::FromCode(cell.Code);
        m(cell.Column, cell.Row) = CJudgement::FromCode(cell.Code).Mirror();
    }
    return m;
}

std::vector<std::vector<std::uint32_t>> Components(const CComparisonGraph& g)
{
    std::vector<std::vector<std::uint32_t>> out(g.ComponentCount);
    for (std::uint32_t c = 0; c < g.ComponentCount; ++c) {
        out[c].assign(g.ComponentMembers[c].begin(), g.ComponentMembers[c].begin() + g.ComponentSize[c]);
        for (std::uint32_t v : out[c]) {
            EXPECT_EQ(g.ComponentOf[v], c);
        }
    }
    return out;
}

std::vector<std::pair<std::uint32_t, std::uint32_t>> MissingPairs(const CComparisonGraph& g)
{
    std::vector<std::pair<std::uint32_t, std::uint32_t>> out;
    for (std::uint32_t k = 0; k < g.MissingCount; ++k) {
        out.emplace_back(g.Missing[k].Row, g.Missing[k].Column);
    }
    return out;
}

bool AllFinite(const CMatrixPriorities& r)
{
    bool finite = std::isfinite(r.Measures.LambdaMax) && std::isfinite(r.Measures.CI) && std::isfinite(r.Measures.CR);
    for (std::uint32_t i = 0; i < r.Graph.Order; ++i) {
        finite = finite && std::isfinite(r.Priority[i]);
    }
    return finite;
}

// The straightforward way, independent of the code under test: components by union-find;
// priorities from the normal equations of the pairs i < j with y_0 fixed at 0, solved by
// Gaussian elimination with partial pivoting; consistency from the formula.
struct Reference {
    std::vector<std::vector<std::uint32_t>> Components;
    std::vector<double> W;
    std::vector<std::vector<double>> C;
    double Lambda = 0, CI = 0, CR = 0;
};
Reference Straightforward(const std::vector<std::vector<double>>& a, const std::vector<std::vector<bool>>& judged)
{
    const std::size_t n = a.size();
    Reference ref;
    std::vector<std::size_t> parent(n);
    std::iota(parent.begin(), parent.end(), 0);
    auto find = [&parent](std::size_t x) {
        while (parent[x] != x) {
            x = parent[x];
        }
        return x;
    };
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            if (judged[i][j]) {
                parent[find(i)] = find(j);
            }
        }
    }
    std::vector<std::size_t> rootIndex(n, n);
    for (std::size_t v = 0; v < n; ++v) {
        std::size_t& index = rootIndex[find(v)];
        if (index == n) {
            index = ref.Components.size();
            ref.Components.emplace_back();
        }
        ref.Components[index].push_back(static_cast<std::uint32_t>(v));
    }
    if (ref.Components.size() != 1) {
        return ref;
    }
    const std::size_t m = n - 1; // unknowns y_1 .. y_{n-1}
    std::vector<std::vector<double>> normal(m, std::vector<double>(m + 1, 0.0));
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            if (!judged[i][j]) {
                continue;
            }
            // residual ln a_ij - y_i + y_j: gradient row g with g_i = 1, g_j = -1
            std::vector<double> g(n, 0.0);
            g[i] = 1.0;
            g[j] = -1.0;
            const double d = std::log(a[i][j]);
            for (std::size_t p = 1; p < n; ++p) {
                for (std::size_t q = 1; q < n; ++q) {
                    normal[p - 1][q - 1] += g[p] * g[q];
                }
                normal[p - 1][m] += g[p] * d;
            }
        }
    }
    for (std::size_t col = 0; col < m; ++col) {
        std::size_t best = col;
        for (std::size_t r = col + 1; r < m; ++r) {
            if (std::fabs(normal[r][col]) > std::fabs(normal[best][col])) {
                best = r;
            }
        }
        std::swap(normal[col], normal[best]);
        for (std::size_t r = 0; r < m; ++r) {
            if (r != col) {
                const double f = normal[r][col] / normal[col][col];
                for (std::size_t c = col; c <= m; ++c) {
                    normal[r][c] -= f * normal[col][c];
                }
            }
        }
    }
    ref.W.assign(n, 1.0);
    for (std::size_t p = 1; p < n; ++p) {
        ref.W[p] = std::exp(normal[p - 1][m] / normal[p - 1][p - 1]);
    }
    const double sum = std::accumulate(ref.W.begin(), ref.W.end(), 0.0);
    for (double& x : ref.W) {
        x /= sum;
    }
    ref.C = a;
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = 0; j < n; ++j) {
            if (i == j || !judged[std::min(i, j)][std::max(i, j)]) {
                ref.C[i][j] = i == j ? 1.0 : ref.W[i] / ref.W[j];
            }
        }
    }
    const double ri[] = {10.0, 1.0, 1.0, 0.58, 0.9, 1.12, 1.24, 1.32, 1.41, 1.45, 1.49};
    for (std::size_t i = 0; i < n; ++i) {
        double s = 0;
        for (std::size_t j = 0; j < n; ++j) {
            s += ref.C[i][j] * ref.W[j];
        }
        ref.Lambda += s / ref.W[i] / static_cast<double>(n);
    }
    ref.CI = (ref.Lambda - static_cast<double>(n)) / (static_cast<double>(n) - 1.0);
    ref.CR = ref.CI / ri[n];
    return ref;
}
} // namespace

TEST(IncompleteJudgements, TheThreeGivenMatrices)
{
    // AHPy's documented example: c-d missing.
    const CMatrixPriorities ahpy
        = ComputeMatrixPriorities(Matrix(4, {{0, 1, 1}, {0, 2, 5}, {0, 3, 2}, {1, 2, 3}, {1, 3, 4}, {2, 3, 0}}), 4);
    ASSERT_EQ(ahpy.Basis, EPrioritiesBasis::LeastSquares);
    EXPECT_EQ(ahpy.Graph.JudgedPairs, 5U);
    EXPECT_EQ(MissingPairs(ahpy.Graph), (std::vector<std::pair<std::uint32_t, std::uint32_t>>{{2, 3}}));
    const double ahpyW[] = {0.374183, 0.391633, 0.098841, 0.135343};
    for (std::uint32_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(ahpy.Priority[i], ahpyW[i], 5e-7) << i;
    }
    EXPECT_NEAR(ahpy.Completed[2][3], 0.730297, 5e-7);
    EXPECT_NEAR(ahpy.Completed[3][2] * ahpy.Completed[2][3], 1.0, 1e-15);
    EXPECT_EQ(ahpy.Completed[0][2], 5.0);
    EXPECT_EQ(ahpy.Completed[2][0], 0.2);
    EXPECT_NEAR(ahpy.Measures.LambdaMax, 4.092346, 5e-7);
    EXPECT_NEAR(ahpy.Measures.CR, 0.034202, 5e-7);
    EXPECT_NEAR(ahpy.Measures.CI, (ahpy.Measures.LambdaMax - 4.0) / 3.0, 1e-15);

    // A chain: the judgements fit exactly, the completion is consistent.
    const CMatrixPriorities chain = ComputeMatrixPriorities(Matrix(4, {{0, 1, 3}, {1, 2, 2}, {2, 3, 4}}, true), 4);
    ASSERT_EQ(chain.Basis, EPrioritiesBasis::LeastSquares);
    EXPECT_EQ(chain.Graph.JudgedPairs, 3U);
    EXPECT_EQ(
        MissingPairs(chain.Graph), (std::vector<std::pair<std::uint32_t, std::uint32_t>>{{0, 2}, {0, 3}, {1, 3}}));
    const double chainW[] = {24.0 / 37, 8.0 / 37, 4.0 / 37, 1.0 / 37};
    for (std::uint32_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(chain.Priority[i], chainW[i], 1e-15) << i;
    }
    const double upper[] = {3, 6, 24, 2, 8, 4};
    std::uint32_t k = 0;
    for (std::uint32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(chain.Completed[i][i], 1.0);
        for (std::uint32_t j = i + 1; j < 4; ++j, ++k) {
            EXPECT_NEAR(chain.Completed[i][j], upper[k], 1e-13) << i << j;
            EXPECT_NEAR(chain.Completed[j][i], 1.0 / upper[k], 1e-15) << i << j;
        }
    }
    EXPECT_NEAR(chain.Measures.LambdaMax, 4.0, 1e-14);
    EXPECT_NEAR(chain.Measures.CR, 0.0, 1e-14);

    // Two pairs that leave two groups apart: no priorities, nothing made up.
    const CMatrixPriorities apart = ComputeMatrixPriorities(Matrix(4, {{0, 1, 3}, {2, 3, 5}}, true), 4);
    EXPECT_EQ(apart.Basis, EPrioritiesBasis::NotConnected);
    EXPECT_FALSE(apart.HasPriorities());
    EXPECT_EQ(Components(apart.Graph), (std::vector<std::vector<std::uint32_t>>{{0, 1}, {2, 3}}));
    for (std::uint32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(apart.Priority[i], 0.0);
    }
    EXPECT_EQ(apart.Completed[0][2], 0.0);
    EXPECT_EQ(apart.Measures.LambdaMax, 0.0);
    EXPECT_EQ(apart.Measures.CR, 0.0);
}

TEST(IncompleteJudgements, GraphShapes)
{
    using Comps = std::vector<std::vector<std::uint32_t>>;
    struct Case {
        const char* Name;
        std::uint32_t N;
        CJudgementMatrix M;
        std::uint32_t Judged;
        Comps Expected;
    };
    CJudgementMatrix oneSided = Matrix(3, {{0, 1, 2}}, true);
    oneSided(1, 2) = CJudgement::FromCode(4); // (2, 1) keeps its 0: a damaged pair, judged
    const std::vector<Case> cases{
        {"pair left out", 2, Matrix(2, {}, true), 0, Comps{{0}, {1}}},
        {"pair judged", 2, Matrix(2, {{0, 1, 7}}, true), 1, Comps{{0, 1}}},
        {"star", 5, Matrix(5, {{0, 3, 2}, {1, 3, 2}, {2, 3, 2}, {3, 4, 2}}, true), 4, Comps{{0, 1, 2, 3, 4}}},
        {"one element alone", 4, Matrix(4, {{0, 2, 0}, {1, 2, 0}, {2, 3, 0}}), 3, Comps{{0, 1, 3}, {2}}},
        {"interleaved groups", 5, Matrix(5, {{0, 3, 2}, {1, 4, 3}}, true), 2, Comps{{0, 3}, {1, 4}, {2}}},
        {"one-sided zero", 3, oneSided, 2, Comps{{0, 1, 2}}},
        {"nothing judged", 9, Matrix(9, {}, true), 0, Comps{{0}, {1}, {2}, {3}, {4}, {5}, {6}, {7}, {8}}},
        {"cut to nine", 12, Matrix(9, {}), 36, Comps{{0, 1, 2, 3, 4, 5, 6, 7, 8}}},
    };
    for (const Case& c : cases) {
        const CComparisonGraph g = BuildComparisonGraph(c.M, c.N);
        EXPECT_EQ(g.JudgedPairs, c.Judged) << c.Name;
        EXPECT_EQ(g.JudgedPairs + g.MissingCount, g.PairCount()) << c.Name;
        EXPECT_EQ(Components(g), c.Expected) << c.Name;
        EXPECT_EQ(g.Connected(), c.Expected.size() == 1) << c.Name;
        // The missing list is exactly the unjudged pairs, in reading order.
        std::vector<std::pair<std::uint32_t, std::uint32_t>> unjudged;
        for (std::uint32_t i = 0; i < g.Order; ++i) {
            for (std::uint32_t j = i + 1; j < g.Order; ++j) {
                EXPECT_EQ(g.Judged(i, j), g.Judged(j, i));
                if (!g.Judged(i, j)) {
                    unjudged.emplace_back(i, j);
                }
            }
        }
        EXPECT_EQ(MissingPairs(g), unjudged) << c.Name;
        const CMatrixPriorities r = ComputeMatrixPriorities(c.M, c.N);
        EXPECT_EQ(r.Basis == EPrioritiesBasis::NotConnected, c.Expected.size() != 1) << c.Name;
        EXPECT_TRUE(AllFinite(r)) << c.Name;
    }
    // A star's priorities are the judgements themselves: the centre against each leaf.
    const CMatrixPriorities star = ComputeMatrixPriorities(cases[2].M, 5);
    for (std::uint32_t leaf : {0U, 1U, 2U}) {
        EXPECT_NEAR(star.Priority[leaf] / star.Priority[3], 2.0, 1e-14);
    }
    EXPECT_NEAR(star.Priority[3] / star.Priority[4], 2.0, 1e-14);
    EXPECT_NEAR(star.Measures.CR, 0.0, 1e-14);
}

// Matrices of codes and of values combined from experts, random pairs left out; each
// compared with the straightforward implementation above.
TEST(IncompleteJudgements, SeededAgainstStraightforwardImplementation)
{
    std::mt19937 rng(240024U);
    std::uniform_int_distribution<int> codePick(0, 16);
    std::uniform_real_distribution<double> logValue(-2.2, 2.2);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const int codes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, -2, -3, -4, -5, -6, -7, -8, -9};
    int connectedSeen = 0;
    int apartSeen = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        const auto n = static_cast<std::uint32_t>(2 + trial % 8);
        const double leaveOut = unit(rng) * 0.7;
        const bool combined = trial % 3 == 0;
        CJudgementMatrix m(9, 9);
        m.FillOnes();
        std::vector<std::vector<double>> a(n, std::vector<double>(n, 1.0));
        std::vector<std::vector<bool>> judged(n, std::vector<bool>(n, true));
        for (std::uint32_t i = 0; i < n; ++i) {
            for (std::uint32_t j = i + 1; j < n; ++j) {
                const CJudgement v = combined ? CJudgement::Combined(std::exp(logValue(rng)))
                                              : CJudgement::FromCode(codes[codePick(rng)]);
                if (unit(rng) < leaveOut) {
                    m(i, j) = CJudgement::NotJudged();
                    m(j, i) = CJudgement::NotJudged();
                    judged[i][j] = false;
                } else {
                    m(i, j) = v;
                    m(j, i) = v.Mirror();
                    a[i][j] = v.Value();
                    a[j][i] = v.Mirror().Value();
                }
            }
        }
        const Reference ref = Straightforward(a, judged);
        const CMatrixPriorities r = ComputeMatrixPriorities(m, n);
        ASSERT_EQ(Components(r.Graph), ref.Components) << trial;
        ASSERT_TRUE(AllFinite(r)) << trial;
        if (ref.Components.size() != 1) {
            ++apartSeen;
            EXPECT_EQ(r.Basis, EPrioritiesBasis::NotConnected) << trial;
            continue;
        }
        ++connectedSeen;
        EXPECT_EQ(r.Basis, r.Graph.Complete() ? EPrioritiesBasis::AllJudged : EPrioritiesBasis::LeastSquares);
        for (std::uint32_t i = 0; i < n; ++i) {
            EXPECT_NEAR(r.Priority[i], ref.W[i], 1e-12) << trial << " w" << i;
            for (std::uint32_t j = 0; j < n; ++j) {
                EXPECT_NEAR(r.Completed[i][j], ref.C[i][j], 1e-12 * ref.C[i][j]) << trial << " c" << i << j;
            }
        }
        EXPECT_NEAR(r.Measures.LambdaMax, ref.Lambda, 1e-11) << trial;
        EXPECT_NEAR(r.Measures.CI, ref.CI, 1e-11) << trial;
        EXPECT_NEAR(r.Measures.CR, ref.CR, 1e-11) << trial;
    }
    // Both outcomes were exercised in earnest.
    EXPECT_GT(connectedSeen, 1000);
    EXPECT_GT(apartSeen, 300);
}

// With every pair judged the least squares are the row geometric means; the matrix's
// own figures then come from the geometric means themselves, bit for bit.
TEST(IncompleteJudgements, NothingMissingIsTheGeometricMeans)
{
    std::mt19937 rng(7U);
    std::uniform_int_distribution<int> codePick(0, 16);
    const int codes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, -2, -3, -4, -5, -6, -7, -8, -9};
    for (int trial = 0; trial < 400; ++trial) {
        const auto n = static_cast<std::uint32_t>(2 + trial % 8);
        TMatrix<int> stored(9, 9);
        stored.FillOnes();
        for (std::uint32_t i = 0; i < n; ++i) {
            for (std::uint32_t j = i + 1; j < n; ++j) {
                const int code = codes[codePick(rng)];
                stored(i, j) = code;
                stored(j, i) = code == 1 ? 1 : -code;
            }
        }
        // A foreign file may hold a pair that is not mirrored: still the geometric means.
        if (trial % 5 == 0) {
            stored(0, 1) = 3;
            stored(1, 0) = 2;
        }
        const CJudgementMatrix m = JudgementsFromCodes(stored);
        const CComparisonGraph g = BuildComparisonGraph(m, n);
        ASSERT_TRUE(g.Complete());
        CValueBlock values{};
        ReadJudgementValues(m, n, values);
        double llsm[9];
        ASSERT_TRUE(ComputeLeastSquaresPriorities(values, g, llsm));
        double today[9];
        ComputeLocalPriorities(m, n, today);
        const CConsistency todayMeasures = ComputeConsistency(m, n, today);
        const CMatrixPriorities r = ComputeMatrixPriorities(m, n);
        EXPECT_EQ(r.Basis, EPrioritiesBasis::AllJudged);
        for (std::uint32_t i = 0; i < n; ++i) {
            EXPECT_NEAR(llsm[i], today[i], 1e-12) << trial;
            EXPECT_EQ(r.Priority[i], today[i]) << trial;
        }
        EXPECT_EQ(r.Measures.LambdaMax, todayMeasures.LambdaMax) << trial;
        EXPECT_EQ(r.Measures.CI, todayMeasures.CI) << trial;
        EXPECT_EQ(r.Measures.CR, todayMeasures.CR) << trial;
    }
}

// A damaged file or a broken combined value never yields a NaN: no priorities, measures 0.
TEST(IncompleteJudgements, DamagedValuesGiveZerosNeverNaN)
{
    const struct {
        std::uint32_t Row, Column;
        CJudgement Damaged;
    } cells[] = {{1, 0, CJudgement::NotJudged()}, {1, 2, CJudgement::Combined(-2.0)},
        {2, 3, CJudgement::Combined(std::nan(""))}, {3, 2, CJudgement::Combined(HUGE_VAL)}};
    for (const auto& cell : cells) {
        CJudgementMatrix chain = Matrix(4, {{0, 1, 3}, {1, 2, 2}, {2, 3, 4}}, true);
        chain(cell.Row, cell.Column) = cell.Damaged;
        const CMatrixPriorities r = ComputeMatrixPriorities(chain, 4);
        EXPECT_EQ(r.Basis, EPrioritiesBasis::BadValue);
        EXPECT_FALSE(r.HasPriorities());
        EXPECT_TRUE(AllFinite(r));
        for (std::uint32_t i = 0; i < 4; ++i) {
            EXPECT_EQ(r.Priority[i], 0.0);
        }
        EXPECT_EQ(r.Measures.CR, 0.0);
    }
    // Nothing missing: a one-sided 0 is handled as it always was (that row's priority 0).
    CJudgementMatrix full = Matrix(3, {{0, 1, 3}, {0, 2, 5}, {1, 2, 3}});
    full(0, 2) = CJudgement::NotJudged();
    const CMatrixPriorities r = ComputeMatrixPriorities(full, 3);
    EXPECT_EQ(r.Basis, EPrioritiesBasis::AllJudged);
    EXPECT_EQ(r.Priority[0], 0.0);
    EXPECT_GT(r.Priority[1], 0.0);
    EXPECT_TRUE(AllFinite(r));
    EXPECT_EQ(r.Measures.LambdaMax, 0.0);
}

TEST(IncompleteJudgements, Texts)
{
    const std::vector<std::string> names{"А", "Б", "В", "Г", "Д", "Е", "Ж"};
    const CComparisonGraph two = BuildComparisonGraph(Matrix(4, {{0, 1, 3}, {2, 3, 5}}, true), 4);
    EXPECT_EQ(NotConnectedText("ЦЕНА", two, names),
        "Недостаточно сравнений для «ЦЕНА»: группы {А, Б} и {В, Г} не сравнены между собой");
    EXPECT_EQ(JudgedPairsText(two, names), "Задано 2 из 6 сравнений. Недостаточно: группы {А, Б} и {В, Г} не сравнены");

    const CComparisonGraph three = BuildComparisonGraph(Matrix(4, {{1, 2, 3}}, true), 4);
    EXPECT_EQ(ComponentGroupsText(three, names), "{А}, {Б, В} и {Г}");
    EXPECT_EQ(NotConnectedText("ЦЕЛЬ", three, names),
        "Недостаточно сравнений для «ЦЕЛЬ»: группы {А}, {Б, В} и {Г} не сравнены между собой");
    // Fewer names than elements: the rest by their numbers.
    EXPECT_EQ(ComponentGroupsText(three, std::vector<std::string>{"А", "Б"}), "{А}, {Б, 3} и {4}");

    const CComparisonGraph oneMissing = BuildComparisonGraph(Matrix(4, {{2, 3, 0}}), 4);
    EXPECT_EQ(JudgedPairsText(oneMissing, names), "Задано 5 из 6 сравнений");
    EXPECT_EQ(NotConnectedText("ЦЕНА", oneMissing, names), "");
    EXPECT_EQ(JudgedPairsText(BuildComparisonGraph(Matrix(2, {{0, 1, 0}}), 2), names),
        "Задано 0 из 1 сравнения. Недостаточно: группы {А} и {Б} не сравнены");
    EXPECT_EQ(JudgedPairsText(BuildComparisonGraph(Matrix(7, {{0, 6, 0}}), 7), names), "Задано 20 из 21 сравнения");
    EXPECT_EQ(JudgedPairsText(BuildComparisonGraph(Matrix(8, {{0, 7, 0}}), 8), names), "Задано 27 из 28 сравнений");
}
