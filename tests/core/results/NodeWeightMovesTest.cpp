// The dynamic view's moves of one group's weights: a small tree worked by hand, and complete
// layers against the layered view's moves.
#include "core/model/CHierarchy.h"
#include "core/model/CUserProjectModel.h"
#include "core/model/LayeredHierarchy.h"
#include "core/results/CNodeWeightMoves.h"
#include "core/results/CProjectResults.h"
#include "core/results/CWeightMoves.h"
#include "core/results/HierarchySynthesis.h"
#include "core/results/Sensitivity.h"
#include "core/results/Synthesis.h"
#include "support/ModelEdits.h"
#include "support/UpperJudgements.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {
using Vector = std::vector<double>;

// Goal (3) over Стоимость and Комфорт; Стоимость (2, 4, 3) over Цена, Налог, Ремонт;
// every covering criterion judges three cars.
CHierarchy SmallTree()
{
    std::vector<CHierarchyNode> nodes{{"Выбор", "", {1, 2}, Upper(2, {3})},
        {"Стоимость", "", {3, 4, 5}, Upper(3, {2, 4, 3})}, {"Комфорт", "", {}, Upper(3, {-4, -2, 3})},
        {"Цена", "", {}, Upper(3, {2, 5, 3})}, {"Налог", "", {}, Upper(3, {-3, 1, 2})},
        {"Ремонт", "", {}, Upper(3, {7, -2, -5})}};
    return *CHierarchy::Make(EHierarchyShape::Tree, std::move(nodes), {{"Лада", ""}, {"Шкода", ""}, {"Тойота", ""}});
}

// The synthesis by hand with Стоимость's children weighing cost[0..2] and the goal's
// children goal[0..1]: P(a) = sum over covering c of G(c) l_c(a), or its ideal shares.
Vector ByHand(const CHierarchyResults& r, const Vector& goal, const Vector& cost, bool ideal)
{
    const std::uint32_t covering[] = {3, 4, 5, 2};
    const double global[] = {goal[0] * cost[0], goal[0] * cost[1], goal[0] * cost[2], goal[1]};
    Vector p(3, 0.0);
    for (int c = 0; c < 4; ++c) {
        const Vector& l = r.Node(covering[c]).Local;
        const double top = ideal ? *std::max_element(l.begin(), l.end()) : 1.0;
        for (std::size_t a = 0; a < 3; ++a) {
            p[a] += global[c] * l[a] / top;
        }
    }
    const double sum = p[0] + p[1] + p[2];
    for (double& v : p) {
        v = ideal ? v / sum : v;
    }
    return p;
}

void ExpectNear(const Vector& got, const Vector& want)
{
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_NEAR(got[i], want[i], 1e-12) << i;
    }
}
} // namespace

