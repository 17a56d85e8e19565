// The whole recomputation of the largest project, one structure edit pair, the
// consistency suggestions of a 9 x 9 matrix, the sensitivity analysis of the
// largest project and the undo step of its largest edit.
#include "core/document/CProjectDocument.h"
#include "core/model/CUserProjectModel.h"
#include "core/model/JudgementValue.h"
#include "core/results/CProjectResults.h"
#include "core/results/ConsistencyGuidance.h"
#include "core/results/Sensitivity.h"
#include "core/results/Synthesis.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <random>
#include <vector>

namespace {
void FillLargest(CUserProjectModel* m)
{
    m->BuildNewHierarchy(9, 10, "ЦЕЛЬ", "");
    std::mt19937 rng(424424U);
    const int codes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, -2, -3, -4, -5, -6, -7, -8, -9};
    for (std::uint32_t k = 0; k < 9; ++k) {
        for (std::uint32_t e = 0; e < 9; ++e) {
            TMatrix<int> j = CodesOf(m->Element(e, k).Judgements);
            for (std::uint32_t r = 0; r < 9; ++r) {
                for (std::uint32_t c = r + 1; c < 9; ++c) {
                    const int code = codes[rng() % 17];
                    j(r, c) = code;
                    j(c, r) = code == 1 ? 1 : -code;
                }
            }
            m->SetJudgements(e, k, JudgementsFromCodes(j));
        }
    }
}

std::unique_ptr<CUserProjectModel> LargestProject()
{
    auto m = std::make_unique<CUserProjectModel>();
    FillLargest(m.get());
    return m;
}

void BM_ComputeAllPriorities(benchmark::State& state)
{
    auto m = LargestProject();
    auto results = std::make_unique<CProjectResults>();
    for (auto _ : state) {
        ComputeAllPriorities(*m, *results);
        benchmark::DoNotOptimize(results->GlobalPriority()(0, 9));
    }
}
BENCHMARK(BM_ComputeAllPriorities);

