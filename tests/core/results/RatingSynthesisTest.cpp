// Scores of rated trees against hand calculations and published figures; scales' ideal
// values against their own geometric means.
#include "core/results/RatingSynthesis.h"
#include "core/results/CNodeWeightMoves.h"
#include "core/results/HierarchySensitivity.h"
#include "core/results/HierarchySynthesis.h"
#include "support/RatedTree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

namespace {
// The straightforward way: local priorities as normalised row geometric means down the
// tree, a scale's ideal values as its geometric means over the largest, each score the sum
// of the rated criteria's global weights times the ideal value of the alternative's rating.
std::vector<double> GeometricMeans(const CJudgementMatrix& m, std::size_t n)
{
    std::vector<double> means(n, 1.0);
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = 0; j < n; ++j) {
            means[i] *= m(i, j).Value();
        }
        means[i] = std::pow(means[i], 1.0 / static_cast<double>(n));
    }
    return means;
}

void AddScores(const CHierarchy& tree, std::uint32_t node, double global, std::vector<double>& scores)
{
    const CHierarchyNode& data = tree.Node(node);
    if (data.Children.empty()) {
        const CRatingScale& scale = tree.Scales()[data.Scale];
        const std::vector<double> means = GeometricMeans(scale.Judgements, scale.Intensities.size());
        const double top = *std::max_element(means.begin(), means.end());
        for (std::size_t a = 0; a < scores.size(); ++a) {
            scores[a] += data.Ratings[a] < 0 ? 0.0 : global * means[static_cast<std::size_t>(data.Ratings[a])] / top;
        }
        return;
    }
    std::vector<double> local = GeometricMeans(data.Judgements, data.Children.size());
    const double sum = std::accumulate(local.begin(), local.end(), 0.0);
    for (std::size_t c = 0; c < data.Children.size(); ++c) {
        AddScores(tree, data.Children[c], global * local[c] / sum, scores);
    }
}

CJudgementMatrix RandomJudgements(std::uint32_t n, std::mt19937& random)
{
    std::uniform_int_distribution<std::int32_t> code(-9, 9);
    CJudgementMatrix m = EqualJudgements(n);
    for (std::uint32_t i = 0; i < n; ++i) {
        for (std::uint32_t j = i + 1; j < n; ++j) {
            std::int32_t c = code(random);
            c = c == 0 || c == -1 ? 1 : c;
            m(i, j) = CJudgement::FromCode(c);
            m(j, i) = CJudgement::FromCode(c == 1 ? 1 : -c);
        }
    }
    return m;
}
TEST(RatingSynthesisTest, ScoresSharesAndRankingOfASmallTreeMatchTheHandCalculation)
{
    // G: Надёжность 1/3, Образование 2/3 * 3/4, Опыт 2/3 * 1/4; ideal values (1, 1/3, 1/6)
    // and (1, 1/4). В has Опыт not rated.
    const CRatingResults results = ComputeRatingResults(SmallRatedTree());
    const std::vector<double> scores{21.0 / 24, 7.0 / 24, 10.0 / 24, 18.0 / 24};
    for (std::uint32_t a = 0; a < 4; ++a) {
        EXPECT_NEAR(results.Scores()[a], scores[a], 1e-12) << a;
        EXPECT_NEAR(results.Shares()[a], scores[a] * 24 / 56, 1e-12) << a;
        EXPECT_EQ(results.Complete(a), a != 2) << a;
    }
    EXPECT_EQ(results.NotRatedCounts()[2], 1U);
    EXPECT_EQ(results.Ranking(), (std::vector<std::uint32_t>{0, 3, 2, 1}));
    EXPECT_FALSE(results.Criteria().NotConnected());
}

