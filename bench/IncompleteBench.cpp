// The priorities of a 9 x 9 matrix with 12 pairs left out (the rest connecting the
// elements): the comparison graph, the least squares, the completion and the consistency
// of the completed matrix; beside it the same matrix with every pair judged.
#include "core/results/IncompleteJudgements.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <random>

namespace {
CJudgementMatrix RandomMatrix(std::uint32_t missing)
{
    std::mt19937 rng(240424U);
    const int codes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, -2, -3, -4, -5, -6, -7, -8, -9};
    CJudgementMatrix m(9, 9);
    m.FillOnes();
    for (std::uint32_t i = 0; i < 9; ++i) {
        for (std::uint32_t j = i + 1; j < 9; ++j) {
            m(i, j) = CJudgement::FromCode(codes[rng() % 17]);
            m(j, i) = m(i, j).Mirror();
        }
    }
    // Leave pairs out at random, never one that would split the elements.
    std::uint32_t left = 0;
    while (left < missing) {
        const std::uint32_t i = rng() % 9;
        const std::uint32_t j = rng() % 9;
        if (i == j || !m(i, j).IsJudged()) {
            continue;
        }
        const CJudgement kept = m(i, j);
        m(i, j) = CJudgement::NotJudged();
        m(j, i) = CJudgement::NotJudged();
        if (BuildComparisonGraph(m, 9).Connected()) {
            ++left;
        } else {
            m(i, j) = kept;
            m(j, i) = kept.Mirror();
        }
    }
    return m;
}

void Priorities(benchmark::State& state, std::uint32_t missing)
{
    const CJudgementMatrix m = RandomMatrix(missing);
    const CMatrixPriorities check = ComputeMatrixPriorities(m, 9);
    if (check.Graph.MissingCount != missing || !check.HasPriorities()) {
        state.SkipWithError("the matrix is not what the benchmark needs");
        return;
    }
    for (auto _ : state) {
        const CMatrixPriorities r = ComputeMatrixPriorities(m, 9);
        benchmark::DoNotOptimize(r.Measures.CR);
    }
}

void BM_IncompleteMatrixPriorities(benchmark::State& state)
{
    Priorities(state, 12);
}
BENCHMARK(BM_IncompleteMatrixPriorities);

void BM_CompleteMatrixPriorities(benchmark::State& state)
{
    Priorities(state, 0);
}
BENCHMARK(BM_CompleteMatrixPriorities);
} // namespace
