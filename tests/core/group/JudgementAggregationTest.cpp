#include "GroupTestSupport.h"

#include "core/group/Consensus.h"
#include "core/group/JudgementAggregation.h"
#include "core/group/PriorityAggregation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>
#include <span>
#include <vector>

namespace {
std::vector<const CJudgementMatrix*> Pointers(const std::vector<CJudgementMatrix>& experts)
{
    std::vector<const CJudgementMatrix*> pointers;
    for (const CJudgementMatrix& matrix : experts) {
        pointers.push_back(&matrix);
    }
    return pointers;
}

CJudgementAggregate Aggregate(
    const std::vector<CJudgementMatrix>& experts, const std::vector<double>& weights, std::uint32_t n)
{
    const auto aggregate = AggregateJudgements(Pointers(experts), WeightsOf(weights), n);
    EXPECT_TRUE(aggregate.has_value());
    return aggregate.value_or(CJudgementAggregate{});
}

// Every aggregated matrix: equality on the diagonal, combined values whose lower cell is
// exactly the reciprocal of the upper, "не задано" in both cells or in neither, and the
// same count and spread on both sides.
void ExpectReciprocal(const CJudgementAggregate& aggregate)
{
    const std::uint32_t n = aggregate.Order;
    for (std::uint32_t i = 0; i < n; ++i) {
        EXPECT_EQ(aggregate.Judgements(i, i), CJudgement{});
        EXPECT_FALSE(aggregate.Spread[i][i].has_value());
        for (std::uint32_t j = i + 1; j < n; ++j) {
            EXPECT_EQ(aggregate.JudgedBy[j][i], aggregate.JudgedBy[i][j]);
            EXPECT_EQ(aggregate.Spread[j][i], aggregate.Spread[i][j]);
            const CJudgement& upper = aggregate.Judgements(i, j);
            const CJudgement& lower = aggregate.Judgements(j, i);
            if (aggregate.JudgedBy[i][j] == 0) {
                EXPECT_EQ(upper, CJudgement::NotJudged());
                EXPECT_EQ(lower, CJudgement::NotJudged());
            } else {
                EXPECT_TRUE(upper.IsCombined() && lower.IsCombined());
                EXPECT_EQ(lower.Value(), 1.0 / upper.Value());
            }
        }
    }
}

// Pair (i, j) computed the long way: the weighted mean of the logarithms, and the spread
// from the pairwise form of the weighted variance, V = sum_{k<l} a_k a_l (x_k - x_l)^2 /
// (2 sum_{k<l} a_k a_l), which needs no mean.
struct CReferencePair {
    std::uint32_t Count = 0;
    double Value = 0.0;
    std::optional<double> Spread;
};
CReferencePair ReferencePair(
    const std::vector<CJudgementMatrix>& experts, const std::vector<double>& weights, std::uint32_t i, std::uint32_t j)
{
    std::vector<double> x;
    std::vector<double> u;
    for (std::size_t k = 0; k < experts.size(); ++k) {
        if (experts[k](i, j).IsJudged()) {
            x.push_back(std::log(experts[k](i, j).Value()));
        } else if (experts[k](j, i).IsJudged()) {
            x.push_back(-std::log(experts[k](j, i).Value()));
        } else {
            continue;
        }
        u.push_back(weights[k]);
    }
    CReferencePair pair;
    pair.Count = static_cast<std::uint32_t>(x.size());
    double weightedLogs = 0.0;
    double total = 0.0;
    for (std::size_t k = 0; k < x.size(); ++k) {
        weightedLogs += u[k] * x[k];
        total += u[k];
    }
    pair.Value = x.empty() ? 0.0 : std::exp(weightedLogs / total);
    if (x.size() >= 2) {
        double spread = 0.0;
        double products = 0.0;
        for (std::size_t k = 0; k < x.size(); ++k) {
            for (std::size_t l = k + 1; l < x.size(); ++l) {
                spread += u[k] * u[l] * (x[k] - x[l]) * (x[k] - x[l]);
                products += u[k] * u[l];
            }
        }
        pair.Spread = std::exp(std::sqrt(spread / (2.0 * products)));
    }
    return pair;
}

int RandomCode(std::mt19937& random)
{
    const int magnitude = std::uniform_int_distribution<int>(1, 9)(random);
    return magnitude == 1 || random() % 2 == 0 ? magnitude : -magnitude;
}
} // namespace

