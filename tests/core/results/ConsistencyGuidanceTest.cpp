#include "core/results/ConsistencyGuidance.h"
#include "core/model/CHierarchy.h"
#include "core/model/CUserProjectModel.h"
#include "core/results/CProjectResults.h"
#include "core/results/HierarchySynthesis.h"
#include "core/results/LocalPriorities.h"
#include "core/results/NumberFormat.h"
#include "core/results/ReportContent.h"
#include "core/results/Synthesis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <random>
#include <vector>

namespace {
using Rows = std::vector<std::vector<int>>;

CJudgementMatrix Matrix(const Rows& rows)
{
    const auto size = static_cast<std::uint32_t>(std::max<std::size_t>(9, rows.size()));
    TMatrix<int> m(size, size);
    m.FillOnes();
    for (std::uint32_t r = 0; r < rows.size(); ++r) {
        for (std::uint32_t c = 0; c < rows.size(); ++c) {
            m(r, c) = rows[r][c];
        }
    }
    return JudgementsFromCodes(m);
}

double Value(int code)
{
    return code < 0 ? 1.0 / -static_cast<double>(code) : code;
}

double Limit(std::size_t n)
{
    return n <= 3 ? 0.05 : (n == 4 ? 0.08 : 0.10);
}

// The measures restated from their definitions, through logarithms: priorities as
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
    const double ri[] = {10.0, 1.0, 1.0, 0.58, 0.9, 1.12, 1.24, 1.32, 1.41, 1.45, 1.49};
    const auto size = static_cast<double>(n);
    // Above 10 Alonso and Lamata's line.
    const double index = n <= 10 ? ri[n] : (1.7699 * size - 4.3513) / (size - 1);
    ref.CR = (lambda / size - size) / (size - 1) / index;
    ref.GCI = n > 2 ? 2.0 / ((size - 1) * (size - 2)) * squares : 0.0;
    return ref;
}

struct Expected {
    std::uint32_t Row, Column;
    int Current, Proposed;
    double CrAfter, GciAfter;
    bool Reaches, Reverses;
    bool ProbablyReversed = false;
    int Implied = 1;
    double ImpliedRatio = 0;
    bool NearRoundingEdge = false; // the implied ratio within 1e-9 of x.5: either rounding may come
};

// Logarithmic least squares of the judgements with the pair (p, q) left out, restated:
// Gauss-Seidel sweeps of y_k = mean over the judged partners l of (ln a_kl + y_l).
std::vector<double> LeastSquaresWithout(const Rows& a, std::size_t p, std::size_t q)
{
    const std::size_t n = a.size();
    std::vector<double> y(n, 0.0);
    double moved = 1;
    for (int sweep = 0; sweep < 10000 && moved > 1e-15; ++sweep) {
        moved = 0;
        for (std::size_t k = 0; k < n; ++k) {
            double sum = 0;
            double count = 0;
            for (std::size_t l = 0; l < n; ++l) {
                if (l != k && !((k == p && l == q) || (k == q && l == p))) {
                    sum += std::log(Value(a[k][l])) + y[l];
                    count += 1;
                }
            }
            moved = std::max(moved, std::fabs(sum / count - y[k]));
            y[k] = sum / count;
        }
    }
    std::vector<double> w(n);
    for (std::size_t k = 0; k < n; ++k) {
        w[k] = std::exp(y[k] - y[0]);
    }
    return w;
}