TEST(RatingSynthesisTest, ScoresAreTheIdealSynthesisOfAlternativesComparedAsTheirIdealValuesRatio)
{
    // Every criterion has an alternative at its best intensity, so the ideal synthesis
    // divides by 1.
    const CHierarchy rated = SmallRatedTree({{0, 0, 1}, {1, 1, 1}, {0, 2, 0}, {1, 0, 0}});
    const CRatingResults results = ComputeRatingResults(rated);
    std::vector<CHierarchyNode> nodes;
    for (std::uint32_t node = 0; node < rated.NodeCount(); ++node) {
        nodes.push_back(rated.Node(node));
        if (rated.IsRated(node)) {
            const std::vector<double>& v = results.Scales()[nodes.back().Scale].Ideal;
            const std::vector<std::int8_t>& r = nodes.back().Ratings;
            nodes.back().Judgements = EqualJudgements(4);
            for (std::uint32_t i = 0; i < 4; ++i) {
                for (std::uint32_t j = 0; j < 4; ++j) {
                    nodes.back().Judgements(i, j) = CJudgement::Combined(v[r[i]] / v[r[j]]);
                }
            }
            nodes.back().Ratings.clear();
            nodes.back().Scale = 0;
        }
    }
    const CHierarchyResults pairs
        = ComputeHierarchyResults(*CHierarchy::Make(EHierarchyShape::Tree, nodes, rated.Alternatives()));
    for (std::uint32_t a = 0; a < 4; ++a) {
        EXPECT_NEAR(pairs.IdealRaw()[a], results.Scores()[a], 1e-12) << a;
    }
}

TEST(RatingSynthesisTest, EqualScoresKeepTheAlternativesOrder)
{
    // А and Б tie below Г: an exchange sort would put Б first.
    const CRatingResults results = ComputeRatingResults(SmallRatedTree({{1, 1, 1}, {1, 1, 1}, {1, 2, 1}, {1, 0, 0}}));
    ASSERT_EQ(results.Scores()[0], results.Scores()[1]);
    EXPECT_EQ(results.Ranking(), (std::vector<std::uint32_t>{3, 0, 1, 2}));
}

TEST(RatingSynthesisTest, ReadyFourStepScaleHasTheIdealValuesOfItsGeometricMeans)
{
    const CRatingScale scale = ReadyRatingScales()[0];
    CScaleResult result;
    ComputeScaleResult(scale, result);
    // Row products of (2, 4, 6, 2, 4, 2): 48, 4, 1/4, 1/48.
    const double rows[] = {48.0, 4.0, 0.25, 1.0 / 48};
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_NEAR(result.Ideal[k], std::pow(rows[k] / rows[0], 0.25), 1e-12) << k;
    }
    EXPECT_NEAR(result.Ideal[1], 0.537284965911771, 1e-12);
    EXPECT_NEAR(result.Ideal[3], 0.144337567297406, 1e-12);
    EXPECT_NEAR(result.Priorities.Measures.CR, 0.003836, 1e-6);
    EXPECT_FALSE(result.OutOfOrder);
}

TEST(RatingSynthesisTest, AScaleWhoseLaterIntensityOutweighsAnEarlierOneIsFlagged)
{
    struct Case {
        std::vector<std::int32_t> Upper;
        std::optional<std::pair<std::uint32_t, std::uint32_t>> Flag;
    };
    const Case cases[] = {
        {{3, 5, 2}, std::nullopt}, {{1, 1, 1}, std::nullopt}, // all equal: nothing outweighs
        {{-3, 2, 4}, std::make_pair(0U, 1U)}, {{3, 5, -2}, std::make_pair(1U, 2U)},
        {{0, 3, 0}, std::nullopt}, // pairs left out: least squares, still in order
    };
    for (const Case& c : cases) {
        CScaleResult result;
        ComputeScaleResult(MakeRatingScale("t", "Шкала", {"А", "Б", "В"}, c.Upper), result);
        EXPECT_EQ(result.OutOfOrder, c.Flag) << c.Upper[0] << c.Upper[1] << c.Upper[2];
    }
}

