#include "core/results/ConsistencyGuidance.h"
#include "core/results/LocalPriorities.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <random>
#include <vector>

namespace {
using Rows = std::vector<std::vector<int>>;

TMatrix<int> Matrix(const Rows& rows)
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

double Value(int code)
{
    return code < 0 ? 1.0 / -code : code;
}

// The whole rule restated from its definition, through logarithms: priorities as
// exp(mean of ln a_ij), CR from lambda-max, GCI from the log residuals.
struct Reference {
    std::vector<double> W;
    double CR = 0;
    double GCI = 0;
};
Reference Measure(const Rows& a)
{
    const std::size_t n = a.size();
    Reference ref;
    ref.W.resize(n);
    double total = 0;
    for (std::size_t i = 0; i < n; ++i) {
        double logs = 0;
        for (std::size_t j = 0; j < n; ++j) {
            logs += std::log(Value(a[i][j]));
        }
        ref.W[i] = std::exp(logs / static_cast<double>(n));
        total += ref.W[i];
    }
    for (double& w : ref.W) {
        w /= total;
    }
    double lambda = 0;
    double squares = 0;
    for (std::size_t i = 0; i < n; ++i) {
        double row = 0;
        for (std::size_t j = 0; j < n; ++j) {
            row += Value(a[i][j]) * ref.W[j];
            if (j > i) {
                const double residual = std::log(Value(a[i][j])) + std::log(ref.W[j]) - std::log(ref.W[i]);
                squares += residual * residual;
            }
        }
        lambda += row / ref.W[i];
    }
    const double ri[] = {10.0, 1.0, 1.0, 0.58, 0.9, 1.12, 1.24, 1.32, 1.41, 1.45};
    const auto size = static_cast<double>(n);
    ref.CR = (lambda / size - size) / (size - 1) / ri[n];
    ref.GCI = n > 2 ? 2.0 / ((size - 1) * (size - 2)) * squares : 0.0;
    return ref;
}

struct Expected {
    std::uint32_t Row, Column;
    int Current, Proposed;
    double CrAfter, GciAfter;
};

// Ranking and proposals from the definition: weights compared to 1e-9, then by cell.
std::vector<Expected> Suggest(const Rows& a)
{
    const Reference base = Measure(a);
    struct Pair {
        double Weight;
        std::uint32_t Row, Column;
    };
    std::vector<Pair> pairs;
    for (std::uint32_t i = 0; i < a.size(); ++i) {
        for (std::uint32_t j = i + 1; j < a.size(); ++j) {
            pairs.push_back({std::fabs(std::log(Value(a[i][j]) * base.W[j] / base.W[i])), i, j});
        }
    }
    std::stable_sort(pairs.begin(), pairs.end(),
        [](const Pair& x, const Pair& y) { return std::round(x.Weight * 1e9) > std::round(y.Weight * 1e9); });
    std::vector<Expected> out;
    for (const Pair& p : pairs) {
        const double r = base.W[p.Row] / base.W[p.Column];
        const double v = std::min(9.0, std::floor((r >= 1 ? r : 1 / r) + 0.5));
        const int proposed = v == 1 ? 1 : (r >= 1 ? static_cast<int>(v) : -static_cast<int>(v));
        if (proposed == a[p.Row][p.Column] || out.size() == 3) {
            continue;
        }
        Rows changed = a;
        changed[p.Row][p.Column] = proposed;
        changed[p.Column][p.Row] = proposed == 1 ? 1 : -proposed;
        const Reference after = Measure(changed);
        out.push_back({p.Row, p.Column, a[p.Row][p.Column], proposed, after.CR, after.GCI});
    }
    return out;
}

CConsistencyGuidance Guide(const Rows& a)
{
    const auto n = static_cast<std::uint32_t>(a.size());
    double w[9];
    ComputeLocalPriorities(Matrix(a), n, w);
    return GuideConsistency(Matrix(a), n, w);
}
} // namespace