// The other judgements' word on a suggested pair: the ratio, on the scale by whole
// numbers, and when it is the other side of 1 and reaches the limit it becomes the proposal.
void WeighAgainstOthers(const Rows& a, Expected& e)
{
    const std::vector<double> w = LeastSquaresWithout(a, e.Row, e.Column);
    e.ImpliedRatio = w[e.Row] / w[e.Column];
    const double strength = e.ImpliedRatio >= 1 ? e.ImpliedRatio : 1 / e.ImpliedRatio;
    e.NearRoundingEdge = std::fabs(strength - std::floor(strength) - 0.5) < 1e-9;
    const int whole = std::min(9, static_cast<int>(std::lround(strength)));
    e.Implied = whole <= 1 ? 1 : (e.ImpliedRatio >= 1 ? whole : -whole);
    e.ProbablyReversed = e.Implied != 1 && (Value(e.Current) - 1) * (Value(e.Implied) - 1) < 0;
    if (e.ProbablyReversed && e.Proposed != e.Implied) {
        Rows changed = a;
        changed[e.Row][e.Column] = e.Implied;
        changed[e.Column][e.Row] = -e.Implied;
        const Reference after = Measure(changed);
        if (after.CR <= Limit(a.size())) {
            e.Proposed = e.Implied;
            e.CrAfter = after.CR;
            e.GciAfter = after.GCI;
            e.Reaches = true;
            e.Reverses = true;
        }
    }
}

