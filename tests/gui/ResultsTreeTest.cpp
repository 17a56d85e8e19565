// The results of a tree project window: the results view (table and pie, up to 20
// alternatives), the priorities of the criteria and the sensitivity of a chosen criterion,
// every figure against a computation done here by hand.
#include "AppTestSupport.h"
#include "JudgeTestSupport.h"

#include "core/results/ConsistencyGuidance.h"
#include "core/results/HierarchySensitivity.h"
#include "core/results/NumberFormat.h"
#include "core/results/ReportContent.h"
#include "core/results/Synthesis.h"
#include "gui/results/CResultsView.h"
#include "gui/results/CSensitivityBars.h"
#include "gui/results/TfmTreePriorities.h"
#include "gui/results/TfmTreeSensitivity.h"
#include "gui/view/TTreeProject.h"
#include "gui/widgets/WidgetStyle.h"
#include "support/UpperJudgements.h"

#include <QComboBox>
#include <QLabel>
#include <QLineSeries>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPieSeries>
#include <QPieSlice>
#include <QScrollBar>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeView>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <set>

using apptest::CAppTest;
using apptest::WhenModal;

namespace {

// Row geometric means, normalised.
std::vector<double> Priorities(const CJudgementMatrix& m, std::uint32_t n)
{
    std::vector<double> w(n);
    for (std::uint32_t r = 0; r < n; ++r) {
        double product = 1.0;
        for (std::uint32_t c = 0; c < n; ++c) {
            product *= m(r, c).Value();
        }
        w[r] = std::pow(product, 1.0 / n);
    }
    const double sum = std::accumulate(w.begin(), w.end(), 0.0);
    for (double& x : w) {
        x /= sum;
    }
    return w;
}

QString Figure(double value)
{
    return QString::fromStdString(FormatTruncated(value, 4, DecimalSeparator()));
}

// Goal over Стоимость (over Цена and Налог) and Комфорт; Цена, Налог and Комфорт judge
// three cars.
struct CSmallTree {
    CJudgementMatrix Goal = Upper(2, {3});
    CJudgementMatrix Cost = Upper(2, {4});
    CJudgementMatrix Price = Upper(3, {2, 5, 3});
    CJudgementMatrix Tax = Upper(3, {-3, 1, 2});
    CJudgementMatrix Comfort = Upper(3, {-4, -2, 3});

    CHierarchy Make() const
    {
        std::vector<CHierarchyNode> nodes{{"Выбор автомобиля", "", {1, 2}, Goal}, {"Стоимость", "", {3, 4}, Cost},
            {"Комфорт", "", {}, Comfort}, {"Цена", "", {}, Price}, {"Налог", "", {}, Tax}};
        return *CHierarchy::Make(
            EHierarchyShape::Tree, std::move(nodes), {{"Лада", ""}, {"Шкода", ""}, {"Тойота", ""}});
    }
};

class ResultsTree : public CAppTest {
protected:
    TTreeProject* OpenTree(CHierarchy tree)
    {
        Dialogs.TextAnswers = {QStringLiteral("Выбор")};
        Action("MNewTree")->trigger();
        TTreeProject* window = Frame().ActiveTree();
        EXPECT_NE(window, nullptr);
        if (window != nullptr) {
            window->Document().BuildTree(std::move(tree));
            window->ShowLoadedTree();
        }
        return window;
    }
    static QStringList Row(const QTableWidget* table, int row)
    {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c) {
            cells << table->item(row, c)->text();
        }
        return cells;
    }
};