TEST(JudgementAggregation, TwoExpertsGiveTheCombinedMatrixItsSpreadAndItsPriorities)
{
    const std::vector<CJudgementMatrix> experts{FromUpper(3, {3, 5, 2}), FromUpper(3, {-2, 4, 6})};
    const CJudgementAggregate aggregate = Aggregate(experts, {1.0, 1.0}, 3);
    ASSERT_EQ(aggregate.Order, 3U);
    ASSERT_EQ(aggregate.Judgements.RowCountInUse(), 3U);
    ExpectReciprocal(aggregate);

    const double upper[3][3] = {{0, 1.224745, 4.472136}, {0, 0, 3.464102}};
    const double spread[3][3] = {{0, 3.550063, 1.170916}, {0, 0, 2.174581}};
    for (std::uint32_t i = 0; i < 3; ++i) {
        for (std::uint32_t j = i + 1; j < 3; ++j) {
            EXPECT_EQ(aggregate.JudgedBy[i][j], 2U);
            EXPECT_NEAR(aggregate.Judgements(i, j).Value(), upper[i][j], 5e-7) << i << j;
            ASSERT_TRUE(aggregate.Spread[i][j].has_value());
            EXPECT_NEAR(*aggregate.Spread[i][j], spread[i][j], 5e-7) << i << j;
        }
    }

    // The group's priorities are the project's own computation run on the combined block.
    const CValueBlock block = BlockOf(aggregate.Judgements, 3);
    double priority[3] = {};
    ComputeLocalPriorities(block, 3, priority);
    EXPECT_NEAR(priority[0], 0.492647, 5e-7);
    EXPECT_NEAR(priority[1], 0.395243, 5e-7);
    EXPECT_NEAR(priority[2], 0.112111, 5e-7);
    EXPECT_NEAR(ComputeConsistency(block, 3, priority).CR, 0.000266, 5e-7);
}

TEST(JudgementAggregation, ThreeExpertsEachFavouringAnotherCancelOut)
{
    // Each expert puts a different criterion 9 times above both others.
    const std::vector<CJudgementMatrix> experts{
        FromUpper(3, {9, 9, 1}), FromUpper(3, {-9, 1, 9}), FromUpper(3, {1, -9, -9})};
    const CJudgementAggregate aggregate = Aggregate(experts, {1.0, 1.0, 1.0}, 3);
    ExpectReciprocal(aggregate);
    for (std::uint32_t i = 0; i < 3; ++i) {
        for (std::uint32_t j = i + 1; j < 3; ++j) {
            EXPECT_NEAR(aggregate.Judgements(i, j).Value(), 1.0, 1e-15);
            ASSERT_TRUE(aggregate.Spread[i][j].has_value());
            EXPECT_NEAR(*aggregate.Spread[i][j], 9.0, 1e-12);
        }
    }
    for (const double p : PrioritiesOf(aggregate.Judgements, 3)) {
        EXPECT_NEAR(p, 1.0 / 3.0, 1e-15);
    }
}

TEST(JudgementAggregation, OneExpertIsHisOwnResult)
{
    const CJudgementMatrix matrix = FromUpper(3, {3, 5, 2});
    const CJudgementAggregate aggregate = Aggregate({matrix}, {4.0}, 3);
    ExpectReciprocal(aggregate);
    for (std::uint32_t i = 0; i < 3; ++i) {
        for (std::uint32_t j = i + 1; j < 3; ++j) {
            EXPECT_NEAR(aggregate.Judgements(i, j).Value(), matrix(i, j).Value(), 1e-15);
            EXPECT_FALSE(aggregate.Spread[i][j].has_value());
        }
    }
    const std::vector<double> own = PrioritiesOf(matrix, 3);
    const std::vector<double> group = PrioritiesOf(aggregate.Judgements, 3);
    const std::vector<std::span<const double>> vectors{own};
    for (std::uint32_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(group[i], own[i], 1e-15);
    }
    EXPECT_FALSE(ComputeConsensus(vectors, WeightsOf({4.0})).has_value());
    EXPECT_EQ(*ArithmeticPriorityAggregate(vectors, WeightsOf({4.0})), own);
}