// The rule by brute force: every cell, every other value of the scale, the whole matrix
// measured again from scratch; then all the cells' proposals sorted.
std::vector<Expected> Suggest(const Rows& a)
{
    const std::size_t n = a.size();
    const double crNow = Measure(a).CR;
    if (n < 3 || crNow <= Limit(n)) {
        return {};
    }
    auto same = [](double x, double y) { return std::fabs(x - y) <= 1e-9; };
    struct Candidate {
        Expected E;
        double Change;
    };
    std::vector<Candidate> cells;
    for (std::uint32_t i = 0; i < n; ++i) {
        for (std::uint32_t j = i + 1; j < n; ++j) {
            std::vector<Candidate> tried;
            for (int v = -9; v <= 9; ++v) {
                if (v == 0 || v == -1 || v == a[i][j]) {
                    continue;
                }
                Rows changed = a;
                changed[i][j] = v;
                changed[j][i] = v == 1 ? 1 : -v;
                const Reference after = Measure(changed);
                const double change = std::fabs(std::log(Value(v)) - std::log(Value(a[i][j])));
                const bool reverses = (Value(a[i][j]) - 1) * (Value(v) - 1) < 0;
                tried.push_back({{i, j, a[i][j], v, after.CR, after.GCI, after.CR <= Limit(n), reverses}, change});
            }
            const bool anyReaches = std::any_of(tried.begin(), tried.end(), [](const auto& c) { return c.E.Reaches; });
            std::erase_if(tried, [&](const Candidate& c) { return c.E.Reaches != anyReaches; });
            // Values ascend, so a stable sort keeps the smaller of two full ties first.
            std::stable_sort(tried.begin(), tried.end(), [&](const Candidate& x, const Candidate& y) {
                if (anyReaches && !same(x.Change, y.Change)) {
                    return x.Change < y.Change;
                }
                if (!same(x.E.CrAfter, y.E.CrAfter)) {
                    return x.E.CrAfter < y.E.CrAfter;
                }
                return !same(x.Change, y.Change) && x.Change < y.Change;
            });
            if (tried.front().E.CrAfter < crNow - 1e-9) {
                cells.push_back(tried.front());
            }
        }
    }
    std::stable_sort(cells.begin(), cells.end(), [&](const Candidate& x, const Candidate& y) {
        if (x.E.Reaches != y.E.Reaches) {
            return x.E.Reaches;
        }
        const double first[2] = {x.E.Reaches ? x.Change : x.E.CrAfter, x.E.Reaches ? x.E.CrAfter : x.Change};
        const double second[2] = {y.E.Reaches ? y.Change : y.E.CrAfter, y.E.Reaches ? y.E.CrAfter : y.Change};
        for (int k = 0; k < 2; ++k) {
            if (!same(first[k], second[k])) {
                return first[k] < second[k];
            }
        }
        return false; // cells were pushed in row, then column order
    });
    std::vector<Expected> out;
    for (std::size_t k = 0; k < cells.size() && k < 3; ++k) {
        out.push_back(cells[k].E);
        WeighAgainstOthers(a, out.back());
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

// What "Применить" shows after the suggestion is accepted: the element's own
// recomputation of the changed matrix, and the GCI of its priorities.
struct Applied {
    double CR = 0;
    std::optional<double> GCI;
};
Applied ApplyToElement(const Rows& a, const CSuggestion& suggestion)
{
    const auto n = static_cast<std::uint32_t>(a.size());
    CJudgementMatrix working = Matrix(a);
    ApplySuggestion(working, suggestion);
    CUserProjectModel project;
    project.BuildNewHierarchy(n, 3, "G", "");
    project.SetJudgements(0, 0, working);
    const CProjectResults results = ComputeResults(project);
    CValueBlock values;
    ReadJudgementValues(working, n, values);
    return {results.LevelData(0, 0).CR, GeometricConsistencyIndex(values, n, results.LevelData(0, 0).Priority.data())};
}
} // namespace

TEST(ConsistencyGuidance, WorkedExamples)
{
    struct Case {
        Rows A;
        double CR;
        Expected Suggestions[3];
    };
    const Case cases[] = {
        {{{1, 5, -3}, {-5, 1, 5}, {3, -5, 1}}, 2.115767,
            {{0, 1, 5, -9, 0.025055, 0.086981, true, true}, {1, 2, 5, -9, 0.025055, 0.086981, true, true},
                {0, 2, -3, 9, 0.100948, 0.347924, false, true}}},
        {{{1, 2, -6, 4, 3}, {-2, 1, -4, 9, 2}, {6, 4, 1, -2, 5}, {-4, -9, 2, 1, -3}, {-3, -2, -5, 3, 1}}, 0.604362,
            {{2, 3, -2, 9, 0.086173, 0.312681, true, true}, {0, 2, -6, 2, 0.410051, 1.284637, false, true},
                {1, 3, 9, 1, 0.413128, 1.279276, false, false}}},
        {{{1, 3, -3, 5}, {-3, 1, 5, -2}, {3, -5, 1, 7}, {-5, 2, -7, 1}}, 0.994088,
            {{1, 2, 5, -9, 0.052271, 0.185469, true, true}, {1, 3, -2, 8, 0.521604, 1.642533, false, true},
                {0, 2, -3, 3, 0.659127, 2.012418, false, true}}},
    };
    for (const Case& c : cases) {
        const CConsistencyGuidance g = Guide(c.A);
        EXPECT_NEAR(g.Measures.CR, c.CR, 5e-7);
        EXPECT_EQ(g.Verdict, EConsistencyVerdict::NotAcceptable);
        ASSERT_EQ(g.SuggestionCount, 3U) << c.A.size();
        for (std::uint32_t s = 0; s < 3; ++s) {
            const CSuggestion& got = g.Suggestions[s];
            const Expected& want = c.Suggestions[s];
            EXPECT_TRUE(got.Row == want.Row && got.Column == want.Column) << c.A.size() << " " << s;
            EXPECT_TRUE(got.Current == want.Current && got.Proposed == want.Proposed) << c.A.size() << " " << s;
            EXPECT_NEAR(got.CrAfter, want.CrAfter, 5e-7) << c.A.size() << " " << s;
            ASSERT_TRUE(got.GciAfter);
            EXPECT_NEAR(*got.GciAfter, want.GciAfter, 5e-7) << c.A.size() << " " << s;
            EXPECT_EQ(got.Reaches, want.Reaches) << c.A.size() << " " << s;
            EXPECT_EQ(got.Reverses, want.Reverses) << c.A.size() << " " << s;

            // Accepting writes the cell and its mirror; "Применить" then shows exactly the
            // figures promised, and the first suggestion alone makes the matrix acceptable.
            CJudgementMatrix working = Matrix(c.A);
            ApplySuggestion(working, got);
            EXPECT_EQ(working(got.Row, got.Column).Code(), got.Proposed);
            EXPECT_EQ(working(got.Column, got.Row).Code(), got.Proposed == 1 ? 1 : -got.Proposed);
            const Applied applied = ApplyToElement(c.A, got);
            EXPECT_EQ(applied.CR, got.CrAfter);
            EXPECT_EQ(applied.GCI, got.GciAfter);
            double w[9];
            ComputeLocalPriorities(working, static_cast<std::uint32_t>(c.A.size()), w);
            const CConsistencyGuidance after = GuideConsistency(working, static_cast<std::uint32_t>(c.A.size()), w);
            EXPECT_EQ(after.Acceptable(), got.Reaches);
            if (s == 0) {
                EXPECT_TRUE(after.Acceptable());
                EXPECT_EQ(after.SuggestionCount, 0U);
            }
        }
    }

    // The five-element matrix's own figures, before any change.
    const Rows a = cases[1].A;
    double w[9];
    ComputeLocalPriorities(Matrix(a), 5, w);
    const double expectedW[] = {0.225758, 0.201218, 0.388026, 0.077046, 0.107952};
    for (int i = 0; i < 5; ++i) {
        EXPECT_NEAR(w[i], expectedW[i], 5e-7);
    }
    const CConsistencyGuidance g = GuideConsistency(Matrix(a), 5, w);
    EXPECT_NEAR(g.Measures.LambdaMax, 7.707543, 5e-7);
    EXPECT_NEAR(g.Measures.CI, 0.676886, 5e-7);
    EXPECT_EQ(g.CrLimit, 0.10);
    ASSERT_TRUE(g.Gci && g.GciLimit);
    EXPECT_NEAR(*g.Gci, 1.702663, 5e-7);
    EXPECT_EQ(*g.GciLimit, 0.37);
}

TEST(ConsistencyGuidance, RandomMatricesAgainstBruteForce)
{
    std::mt19937 rng(1212U);
    const int codes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, -2, -3, -4, -5, -6, -7, -8, -9};
    int withSuggestions = 0;
    int reaching = 0;
    int fewerThanThree = 0;
    int reversedSeen = 0;
    int reversedProposed = 0;
    for (int trial = 0; trial < 300; ++trial) {
        const std::size_t n = 2 + rng() % 8;
        Rows a(n, std::vector<int>(n, 1));
        for (std::size_t i = 0; i < n; ++i) {
            for (std::size_t j = i + 1; j < n; ++j) {
                // Half of them mildly inconsistent, so that acceptable ones and cells
                // that reach the limit in one change occur too.
                const int code = trial % 2 == 0 ? codes[rng() % 17] : codes[rng() % 4];
                a[i][j] = code;
                a[j][i] = code == 1 ? 1 : -code;
            }
        }
        const CConsistencyGuidance g = Guide(a);
        const Reference ref = Measure(a);
        EXPECT_EQ(g.CrLimit, Limit(n));
        EXPECT_NEAR(g.Measures.CR, ref.CR, 1e-9);
        EXPECT_EQ(g.Acceptable(), ref.CR <= Limit(n)) << trial;
        EXPECT_EQ(g.Gci.has_value(), n > 2);
        EXPECT_EQ(g.GciLimit.has_value(), n > 2);
        if (n > 2) {
            EXPECT_NEAR(*g.Gci, ref.GCI, 1e-9);
            EXPECT_EQ(*g.GciLimit, n == 3 ? 0.31 : (n == 4 ? 0.35 : 0.37));
        }
        const std::vector<Expected> expected = Suggest(a);
        ASSERT_EQ(g.SuggestionCount, expected.size()) << trial;
        if (std::any_of(expected.begin(), expected.end(), [](const Expected& e) { return e.NearRoundingEdge; })) {
            continue;
        }
        for (std::uint32_t s = 0; s < g.SuggestionCount; ++s) {
            const CSuggestion& got = g.Suggestions[s];
            const Expected& want = expected[s];
            EXPECT_TRUE(got.Row == want.Row && got.Column == want.Column) << trial << " " << s;
            EXPECT_TRUE(got.Current == want.Current && got.Proposed == want.Proposed) << trial << " " << s;
            EXPECT_NEAR(got.CrAfter, want.CrAfter, 1e-9);
            EXPECT_NEAR(got.GciAfter.value_or(-1.0), want.GciAfter, 1e-9);
            EXPECT_EQ(got.Reaches, want.Reaches) << trial << " " << s;
            EXPECT_EQ(got.Reverses, want.Reverses) << trial << " " << s;
            ASSERT_TRUE(got.ImpliedRatio) << trial << " " << s;
            EXPECT_NEAR(*got.ImpliedRatio, want.ImpliedRatio, 1e-9 * want.ImpliedRatio) << trial << " " << s;
            EXPECT_EQ(got.Implied, want.Implied) << trial << " " << s;
            EXPECT_EQ(got.ProbablyReversed, want.ProbablyReversed) << trial << " " << s;
            reversedSeen += got.ProbablyReversed ? 1 : 0;
            reversedProposed += got.ProbablyReversed && got.Proposed == got.Implied ? 1 : 0;
            // Bit for bit what the element computes once the change is applied.
            const Applied applied = ApplyToElement(a, got);
            EXPECT_EQ(applied.CR, got.CrAfter) << trial << " " << s;
            EXPECT_EQ(applied.GCI, got.GciAfter) << trial << " " << s;
            reaching += got.Reaches ? 1 : 0;
        }
        withSuggestions += g.SuggestionCount > 0 ? 1 : 0;
        fewerThanThree += g.SuggestionCount > 0 && g.SuggestionCount < 3 ? 1 : 0;
    }
    EXPECT_GT(withSuggestions, 100);
    EXPECT_GT(reaching, 30);
    EXPECT_GT(fewerThanThree, 0);
    // Both sides of the reversal rule are exercised.
    EXPECT_GT(reversedSeen, reversedProposed);
    EXPECT_GT(reversedProposed, 0);
}

