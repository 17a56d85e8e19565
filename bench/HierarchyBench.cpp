// The one hierarchy type: the results of the largest tree (200 criteria, 20 alternatives,
// every pair judged), its sensitivity analysis, reading and writing its file, and the largest layered project's
// results through the hierarchy beside today's computation of the same project.
#include "core/model/CHierarchy.h"
#include "core/model/CUserProjectModel.h"
#include "core/model/LayeredHierarchy.h"
#include "core/results/CProjectResults.h"
#include "core/results/HierarchySensitivity.h"
#include "core/results/HierarchySynthesis.h"
#include "core/results/Synthesis.h"
#include "core/storage/TreeFile.h"

#include "LargestTree.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {
std::unique_ptr<CUserProjectModel> LargestProject()
{
    auto m = std::make_unique<CUserProjectModel>();
    m->BuildNewHierarchy(9, 10, "ЦЕЛЬ", "");
    std::mt19937 rng(424424U);
    for (std::uint32_t k = 0; k < 9; ++k) {
        for (std::uint32_t e = 0; e < 9; ++e) {
            const CJudgementMatrix block = RandomJudgements(9, rng);
            m->SetJudgements(e, k, block);
        }
    }
    return m;
}

void BM_LargestTreeResults(benchmark::State& state)
{
    const CHierarchy tree = LargestTree();
    CHierarchyResults results;
    for (auto _ : state) {
        ComputeHierarchyResults(tree, results);
        benchmark::DoNotOptimize(results.Distributive().data());
    }
}
BENCHMARK(BM_LargestTreeResults)->Unit(benchmark::kMicrosecond);

// The sensitivity of every one of its 200 criteria and the critical change, both modes.
void BM_LargestTreeSensitivity(benchmark::State& state)
{
    const CHierarchy tree = LargestTree();
    const CHierarchyResults results = ComputeHierarchyResults(tree);
    const auto mode = state.range(0) == 0 ? ESynthesisMode::Distributive : ESynthesisMode::Ideal;
    CHierarchySensitivity analysis;
    for (auto _ : state) {
        AnalyseSensitivity(tree, results, analysis, mode);
        benchmark::DoNotOptimize(analysis.Critical);
    }
    std::size_t crossings = 0;
    for (const CNodeSensitivity& node : analysis.Nodes) {
        crossings += node.Crossings.size();
    }
    state.counters["criteria"] = static_cast<double>(analysis.Nodes.size());
    state.counters["crossings"] = static_cast<double>(crossings);
}
BENCHMARK(BM_LargestTreeSensitivity)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_LargestTreeWrite(benchmark::State& state)
{
    const CHierarchy tree = LargestTree();
    for (auto _ : state) {
        std::string text = TreeFileText(tree, false);
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["bytes"] = static_cast<double>(TreeFileText(tree, false).size());
}
BENCHMARK(BM_LargestTreeWrite)->Unit(benchmark::kMicrosecond);

void BM_LargestTreeRead(benchmark::State& state)
{
    const std::string text = TreeFileText(LargestTree(), false);
    for (auto _ : state) {
        CHierarchy tree;
        const CReadOutcome outcome = ReadTreeText(tree, text);
        benchmark::DoNotOptimize(outcome.Result);
    }
}
BENCHMARK(BM_LargestTreeRead)->Unit(benchmark::kMicrosecond);

// The largest layered project (10 levels of 9): the synthesis reading the project in place
// (what the program runs), and the same figures through a CHierarchy made from it, with
// and without making that hierarchy.
void BM_LayeredToday(benchmark::State& state)
{
    auto m = LargestProject();
    auto results = std::make_unique<CProjectResults>();
    for (auto _ : state) {
        ComputeAllPriorities(*m, *results);
        benchmark::DoNotOptimize(results->GlobalPriority()(0, 9));
    }
}
BENCHMARK(BM_LayeredToday)->Unit(benchmark::kMicrosecond);

void BM_LayeredThroughHierarchy(benchmark::State& state)
{
    auto m = LargestProject();
    const CHierarchy hierarchy = *HierarchyOfLayers(*m);
    CHierarchyResults results;
    for (auto _ : state) {
        ComputeHierarchyResults(hierarchy, results);
        benchmark::DoNotOptimize(results.Distributive().data());
    }
}
BENCHMARK(BM_LayeredThroughHierarchy)->Unit(benchmark::kMicrosecond);

void BM_LayeredMadeAndComputed(benchmark::State& state)
{
    auto m = LargestProject();
    CHierarchyResults results;
    for (auto _ : state) {
        const CHierarchy hierarchy = *HierarchyOfLayers(*m);
        ComputeHierarchyResults(hierarchy, results);
        benchmark::DoNotOptimize(results.Distributive().data());
    }
}
BENCHMARK(BM_LayeredMadeAndComputed)->Unit(benchmark::kMicrosecond);
} // namespace
