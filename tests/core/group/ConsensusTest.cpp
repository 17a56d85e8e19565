#include "GroupTestSupport.h"

#include "core/group/Consensus.h"
#include "core/group/PriorityAggregation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace {
CConsensus ConsensusOf(const std::vector<std::vector<double>>& vectors, const std::vector<double>& weights)
{
    const std::vector<std::span<const double>> spans(vectors.begin(), vectors.end());
    const auto consensus = ComputeConsensus(spans, WeightsOf(weights));
    EXPECT_TRUE(consensus.has_value());
    return consensus.value_or(CConsensus{});
}
} // namespace

TEST(Consensus, TwoExpertsAgreeHighly)
{
    const std::vector<double> first = PrioritiesOf(FromUpper(3, {3, 5, 2}), 3);
    const std::vector<double> second = PrioritiesOf(FromUpper(3, {-2, 4, 6}), 3);
    const double expectedFirst[] = {0.648329, 0.229651, 0.122020};
    const double expectedSecond[] = {0.323386, 0.587631, 0.088983};
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(first[i], expectedFirst[i], 5e-7);
        EXPECT_NEAR(second[i], expectedSecond[i], 5e-7);
    }
    const CConsensus consensus = ConsensusOf({first, second}, {1.0, 1.0});
    EXPECT_NEAR(consensus.HAlpha, 0.884133, 5e-7);
    EXPECT_NEAR(consensus.HGamma, 0.953688, 5e-7);
    EXPECT_NEAR(consensus.HBeta, 0.069555, 5e-7);
    EXPECT_NEAR(consensus.SStar, 0.828823, 5e-7);
    EXPECT_NEAR(consensus.S, 0.899213, 5e-7);
    const EConsensusBand band = ConsensusBandOf(consensus.SStar);
    EXPECT_EQ(band, EConsensusBand::High);
    EXPECT_STREQ(ConsensusBandName(band), "высокое");
    EXPECT_STREQ(ConsensusBandText(band), "высокое согласие");
    EXPECT_STREQ(ConsensusBandKey(band), "high");
}

TEST(Consensus, ExpertsFavouringDifferentElementsAtTheScaleMaximumHaveNone)
{
    const std::vector<CJudgementMatrix> experts{
        FromUpper(3, {9, 9, 1}), FromUpper(3, {-9, 1, 9}), FromUpper(3, {1, -9, -9})};
    std::vector<std::vector<double>> vectors;
    for (const CJudgementMatrix& matrix : experts) {
        vectors.push_back(PrioritiesOf(matrix, 3));
    }
    const CConsensus consensus = ConsensusOf(vectors, {1.0, 1.0, 1.0});
    EXPECT_NEAR(consensus.SStar, 0.0, 1e-14);
    EXPECT_EQ(ConsensusBandOf(consensus.SStar), EConsensusBand::VeryLow);
    EXPECT_NEAR(consensus.HGamma, std::log(3.0), 1e-15);
}