// The arithmetic floor of that recomputation: the same pow calls, products and sums in
// plain C++ on numbers read from the codes beforehand, nothing else.
void BM_ComputeAllPrioritiesFloor(benchmark::State& state)
{
    auto m = LargestProject();
    struct Element {
        double a[9][9];
        double w[9];
        double lambda, ci, cr;
    };
    std::vector<Element> elements(81);
    for (std::uint32_t k = 0; k < 9; ++k) {
        for (std::uint32_t e = 0; e < 9; ++e) {
            for (std::uint32_t r = 0; r < 9; ++r) {
                for (std::uint32_t c = 0; c < 9; ++c) {
                    elements[k * 9 + e].a[r][c] = JudgementValue(m->Element(e, k).Judgements(r, c).Code());
                }
            }
        }
    }
    double global[10][9] = {};
    for (auto _ : state) {
        for (std::uint32_t k = 0; k < 9; ++k) {
            for (std::uint32_t e = 0; e < (k == 0 ? 1U : 9U); ++e) {
                Element& x = elements[k * 9 + e];
                double s = 0.0;
                for (int i = 0; i < 9; ++i) {
                    double p = 1.0;
                    for (int j = 0; j < 9; ++j) {
                        p = p * x.a[i][j];
                    }
                    x.w[i] = std::pow(p, 1.0 / 9.0);
                    s += x.w[i];
                }
                for (double& w : x.w) {
                    w = w / s;
                }
                double sum = 0.0;
                for (int i = 0; i < 9; ++i) {
                    double t = 0.0;
                    for (int j = 0; j < 9; ++j) {
                        t = t + x.a[i][j] * x.w[j];
                    }
                    sum = sum + t / x.w[i];
                }
                x.lambda = sum / 9.0;
                x.ci = (x.lambda - 9.0) / 8.0;
                x.cr = x.ci / 1.45;
            }
        }
        for (int e = 0; e < 9; ++e) {
            global[1][e] = elements[0].w[e];
        }
        for (int level = 2; level < 10; ++level) {
            for (int e = 0; e < 9; ++e) {
                double s = 0.0;
                for (int k = 0; k < 9; ++k) {
                    s = s + elements[static_cast<std::size_t>((level - 1) * 9 + k)].w[e] * global[level - 1][k];
                }
                global[level][e] = s;
            }
        }
        benchmark::DoNotOptimize(global[9][0]);
        benchmark::DoNotOptimize(elements.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ComputeAllPrioritiesFloor);

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

// Deleting level 1 of the largest project as an undo step (snapshot, command, change),
// then undone: the most any one edit records. "slots" is how many it keeps, each before and after.
void BM_UndoStepOfTheLargestEdit(benchmark::State& state)
{
    auto document = std::make_unique<CProjectDocument>();
    auto largest = LargestProject();
    document->BuildNewHierarchy(9, 10, "ЦЕЛЬ", "");
    for (std::uint32_t k = 0; k < 9; ++k) {
        for (std::uint32_t e = 0; e < (k == 0 ? 1U : 9U); ++e) {
            document->CommitJudgements(e, k, largest->Element(e, k).Judgements, 9);
        }
    }
    std::size_t slots = 0;
    for (auto _ : state) {
        document->BeginStep();
        benchmark::DoNotOptimize(document->DeleteLevel(1));
        const CHierarchyChange change = document->EndStep();
        slots = change.SlotCount();
        document->UndoStep(change);
    }
    state.counters["slots"] = static_cast<double>(slots);
}
BENCHMARK(BM_UndoStepOfTheLargestEdit);

// The research window's refresh: verdict, GCI and the search for the suggestions (every
// cell against every other judgement of the scale) for the goal's random 9 x 9 matrix
// (priorities computed first, as the window has them).
void BM_ConsistencySuggestions9x9(benchmark::State& state)
{
    auto m = LargestProject();
    const CJudgementMatrix& judgements = m->Goal().Judgements;
    double w[9];
    ComputeLocalPriorities(judgements, 9, w);
    for (auto _ : state) {
        const CConsistencyGuidance guidance = GuideConsistency(judgements, 9, w);
        benchmark::DoNotOptimize(guidance.Suggestions[2].CrAfter);
    }
    state.counters["suggestions"] = static_cast<double>(GuideConsistency(judgements, 9, w).SuggestionCount);
}
BENCHMARK(BM_ConsistencySuggestions9x9);

// Every crossing of every middle element (8 levels x 9) and the critical change.
void BM_SensitivityAllMiddleElements(benchmark::State& state)
{
    auto m = LargestProject();
    const auto results = std::make_unique<CProjectResults>(ComputeResults(*m));
    const CSensitivityInput input = SensitivityInputOf(*m, *results);
    const std::uint32_t leader = FinalResults(*m, *results).Rows[0].Position;
    auto analysis = std::make_unique<CSensitivityAnalysis>();
    for (auto _ : state) {
        AnalyseSensitivity(input, leader, *analysis);
        benchmark::DoNotOptimize(analysis->Critical);
    }
    std::uint32_t crossings = 0;
    for (std::uint32_t l = 1; l < 9; ++l) {
        for (std::uint32_t e = 0; e < 9; ++e) {
            crossings += analysis->Elements[l][e].CrossingCount;
        }
    }
    state.counters["crossings"] = crossings;
}
BENCHMARK(BM_SensitivityAllMiddleElements);

// The same from the model, gathering its input and its leader first.
void BM_SensitivityFromTheModel(benchmark::State& state)
{
    auto m = LargestProject();
    const auto results = std::make_unique<CProjectResults>(ComputeResults(*m));
    auto analysis = std::make_unique<CSensitivityAnalysis>();
    for (auto _ : state) {
        AnalyseSensitivity(*m, *results, *analysis);
        benchmark::DoNotOptimize(analysis->Critical);
    }
}
BENCHMARK(BM_SensitivityFromTheModel);
} // namespace