// A covering criterion over 20 alternatives, guided from the priorities the hierarchy
// computes for it, as the reports guide it: the brute force's verdict and suggestions.
TEST(ConsistencyGuidance, TwentyAlternativesAgainstBruteForce)
{
    std::mt19937 rng(2020U);
    const int codes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, -2, -3, -4, -5, -6, -7, -8, -9};
    for (const int spread : {17, 4}) {
        Rows a(20, std::vector<int>(20, 1));
        for (std::size_t i = 0; i < a.size(); ++i) {
            for (std::size_t j = i + 1; j < a.size(); ++j) {
                a[i][j] = codes[rng() % static_cast<unsigned>(spread)];
                a[j][i] = a[i][j] == 1 ? 1 : -a[i][j];
            }
        }
        CHierarchy h;
        for (std::uint32_t k = 0; k < a.size(); ++k) {
            ASSERT_EQ(h.AddAlternative(k, "А" + std::to_string(k + 1)), "");
        }
        ASSERT_EQ(h.AddCriterion(0, 0, "К"), "");
        ASSERT_EQ(h.SetJudgements(1, Matrix(a)), "");
        const CHierarchyResults results = ComputeHierarchyResults(h);
        const CConsistencyGuidance g = GuideConsistency(h.Node(1).Judgements, 20, results.Node(1).Local.data());
        const Reference ref = Measure(a);
        EXPECT_EQ(g.Order, 20U);
        EXPECT_NEAR(g.Measures.CR, ref.CR, 1e-9);
        ASSERT_TRUE(g.Gci);
        EXPECT_NEAR(*g.Gci, ref.GCI, 1e-9);
        const std::vector<Expected> expected = Suggest(a);
        ASSERT_EQ(expected.size(), 3U) << spread;
        ASSERT_EQ(g.SuggestionCount, expected.size()) << spread;
        for (std::uint32_t s = 0; s < g.SuggestionCount; ++s) {
            const CSuggestion& got = g.Suggestions[s];
            const Expected& want = expected[s];
            EXPECT_TRUE(got.Row == want.Row && got.Column == want.Column) << spread << " " << s;
            EXPECT_TRUE(got.Current == want.Current && got.Proposed == want.Proposed) << spread << " " << s;
            EXPECT_NEAR(got.CrAfter, want.CrAfter, 1e-9);
            EXPECT_NEAR(got.GciAfter.value_or(-1.0), want.GciAfter, 1e-9);
            EXPECT_EQ(got.Reaches, want.Reaches);
            EXPECT_EQ(got.Implied, want.Implied) << spread << " " << s;
            EXPECT_EQ(got.ProbablyReversed, want.ProbablyReversed) << spread << " " << s;
        }
    }
}

