// The analysis windows' own times, offscreen: one drag step of the sensitivity window's
// dynamic view on the largest project (the weights and alternatives computed again and
// the view repainted), and the whole PDF report of the largest project written into
// memory. Figures for the notes, never a pass or a fail.
#include "core/results/Synthesis.h"
#include "gui/app/ProjectReport.h"
#include "gui/results/CSensitivityBars.h"
#include "gui/results/TfmSensitivity.h"
#include "gui/view/TUserProject.h"

#include "GuiBenchSupport.h"

#include <QApplication>
#include <QPainter>
#include <QSlider>
#include <QTabWidget>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {
void BM_SensitivityDragStepLargest(benchmark::State& state)
{
    CProjectDocument document;
    document.BuildNewHierarchy(9, 10, "ВЫБОР", "");
    JudgeLargest(document);
    TfmSensitivity window;
    window.ShowSensitivity(document.Model(), document.Results(), 1, 0);
    window.tbViews->setCurrentIndex(1);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("window not exposed");
    }
    QSlider* slider = window.WeightSliders[0];
    int step = 0;
    for (auto _ : state) {
        // A drag step of a third of a percent, back and forth over the slider.
        slider->setValue(1000 + (step++ % 200) * 30);
        window.pnDynamic->repaint();
    }
}
BENCHMARK(BM_SensitivityDragStepLargest)->Unit(benchmark::kMicrosecond);

void BM_ProjectReportPdfLargest(benchmark::State& state)
{
    TUserProject project;
    project.resize(1032, 724);
    project.BuildNewHierarchy(9, 10, QStringLiteral("ВЫБОР"), QStringLiteral("Самый большой проект"));
    JudgeLargest(project.Document());
    CReportSubject subject;
    subject.Date = QDate(2026, 1, 1);
    subject.Hierarchy.Extent = project.HierarchyExtent();
    subject.Hierarchy.Paint = [&project](QPainter& painter) { project.RenderHierarchy(painter); };
    subject.Hierarchy.Dpi = project.logicalDpiY();
    qsizetype bytes = 0;
    for (auto _ : state) {
        bytes = ProjectReportPdf(project.Model(), project.Document().Results(), subject).size();
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ProjectReportPdfLargest)->Unit(benchmark::kMillisecond)->Iterations(10);
} // namespace

int main(int argc, char** argv)
{
    return RunOffscreenBenchmarks(argc, argv);
}
