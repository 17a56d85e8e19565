// A digit typed on the comparison window of a tree's criterion with the research window
// open, offscreen: the judgement, the suggestions offered afresh, the research window's
// deviations, triads, verdict and suggestions recomputed and laid out, and both windows
// painted. Twenty elements (the wide table) and nine (the table of nine) in one run.
// Figures for the notes, never a pass or a fail.
#include "core/document/CProjectDocument.h"
#include "core/model/CHierarchy.h"

#include "CComparisonWindows.h"
#include "GuiBenchSupport.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <string>

namespace {
// A goal with n children, judged with intransitive triads here and there.
void BuildJudgedTree(CProjectDocument& document, std::uint32_t n)
{
    CHierarchy tree("Выбор");
    for (std::uint32_t k = 0; k < n; ++k) {
        tree.AddCriterion(CHierarchy::GoalNode, k, "Критерий " + std::to_string(k + 1));
    }
    tree.AddAlternative(0, "А");
    tree.AddAlternative(1, "Б");
    TMatrix<int> codes(n, n);
    for (std::uint32_t i = 0; i < n; ++i) {
        codes(i, i) = 1;
        for (std::uint32_t j = i + 1; j < n; ++j) {
            const int v = 2 + static_cast<int>((i + 2 * j) % 8);
            codes(i, j) = (i + j) % 3 == 0 ? -v : v;
            codes(j, i) = -codes(i, j);
        }
    }
    tree.SetJudgements(CHierarchy::GoalNode, JudgementsFromCodes(codes));
    document.BuildTree(std::move(tree));
}

void BM_TypedDigitWithResearch(benchmark::State& state)
{
    CComparisonWindows windows;
    CProjectDocument document;
    BuildJudgedTree(document, static_cast<std::uint32_t>(state.range(0)));
    QTimer::singleShot(0, &windows.Form, [&] {
        QTest::mouseClick(windows.Form.btResearch, Qt::LeftButton);
        int typed = 0;
        for (auto _ : state) {
            QTest::keyClick(&windows.Form, static_cast<char>('2' + typed++ % 8));
            windows.Form.repaint();
            windows.Research.repaint();
        }
        windows.Form.reject();
    });
    if (!windows.Form.JudgeNode(document, CHierarchy::GoalNode, &windows.Owner)) {
        state.SkipWithError("the comparison window did not open");
    }
}
BENCHMARK(BM_TypedDigitWithResearch)->Arg(20)->Arg(9)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    return RunOffscreenBenchmarks(argc, argv);
}
