// What a project's results carry beside the priorities: what each element's priorities
// rest on, the element whose judgements do not connect its children, and the ideal
// synthesis of the alternatives.
#include "core/results/CProjectResults.h"
#include "core/results/Sensitivity.h"
#include "core/results/Synthesis.h"
#include "support/ModelEdits.h"

#include <gtest/gtest.h>

namespace {
// Upper triangles of 0-based codes; 0 leaves the pair out.
void JudgeUpper(CUserProjectModel& model, std::uint32_t position, std::uint32_t level, const std::vector<int>& upper)
{
    const std::uint32_t n = model.ElementsInLevelChecked(level + 1);
    std::size_t k = 0;
    for (std::uint32_t i = 0; i < n; ++i) {
        for (std::uint32_t j = i + 1; j < n; ++j) {
            SetPair(model, position, level, i, j, upper[k]); // a 0 and its mirror 0
            ++k;
        }
    }
}
} // namespace

TEST(ProjectResults, ElementsWithPairsLeftOutRestOnTheJudgementsGiven)
{
    CUserProjectModel m;
    ASSERT_TRUE(BuildWithCounts(m, {1, 4, 2}));
    // a-b 1, a-c 5, a-d 2, b-c 3, b-d 4, c-d left out.
    JudgeUpper(m, 0, 0, {1, 5, 2, 3, 4, 0});
    const CProjectResults results = ComputeResults(m);
    EXPECT_EQ(results.Basis(0, 0), EPrioritiesBasis::LeastSquares);
    EXPECT_EQ(results.Basis(1, 1), EPrioritiesBasis::AllJudged);
    const double want[4] = {0.374183, 0.391633, 0.098841, 0.135343};
    for (std::uint32_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(results.LevelData(0, 0).Priority[i], want[i], 5e-7);
        EXPECT_EQ(results.GlobalPriority()(i, 1), results.LevelData(0, 0).Priority[i]);
    }
    EXPECT_NEAR(results.LevelData(0, 0).LambdaMax, 4.092346, 5e-7);
    EXPECT_NEAR(results.LevelData(0, 0).CR, 0.034202, 5e-7);
    EXPECT_FALSE(results.NotConnected());

    // Criterion 2 compares its two alternatives with nothing: no priorities under it, and
    // it is the element named; the goal, judged connected, still has its own.
    JudgeUpper(m, 2, 1, {0});
    const CProjectResults refused = ComputeResults(m);
    ASSERT_TRUE(refused.NotConnected());
    EXPECT_EQ(refused.NotConnected()->Position, 2U);
    EXPECT_EQ(refused.NotConnected()->Level, 1U);
    EXPECT_EQ(refused.Basis(2, 1), EPrioritiesBasis::NotConnected);
    EXPECT_EQ(refused.LevelData(2, 1).Priority[0], 0.0);
    EXPECT_EQ(refused.LevelData(0, 0).Priority[0], results.LevelData(0, 0).Priority[0]);
}

TEST(ProjectResults, IdealSynthesisBesideTheDistributiveOne)
{
    CUserProjectModel m;
    ASSERT_TRUE(BuildWithCounts(m, {1, 4, 3}));
    JudgeUpper(m, 0, 0, {4, 3, 7, -3, 3, 5});
    const std::vector<std::vector<int>> criteria{{3, 5, 2}, {2, 2, 1}, {9, 9, 1}, {1, 4, 4}};
    for (std::uint32_t c = 0; c < 4; ++c) {
        JudgeUpper(m, c, 1, criteria[c]);
    }
    const CProjectResults results = ComputeResults(m);
    const double distributive[3] = {0.663740, 0.206920, 0.129340};
    const double raw[3] = {1.0, 0.343626, 0.210669};
    const double ideal[3] = {0.643378, 0.221082, 0.135540};
    const CIdealSynthesis fromInput = ComputeIdealSynthesis(SensitivityInputOf(m, results));
    ASSERT_EQ(results.Ideal().AlternativeCount, 3U);
    for (std::uint32_t a = 0; a < 3; ++a) {
        EXPECT_NEAR(results.GlobalPriority()(a, 2), distributive[a], 5e-7);
        EXPECT_NEAR(results.Ideal().Raw[a], raw[a], 5e-7);
        EXPECT_NEAR(results.Ideal().Priority[a], ideal[a], 5e-7);
        EXPECT_EQ(results.Ideal().Priority[a], fromInput.Priority[a]);
    }
}
