#include "core/model/CUserProjectModel.h"
#include "core/results/CProjectResults.h"
#include "core/results/CWeightMoves.h"
#include "core/results/Synthesis.h"
#include "support/ModelEdits.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

namespace {
using Vector = std::vector<double>;

struct CMove {
    std::uint32_t Position;
    double X;
};

// The moves worked out here on plain vectors: each move puts its element at x and scales
// the others by (1 - x) / (1 - g), g the element's weight where its move began; moves of
// the same element in a row are one move that began before the first of them.
Vector ChainedWeights(Vector weights, const std::vector<CMove>& moves)
{
    Vector start = weights;
    std::uint32_t moving = MaxElementsPerLevel;
    for (const CMove& move : moves) {
        if (move.Position != moving) {
            start = weights;
            moving = move.Position;
        }
        const double g = start[move.Position];
        for (std::size_t k = 0; k < weights.size(); ++k) {
            weights[k] = k == move.Position ? move.X : start[k] * (1.0 - move.X) / (1.0 - g);
        }
    }
    return weights;
}

// The synthesis run downward from `level` with the weights given for it.
Vector Downward(const CSensitivityInput& input, std::uint32_t level, Vector weights)
{
    for (std::uint32_t l = level; l + 1 < input.LevelCount; ++l) {
        Vector next(input.Count[l + 1], 0.0);
        for (std::uint32_t e = 0; e < next.size(); ++e) {
            for (std::uint32_t k = 0; k < weights.size(); ++k) {
                next[e] += input.Local[l][k][e] * weights[k];
            }
        }
        weights = next;
    }
    return weights;
}

Vector LevelOf(const CSensitivityInput& input, std::uint32_t level)
{
    return {input.Global[level].begin(), input.Global[level].begin() + input.Count[level]};
}

// Four levels of 3, 4 and 5 elements under the goal, judged at random.
CSensitivityInput RandomInput(unsigned seed)
{
    CUserProjectModel project;
    EXPECT_TRUE(BuildWithCounts(project, {1, 3, 4, 5}));
    std::mt19937 rng(seed);
    const int codes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, -2, -3, -4, -5, -6, -7, -8, -9};
    for (std::uint32_t l = 0; l < 3; ++l) {
        const std::uint32_t n = project.ElementsInLevelChecked(l + 1);
        for (std::uint32_t k = 0; k < (l == 0 ? 1 : project.ElementsInLevelChecked(l)); ++k) {
            for (std::uint32_t r = 0; r < n; ++r) {
                for (std::uint32_t c = r + 1; c < n; ++c) {
                    SetPair(project, k, l, r, c, codes[rng() % 17]);
                }
            }
        }
    }
    return SensitivityInputOf(project, ComputeResults(project));
}
} // namespace

TEST(WeightMoves, ChainedMovesRescaleTheLevelAndTheAlternativesFollow)
{
    struct Case {
        const char* Name;
        std::uint32_t Level;
        std::vector<CMove> Moves;
    };
    const std::vector<Case> cases{
        {"one move", 2, {{0, 0.6}}},
        {"another element moves from where the first left the level", 2, {{0, 0.6}, {2, 0.05}}},
        {"a drag: the same element again", 2, {{1, 0.5}, {1, 0.7}, {1, 0.2}}},
        // Measured from where the drag began: through the whole level and back.
        {"a drag to the end and back", 2, {{1, 1.0}, {1, 0.35}}},
        {"back to the first after another", 2, {{3, 0.4}, {0, 0.1}, {3, 0.9}}},
        {"to the ends", 1, {{0, 0.0}, {2, 0.9999}}},
        {"level 1", 1, {{1, 0.3}, {0, 0.45}, {0, 0.5}}},
    };
    for (unsigned seed = 1; seed <= 5; ++seed) {
        const CSensitivityInput input = RandomInput(seed);
        for (const Case& c : cases) {
            auto moves = std::make_unique<CWeightMoves>();
            moves->Reset(input, c.Level);
            EXPECT_EQ(moves->Level(), c.Level);
            EXPECT_EQ(moves->WeightCount(), input.Count[c.Level]);
            EXPECT_EQ(moves->AlternativeCount(), 5U);
            for (const CMove& move : c.Moves) {
                EXPECT_TRUE(moves->Move(move.Position, move.X)) << c.Name;
            }
            const Vector weights = ChainedWeights(LevelOf(input, c.Level), c.Moves);
            const Vector alternatives = Downward(input, c.Level, weights);
            double sum = 0.0;
            for (std::uint32_t k = 0; k < weights.size(); ++k) {
                EXPECT_NEAR(moves->Weights()[k], weights[k], 1e-12) << c.Name << " " << seed << " " << k;
                sum += moves->Weights()[k];
            }
            EXPECT_NEAR(sum, 1.0, 1e-12) << c.Name;
            for (std::uint32_t i = 0; i < alternatives.size(); ++i) {
                EXPECT_NEAR(moves->Alternatives()[i], alternatives[i], 1e-12) << c.Name << " " << seed << " " << i;
            }
        }
    }
}