TEST(ConsistencyGuidance, AJudgementTypedTheWrongWayRoundIsNamedAndTurnedBack)
{
    // Near-consistent judgements of five elements with 3 in (0, 1) typed as 1/3: the
    // nearest change that reaches the limit would be 1/3 -> 1/2, while the other
    // judgements say about 2.8 for the first element.
    const Rows a{{1, -3, 2, 8, 4}, {3, 1, -2, 3, 2}, {-2, 2, 1, 5, 2}, {-8, -3, -5, 1, -2}, {-4, -2, -2, 2, 1}};
    const CConsistencyGuidance g = Guide(a);
    ASSERT_FALSE(g.Acceptable());
    const CSuggestion* pair = nullptr;
    for (std::uint32_t s = 0; s < g.SuggestionCount; ++s) {
        if (g.Suggestions[s].Row == 0 && g.Suggestions[s].Column == 1) {
            pair = &g.Suggestions[s];
        }
    }
    ASSERT_NE(pair, nullptr);
    const std::vector<double> w = LeastSquaresWithout(a, 0, 1);
    ASSERT_TRUE(pair->ImpliedRatio);
    EXPECT_NEAR(*pair->ImpliedRatio, w[0] / w[1], 1e-12);
    EXPECT_GT(*pair->ImpliedRatio, 2.5);
    EXPECT_TRUE(pair->ProbablyReversed);
    EXPECT_EQ(pair->Implied, 3);
    EXPECT_EQ(pair->Proposed, 3);
    EXPECT_TRUE(pair->Reaches && pair->Reverses);
    Rows turned = a;
    turned[0][1] = 3;
    turned[1][0] = -3;
    EXPECT_NEAR(pair->CrAfter, Measure(turned).CR, 1e-12);
    EXPECT_EQ(SuggestionText(*pair, "А", "Б"),
        "1. А и 2. Б: 1/3 → 3, остальные суждения говорят: «А» "
        "важнее примерно в 3 раза — возможно, суждение введено наоборот; ОС станет "
            + FormatTruncated(pair->CrAfter, 4));
    // Seen from the other side the same pair names the other element.
    const Rows mirrored{{1, 3, -2, -8, -4}, {-3, 1, 2, -3, -2}, {2, -2, 1, -5, -2}, {8, 3, 5, 1, 2}, {4, 2, 2, -2, 1}};
    const CConsistencyGuidance m = Guide(mirrored);
    bool named = false;
    for (std::uint32_t s = 0; s < m.SuggestionCount; ++s) {
        if (m.Suggestions[s].Row == 0 && m.Suggestions[s].Column == 1) {
            EXPECT_EQ(m.Suggestions[s].Implied, -3);
            named = ReversalNote(m.Suggestions[s], "А", "Б").find("«Б» важнее примерно в 3 раза") != std::string::npos;
        }
    }
    EXPECT_TRUE(named);
    // When the others' value does not reach the limit, the nearer change is proposed and
    // the line says both what it means and what the others say.
    CSuggestion nearer = *pair;
    nearer.Proposed = -2;
    EXPECT_EQ(SuggestionText(nearer, "А", "Б")
                  .rfind("1. А и 2. Б: 1/3 → 1/2, «Б» важнее не в 3, а в 2 раза; "
                         "остальные суждения говорят: «А» важнее примерно в 3 раза",
                      0),
        0U);
    // A judgement the others agree with carries no note.
    CSuggestion agreed;
    agreed.Current = 3;
    agreed.Implied = 4;
    EXPECT_EQ(ReversalNote(agreed, "А", "Б"), "");
}

