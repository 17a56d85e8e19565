// The group window at 1,000 experts of the largest structure (10 levels of 9: 73 judged
// elements of order 9), held in memory: the window made and shown in a frame of the size
// a new document window has, and one expert's weight changed with the window shown until
// it has painted again. Figures for the notes, never a pass or a fail.
#include "core/group/CGroupDecision.h"
#include "core/model/CJudgement.h"
#include "core/model/CUserProjectModel.h"
#include "core/model/ModelConstants.h"
#include "core/model/TLoadSaveProject.h"
#include "gui/group/TfmGroupDecision.h"

#include "GuiBenchSupport.h"

#include <QTabWidget>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>

namespace {
constexpr std::uint32_t Order = MaxElementsPerLevel;

// A group of count experts, every pair judged at random, weights 1 to 5.
std::unique_ptr<CGroupDecision> MakeGroup(std::size_t count)
{
    auto record = std::make_unique<TLoadSaveProject>();
    record->LevelCount = MaxLevels;
    for (std::uint32_t level = 0; level < MaxLevels; ++level) {
        record->ElementsPerLevel[level] = level == 0 ? 1 : static_cast<std::int32_t>(Order);
        for (std::uint32_t e = 0; e < Order; ++e) {
            record->Elements[e][level].Name = "ЭЛЕМЕНТ_" + std::to_string(e);
        }
    }
    const auto project = std::make_unique<CUserProjectModel>();
    project->BuildLoadedHierarchy(*record);
    std::mt19937 random(1000U);
    const int codes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, -2, -3, -4, -5, -6, -7, -8, -9};
    auto group = std::make_unique<CGroupDecision>();
    for (std::size_t k = 0; k < count; ++k) {
        for (std::uint32_t level = 0; level + 1 < MaxLevels; ++level) {
            for (std::uint32_t p = 0; p < (level == 0 ? 1U : Order); ++p) {
                CJudgementMatrix matrix(Order, Order);
                for (std::uint32_t i = 0; i < Order; ++i) {
                    for (std::uint32_t j = i + 1; j < Order; ++j) {
                        matrix(i, j) = CJudgement::FromCode(codes[random() % 17]);
                        matrix(j, i) = matrix(i, j).Mirror();
                    }
                }
                project->SetJudgements(p, level, matrix);
            }
        }
        // Files that do not exist: the group only tells them apart by name.
        const std::string name = "expert" + std::to_string(k);
        group->AddExpert(
            CGroupMember{"/nonexistent/" + name + ".tsy", name, 1.0 + static_cast<double>(k % 5)}, *project);
    }
    return group;
}

void BM_GroupWindowOpen(benchmark::State& state)
{
    const auto count = static_cast<std::size_t>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<CGroupDecision> group = MakeGroup(count);
        (void)group->Result(); // computed by the opening, before the window
        state.ResumeTiming();
        auto window = std::make_unique<TfmGroupDecision>(std::move(group));
        window->resize(1000, 640);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) {
            state.SkipWithError("window not exposed");
        }
        window->repaint();
        state.PauseTiming();
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_GroupWindowOpen)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(5);

// The weight edit on the "Эксперты" tab, the tab in front, until the window has painted.
void BM_GroupWindowWeightEdit(benchmark::State& state)
{
    const auto count = static_cast<std::size_t>(state.range(0));
    TfmGroupDecision window(MakeGroup(count));
    window.resize(1000, 640);
    window.tcGroup->setCurrentIndex(2);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("window not exposed");
    }
    double weight = 1.0;
    for (auto _ : state) {
        weight = weight >= 9.0 ? 1.5 : weight + 0.5;
        window.SetExpertWeight(0, weight);
        QCoreApplication::processEvents();
        window.repaint();
    }
}
BENCHMARK(BM_GroupWindowWeightEdit)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(10);
} // namespace

int main(int argc, char** argv)
{
    return RunOffscreenBenchmarks(argc, argv);
}
