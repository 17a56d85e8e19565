#pragma once

#include "LargestTree.h"

#include <random>
#include <string>
#include <vector>

// The goal over groups criteria, each over per covering criteria, rated on the ready
// scales in turn.
inline CHierarchy RatedTree(std::uint32_t groups, std::uint32_t per, std::uint32_t alternatives)
{
    std::mt19937 rng(424424U);
    std::vector<CHierarchyNode> nodes;
    nodes.push_back({"Цель", "", {}, RandomJudgements(groups, rng)});
    const std::vector<CRatingScale> scales = ReadyRatingScales();
    for (std::uint32_t g = 0; g < groups; ++g) {
        nodes[0].Children.push_back(static_cast<std::uint32_t>(nodes.size()));
        nodes.push_back({"Критерий " + std::to_string(g), "", {}, RandomJudgements(per, rng)});
    }
    for (std::uint32_t g = 0; g < groups; ++g) {
        for (std::uint32_t s = 0; s < per; ++s) {
            nodes[1 + g].Children.push_back(static_cast<std::uint32_t>(nodes.size()));
            CHierarchyNode covering{"Подкритерий " + std::to_string(s), "", {}, {}};
            covering.Scale = s % 2;
            const auto size = static_cast<std::uint32_t>(scales[covering.Scale].Intensities.size());
            for (std::uint32_t a = 0; a < alternatives; ++a) {
                covering.Ratings.push_back(static_cast<std::int8_t>(rng() % size));
            }
            nodes.push_back(std::move(covering));
        }
    }
    std::vector<CAlternative> list;
    for (std::uint32_t a = 0; a < alternatives; ++a) {
        list.push_back({"Альтернатива " + std::to_string(a), ""});
    }
    return *CHierarchy::MakeRated(std::move(nodes), std::move(list), scales);
}
