// The consistency suggestions of a 9 x 9 matrix: every one of its 36 cells tries the 16
// other judgements of the scale, each a priority and CR computation, then the best three
// are measured again with their GCI. The budget is 1 ms; a 20 x 20 matrix of a tree is
// measured beside it.
#include "core/model/ModelConstants.h"
#include "core/model/TMatrix.h"
#include "core/results/ConsistencyGuidance.h"
#include "core/results/LocalPriorities.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <random>

namespace {
// Random reciprocal judgements: far from acceptable, so that the whole search runs.
TMatrix<int> RandomJudgements(std::uint32_t seed, std::uint32_t n = MaxElementsPerLevel)
{
    TMatrix<int> judgements(n, n);
    judgements.FillOnes();
    std::mt19937 rng(seed);
    const int codes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, -2, -3, -4, -5, -6, -7, -8, -9};
    for (std::uint32_t r = 0; r < n; ++r) {
        for (std::uint32_t c = r + 1; c < n; ++c) {
            const int code = codes[rng() % 17];
            judgements(r, c) = code;
            judgements(c, r) = code == 1 ? 1 : -code;
        }
    }
    return judgements;
}

// Judgements growing with the distance of the elements (j - i + 1, at most 9), with the
// first against the last turned round: here a single change reaches the limit.
TMatrix<int> OneWrongJudgement()
{
    TMatrix<int> judgements(MaxElementsPerLevel, MaxElementsPerLevel);
    judgements.FillOnes();
    for (std::uint32_t r = 0; r < MaxElementsPerLevel; ++r) {
        for (std::uint32_t c = r + 1; c < MaxElementsPerLevel; ++c) {
            const int code = static_cast<int>(c - r) + 1;
            judgements(r, c) = code > 9 ? 9 : code;
            judgements(c, r) = -judgements(r, c);
        }
    }
    judgements(0, 8) = -9;
    judgements(8, 0) = 9;
    return judgements;
}

void Run(benchmark::State& state, const CJudgementMatrix& judgements, std::uint32_t n = MaxElementsPerLevel)
{
    std::array<double, MaxMatrixOrder> w{};
    CWideValueBlock values;
    ReadJudgementValues(judgements, n, values);
    ComputeLocalPriorities(values, n, w.data());
    for (auto _ : state) {
        const CConsistencyGuidance guidance = GuideConsistency(judgements, n, w.data());
        benchmark::DoNotOptimize(guidance.Suggestions[0].CrAfter);
    }
    const CConsistencyGuidance guidance = GuideConsistency(judgements, n, w.data());
    state.counters["cr"] = guidance.Measures.CR;
    state.counters["suggestions"] = static_cast<double>(guidance.SuggestionCount);
    state.counters["first_reaches"] = guidance.SuggestionCount > 0 && guidance.Suggestions[0].Reaches ? 1.0 : 0.0;
}

void BM_Suggestions9x9Random(benchmark::State& state)
{
    Run(state, JudgementsFromCodes(RandomJudgements(static_cast<std::uint32_t>(state.range(0)))));
}
BENCHMARK(BM_Suggestions9x9Random)->Arg(424424)->Arg(17)->Unit(benchmark::kMicrosecond);

void BM_Suggestions9x9OneWrongJudgement(benchmark::State& state)
{
    Run(state, JudgementsFromCodes(OneWrongJudgement()));
}
BENCHMARK(BM_Suggestions9x9OneWrongJudgement)->Unit(benchmark::kMicrosecond);

// The largest matrix of a hierarchy: 190 cells, each trying the 16 other judgements.
void BM_Suggestions20x20Random(benchmark::State& state)
{
    Run(state, JudgementsFromCodes(RandomJudgements(424424, MaxMatrixOrder)), MaxMatrixOrder);
}
BENCHMARK(BM_Suggestions20x20Random)->Unit(benchmark::kMicrosecond);
} // namespace