TEST(JudgementAggregation, WeightsAndAbstentions)
{
    // Weights 3 and 1 on 3 and 1/3: sqrt(3); the spread of two judgements is exp(|d| /
    // sqrt 2) whatever their weights, here 3^sqrt(2). Scaling every weight changes nothing.
    for (const double scale : {1.0, 1e-5, 1e5}) {
        const CJudgementAggregate aggregate
            = Aggregate({FromUpper(2, {3}), FromUpper(2, {-3})}, {3.0 * scale, 1.0 * scale}, 2);
        EXPECT_NEAR(aggregate.Judgements(0, 1).Value(), std::sqrt(3.0), 1e-14) << scale;
        EXPECT_NEAR(*aggregate.Spread[0][1], std::pow(3.0, std::sqrt(2.0)), 1e-13) << scale;
    }

    // Pair 0-1 judged by the first two experts only, 0-2 by nobody, 1-2 by the third
    // alone, 0-3 by all three; the second gave only the lower cell of 0-3 (a file may).
    std::vector<CJudgementMatrix> experts{
        FromUpper(4, {5, 0, 2, 0, 0, 0}), FromUpper(4, {-5, 0, 0, 0, 0, 0}), FromUpper(4, {0, 0, 7, 3, 0, 0})};
    experts[1](3, 0) = CJudgement::FromCode(4); // a_03 = 1/4 from the lower cell
    const CJudgementAggregate aggregate = Aggregate(experts, {2.0, 1.0, 1.0}, 4);
    ExpectReciprocal(aggregate);
    // 0-1: weights 2:1 over 5 and 1/5 -> 5^(1/3).
    EXPECT_EQ(aggregate.JudgedBy[0][1], 2U);
    EXPECT_NEAR(aggregate.Judgements(0, 1).Value(), std::cbrt(5.0), 1e-14);
    EXPECT_NEAR(*aggregate.Spread[0][1], std::exp(2.0 * std::log(5.0) / std::sqrt(2.0)), 1e-12);
    EXPECT_EQ(aggregate.JudgedBy[0][2], 0U);
    EXPECT_FALSE(aggregate.Spread[0][2].has_value());
    // 1-2: one expert: his judgement, no spread.
    EXPECT_EQ(aggregate.JudgedBy[1][2], 1U);
    EXPECT_NEAR(aggregate.Judgements(1, 2).Value(), 3.0, 1e-14);
    EXPECT_FALSE(aggregate.Spread[1][2].has_value());
    // 0-3: (2^2 * 4^-1 * 7)^(1/4) = 7^(1/4).
    EXPECT_EQ(aggregate.JudgedBy[0][3], 3U);
    EXPECT_NEAR(aggregate.Judgements(0, 3).Value(), std::pow(7.0, 0.25), 1e-14);
    // 2-3 and 1-3: nobody.
    EXPECT_EQ(aggregate.Judgements(2, 3), CJudgement::NotJudged());
}

TEST(JudgementAggregation, IdenticalExpertsAgreeCompletely)
{
    std::mt19937 random(17);
    std::vector<int> upper;
    for (int k = 0; k < 36; ++k) {
        upper.push_back(RandomCode(random));
    }
    const CJudgementMatrix matrix = FromUpper(9, upper);
    const std::vector<CJudgementMatrix> experts(5, matrix);
    const std::vector<double> weights{0.3, 2.0, 1.0, 7.5, 0.01};
    const CJudgementAggregate aggregate = Aggregate(experts, weights, 9);
    for (std::uint32_t i = 0; i < 9; ++i) {
        for (std::uint32_t j = i + 1; j < 9; ++j) {
            EXPECT_NEAR(aggregate.Judgements(i, j).Value() / matrix(i, j).Value(), 1.0, 1e-14);
            EXPECT_NEAR(*aggregate.Spread[i][j], 1.0, 1e-7);
        }
    }
    const std::vector<double> own = PrioritiesOf(matrix, 9);
    const std::vector<std::span<const double>> vectors(5, own);
    const auto consensus = ComputeConsensus(vectors, WeightsOf(weights));
    ASSERT_TRUE(consensus.has_value());
    EXPECT_NEAR(consensus->HBeta, 0.0, 1e-14);
    EXPECT_NEAR(consensus->SStar, 1.0, 1e-13);
    EXPECT_NEAR(consensus->S, 1.0, 1e-13);
    EXPECT_EQ(ConsensusBandOf(consensus->SStar), EConsensusBand::VeryHigh);
}

TEST(JudgementAggregation, SeededMatricesWithGapsAgreeWithTheLongWay)
{
    std::mt19937 random(2024);
    for (int round = 0; round < 300; ++round) {
        const std::uint32_t n = 2 + random() % 8;
        const std::size_t count = 1 + random() % 7;
        std::vector<CJudgementMatrix> experts;
        std::vector<double> weights;
        for (std::size_t k = 0; k < count; ++k) {
            std::vector<int> upper;
            for (std::uint32_t p = 0; p < n * (n - 1) / 2; ++p) {
                upper.push_back(random() % 4 == 0 ? 0 : RandomCode(random));
            }
            experts.push_back(FromUpper(n, upper));
            // Now and then only the lower cell of a pair is given.
            if (random() % 3 == 0 && n > 2) {
                experts.back()(0, 2) = CJudgement::NotJudged();
            }
            weights.push_back(std::uniform_real_distribution<double>(0.05, 5.0)(random));
        }
        const CJudgementAggregate aggregate = Aggregate(experts, weights, n);
        ExpectReciprocal(aggregate);
        for (std::uint32_t i = 0; i < n; ++i) {
            for (std::uint32_t j = i + 1; j < n; ++j) {
                const CReferencePair expected = ReferencePair(experts, weights, i, j);
                ASSERT_EQ(aggregate.JudgedBy[i][j], expected.Count) << round;
                if (expected.Count > 0) {
                    EXPECT_NEAR(aggregate.Judgements(i, j).Value() / expected.Value, 1.0, 1e-13) << round;
                }
                ASSERT_EQ(aggregate.Spread[i][j].has_value(), expected.Spread.has_value()) << round;
                if (expected.Spread) {
                    EXPECT_NEAR(*aggregate.Spread[i][j] / *expected.Spread, 1.0, 1e-9) << round;
                }
            }
        }
    }
}