TEST_F(ResultsTree, TheResultsViewShowsBothSynthesesOfAHandComputedTree)
{
    const CSmallTree small;
    TTreeProject* tree = OpenTree(small.Make());
    ASSERT_NE(tree, nullptr);
    const std::vector<double> goal = Priorities(small.Goal, 2);
    const std::vector<double> cost = Priorities(small.Cost, 2);
    // G(c) = sum G(p) w_p(c) down to the criteria judging the cars.
    const std::vector<std::pair<double, std::vector<double>>> covering{{goal[0] * cost[0], Priorities(small.Price, 3)},
        {goal[0] * cost[1], Priorities(small.Tax, 3)}, {goal[1], Priorities(small.Comfort, 3)}};
    for (const ESynthesisMode mode : {ESynthesisMode::Distributive, ESynthesisMode::Ideal}) {
        std::vector<double> p(3, 0.0);
        for (const auto& [g, local] : covering) {
            const double top = mode == ESynthesisMode::Ideal ? *std::max_element(local.begin(), local.end()) : 1.0;
            for (std::size_t a = 0; a < 3; ++a) {
                p[a] += g * local[a] / top;
            }
        }
        const double sum = std::accumulate(p.begin(), p.end(), 0.0);
        for (double& x : p) {
            x /= sum;
        }
        std::vector<std::size_t> order{0, 1, 2};
        std::sort(order.begin(), order.end(), [&p](std::size_t a, std::size_t b) { return p[a] > p[b]; });
        tree->SetSynthesisMode(mode);
        if (!tree->ResultsButton()->isChecked()) {
            QTest::keyClick(tree->Outline(), Qt::Key_3, Qt::ControlModifier);
        }
        ASSERT_TRUE(tree->ResultsPanel()->isVisible());
        EXPECT_FALSE(tree->Outline()->isVisible());
        const CResultsView* view = tree->ResultsPanel();
        const QList<QPieSlice*> slices = view->srPieSeries->slices();
        ASSERT_EQ(slices.size(), 3);
        for (std::uint32_t i = 0; i < 3; ++i) {
            const QString name = QString::fromStdString(tree->Document().Tree().Alternatives()[order[i]].Name);
            EXPECT_EQ(view->ResultNameLabel(i)->text(), name);
            EXPECT_EQ(view->ResultValueLabel(i)->text(), Figure(p[order[i]]));
            EXPECT_TRUE(view->ResultValueLabel(i)->isVisible());
            EXPECT_NEAR(slices[static_cast<int>(i)]->value(), p[order[i]], 1e-12);
        }
        EXPECT_FALSE(view->ResultNameLabel(3)->isVisible());
    }
    // The same key brings the outline back.
    QTest::keyClick(tree->ResultsPanel(), Qt::Key_3, Qt::ControlModifier);
    EXPECT_TRUE(tree->Outline()->isVisible());
    EXPECT_FALSE(tree->ResultsPanel()->isVisible());
}

TEST_F(ResultsTree, TwentyAlternativesShowTwentyRowsInTwentyColours)
{
    std::vector<CAlternative> cars;
    for (int a = 0; a < 20; ++a) {
        cars.push_back({"Альтернатива " + std::to_string(a + 1), ""});
    }
    // Alternative a against b judged by how far apart they are: a strict order, 1 first.
    CJudgementMatrix judged = EqualJudgements(20);
    for (std::uint32_t r = 0; r < 20; ++r) {
        for (std::uint32_t c = r + 1; c < 20; ++c) {
            judged(r, c) = CJudgement::FromCode(static_cast<int>(std::min(9U, 1 + (c - r + 1) / 2)));
            judged(c, r) = judged(r, c).Mirror();
        }
    }
    std::vector<CHierarchyNode> nodes{{"Цель", "", {1}, EqualJudgements(1)}, {"Критерий", "", {}, judged}};
    TTreeProject* tree = OpenTree(*CHierarchy::Make(EHierarchyShape::Tree, std::move(nodes), std::move(cars)));
    ASSERT_NE(tree, nullptr);
    tree->ResultsButton()->click();
    const CResultsView* view = tree->ResultsPanel();
    const std::vector<double> p = Priorities(judged, 20);
    std::set<QRgb> colours;
    const QList<QPieSlice*> slices = view->srPieSeries->slices();
    ASSERT_EQ(slices.size(), 20);
    for (std::uint32_t i = 0; i < 20; ++i) {
        EXPECT_EQ(view->ResultNameLabel(i)->text(), QStringLiteral("Альтернатива %1").arg(i + 1));
        EXPECT_EQ(view->ResultValueLabel(i)->text(), Figure(p[i]));
        EXPECT_TRUE(view->ResultNameLabel(i)->isVisible());
        // Every row inside the table's frame, below the one before it.
        EXPECT_TRUE(view->bvInfoTable->geometry().contains(view->ResultValueLabel(i)->geometry()));
        if (i > 0) {
            EXPECT_GE(view->ResultNameLabel(i)->y(), view->ResultNameLabel(i - 1)->geometry().bottom());
        }
        colours.insert(slices[static_cast<int>(i)]->color().rgb());
        if (i < MaxElementsPerLevel) {
            EXPECT_EQ(slices[static_cast<int>(i)]->color(), ToQColor(PieColours[i]));
        }
    }
    EXPECT_EQ(colours.size(), 20U);
    // The chart's settings keep clear of the chart and of each other.
    for (const QWidget* setting : {static_cast<QWidget*>(view->sbRotation), static_cast<QWidget*>(view->sbVerOffset),
             static_cast<QWidget*>(view->lbChartTools)}) {
        EXPECT_FALSE(setting->geometry().intersects(view->chPriorityChart->geometry()));
        EXPECT_TRUE(view->rect().contains(setting->geometry()));
    }
}