TEST(RatingSynthesisTest, EmployeesAreScoredAsPublished)
{
    std::vector<CRatingScale> scales = ReadyRatingScales();
    scales.push_back(
        MakeRatingScale("d", "Образование", {"Доктор", "Магистр", "Бакалавр", "Среднее"}, {2, 4, 7, 2, 4, 2}));
    scales.push_back(MakeRatingScale("e", "Опыт", {"Большой", "Средний", "Малый"}, {3, 6, 2}));
    std::vector<CHierarchyNode> nodes(5);
    nodes[0] = {"Найм", "", {1, 2, 3, 4}, Upper(4, {2, 3, 4, 2, 3, 1})};
    nodes[1] = {"Надёжность", "", {}, {}, 1, {0, 1, 2, 1}};
    nodes[2] = {"Образование", "", {}, {}, 2, {1, 0, 2, 1}};
    nodes[3] = {"Опыт", "", {}, {}, 3, {1, 2, 0, 1}};
    nodes[4] = {"Качество", "", {}, {}, 1, {0, 1, 1, 2}};
    const std::vector<CAlternative> people{{"А", ""}, {"Б", ""}, {"В", ""}, {"Г", ""}};
    CHierarchy tree = *CHierarchy::MakeRated(nodes, people, scales);
    CRatingResults results = ComputeRatingResults(tree);
    const double published[] = {0.774387, 0.647126, 0.436859, 0.506497};
    for (std::uint32_t a = 0; a < 4; ++a) {
        EXPECT_NEAR(results.Scores()[a], published[a], 1e-6) << a;
    }
    EXPECT_EQ(results.Ranking(), (std::vector<std::uint32_t>{0, 1, 3, 2}));
    ASSERT_EQ(tree.SetRating(3, 3, NotRated), "");
    EXPECT_NEAR(ComputeRatingResults(tree).Scores()[3], 0.461237, 1e-6);
    // One more, best everywhere: exactly 1, and no other score moves.
    ASSERT_EQ(tree.AddAlternative(4, "Д"), "");
    for (const std::uint32_t node : tree.CoveringNodes()) {
        ASSERT_EQ(tree.SetRating(node, 4, 0), "");
    }
    const CRatingResults more = ComputeRatingResults(tree);
    EXPECT_NEAR(more.Scores()[4], 1.0, 1e-12);
    for (std::uint32_t a = 0; a < 3; ++a) {
        EXPECT_EQ(more.Scores()[a], results.Scores()[a]) << a;
    }
}

TEST(RatingSynthesisTest, SensitivityLinesAndMovesAreTheScoresOfTheTreeWithTheWeightMoved)
{
    // Each criterion's weight set by hand in its parent's judgements (both parents have two
    // children, so the judgement is x / (1 - x)); the scores computed again must lie on the
    // analysis's lines and be what the dynamic view's move gives. В has a cell not rated.
    const CHierarchy rated = SmallRatedTree();
    const CRatingResults present = ComputeRatingResults(rated);
    const CHierarchySensitivity analysis = AnalyseSensitivity(rated, present);
    ASSERT_EQ(analysis.Nodes.size(), 4U);
    for (const CNodeSensitivity& entry : analysis.Nodes) {
        ASSERT_TRUE(entry.HasLines);
        EXPECT_FALSE(entry.Normalised);
        const std::vector<std::uint32_t>& siblings = rated.Node(entry.Parent).Children;
        const auto index
            = static_cast<std::size_t>(std::find(siblings.begin(), siblings.end(), entry.Node) - siblings.begin());
        // The crossings kept are every crossing of the lines that involves the leader, А.
        std::vector<CCrossing> all(6);
        all.resize(FindCrossings(entry.AtZero.data(), entry.AtOne.data(), 4, all.data()));
        std::erase_if(all, [](const CCrossing& c) { return c.First != 0; });
        ASSERT_EQ(entry.Crossings.size(), all.size()) << entry.Node;
        for (std::size_t c = 0; c < all.size(); ++c) {
            EXPECT_EQ(entry.Crossings[c].Weight, all[c].Weight);
            EXPECT_EQ(entry.Crossings[c].Second, all[c].Second);
        }
        CNodeWeightMoves moves;
        moves.Reset(rated, present, entry.Node);
        for (const double x : {0.1, 0.5, 0.85}) {
            std::vector<CHierarchyNode> nodes;
            for (std::uint32_t node = 0; node < rated.NodeCount(); ++node) {
                nodes.push_back(rated.Node(node));
            }
            const double first = index == 0 ? x : 1.0 - x;
            nodes[entry.Parent].Judgements(0, 1) = CJudgement::Combined(first / (1.0 - first));
            nodes[entry.Parent].Judgements(1, 0) = CJudgement::Combined((1.0 - first) / first);
            const CRatingResults moved
                = ComputeRatingResults(*CHierarchy::MakeRated(nodes, rated.Alternatives(), rated.Scales()));
            std::vector<double> lines;
            ASSERT_TRUE(LinesAt(entry, x, lines));
            ASSERT_TRUE(moves.Move(index, x));
            for (std::uint32_t a = 0; a < 4; ++a) {
                EXPECT_NEAR(lines[a], moved.Scores()[a], 1e-12) << entry.Node << " " << x << " " << a;
                EXPECT_NEAR(moves.Alternatives()[a], moved.Scores()[a], 1e-12) << entry.Node << " " << x << " " << a;
            }
        }
    }
}
} // namespace