TEST(ConsistencyGuidance, AcceptableSmallAndDamagedMatricesGetNoSuggestions)
{
    // Consistent; acceptable though not consistent (CR 0.0462 within 0.05); a 5 x 5 (CR
    // 0.0152); a pair; and a pair from a foreign file that is not reciprocal (CR 2).
    const Rows acceptable[] = {
        {{1, 2, 4}, {-2, 1, 2}, {-4, -2, 1}},
        {{1, 1, 4}, {1, 1, 8}, {-4, -8, 1}},
        {{1, 2, 3, 4, 5}, {-2, 1, 2, 3, 4}, {-3, -2, 1, 2, 3}, {-4, -3, -2, 1, 2}, {-5, -4, -3, -2, 1}},
        {{1, 7}, {-7, 1}},
    };
    for (const Rows& a : acceptable) {
        const CConsistencyGuidance g = Guide(a);
        EXPECT_TRUE(g.Acceptable()) << a.size() << " " << g.Measures.CR;
        EXPECT_EQ(g.SuggestionCount, 0U);
    }
    const CConsistencyGuidance unpaired = Guide({{1, 3}, {3, 1}});
    EXPECT_GT(unpaired.Measures.CR, 1.0);
    EXPECT_EQ(unpaired.Verdict, EConsistencyVerdict::NotAcceptable);
    EXPECT_EQ(unpaired.SuggestionCount, 0U);

    // A 0 read from a file: no verdict, no GCI, nothing to suggest, nothing undefined.
    for (const Rows& a :
        {Rows{{1, 0, 3}, {-9, 1, 2}, {-3, -2, 1}}, Rows{{1, 9, 9}, {-9, 1, 9}, {-9, 0, 1}}, Rows{{0, 0}, {0, 0}}}) {
        const CConsistencyGuidance g = Guide(a);
        EXPECT_EQ(g.Verdict, EConsistencyVerdict::Undetermined);
        EXPECT_FALSE(g.Gci);
        EXPECT_EQ(g.SuggestionCount, 0U);
        EXPECT_TRUE(std::isfinite(g.Measures.LambdaMax) && std::isfinite(g.Measures.CR));
    }
}

