// The whole recomputation of the largest project, and one structure edit pair.
#include "model/CUserProjectModel.h"
#include "results/Synthesis.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {
std::unique_ptr<CUserProjectModel> LargestProject()
{
    auto m = std::make_unique<CUserProjectModel>();
    m->BuildNewHierarchy(9, 10, "ЦЕЛЬ", "");
    std::mt19937 rng(424424U);
    const int codes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, -2, -3, -4, -5, -6, -7, -8, -9};
    for (std::uint32_t k = 0; k < 9; ++k) {
        for (std::uint32_t e = 0; e < 9; ++e) {
            TMatrix<int> j = m->Element(e, k).Judgements;
            for (std::uint32_t r = 0; r < 9; ++r) {
                for (std::uint32_t c = r + 1; c < 9; ++c) {
                    const int code = codes[rng() % 17];
                    j(r, c) = code;
                    j(c, r) = code == 1 ? 1 : -code;
                }
            }
            m->SetJudgements(e, k, j);
        }
    }
    return m;
}

void BM_ComputeAllPriorities(benchmark::State& state)
{
    auto m = LargestProject();
    for (auto _ : state) {
        ComputeAllPriorities(*m);
        benchmark::DoNotOptimize(m->GlobalPriority()(0, 9));
    }
}
BENCHMARK(BM_ComputeAllPriorities);

void BM_DeleteThenAddElement(benchmark::State& state)
{
    auto m = LargestProject();
    for (auto _ : state) {
        benchmark::DoNotOptimize(m->DeleteElement(3, 5));
        benchmark::DoNotOptimize(m->AddElement(5));
    }
}
BENCHMARK(BM_DeleteThenAddElement);

void BM_DeleteThenAddLevel(benchmark::State& state)
{
    auto m = LargestProject();
    for (auto _ : state) {
        benchmark::DoNotOptimize(m->DeleteLevel(2));
        benchmark::DoNotOptimize(m->AddLevel(2, 9, true));
    }
}
BENCHMARK(BM_DeleteThenAddLevel);
} // namespace