TEST_F(ResultsTree, LevelPrioritiesShowTheCoveringCriteriaAndEachCriterionsChildren)
{
    const CSmallTree small;
    TTreeProject* tree = OpenTree(small.Make());
    ASSERT_NE(tree, nullptr);
    const std::vector<double> goal = Priorities(small.Goal, 2);
    const std::vector<double> cost = Priorities(small.Cost, 2);
    tree->SelectNode(tree->Document().Tree().NodeAt({"Стоимость"}).value());
    QStringList covering;
    QStringList children;
    double sum = 0.0;
    WhenModal<TfmTreePriorities>([&](TfmTreePriorities* window) {
        // Opened on Стоимость: its children; before them the goal's, then the criteria
        // judging the cars first of all.
        for (int r = 0; r < window->tbPriorities->rowCount(); ++r) {
            children << Row(window->tbPriorities, r).join(QLatin1Char('|'));
        }
        window->btPreviouseData->click();
        EXPECT_EQ(window->tbPriorities->item(1, 0)->text(), QStringLiteral("Комфорт"));
        window->btPreviouseData->click();
        EXPECT_FALSE(window->btPreviouseData->isEnabled());
        for (int r = 0; r < window->tbPriorities->rowCount(); ++r) {
            covering << Row(window->tbPriorities, r).join(QLatin1Char('|'));
            sum += window->Series1->slices()[r]->value();
        }
        window->btClose->click();
    });
    tree->findChild<QAction*>(QStringLiteral("mnCurrentPriority"))->trigger();
    const auto row = [](const char* name, double local, double global) {
        return QString::fromUtf8(name) + QLatin1Char('|') + Figure(local) + QLatin1Char('|') + Figure(global);
    };
    EXPECT_EQ(
        children, (QStringList{row("Цена", cost[0], goal[0] * cost[0]), row("Налог", cost[1], goal[0] * cost[1])}));
    EXPECT_EQ(covering,
        (QStringList{row("Стоимость / Цена", cost[0], goal[0] * cost[0]), row("Комфорт", goal[1], goal[1]),
            row("Стоимость / Налог", cost[1], goal[0] * cost[1])}));
    EXPECT_NEAR(sum, 1.0, 1e-12);
}

TEST_F(ResultsTree, SensitivityMovesTheChosenCriterionsLocalWeight)
{
    const CSmallTree small;
    TTreeProject* tree = OpenTree(small.Make());
    ASSERT_NE(tree, nullptr);
    const CHierarchy& hierarchy = tree->Document().Tree();
    const std::uint32_t price = hierarchy.NodeAt({"Стоимость", "Цена"}).value();
    tree->SelectNode(price);
    const std::vector<double> goal = Priorities(small.Goal, 2);
    const std::vector<double> l1 = Priorities(small.Price, 3);
    const std::vector<double> l2 = Priorities(small.Tax, 3);
    const std::vector<double> l3 = Priorities(small.Comfort, 3);
    WhenModal<TfmTreeSensitivity>([&](TfmTreeSensitivity* window) {
        EXPECT_EQ(window->ShownNode(), price);
        EXPECT_EQ(window->cbCriterion->currentText(), QStringLiteral("Стоимость / Цена"));
        // Цена at x, Налог at 1 - x: P(a) = G(Стоимость) [x l1 + (1 - x) l2] + G(Комфорт) l3.
        for (std::size_t a = 0; a < 3; ++a) {
            const QList<QPointF> points = window->Lines[a]->points();
            ASSERT_EQ(points.size(), 2);
            EXPECT_NEAR(points[0].y(), goal[0] * l2[a] + goal[1] * l3[a], 1e-12);
            EXPECT_NEAR(points[1].y(), goal[0] * l1[a] + goal[1] * l3[a], 1e-12);
        }
        const CHierarchySensitivity analysis = AnalyseSensitivity(hierarchy, tree->Document().TreeResults());
        EXPECT_EQ(window->lbCritical->text(),
            QString::fromStdString(NodeCriticalChangeText(hierarchy, analysis.Critical, DecimalSeparator())));
        // Any criterion with a sibling can be chosen; Комфорт moves against Стоимость.
        const int comfort = window->cbCriterion->findText(QStringLiteral("Комфорт"));
        ASSERT_GE(comfort, 0);
        window->cbCriterion->setCurrentIndex(comfort);
        EXPECT_NEAR(window->Lines[0]->points()[1].y(), l3[0], 1e-12);
        window->btClose->click();
    });
    Action("mnSensitivityAnalysis")->trigger();
}