TEST(ConsistencyGuidance, ProposalsAreScaleJudgementsWrittenWithTheirMirror)
{
    // A proposal of 1 is written 1 and 1, never -1.
    CJudgementMatrix working = Matrix({{1, 3, -3}, {-3, 1, 3}, {3, -3, 1}});
    CSuggestion toOne;
    toOne.Row = 0;
    toOne.Column = 2;
    toOne.Current = -3;
    toOne.Proposed = 1;
    ApplySuggestion(working, toOne);
    EXPECT_EQ(working(0, 2).Code(), 1);
    EXPECT_EQ(working(2, 0).Code(), 1);

    // Codes no scale offers (-1, INT_MIN, huge, mirrors that do not match) are still
    // numbers: everything finite, and every proposal a judgement of the scale other than
    // the present one, judged against the value the cell holds.
    const Rows odd = {{1, -1, INT_MIN}, {-1, 1, INT_MAX}, {12, -12, 1}};
    const CConsistencyGuidance g = Guide(odd);
    ASSERT_TRUE(g.Gci && g.SuggestionCount > 0);
    EXPECT_TRUE(std::isfinite(*g.Gci));
    for (std::uint32_t s = 0; s < g.SuggestionCount; ++s) {
        const CSuggestion& suggestion = g.Suggestions[s];
        EXPECT_TRUE(std::isfinite(suggestion.CrAfter) && std::isfinite(*suggestion.GciAfter));
        EXPECT_LT(suggestion.CrAfter, g.Measures.CR);
        EXPECT_TRUE(
            suggestion.Proposed == 1 || (std::abs(suggestion.Proposed) >= 2 && std::abs(suggestion.Proposed) <= 9));
        EXPECT_NE(suggestion.Proposed, suggestion.Current);
        EXPECT_EQ(suggestion.CrAfter, ApplyToElement(odd, suggestion).CR);
    }
}
