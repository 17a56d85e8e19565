// The windows' own times, offscreen: start-up of the frame with its dialogs, the build
// and first paint of the largest project, opening the comparison window for nine
// elements, and the results view. Figures for the notes, never a pass or a fail.
#include "core/document/CProjectDocument.h"
#include "core/results/CProjectResults.h"
#include "core/results/Synthesis.h"
#include "gui/app/CRunLongWindows.h"
#include "gui/app/TMainForm.h"
#include "gui/results/CResultsView.h"
#include "gui/view/TUserProject.h"

#include "CComparisonWindows.h"
#include "GuiBenchSupport.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <benchmark/benchmark.h>

#include <memory>

namespace {
void BM_StartUpToFirstShownFrame(benchmark::State& state)
{
    for (auto _ : state) {
        auto windows = std::make_unique<CRunLongWindows>();
        windows->Frame().showMaximized();
        if (!QTest::qWaitForWindowExposed(&windows->Frame())) {
            state.SkipWithError("frame not exposed");
        }
        state.PauseTiming();
        windows.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToFirstShownFrame)->Unit(benchmark::kMillisecond)->Iterations(15);

void BM_BuildAndFirstPaintLargest(benchmark::State& state)
{
    for (auto _ : state) {
        TUserProject project;
        project.resize(1032, 724);
        project.BuildNewHierarchy(9, 10, QStringLiteral("ВЫБОР"), QString());
        project.show();
        if (!QTest::qWaitForWindowExposed(&project)) {
            state.SkipWithError("project not exposed");
        }
        project.repaint(); // the first paint of boxes and links, done before returning
        state.PauseTiming();
        project.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BuildAndFirstPaintLargest)->Unit(benchmark::kMillisecond)->Iterations(15);

void BM_OpenAndCloseComparisonWindowNine(benchmark::State& state)
{
    CComparisonWindows windows;
    CProjectDocument document;
    document.BuildNewHierarchy(9, 3, "ВЫБОР", "");
    JudgeLargest(document);
    for (auto _ : state) {
        // Closed from its own event loop as soon as it is up, painted.
        QTimer::singleShot(0, &windows.Form, [&windows] {
            windows.Form.repaint();
            windows.Form.reject();
        });
        windows.Form.JudgeElement(document, 0, 0, &windows.Owner);
    }
}
BENCHMARK(BM_OpenAndCloseComparisonWindowNine)->Unit(benchmark::kMillisecond)->Iterations(21);

// A digit typed on the comparison window of nine elements with the research window open:
// the judgement, the suggestions offered afresh, and the research window's deviations,
// triads, verdict and suggestions recomputed, laid out and painted.
void BM_ResearchFollowsATypedDigitNine(benchmark::State& state)
{
    CComparisonWindows windows;
    CProjectDocument document;
    document.BuildNewHierarchy(9, 3, "ВЫБОР", "");
    JudgeLargest(document);
    QTimer::singleShot(0, &windows.Form, [&] {
        QTest::mouseClick(windows.Form.btResearch, Qt::LeftButton);
        int typed = 0;
        for (auto _ : state) {
            QTest::keyClick(&windows.Form, static_cast<char>('2' + typed++ % 8));
            windows.Research.repaint();
        }
        windows.Form.reject();
    });
    windows.Form.JudgeElement(document, 0, 0, &windows.Owner);
}
BENCHMARK(BM_ResearchFollowsATypedDigitNine)->Unit(benchmark::kMicrosecond);

void BM_ResultsViewShowLargest(benchmark::State& state)
{
    QWidget canvas;
    canvas.resize(1032, 724);
    auto* view = new CResultsView(&canvas);
    CProjectDocument document;
    document.BuildNewHierarchy(9, 10, "ВЫБОР", "");
    JudgeLargest(document);
    const CUserProjectModel& model = document.Model();
    auto results = std::make_unique<CProjectResults>();
    canvas.show();
    for (auto _ : state) {
        // The computation the results button runs, then the view filled from it.
        ComputeAllPriorities(model, *results);
        view->ShowResultsView(model, *results, true);
        view->repaint();
        state.PauseTiming();
        view->ShowResultsView(model, *results, false);
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ResultsViewShowLargest)->Unit(benchmark::kMillisecond)->Iterations(21);

// The results button of the largest project's window, from the click to the repaint
// finished: opening (range 1) and closing (range 0) the results view.
void BM_ResultsButtonLargest(benchmark::State& state)
{
    const bool opening = state.range(0) == 1;
    TUserProject project;
    project.resize(1032, 724);
    project.BuildNewHierarchy(9, 10, QStringLiteral("ВЫБОР"), QString());
    JudgeLargest(project.Document());
    project.show();
    if (!QTest::qWaitForWindowExposed(&project)) {
        state.SkipWithError("project not exposed");
    }
    auto* button = project.findChild<QToolButton*>(QStringLiteral("btResultsView"));
    const auto click = [&] {
        QTest::mouseClick(button, Qt::LeftButton);
        project.repaint();
    };
    for (auto _ : state) {
        if (!opening) {
            state.PauseTiming();
            click();
            state.ResumeTiming();
        }
        click();
        if (opening) {
            state.PauseTiming();
            click();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_ResultsButtonLargest)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(21);
} // namespace

int main(int argc, char** argv)
{
    return RunOffscreenBenchmarks(argc, argv);
}
