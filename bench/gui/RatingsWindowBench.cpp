// The "Оценки" window of 1,000 alternatives under 50 rated criteria, offscreen: opened
// (laid out, shown and painted at 1024 x 768), and one rating typed until the scores, the
// places and the order by score are shown again (the project's step, the tree window's
// own refresh and the repaint included). The floors: a bare table view over a trivial
// model of as many cells, shown and painted, and the same view repainted after one change.
// Figures for the notes, never a pass or a fail.
#include "core/document/CProjectDocument.h"
#include "gui/judgement/CRatingTableModel.h"
#include "gui/judgement/TfmRatings.h"
#include "gui/view/TTreeProject.h"

#include "../LargeRatedTree.h"
#include "GuiBenchSupport.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QTableView>
#include <QTest>
#include <QUndoStack>

#include <memory>

namespace {
constexpr int Alternatives = 1000;
constexpr int Columns = 54; // the name, 50 criteria, the score, the share, the place

std::unique_ptr<TTreeProject> RatedWindow()
{
    auto window = std::make_unique<TTreeProject>([](CProjectDocument&, QWidget&) { return true; });
    window->Document().BuildTree(RatedTree(5, 10, Alternatives));
    window->ShowLoadedTree();
    window->resize(1024, 700);
    window->show();
    return window;
}

void BM_OpenRatingsWindow1000x50(benchmark::State& state)
{
    auto tree = RatedWindow();
    for (auto _ : state) {
        TfmRatings window(tree->Document(), tree->UndoSteps(), [](const std::string&, const std::string&) {});
        window.resize(1024, 768);
        window.show();
        // Painted only once the platform exposes the window.
        benchmark::DoNotOptimize(QTest::qWaitForWindowExposed(&window));
        window.repaint();
        benchmark::DoNotOptimize(&window);
    }
}
BENCHMARK(BM_OpenRatingsWindow1000x50)->Unit(benchmark::kMillisecond);

// Sorted by score, the highest first, so a rating moves its row.
void BM_TypeOneRating1000x50(benchmark::State& state)
{
    auto tree = RatedWindow();
    tree->ShowRatings(7);
    TfmRatings* window = tree->RatingsWindow();
    window->resize(1024, 768);
    benchmark::DoNotOptimize(QTest::qWaitForWindowExposed(window));
    QTableView* table = window->Table();
    auto* names = window->findChild<QTableView*>(QStringLiteral("tbNames"));
    table->sortByColumn(51, Qt::DescendingOrder);
    table->setCurrentIndex(table->model()->index(500, 1));
    int key = 0;
    for (auto _ : state) {
        QTest::keyClick(table, key == 0 ? Qt::Key_1 : Qt::Key_3);
        // The viewports themselves: what the cells show.
        table->viewport()->repaint();
        names->viewport()->repaint();
        key = 1 - key;
    }
}
// Every step keeps a copy of the tree: a bounded number of them.
BENCHMARK(BM_TypeOneRating1000x50)->Unit(benchmark::kMillisecond)->Iterations(400);

// The same with the ratings window alone: the step pushed without the tree window's own
// refresh of its outline and list, to tell the two costs apart.
void BM_TypeOneRatingWindowOnly1000x50(benchmark::State& state)
{
    auto tree = RatedWindow();
    tree->hide();
    QUndoStack& steps = tree->UndoSteps();
    TfmRatings window(tree->Document(), steps, [&steps](const std::string&, const std::string& name) {
        steps.push(new QUndoCommand(QString::fromStdString(name)));
    });
    window.resize(1024, 768);
    window.show();
    benchmark::DoNotOptimize(QTest::qWaitForWindowExposed(&window));
    QTableView* table = window.Table();
    auto* names = window.findChild<QTableView*>(QStringLiteral("tbNames"));
    table->sortByColumn(51, Qt::DescendingOrder);
    table->setCurrentIndex(table->model()->index(500, 1));
    int key = 0;
    for (auto _ : state) {
        QTest::keyClick(table, key == 0 ? Qt::Key_1 : Qt::Key_3);
        table->viewport()->repaint();
        names->viewport()->repaint();
        key = 1 - key;
    }
}
BENCHMARK(BM_TypeOneRatingWindowOnly1000x50)->Unit(benchmark::kMillisecond)->Iterations(400);

class CTrivialModel final : public QAbstractTableModel {
public:
    [[nodiscard]] int rowCount(const QModelIndex& /*parent*/) const override { return Alternatives; }
    [[nodiscard]] int columnCount(const QModelIndex& /*parent*/) const override { return Columns; }
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override
    {
        return role == Qt::DisplayRole ? QVariant(index.row() + index.column() + Shift) : QVariant();
    }
    void Change()
    {
        ++Shift;
        emit dataChanged(index(0, 0), index(Alternatives - 1, Columns - 1));
    }

private:
    int Shift = 0;
};

void BM_BareTableFloor(benchmark::State& state)
{
    CTrivialModel model;
    for (auto _ : state) {
        QTableView view;
        view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        view.setModel(&model);
        view.resize(1024, 768);
        view.show();
        benchmark::DoNotOptimize(QTest::qWaitForWindowExposed(&view));
        view.repaint();
    }
}
BENCHMARK(BM_BareTableFloor)->Unit(benchmark::kMillisecond);

void BM_BareTableChangeFloor(benchmark::State& state)
{
    CTrivialModel model;
    QTableView view;
    view.setModel(&model);
    view.resize(1024, 768);
    view.show();
    benchmark::DoNotOptimize(QTest::qWaitForWindowExposed(&view));
    for (auto _ : state) {
        model.Change();
        view.viewport()->repaint();
    }
}
BENCHMARK(BM_BareTableChangeFloor)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    return RunOffscreenBenchmarks(argc, argv);
}