TEST(NodeWeightMoves, MovesInATreeGiveTheSynthesisWithTheMovedWeights)
{
    const CHierarchy tree = SmallTree();
    const CHierarchyResults r = ComputeHierarchyResults(tree);
    const Vector goal = r.Node(0).Local;
    const Vector cost = r.Node(1).Local;
    for (const ESynthesisMode mode : {ESynthesisMode::Distributive, ESynthesisMode::Ideal}) {
        const bool ideal = mode == ESynthesisMode::Ideal;
        CNodeWeightMoves moves;
        moves.Reset(tree, r, 4, mode); // Налог
        ASSERT_EQ(moves.Group(), (std::vector<std::uint32_t>{3, 4, 5}));
        ExpectNear(moves.Alternatives(), ByHand(r, goal, cost, ideal));
        // Налог to 0.6, then Цена to 0.1 from there, then Цена back to where its move began.
        ASSERT_TRUE(moves.Move(1, 0.6));
        const double s1 = 0.4 / (1.0 - cost[1]);
        const Vector first{cost[0] * s1, 0.6, cost[2] * s1};
        ExpectNear(moves.Weights(), first);
        ExpectNear(moves.Alternatives(), ByHand(r, goal, first, ideal));
        ASSERT_TRUE(moves.Move(0, 0.1));
        const double s2 = 0.9 / (1.0 - first[0]);
        const Vector second{0.1, first[1] * s2, first[2] * s2};
        ExpectNear(moves.Weights(), second);
        ExpectNear(moves.Alternatives(), ByHand(r, goal, second, ideal));
        ASSERT_TRUE(moves.Move(0, first[0]));
        ExpectNear(moves.Weights(), first);
        ExpectNear(moves.Alternatives(), ByHand(r, goal, first, ideal));
        // The goal's children: Комфорт to 1 leaves Стоимость nothing; Стоимость back to 0.5.
        moves.Reset(tree, r, 2, mode);
        ASSERT_TRUE(moves.Move(1, 1.0));
        ExpectNear(moves.Alternatives(), ByHand(r, {0.0, 1.0}, cost, ideal));
        ASSERT_TRUE(moves.Move(0, 0.5));
        ExpectNear(moves.Alternatives(), ByHand(r, {0.5, 0.5}, cost, ideal));
        // Стоимость to 0: Комфорт carries the whole group and cannot move.
        ASSERT_TRUE(moves.Move(0, 0.0));
        EXPECT_FALSE(moves.Move(1, 0.5));
        ExpectNear(moves.Weights(), {0.0, 1.0});
    }
    CNodeWeightMoves none;
    none.Reset(tree, r, 0);
    EXPECT_TRUE(none.Group().empty());
    EXPECT_FALSE(none.Move(0, 0.5));
}

TEST(NodeWeightMoves, CompleteLayersMoveAsTheLayeredView)
{
    for (unsigned seed = 1; seed <= 6; ++seed) {
        std::mt19937 rng(seed);
        std::vector<std::uint32_t> counts{1};
        for (int l = 0; l < 3; ++l) {
            counts.push_back(static_cast<std::uint32_t>(2 + rng() % 7));
        }
        CUserProjectModel m;
        ASSERT_TRUE(BuildWithCounts(m, counts));
        const int codes[] = {1, 2, 3, 5, 7, 9, -2, -3, -5, -8};
        for (std::uint32_t l = 0; l + 1 < counts.size(); ++l) {
            for (std::uint32_t k = 0; k < counts[l]; ++k) {
                for (std::uint32_t a = 0; a < counts[l + 1]; ++a) {
                    for (std::uint32_t b = a + 1; b < counts[l + 1]; ++b) {
                        SetPair(m, k, l, a, b, codes[rng() % 10]);
                    }
                }
            }
        }
        const CProjectResults results = ComputeResults(m);
        const CHierarchy layers = *HierarchyOfLayers(m);
        const CHierarchyResults nodeResults = ComputeHierarchyResults(layers);
        for (const ESynthesisMode mode : {ESynthesisMode::Distributive, ESynthesisMode::Ideal}) {
            for (std::uint32_t level = 1; level <= 2; ++level) {
                CWeightMoves grid;
                grid.Reset(SensitivityInputOf(m, results, mode), level);
                CNodeWeightMoves nodes;
                nodes.Reset(layers, nodeResults, level == 1 ? 1 : 1 + counts[1], mode);
                ASSERT_EQ(nodes.Group().size(), counts[level]);
                for (const auto& [position, x] : {std::pair{0U, 0.3}, {1U, 0.8}, {0U, 0.05}}) {
                    ASSERT_EQ(nodes.Move(position, x), grid.Move(position, x));
                    for (std::uint32_t k = 0; k < counts[level]; ++k) {
                        EXPECT_NEAR(nodes.Weights()[k], grid.Weights()[k], 1e-12);
                    }
                    for (std::uint32_t i = 0; i < counts[3]; ++i) {
                        EXPECT_NEAR(nodes.Alternatives()[i], grid.Alternatives()[i], 1e-12);
                    }
                }
            }
        }
    }
}