TEST(ConsistencyGuidance, WorkedFiveByFiveExample)
{
    const Rows a = {{1, 2, -6, 4, 3}, {-2, 1, -4, 9, 2}, {6, 4, 1, -2, 5}, {-4, -9, 2, 1, -3}, {-3, -2, -5, 3, 1}};
    double w[9];
    ComputeLocalPriorities(Matrix(a), 5, w);
    const double expectedW[] = {0.225758, 0.201218, 0.388026, 0.077046, 0.107952};
    for (int i = 0; i < 5; ++i) {
        EXPECT_NEAR(w[i], expectedW[i], 5e-7);
    }
    const CConsistencyGuidance g = GuideConsistency(Matrix(a), 5, w);
    EXPECT_NEAR(g.Measures.LambdaMax, 7.707543, 5e-7);
    EXPECT_NEAR(g.Measures.CI, 0.676886, 5e-7);
    EXPECT_NEAR(g.Measures.CR, 0.604362, 5e-7);
    EXPECT_EQ(g.CrLimit, 0.10);
    EXPECT_EQ(g.Verdict, EConsistencyVerdict::NotAcceptable);
    ASSERT_TRUE(g.Gci && g.GciLimit);
    EXPECT_NEAR(*g.Gci, 1.702663, 5e-7);
    EXPECT_EQ(*g.GciLimit, 0.37);
    const Expected expected[]
        = {{2, 3, -2, 5, 0.129453, 0.460005}, {0, 2, -6, -2, 0.462381, 1.365548}, {1, 3, 9, 3, 0.463519, 1.370274}};
    ASSERT_EQ(g.SuggestionCount, 3U);
    for (std::uint32_t s = 0; s < 3; ++s) {
        const CSuggestion& got = g.Suggestions[s];
        EXPECT_EQ(got.Row, expected[s].Row) << s;
        EXPECT_EQ(got.Column, expected[s].Column) << s;
        EXPECT_EQ(got.Current, expected[s].Current) << s;
        EXPECT_EQ(got.Proposed, expected[s].Proposed) << s;
        EXPECT_NEAR(got.CrAfter, expected[s].CrAfter, 5e-7) << s;
        ASSERT_TRUE(got.GciAfter);
        EXPECT_NEAR(*got.GciAfter, expected[s].GciAfter, 5e-7) << s;
    }

    // Accepting one writes the cell and its mirror; "Применить" then computes exactly
    // the CR the suggestion promised.
    for (std::uint32_t s = 0; s < 3; ++s) {
        TMatrix<int> working = Matrix(a);
        ApplySuggestion(working, g.Suggestions[s]);
        const CSuggestion& applied = g.Suggestions[s];
        EXPECT_EQ(working(applied.Row, applied.Column), applied.Proposed);
        EXPECT_EQ(working(applied.Column, applied.Row), -applied.Proposed);
        double after[9];
        ComputeLocalPriorities(working, 5, after);
        EXPECT_EQ(ComputeConsistency(working, 5, after).CR, applied.CrAfter);
    }
}

