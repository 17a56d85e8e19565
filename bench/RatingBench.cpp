// Scores of rated trees and their file: 1,000 alternatives under 190 covering criteria (the
// largest tree) and under 50, every cell rated at random.
#include "LargeRatedTree.h"
#include "core/results/RatingSynthesis.h"
#include "core/storage/TreeFile.h"

#include <benchmark/benchmark.h>

namespace {
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
