#include "core/results/IdealSynthesis.h"
#include "core/results/LocalPriorities.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {
using Vector = std::vector<double>;

// The local priorities of judgements given by their upper triangle, row by row
// (a value below 1 stands for its reciprocal code), through the value-block functions.
Vector Local(std::uint32_t n, const Vector& upper)
{
    CValueBlock values{};
    std::size_t k = 0;
    for (std::uint32_t i = 0; i < n; ++i) {
        values[i][i] = 1.0;
        for (std::uint32_t j = i + 1; j < n; ++j) {
            values[i][j] = upper[k];
            values[j][i] = 1.0 / upper[k];
            ++k;
        }
    }
    double w[MaxElementsPerLevel] = {};
    ComputeLocalPriorities(values, n, w);
    return Vector(w, w + n);
}

// Goal, criteria, alternatives: the criteria's weights are the goal's vector.
CSensitivityInput ThreeLevels(const Vector& goal, const std::vector<Vector>& underCriteria)
{
    CSensitivityInput input;
    input.LevelCount = 3;
    input.Count[0] = 1;
    input.Count[1] = static_cast<std::uint32_t>(goal.size());
    input.Count[2] = static_cast<std::uint32_t>(underCriteria[0].size());
    for (std::size_t k = 0; k < goal.size(); ++k) {
        input.Local[0][0][k] = goal[k];
        input.Global[1][k] = goal[k];
        for (std::size_t a = 0; a < underCriteria[k].size(); ++a) {
            input.Local[1][k][a] = underCriteria[k][a];
        }
    }
    return input;
}

// The distributive result, written out: sum over the criteria of weight * local priority.
Vector Distributive(const Vector& goal, const std::vector<Vector>& underCriteria)
{
    Vector p(underCriteria[0].size(), 0.0);
    for (std::size_t k = 0; k < goal.size(); ++k) {
        for (std::size_t a = 0; a < p.size(); ++a) {
            p[a] += goal[k] * underCriteria[k][a];
        }
    }
    return p;
}

void ExpectFigures(const CIdealSynthesis& ideal, const Vector& raw, const Vector& priority, double tolerance)
{
    ASSERT_EQ(ideal.AlternativeCount, raw.size());
    for (std::size_t a = 0; a < raw.size(); ++a) {
        EXPECT_NEAR(ideal.Raw[a], raw[a], tolerance) << a;
        EXPECT_NEAR(ideal.Priority[a], priority[a], tolerance) << a;
    }
    for (std::size_t a = raw.size(); a < MaxElementsPerLevel; ++a) {
        EXPECT_EQ(ideal.Raw[a], 0.0);
        EXPECT_EQ(ideal.Priority[a], 0.0);
    }
}
} // namespace

TEST(IdealSynthesis, WorkedFourCriteriaExample)
{
    const Vector goal = Local(4, {4, 3, 7, 1.0 / 3.0, 3, 5});
    const std::vector<Vector> criteria
        = {Local(3, {3, 5, 2}), Local(3, {2, 2, 1}), Local(3, {9, 9, 1}), Local(3, {1, 4, 4})};
    const Vector distributive = Distributive(goal, criteria);
    const Vector expected = {0.663740, 0.206920, 0.129340};
    for (std::size_t a = 0; a < 3; ++a) {
        EXPECT_NEAR(distributive[a], expected[a], 5e-7);
    }
    ExpectFigures(ComputeIdealSynthesis(ThreeLevels(goal, criteria)), {1.000000, 0.343626, 0.210669},
        {0.643378, 0.221082, 0.135540}, 5e-7);
}

// Goal -> 2 criteria -> 2 subcriteria -> 4 alternatives, all judgements consistent, so
// every figure is a fraction: the subcriteria weigh 5/12 and 7/12; the alternatives score
// (1, 2, 4, 8) and (4, 4, 2, 1) under them, so raw = 5/12 (1/8, 1/4, 1/2, 1)
// + 7/12 (1, 1, 1/2, 1/4) = (61, 66, 48, 54) / 96.
TEST(IdealSynthesis, OnlyTheLastMiddleLevelIsIdealised)
{
    CSensitivityInput input;
    input.LevelCount = 4;
    input.Count = {1, 2, 2, 4};
    const Vector goal = Local(2, {2});
    const Vector under[2] = {Local(2, {1}), Local(2, {1.0 / 3.0})};
    const Vector alternatives[2] = {Local(4, {0.5, 0.25, 0.125, 0.5, 0.25, 0.5}), Local(4, {1, 2, 4, 2, 4, 2})};
    for (std::uint32_t k = 0; k < 2; ++k) {
        input.Local[0][0][k] = goal[k];
        input.Global[1][k] = goal[k];
        for (std::uint32_t s = 0; s < 2; ++s) {
            input.Local[1][k][s] = under[k][s];
        }
        for (std::uint32_t a = 0; a < 4; ++a) {
            input.Local[2][k][a] = alternatives[k][a];
        }
    }
    for (std::uint32_t s = 0; s < 2; ++s) {
        input.Global[2][s] = goal[0] * under[0][s] + goal[1] * under[1][s];
    }
    EXPECT_NEAR(input.Global[2][0], 5.0 / 12.0, 1e-15);
    const CIdealSynthesis ideal = ComputeIdealSynthesis(input);
    ExpectFigures(
        ideal, {61.0 / 96, 66.0 / 96, 48.0 / 96, 54.0 / 96}, {61.0 / 229, 66.0 / 229, 48.0 / 229, 54.0 / 229}, 1e-14);
}