// The dynamic view: Налог's weight moved by keys, Цена taking the rest, the bars following.
TEST_F(ResultsTree, DynamicViewMovesTheWeightByKeys)
{
    const CSmallTree small;
    TTreeProject* tree = OpenTree(small.Make());
    ASSERT_NE(tree, nullptr);
    tree->SelectNode(tree->Document().Tree().NodeAt({"Стоимость", "Налог"}).value());
    const std::vector<double> goal = Priorities(small.Goal, 2);
    const std::vector<double> cost = Priorities(small.Cost, 2);
    const std::vector<double> l1 = Priorities(small.Price, 3);
    const std::vector<double> l2 = Priorities(small.Tax, 3);
    const std::vector<double> l3 = Priorities(small.Comfort, 3);
    WhenModal<TfmTreeSensitivity>([&](TfmTreeSensitivity* window) {
        window->tbViews->setCurrentWidget(window->pnDynamic);
        QSlider* tax = window->WeightSliders[1];
        EXPECT_EQ(window->WeightNames[0]->text(), QStringLiteral("Цена"));
        EXPECT_EQ(tax->value(), std::lround(cost[1] * TfmTreeSensitivity::SliderSteps));
        // Three pages up and five steps down.
        for (const Qt::Key key : {Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_PageUp}) {
            QTest::keyClick(tax, key);
        }
        for (int step = 0; step < 5; ++step) {
            QTest::keyClick(tax, Qt::Key_Left);
        }
        const double x = (std::lround(cost[1] * TfmTreeSensitivity::SliderSteps) + 3 * 500 - 5 * 10)
            / static_cast<double>(TfmTreeSensitivity::SliderSteps);
        EXPECT_NEAR(window->MovedWeight(1), x, 1e-15);
        EXPECT_NEAR(window->MovedWeight(0), 1.0 - x, 1e-12);
        EXPECT_EQ(window->WeightValues[0]->text(), Figure(1.0 - x));
        for (std::uint32_t row = 0; row < window->Bars->RowCount(); ++row) {
            const std::uint32_t a = window->Bars->RowPosition(row);
            const double p = goal[0] * ((1.0 - x) * l1[a] + x * l2[a]) + goal[1] * l3[a];
            EXPECT_NEAR(window->MovedAlternative(a), p, 1e-12);
            EXPECT_EQ(window->Bars->RowValueText(row), Figure(p));
        }
        window->btReset->click();
        EXPECT_EQ(tax->value(), std::lround(cost[1] * TfmTreeSensitivity::SliderSteps));
        window->btClose->click();
    });
    Action("mnSensitivityAnalysis")->trigger();
}

// On the dynamic view, a criterion chosen from the keyboard hands the focus to its weight's
// slider; stepping through the list keeps the focus in the list.
TEST_F(ResultsTree, ChosenCriterionTakesTheFocusToItsSlider)
{
    TTreeProject* tree = OpenTree(CSmallTree().Make());
    ASSERT_NE(tree, nullptr);
    tree->SelectNode(tree->Document().Tree().NodeAt({"Стоимость", "Налог"}).value());
    WhenModal<TfmTreeSensitivity>([&](TfmTreeSensitivity* window) {
        window->tbViews->setCurrentWidget(window->pnDynamic);
        window->activateWindow();
        EXPECT_TRUE(WaitUntilActive(window));
        window->cbCriterion->setFocus();
        QTest::keyClick(window->cbCriterion, Qt::Key_Down);
        EXPECT_EQ(QApplication::focusWidget(), window->cbCriterion);
        EXPECT_EQ(window->cbCriterion->currentText(), QStringLiteral("Комфорт"));
        QTest::keyClick(window->cbCriterion, Qt::Key_Return);
        // Комфорт is the goal's second criterion: the second slider, moved at once.
        EXPECT_EQ(QApplication::focusWidget(), window->WeightSliders[1]);
        const int before = window->WeightSliders[1]->value();
        QTest::keyClick(window->focusWidget(), Qt::Key_Right);
        EXPECT_EQ(window->WeightSliders[1]->value(), before + 10);
        judgetest::GrabToPng(window, QStringLiteral("TreeSensitivity_chosenWeight"));
        // Chosen in the open list: Цена, the first of its group.
        window->cbCriterion->setFocus();
        QTest::keyClick(window->cbCriterion, Qt::Key_Down, Qt::AltModifier);
        EXPECT_TRUE(window->cbCriterion->view()->isVisible());
        QTest::keyClick(window->cbCriterion->view(), Qt::Key_Up);
        QTest::keyClick(window->cbCriterion->view(), Qt::Key_Up);
        QTest::keyClick(window->cbCriterion->view(), Qt::Key_Return);
        EXPECT_EQ(window->ShownNode(), tree->Document().Tree().NodeAt({"Стоимость", "Цена"}).value());
        EXPECT_EQ(QApplication::focusWidget(), window->WeightSliders[0]);
        window->btClose->click();
    });
    Action("mnSensitivityAnalysis")->trigger();
}