TEST(WeightMoves, TheFirstMoveIsTheAnalysisOwnLineAndDraggingBackRestoresExactly)
{
    const CSensitivityInput input = RandomInput(7);
    auto moves = std::make_unique<CWeightMoves>();
    moves->Reset(input, 2);
    // Before any move: the weights and priorities as computed.
    for (std::uint32_t k = 0; k < MaxElementsPerLevel; ++k) {
        EXPECT_EQ(moves->Weights()[k], input.Global[2][k]);
        EXPECT_EQ(moves->Alternatives()[k], input.Global[3][k]);
    }
    ASSERT_TRUE(moves->Move(1, 0.42));
    std::array<double, MaxElementsPerLevel> weights{};
    std::array<double, MaxElementsPerLevel> alternatives{};
    ASSERT_TRUE(MovedLevelWeights(input, 2, 1, 0.42, weights.data()));
    ASSERT_TRUE(AlternativesAt(AnalyseElement(input, 2, 1), 0.42, alternatives.data()));
    for (std::uint32_t k = 0; k < 4; ++k) {
        EXPECT_EQ(moves->Weights()[k], weights[k]) << k; // bit for bit
    }
    for (std::uint32_t i = 0; i < 5; ++i) {
        EXPECT_EQ(moves->Alternatives()[i], alternatives[i]) << i;
    }
    // Dragged on and back to where it was: the level as computed, bit for bit.
    ASSERT_TRUE(moves->Move(1, 0.8));
    ASSERT_TRUE(moves->Move(1, input.Global[2][1]));
    for (std::uint32_t k = 0; k < 4; ++k) {
        EXPECT_EQ(moves->Weights()[k], input.Global[2][k]) << k;
    }
    for (std::uint32_t i = 0; i < 5; ++i) {
        EXPECT_NEAR(moves->Alternatives()[i], input.Global[3][i], 1e-15) << i;
    }
    // A reset forgets every move.
    ASSERT_TRUE(moves->Move(0, 0.9));
    moves->Reset(input, 2);
    EXPECT_EQ(moves->Weights()[0], input.Global[2][0]);
    EXPECT_EQ(moves->Alternatives()[4], input.Global[3][4]);
}

TEST(WeightMoves, WhatCannotMoveStaysWhereItIs)
{
    const CSensitivityInput input = RandomInput(3);
    auto moves = std::make_unique<CWeightMoves>();
    struct Case {
        const char* Name;
        std::uint32_t Level;
        std::uint32_t Position;
    };
    for (const Case& c : {Case{"the goal", 0, 0}, Case{"the alternatives", 3, 0}, Case{"past the level", 2, 4},
             Case{"a slot not in use", 1, 8}}) {
        moves->Reset(input, c.Level);
        const auto weights = moves->Weights();
        const auto alternatives = moves->Alternatives();
        EXPECT_FALSE(moves->Move(c.Position, 0.5)) << c.Name;
        EXPECT_EQ(moves->Weights(), weights) << c.Name;
        EXPECT_EQ(moves->Alternatives(), alternatives) << c.Name;
    }

    // An element that came to hold the whole level (the others dragged to 0) does not
    // move back: dividing by 1 - g would make weights of rounding noise.
    moves->Reset(input, 1);
    ASSERT_TRUE(moves->Move(0, 1.0));
    EXPECT_EQ(moves->Weights()[0], 1.0);
    EXPECT_EQ(moves->Weights()[1], 0.0);
    ASSERT_TRUE(moves->Move(1, 0.0)); // another element, left at 0
    const auto held = moves->Weights();
    const auto heldAlternatives = moves->Alternatives();
    EXPECT_EQ(held[0], 1.0);
    // Element 0's next move starts from the level as it stands now.
    EXPECT_FALSE(moves->Move(0, 0.3));
    EXPECT_EQ(moves->Weights(), held);
    EXPECT_EQ(moves->Alternatives(), heldAlternatives);
    // The alternatives are those of element 0 alone.
    const Vector alone = Downward(input, 1, {1.0, 0.0, 0.0});
    for (std::uint32_t i = 0; i < 5; ++i) {
        EXPECT_NEAR(heldAlternatives[i], alone[i], 1e-12) << i;
    }
}