TEST(Consensus, WeightsLeftOutExpertsAndRefusals)
{
    const std::vector<double> a{0.6, 0.3, 0.1};
    const std::vector<double> b{0.2, 0.5, 0.3};
    const std::vector<double> c{0.1, 0.1, 0.8};
    // A weight of 2 is the same expert counted twice.
    const CConsensus weighted = ConsensusOf({a, b}, {2.0, 1.0});
    const CConsensus repeated = ConsensusOf({a, a, b}, {1.0, 1.0, 1.0});
    EXPECT_NEAR(weighted.HAlpha, repeated.HAlpha, 1e-15);
    EXPECT_NEAR(weighted.HGamma, repeated.HGamma, 1e-15);
    EXPECT_NEAR(weighted.SStar, repeated.SStar, 1e-14);
    EXPECT_NEAR(weighted.S, repeated.S, 1e-14);

    // An expert left out (empty vector) gives his weight to the others.
    const std::vector<std::span<const double>> withGap{a, {}, b};
    const auto gap = ComputeConsensus(withGap, WeightsOf({2.0, 5.0, 1.0}));
    ASSERT_TRUE(gap.has_value());
    EXPECT_NEAR(gap->SStar, weighted.SStar, 1e-14);

    const CExpertWeights two = WeightsOf({1.0, 1.0});
    const CExpertWeights three = WeightsOf({1.0, 1.0, 1.0});
    const std::vector<double> negative{1.2, -0.2};
    EXPECT_FALSE(ComputeConsensus(std::vector<std::span<const double>>{a}, WeightsOf({1.0})));
    EXPECT_FALSE(ComputeConsensus(std::vector<std::span<const double>>{a, {}}, two));
    EXPECT_FALSE(ComputeConsensus(std::vector<std::span<const double>>{a, b}, three));
    EXPECT_FALSE(ComputeConsensus(std::vector<std::span<const double>>{a, negative}, two));
    EXPECT_FALSE(ComputeConsensus(std::vector<std::span<const double>>{a, std::span(b).first(2)}, two));
    // A zero entry is allowed (0 ln 0 = 0).
    EXPECT_TRUE(ComputeConsensus(std::vector<std::span<const double>>{c, std::vector<double>{0.0, 0.5, 0.5}}, two));
}

TEST(Consensus, BandsHaveInclusiveUpperBounds)
{
    struct CCase {
        double SStar;
        EConsensusBand Band;
        const char* Text;
        const char* Key;
        double Shown;
    };
    const CCase cases[] = {
        {-0.004, EConsensusBand::VeryLow, "очень низкое согласие", "very_low", 0.0},
        {NAN, EConsensusBand::VeryLow, "очень низкое согласие", "very_low", 0.0},
        {0.0, EConsensusBand::VeryLow, "очень низкое согласие", "very_low", 0.0},
        {0.5, EConsensusBand::VeryLow, "очень низкое согласие", "very_low", 50.0},
        {0.5000001, EConsensusBand::Low, "низкое согласие", "low", 50.00001},
        {0.625, EConsensusBand::Low, "низкое согласие", "low", 62.5},
        {0.6250001, EConsensusBand::Moderate, "умеренное согласие", "moderate", 62.50001},
        {0.75, EConsensusBand::Moderate, "умеренное согласие", "moderate", 75.0},
        {0.76, EConsensusBand::High, "высокое согласие", "high", 76.0},
        {0.875, EConsensusBand::High, "высокое согласие", "high", 87.5},
        {0.8750001, EConsensusBand::VeryHigh, "очень высокое согласие", "very_high", 87.50001},
        {1.0, EConsensusBand::VeryHigh, "очень высокое согласие", "very_high", 100.0},
    };
    for (const CCase& c : cases) {
        const EConsensusBand band = ConsensusBandOf(c.SStar);
        EXPECT_EQ(band, c.Band) << c.SStar;
        EXPECT_STREQ(ConsensusBandText(band), c.Text);
        EXPECT_EQ(std::string(ConsensusBandName(band)) + " согласие", c.Text);
        EXPECT_STREQ(ConsensusBandKey(band), c.Key);
        EXPECT_NEAR(ShownConsensusPercent(c.SStar), c.Shown, 1e-9) << c.SStar;
    }
}

TEST(Consensus, OverallIsWeightedByGlobalPriorities)
{
    const auto overall = OverallConsensus(std::vector<double>{0.8, 0.2, -0.01}, std::vector<double>{1.0, 0.75, 0.25});
    ASSERT_TRUE(overall.has_value());
    EXPECT_NEAR(*overall, (0.8 + 0.15 - 0.0025) / 2.0, 1e-15);
    EXPECT_FALSE(OverallConsensus(std::vector<double>{}, std::vector<double>{}));
    EXPECT_FALSE(OverallConsensus(std::vector<double>{0.5}, std::vector<double>{1.0, 0.5}));
    EXPECT_FALSE(OverallConsensus(std::vector<double>{0.5, 0.5}, std::vector<double>{0.0, 0.0}));
}

