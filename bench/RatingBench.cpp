// Scores of rated trees and their file: 1,000 alternatives under 190 covering criteria (the
// largest tree) and under 50, every cell rated at random.
#include "LargestTree.h"
#include "core/results/RatingSynthesis.h"
#include "core/storage/TreeFile.h"

#include <benchmark/benchmark.h>

namespace {
// The goal over groups criteria, each over per covering criteria, rated on the ready
// scales in turn.
CHierarchy RatedTree(std::uint32_t groups, std::uint32_t per, std::uint32_t alternatives)
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

void BM_Scores1000x190(benchmark::State& state)
{
    const CHierarchy tree = RatedTree(10, 19, 1000);
    CRatingResults results;
    for (auto _ : state) {
        ComputeRatingResults(tree, results);
        benchmark::DoNotOptimize(results.Scores().data());
    }
}
BENCHMARK(BM_Scores1000x190)->Unit(benchmark::kMicrosecond);

void BM_Scores1000x50(benchmark::State& state)
{
    const CHierarchy tree = RatedTree(5, 10, 1000);
    CRatingResults results;
    for (auto _ : state) {
        ComputeRatingResults(tree, results);
        benchmark::DoNotOptimize(results.Scores().data());
    }
}
BENCHMARK(BM_Scores1000x50)->Unit(benchmark::kMicrosecond);

void BM_WriteRatedFile1000x50(benchmark::State& state)
{
    const CHierarchy tree = RatedTree(5, 10, 1000);
    for (auto _ : state) {
        benchmark::DoNotOptimize(TreeFileText(tree, false));
    }
}
BENCHMARK(BM_WriteRatedFile1000x50)->Unit(benchmark::kMillisecond);

void BM_ReadRatedFile1000x50(benchmark::State& state)
{
    const std::string text = TreeFileText(RatedTree(5, 10, 1000), false);
    for (auto _ : state) {
        CHierarchy tree;
        benchmark::DoNotOptimize(ReadTreeText(tree, text).Result);
    }
}
BENCHMARK(BM_ReadRatedFile1000x50)->Unit(benchmark::kMillisecond);
} // namespace