// With every pair judged by everyone, the row geometric means of the combined matrix
// are the weighted geometric mean of the experts' own priorities, normalised.
TEST(JudgementAggregation, CombinedJudgementsEqualCombinedPrioritiesWhenComplete)
{
    std::mt19937 random(99);
    for (int round = 0; round < 200; ++round) {
        const std::uint32_t n = 2 + random() % 8;
        const std::size_t count = 1 + random() % 6;
        std::vector<CJudgementMatrix> experts;
        std::vector<std::vector<double>> own;
        std::vector<double> weights;
        for (std::size_t k = 0; k < count; ++k) {
            std::vector<int> upper;
            for (std::uint32_t p = 0; p < n * (n - 1) / 2; ++p) {
                upper.push_back(RandomCode(random));
            }
            experts.push_back(FromUpper(n, upper));
            own.push_back(PrioritiesOf(experts.back(), n));
            weights.push_back(std::uniform_real_distribution<double>(0.1, 5.0)(random));
        }
        const std::vector<double> fromJudgements = PrioritiesOf(Aggregate(experts, weights, n).Judgements, n);
        const std::vector<std::span<const double>> vectors(own.begin(), own.end());
        const auto fromPriorities = GeometricPriorityAggregate(vectors, WeightsOf(weights));
        ASSERT_TRUE(fromPriorities.has_value());
        for (std::uint32_t i = 0; i < n; ++i) {
            EXPECT_NEAR(fromJudgements[i], (*fromPriorities)[i], 1e-13) << round << " " << i;
        }
    }
}

TEST(JudgementAggregation, InputsThatDoNotFitAreRefused)
{
    const CJudgementMatrix two = FromUpper(2, {3});
    const CJudgementMatrix three = FromUpper(3, {3, 1, 1});
    const CExpertWeights weights = WeightsOf({1.0, 1.0});
    const std::vector<const CJudgementMatrix*> pair{&three, &three};
    EXPECT_TRUE(AggregateJudgements(pair, weights, 3).has_value());
    EXPECT_FALSE(AggregateJudgements(pair, WeightsOf({1.0}), 3).has_value());
    EXPECT_FALSE(AggregateJudgements(std::vector<const CJudgementMatrix*>{&three, nullptr}, weights, 3));
    EXPECT_FALSE(AggregateJudgements(std::vector<const CJudgementMatrix*>{&three, &two}, weights, 3));
    EXPECT_FALSE(AggregateJudgements(pair, weights, 0).has_value());
    EXPECT_FALSE(AggregateJudgements(pair, weights, 10).has_value());

    for (const std::vector<double>& bad : std::vector<std::vector<double>>{{}, {1.0, 0.0}, {1.0, -2.0}, {1.0, NAN},
             {1.0, INFINITY}, {1.0, 0.99e-6}, {1.0, 1.01e6}, {1e10, 1e-315, 1e10}}) {
        EXPECT_FALSE(CExpertWeights::FromWeights(bad).has_value());
    }
    const auto huge = CExpertWeights::FromWeights(std::vector<double>{1e6, 1e6, 1e6, 1e6});
    ASSERT_TRUE(huge.has_value());
    EXPECT_DOUBLE_EQ(huge->Normalized(3), 0.25);
    // The widest ratio the rule allows leaves every share positive: 1e-6 / (1e6 + 1e-6).
    const auto widest = CExpertWeights::FromWeights(std::vector<double>{1e-6, 1e6});
    ASSERT_TRUE(widest.has_value());
    EXPECT_NEAR(widest->Normalized(0), 1e-12 / (1.0 + 1e-12), 1e-26);
    EXPECT_DOUBLE_EQ(CExpertWeights::Equal(4)->Normalized(0), 0.25);
    EXPECT_FALSE(CExpertWeights::Equal(0).has_value());
}