// The tree in front names its unacceptable matrices in the frame's status bar.
TEST_F(ResultsTree, StatusBarWarnsOfTheFrontTreesUnacceptableMatrices)
{
    CSmallTree poor;
    poor.Comfort = Upper(3, {9, -9, 9});
    TTreeProject* first = OpenTree(poor.Make());
    ASSERT_NE(first, nullptr);
    const CProjectDocument& document = first->Document();
    const QString warning = QString::fromStdString(UnacceptableNodesWarningText(document.Tree(), document.TreeResults(),
        UnacceptableNodes(document.Tree(), document.TreeResults()), DecimalSeparator()));
    ASSERT_FALSE(warning.isEmpty());
    TTreeProject* second = OpenTree(CSmallTree().Make());
    ASSERT_NE(second, nullptr);
    QStatusBar* bar = Frame().statusBar();
    EXPECT_TRUE(bar->currentMessage().isEmpty());
    Frame().findChild<QMdiArea*>()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(first->parentWidget()));
    EXPECT_TRUE(bar->currentMessage() == warning || bar->toolTip() == warning) << bar->currentMessage().toStdString();
}

} // namespace

// Twenty slices: only labels clear of each other show, the largest slices' first; the
// table's colour marks name every slice.
TEST_F(ResultsTree, CrowdedPieLabelsGiveWayAndTheTableMarksTheColours)
{
    for (const bool tiny : {false, true}) {
        std::vector<CAlternative> cars;
        for (int a = 0; a < 20; ++a) {
            cars.push_back({"Альтернатива номер " + std::to_string(a + 1), ""});
        }
        // Equal slices, or three large ones and seventeen tiny.
        CJudgementMatrix judged = EqualJudgements(20);
        for (std::uint32_t r = 0; tiny && r < 3; ++r) {
            for (std::uint32_t c = 3; c < 20; ++c) {
                judged(r, c) = CJudgement::FromCode(9);
                judged(c, r) = judged(r, c).Mirror();
            }
        }
        std::vector<CHierarchyNode> nodes{{"Цель", "", {1}, EqualJudgements(1)}, {"Критерий", "", {}, judged}};
        TTreeProject* tree = OpenTree(*CHierarchy::Make(EHierarchyShape::Tree, std::move(nodes), std::move(cars)));
        ASSERT_NE(tree, nullptr);
        Frame().resize(1024, 768);
        tree->showMaximized();
        tree->ResultsButton()->click();
        QCoreApplication::processEvents();
        const CResultsView* view = tree->ResultsPanel();
        const QList<QPieSlice*> slices = view->srPieSeries->slices();
        ASSERT_EQ(slices.size(), 20);
        int labelled = 0;
        for (int i = 0; i < 20; ++i) {
            labelled += slices[i]->isLabelVisible() ? 1 : 0;
            const QFrame* mark = view->ResultColourMark(static_cast<std::uint32_t>(i));
            EXPECT_TRUE(mark->isVisible());
            EXPECT_EQ(mark->palette().color(QPalette::Window), slices[i]->color());
        }
        EXPECT_LT(labelled, 20) << tiny;
        EXPECT_GE(labelled, 3) << tiny;
        for (int i = 0; tiny && i < 3; ++i) {
            EXPECT_TRUE(slices[i]->isLabelVisible()) << i;
        }
        judgetest::GrabToPng(
            &Frame(), tiny ? QStringLiteral("TreeResults_tinySlices") : QStringLiteral("TreeResults_equalSlices"));
    }
}