// Two equally weighted criteria; A, B, C score (9, 3, 1) under the first and (1, 6, 3)
// under the second. B leads A in both results. A copy C' of C (judged as C is, C' : C = 1)
// takes share from B, the better one under the second criterion, more than from A: the
// distributive result then puts A ahead, the ideal one keeps B ahead with the same scores.
TEST(IdealSynthesis, CopyOfAnAlternativeReversesOnlyTheDistributiveOrder)
{
    const Vector goal = Local(2, {1});
    const std::vector<Vector> three = {Local(3, {3, 9, 3}), Local(3, {1.0 / 6.0, 1.0 / 3.0, 2})};
    const std::vector<Vector> four
        = {Local(4, {3, 9, 9, 3, 3, 1}), Local(4, {1.0 / 6.0, 1.0 / 3.0, 1.0 / 3.0, 2, 2, 1})};
    const Vector before = Distributive(goal, three);
    const Vector after = Distributive(goal, four);
    const CIdealSynthesis idealBefore = ComputeIdealSynthesis(ThreeLevels(goal, three));
    const CIdealSynthesis idealAfter = ComputeIdealSynthesis(ThreeLevels(goal, four));

    // Distributive: B 0.4154 > A 0.3962, then A 0.3599 > B 0.3379.
    EXPECT_NEAR(before[0], 103.0 / 260, 1e-12);
    EXPECT_NEAR(before[1], 108.0 / 260, 1e-12);
    EXPECT_NEAR(after[0], 131.0 / 364, 1e-12);
    EXPECT_NEAR(after[1], 123.0 / 364, 1e-12);
    EXPECT_GT(before[1], before[0]);
    EXPECT_GT(after[0], after[1]);
    // Ideal: raw A = (1 + 1/6) / 2, B = (1/3 + 1) / 2, C = (1/9 + 1/2) / 2, before and after.
    ExpectFigures(idealBefore, {7.0 / 12, 8.0 / 12, 11.0 / 36}, {21.0 / 56, 24.0 / 56, 11.0 / 56}, 1e-12);
    ExpectFigures(
        idealAfter, {7.0 / 12, 8.0 / 12, 11.0 / 36, 11.0 / 36}, {21.0 / 67, 24.0 / 67, 11.0 / 67, 11.0 / 67}, 1e-12);
    EXPECT_GT(idealAfter.Priority[1], idealAfter.Priority[0]);
    for (std::uint32_t a = 0; a < 3; ++a) {
        EXPECT_NEAR(idealAfter.Raw[a], idealBefore.Raw[a], 1e-15) << a;
    }
}

// With the goal as the only parent the raw scores are the goal's vector over its largest
// entry, and the ideal priorities are that vector again.
TEST(IdealSynthesis, TwoLevelProject)
{
    const Vector local = Local(4, {3, 5, 2, 2, 0.5, 1.0 / 3.0});
    CSensitivityInput input;
    input.LevelCount = 2;
    input.Count = {1, 4};
    double largest = 0.0;
    for (std::uint32_t a = 0; a < 4; ++a) {
        input.Local[0][0][a] = local[a];
        largest = std::fmax(largest, local[a]);
    }
    input.Global[0][0] = 0.25; // not a weight: the goal always weighs 1
    Vector raw(4);
    for (std::uint32_t a = 0; a < 4; ++a) {
        raw[a] = local[a] / largest;
    }
    ExpectFigures(ComputeIdealSynthesis(input), raw, local, 1e-15);
}

TEST(IdealSynthesis, EmptyAndBrokenVectorsGiveNoNaN)
{
    const Vector goal = Local(3, {2, 4, 2});
    const std::vector<Vector> criteria = {Local(3, {3, 5, 2}), Local(3, {2, 2, 1}), Local(3, {9, 9, 1})};
    CSensitivityInput input = ThreeLevels(goal, criteria);

    // One parent all 0, one holding a NaN: only the third counts.
    input.Local[1][0] = {};
    input.Local[1][1][2] = std::numeric_limits<double>::quiet_NaN();
    const double largest = std::fmax(criteria[2][0], std::fmax(criteria[2][1], criteria[2][2]));
    Vector raw(3);
    Vector priority(3);
    for (std::uint32_t a = 0; a < 3; ++a) {
        raw[a] = goal[2] * criteria[2][a] / largest;
        priority[a] = criteria[2][a] / (criteria[2][0] + criteria[2][1] + criteria[2][2]);
    }
    ExpectFigures(ComputeIdealSynthesis(input), raw, priority, 1e-15);

    // Every parent empty, or weighing nothing or an infinity: raw and priorities all 0.
    input.Local[1][1] = {};
    input.Local[1][2] = {};
    ExpectFigures(ComputeIdealSynthesis(input), {0, 0, 0}, {0, 0, 0}, 0.0);
    input = ThreeLevels(goal, criteria);
    input.Global[1] = {};
    input.Global[1][0] = std::numeric_limits<double>::infinity();
    ExpectFigures(ComputeIdealSynthesis(input), {0, 0, 0}, {0, 0, 0}, 0.0);

    // Nothing to synthesise.
    for (const std::uint32_t levels : {0U, 1U}) {
        input.LevelCount = levels;
        EXPECT_EQ(ComputeIdealSynthesis(input).AlternativeCount, 0U);
    }
}