TEST(RatingSynthesisTest, RandomRatedTreesScoreAsTheStraightforwardCalculation)
{
    std::mt19937 random(20261210);
    for (int round = 0; round < 40; ++round) {
        CHierarchy tree("Цель");
        // Each new criterion under the goal or under a criterion already there.
        const auto criteria = std::uniform_int_distribution<std::uint32_t>(1, 25)(random);
        for (std::uint32_t k = 0; k < criteria; ++k) {
            const auto parent = std::uniform_int_distribution<std::uint32_t>(0, tree.NodeCount() - 1)(random);
            if (tree.Node(parent).Children.size() < 6) {
                ASSERT_EQ(tree.AddCriterion(parent, 0, "K" + std::to_string(k)), "");
            }
        }
        ASSERT_EQ(tree.SetEvaluation(EAlternativeEvaluation::Ratings), "");
        // Rated, a tree takes far more alternatives than it could compare in pairs.
        const auto alternatives = std::uniform_int_distribution<std::uint32_t>(2, 60)(random);
        while (tree.AlternativeCount() < alternatives) {
            ASSERT_EQ(tree.AddAlternative(tree.AlternativeCount(), "A" + std::to_string(tree.AlternativeCount())), "");
        }
        while (tree.AlternativeCount() > alternatives) {
            ASSERT_EQ(tree.RemoveAlternative(0), "");
        }
        for (std::uint32_t extra = 0; extra < 2; ++extra) {
            const auto n = std::uniform_int_distribution<std::uint32_t>(2, 9)(random);
            CRatingScale scale;
            scale.Id = "r" + std::to_string(extra);
            scale.Name = scale.Id;
            for (std::uint32_t i = 0; i < n; ++i) {
                scale.Intensities.push_back("I" + std::to_string(i));
            }
            scale.Judgements = RandomJudgements(n, random);
            ASSERT_EQ(tree.AddScale(scale), "");
        }
        for (std::uint32_t node = 0; node < tree.NodeCount(); ++node) {
            if (!tree.IsRated(node)) {
                ASSERT_EQ(tree.SetJudgements(node, RandomJudgements(tree.ComparedCount(node), random)), "");
                continue;
            }
            const auto scale = std::uniform_int_distribution<std::uint32_t>(0, 3)(random);
            ASSERT_EQ(tree.SetCriterionScale(node, scale), "");
            const auto size = static_cast<std::int32_t>(tree.Scales()[scale].Intensities.size());
            for (std::uint32_t a = 0; a < alternatives; ++a) {
                const std::int32_t k = std::uniform_int_distribution<std::int32_t>(-1, size - 1)(random);
                ASSERT_EQ(tree.SetRating(node, a, k), "");
            }
        }
        std::vector<double> expected(alternatives, 0.0);
        AddScores(tree, CHierarchy::GoalNode, 1.0, expected);
        const CRatingResults results = ComputeRatingResults(tree);
        const double sum = std::accumulate(expected.begin(), expected.end(), 0.0);
        std::vector<std::uint32_t> order(alternatives);
        std::iota(order.begin(), order.end(), 0U);
        for (std::uint32_t a = 0; a < alternatives; ++a) {
            EXPECT_NEAR(results.Scores()[a], expected[a], 1e-12) << round << " " << a;
            EXPECT_NEAR(results.Shares()[a], expected[a] / sum, 1e-12) << round << " " << a;
        }
        std::stable_sort(order.begin(), order.end(),
            [&](std::uint32_t a, std::uint32_t b) { return results.Scores()[a] > results.Scores()[b]; });
        EXPECT_EQ(results.Ranking(), order) << round;
    }
}
