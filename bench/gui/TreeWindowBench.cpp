// The tree window of the largest tree, offscreen: opened (the outline and the alternatives
// filled from the document's results, laid out and painted), and one outline edit shown
// with its new priorities (a criterion deleted, then the step undone: two edits a round).
// A bare QTreeWidget filled with as many rows is the floor the opening is set against.
// Figures for the notes, never a pass or a fail.
#include "core/document/CProjectDocument.h"
#include "gui/view/TTreeProject.h"

#include "../LargestTree.h"
#include "GuiBenchSupport.h"

#include <QAction>
#include <QTreeView>
#include <QTreeWidget>
#include <QUndoStack>

#include <memory>
#include <string>

namespace {
std::unique_ptr<TTreeProject> OpenLargest(const CHierarchy& tree)
{
    auto window = std::make_unique<TTreeProject>([](CProjectDocument&, QWidget&) { return true; });
    window->Document().BuildTree(tree);
    window->ShowLoadedTree();
    window->resize(1024, 700);
    window->show();
    window->repaint();
    return window;
}

void BM_OpenLargestTreeWindow(benchmark::State& state)
{
    const CHierarchy tree = LargestTree();
    for (auto _ : state) {
        auto window = OpenLargest(tree);
        benchmark::DoNotOptimize(window.get());
    }
}
BENCHMARK(BM_OpenLargestTreeWindow)->Unit(benchmark::kMillisecond);

// The floor: a plain tree widget of as many rows (201 criteria), shown and painted.
void BM_BareOutlineFloor(benchmark::State& state)
{
    for (auto _ : state) {
        QTreeWidget outline;
        outline.setColumnCount(4);
        for (int k = 0; k < 10; ++k) {
            auto* criterion = new QTreeWidgetItem(&outline,
                {QString::number(k), QStringLiteral("0.1"), QStringLiteral("0.1"), QStringLiteral("ОС 0.05")});
            for (int s = 0; s < 19; ++s) {
                new QTreeWidgetItem(criterion,
                    {QString::number(s), QStringLiteral("0.05"), QStringLiteral("0.005"), QStringLiteral("ОС 0.05")});
            }
        }
        outline.expandAll();
        outline.resize(1024, 700);
        outline.show();
        outline.repaint();
    }
}
BENCHMARK(BM_BareOutlineFloor)->Unit(benchmark::kMillisecond);

void BM_OutlineEditShown(benchmark::State& state)
{
    auto window = OpenLargest(LargestTree());
    auto* remove = window->findChild<QAction*>(QStringLiteral("mnDeleteCriterion"));
    for (auto _ : state) {
        state.PauseTiming();
        window->SelectNode(3); // an undone step leaves the cursor elsewhere
        state.ResumeTiming();
        remove->trigger();
        window->repaint();
        window->UndoSteps().undo();
        window->repaint();
    }
    if (window->UndoSteps().count() != 1) {
        state.SkipWithError("no criterion was deleted");
    }
}
BENCHMARK(BM_OutlineEditShown)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    return RunOffscreenBenchmarks(argc, argv);
}
