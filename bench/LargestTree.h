#pragma once

// The largest tree the benchmarks measure: the goal over 10 criteria, each over 19 (200
// criteria, 190 of them over 20 alternatives), every pair judged at random.
#include "core/model/CHierarchy.h"

#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

inline constexpr int LargestTreeCodes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, -2, -3, -4, -5, -6, -7, -8, -9};

inline CJudgementMatrix RandomJudgements(std::uint32_t n, std::mt19937& rng)
{
    CJudgementMatrix m = EqualJudgements(n);
    for (std::uint32_t r = 0; r < n; ++r) {
        for (std::uint32_t c = r + 1; c < n; ++c) {
            m(r, c) = CJudgement::FromCode(LargestTreeCodes[rng() % 17]);
            m(c, r) = m(r, c).Mirror();
        }
    }
    return m;
}

// The goal over 10 criteria, each over 19: 200 criteria, 190 of them over 20 alternatives.
inline CHierarchy LargestTree()
{
    std::mt19937 rng(424424U);
    std::vector<CHierarchyNode> nodes(1);
    nodes[0].Name = "Цель";
    for (std::uint32_t k = 0; k < 10; ++k) {
        const auto middle = static_cast<std::uint32_t>(nodes.size());
        nodes[0].Children.push_back(middle);
        nodes.push_back(CHierarchyNode{"Критерий " + std::to_string(k), "", {}, {}});
        for (std::uint32_t s = 0; s < 19; ++s) {
            nodes[middle].Children.push_back(static_cast<std::uint32_t>(nodes.size()));
            nodes.push_back(CHierarchyNode{"Подкритерий " + std::to_string(s), "", {}, RandomJudgements(20, rng)});
        }
    }
    for (CHierarchyNode& node : nodes) {
        if (!node.Children.empty()) {
            node.Judgements = RandomJudgements(static_cast<std::uint32_t>(node.Children.size()), rng);
        }
    }
    std::vector<CAlternative> alternatives;
    for (std::uint32_t a = 0; a < 20; ++a) {
        alternatives.push_back(CAlternative{"Альтернатива " + std::to_string(a), ""});
    }
    return *CHierarchy::Make(EHierarchyShape::Tree, std::move(nodes), std::move(alternatives));
}