TEST(PriorityAggregation, ArithmeticGeometricAndDistance)
{
    const std::vector<double> first{0.8, 0.1, 0.1};
    const std::vector<double> second{0.2, 0.4, 0.4};
    const std::vector<std::span<const double>> both{first, second};
    const auto arithmetic = ArithmeticPriorityAggregate(both, WeightsOf({3.0, 1.0}));
    ASSERT_TRUE(arithmetic.has_value());
    EXPECT_NEAR((*arithmetic)[0], 0.65, 1e-15);
    EXPECT_NEAR((*arithmetic)[1], 0.175, 1e-15);
    EXPECT_NEAR((*arithmetic)[2], 0.175, 1e-15);
    // sqrt(0.16), sqrt(0.04), sqrt(0.04) normalised.
    const auto geometric = GeometricPriorityAggregate(both, WeightsOf({1.0, 1.0}));
    ASSERT_TRUE(geometric.has_value());
    EXPECT_NEAR((*geometric)[0], 0.5, 1e-15);
    EXPECT_NEAR((*geometric)[1], 0.25, 1e-15);
    EXPECT_NEAR((*geometric)[2], 0.25, 1e-15);

    // An expert left out: the other's vector alone.
    const std::vector<std::span<const double>> gap{{}, second};
    EXPECT_EQ(*ArithmeticPriorityAggregate(gap, WeightsOf({5.0, 1.0})), second);
    EXPECT_FALSE(ArithmeticPriorityAggregate(std::vector<std::span<const double>>{{}, {}}, WeightsOf({1.0, 1.0})));
    EXPECT_FALSE(GeometricPriorityAggregate(
        std::vector<std::span<const double>>{first, std::span(second).first(2)}, WeightsOf({1.0, 1.0})));

    const auto distance = DistanceFromGroup(std::vector<double>{0.5, 0.25, 0.25}, std::vector<double>{0.25, 0.5, 0.25});
    ASSERT_TRUE(distance.has_value());
    EXPECT_NEAR(*distance, 2.0 * std::log(2.0), 1e-15);
    EXPECT_EQ(DistanceFromGroup(first, first), 0.0);
    EXPECT_FALSE(DistanceFromGroup(std::vector<double>{1.0, 0.0}, std::vector<double>{0.5, 0.5}));
}

TEST(Consensus, KendallConcordanceWithTies)
{
    struct CCase {
        std::vector<std::vector<double>> Places;
        std::optional<double> W;
    };
    const std::vector<CCase> cases{
        {{{1, 2, 3, 4}, {2, 1, 4, 3}, {1, 3, 2, 4}}, 0.644444},
        {{{1, 2, 3, 4}, {1.5, 1.5, 3, 4}, {1, 2, 3.5, 3.5}}, 0.952381},
        {{{1, 2, 3, 4}, {1, 2, 3, 4}, {1, 2, 3, 4}}, 1.0},
        {{{1, 2, 3, 4}, {4, 3, 2, 1}}, 0.0},
        {{{1, 2, 3, 4}}, std::nullopt},
        {{{1.5, 1.5}, {1.5, 1.5}}, std::nullopt},
        {{{1, 2, 3}, {1, 2}}, std::nullopt},
    };
    for (const CCase& c : cases) {
        const std::optional<double> w = KendallConcordance(c.Places);
        ASSERT_EQ(w.has_value(), c.W.has_value());
        if (w) {
            EXPECT_NEAR(*w, *c.W, 5e-7);
        }
    }
    EXPECT_EQ(MeanPlaces(std::vector<double>{0.3, 0.4, 0.3}), (std::vector<double>{2.5, 1.0, 2.5}));
    EXPECT_EQ(MeanPlaces(std::vector<double>{0.1, 0.2, 0.3, 0.4}), (std::vector<double>{4, 3, 2, 1}));
    EXPECT_EQ(ConcordanceBandOf(0.644444), EConcordanceBand::Strong);
    EXPECT_EQ(ConcordanceBandOf(0.2), EConcordanceBand::Weak);
}