TEST(ConsistencyGuidance, RandomMatricesAgainstTheDefinition)
{
    std::mt19937 rng(1212U);
    const int codes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, -2, -3, -4, -5, -6, -7, -8, -9};
    int withSuggestions = 0;
    for (int trial = 0; trial < 400; ++trial) {
        const std::size_t n = 2 + rng() % 8;
        Rows a(n, std::vector<int>(n, 1));
        for (std::size_t i = 0; i < n; ++i) {
            for (std::size_t j = i + 1; j < n; ++j) {
                // Mostly near-consistent judgements, so that skipped pairs occur too.
                const int code = trial % 2 == 0 ? codes[rng() % 17] : codes[rng() % 3];
                a[i][j] = code;
                a[j][i] = code == 1 ? 1 : -code;
            }
        }
        const CConsistencyGuidance g = Guide(a);
        const Reference ref = Measure(a);
        const double crLimit = n <= 3 ? 0.05 : (n == 4 ? 0.08 : 0.10);
        EXPECT_EQ(g.CrLimit, crLimit);
        EXPECT_NEAR(g.Measures.CR, ref.CR, 1e-9);
        EXPECT_EQ(g.Acceptable(), ref.CR <= crLimit) << trial;
        EXPECT_EQ(g.Gci.has_value(), n > 2);
        EXPECT_EQ(g.GciLimit.has_value(), n > 2);
        if (n > 2) {
            EXPECT_NEAR(*g.Gci, ref.GCI, 1e-9);
            EXPECT_EQ(*g.GciLimit, n == 3 ? 0.31 : (n == 4 ? 0.35 : 0.37));
        }
        const std::vector<Expected> expected = Suggest(a);
        ASSERT_EQ(g.SuggestionCount, expected.size()) << trial;
        for (std::uint32_t s = 0; s < g.SuggestionCount; ++s) {
            const CSuggestion& got = g.Suggestions[s];
            EXPECT_TRUE(got.Row == expected[s].Row && got.Column == expected[s].Column) << trial << " " << s;
            EXPECT_TRUE(got.Current == expected[s].Current && got.Proposed == expected[s].Proposed) << trial;
            EXPECT_NEAR(got.CrAfter, expected[s].CrAfter, 1e-9);
            EXPECT_NEAR(got.GciAfter.value_or(0.0), expected[s].GciAfter, 1e-9);
        }
        withSuggestions += g.SuggestionCount > 0 ? 1 : 0;
    }
    EXPECT_GT(withSuggestions, 100);
}

TEST(ConsistencyGuidance, RoundingMirrorsAndDamagedMatrices)
{
    // Halves away from zero, the scale's ends, and a 1 is never written as -1.
    EXPECT_EQ(ProposedJudgement(2.5), 3);
    EXPECT_EQ(ProposedJudgement(1.0 / 2.5), -3);
    EXPECT_EQ(ProposedJudgement(8.5), 9);
    EXPECT_EQ(ProposedJudgement(1.0 / 40), -9);
    EXPECT_EQ(ProposedJudgement(0.7), 1);
    TMatrix<int> working = Matrix({{1, 3, -3}, {-3, 1, 3}, {3, -3, 1}});
    ApplySuggestion(working, CSuggestion{0, 2, -3, 1, 0, 0, {}});
    EXPECT_EQ(working(0, 2), 1);
    EXPECT_EQ(working(2, 0), 1);

    for (const Rows& a : {Rows{{1, 0, 3}, {-9, 1, 2}, {-3, -2, 1}}, Rows{{0, 0}, {0, 0}}}) {
        const CConsistencyGuidance g = Guide(a);
        EXPECT_EQ(g.Verdict, EConsistencyVerdict::Undetermined);
        EXPECT_FALSE(g.Gci);
        EXPECT_EQ(g.SuggestionCount, 0U);
        EXPECT_TRUE(std::isfinite(g.Measures.LambdaMax) && std::isfinite(g.Measures.CR));
    }
    // A pair is consistent by nature; a pair from a foreign file that is not reciprocal
    // (3 both ways: CR 2) is not, whatever its order.
    EXPECT_TRUE(Guide({{1, 7}, {-7, 1}}).Acceptable());
    const CConsistencyGuidance unpaired = Guide({{1, 3}, {3, 1}});
    EXPECT_GT(unpaired.Measures.CR, 1.0);
    EXPECT_EQ(unpaired.Verdict, EConsistencyVerdict::NotAcceptable);

    // Codes no scale offers (-1, INT_MIN, huge) are still numbers: everything finite.
    const CConsistencyGuidance odd = Guide({{1, -1, INT_MIN}, {-1, 1, INT_MAX}, {12, -12, 1}});
    ASSERT_TRUE(odd.Gci && odd.SuggestionCount > 0);
    EXPECT_TRUE(std::isfinite(*odd.Gci));
    for (std::uint32_t s = 0; s < odd.SuggestionCount; ++s) {
        EXPECT_TRUE(std::isfinite(odd.Suggestions[s].CrAfter) && std::isfinite(*odd.Suggestions[s].GciAfter));
        EXPECT_LE(std::abs(odd.Suggestions[s].Proposed), 9);
    }
}
