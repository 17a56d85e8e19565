#include "JudgeTestSupport.h"
#include "core/results/CProjectResults.h"
#include "support/ModelEdits.h"

#include "core/model/CUserProjectModel.h"
#include "core/results/Synthesis.h"
#include "gui/results/CResultsView.h"
#include "gui/results/PieFilling.h"
#include "gui/widgets/WidgetStyle.h"

#include <QChart>
#include <QChartView>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QLocale>
#include <QPieSeries>
#include <QPieSlice>
#include <QScrollBar>
#include <QTest>

#include <iostream>

using namespace judgetest;

namespace {
QString Dec(const char* text)
{
    return QString::fromLatin1(text).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

class ResultsViewTest : public ::testing::Test {
protected:
    QWidget Canvas;
    CResultsView* View = new CResultsView(&Canvas);
    CUserProjectModel Project;
    CProjectResults Results;

    void SetUp() override { Canvas.resize(1000, 600); }

    // Goal: criterion 0 over 1 by 3; criterion 0 ranks alternative 0 over 1 by 2,
    // criterion 1 ranks alternative 1 over 0 by 4: 0.75 * 2/3 + 0.25 * 1/5 = 0.55.
    void BuildFiftyFiveProject()
    {
        Project.BuildNewHierarchy(2, 3, "ВЫБОР", "");
        SetCell(Project, 0, 0, 0, 1, 3);
        SetCell(Project, 0, 0, 1, 0, -3);
        SetCell(Project, 0, 1, 0, 1, 2);
        SetCell(Project, 0, 1, 1, 0, -2);
        SetCell(Project, 1, 1, 0, 1, -4);
        SetCell(Project, 1, 1, 1, 0, 4);
        SetName(Project, 0, 2, "ДОМ");
        SetName(Project, 1, 2, "КВАРТИРА");
    }
};

TEST_F(ResultsViewTest, FiftyFiveProjectShowsTheRedSliceFirst)
{
    BuildFiftyFiveProject();
    Canvas.show();
    ComputeAllPriorities(Project, Results);
    View->ShowResultsView(Project, Results, true);
    ASSERT_TRUE(View->isVisible());
    EXPECT_EQ(View->pos(), QPoint(0, 0));
    EXPECT_EQ(View->ResultNameLabels()[0]->text(), QStringLiteral("ДОМ"));
    EXPECT_EQ(View->ResultValueLabels()[0]->text(), Dec("0.55"));
    EXPECT_EQ(View->ResultNameLabels()[1]->text(), QStringLiteral("КВАРТИРА"));
    EXPECT_EQ(View->ResultValueLabels()[1]->text(), Dec("0.45"));
    for (std::uint32_t i = 0; i < MaxElementsPerLevel; ++i) {
        EXPECT_EQ(View->ResultNameLabels()[i]->isVisible(), i < 2);
        EXPECT_EQ(View->ResultNameLabels()[i]->geometry(), QRect(660, 140 + 23 * static_cast<int>(i), 120, 20));
        EXPECT_EQ(View->ResultValueLabels()[i]->geometry(), QRect(819, 140 + 23 * static_cast<int>(i), 80, 20));
    }
    const QList<QPieSlice*> slices = View->srPieSeries->slices();
    ASSERT_EQ(slices.size(), 2);
    EXPECT_EQ(slices[0]->label(), QStringLiteral("ДОМ"));
    EXPECT_NEAR(slices[0]->value(), 0.55, 1e-12);
    EXPECT_EQ(slices[0]->color(), QColor(255, 0, 0));
    EXPECT_EQ(slices[1]->color(), QColor(255, 0, 255));
    // Explode-biggest starts at 5.
    EXPECT_TRUE(slices[0]->isExploded());
    EXPECT_DOUBLE_EQ(slices[0]->explodeDistanceFactor(), 0.05);
    EXPECT_FALSE(slices[1]->isExploded());

    EXPECT_EQ(View->lbTitleInfoTable->text(), QStringLiteral("Итоговый результат"));
    EXPECT_EQ(View->lbTitleInfoTable->pos(), QPoint(421, 29));
    EXPECT_EQ(View->lbTitleInfoTable->font().pixelSize(), 19);
    EXPECT_EQ(View->lbNameObject->pos(), QPoint(666, 120));
    EXPECT_EQ(View->lbPriorityValue->pos(), QPoint(818, 120));
    EXPECT_EQ(View->bvInfoTable->geometry(), QRect(632, 84, 299, 450));
    EXPECT_EQ(View->chPriorityChart->geometry(), QRect(120, 84, 500, 450));
    EXPECT_EQ(View->lbChartTools->pos(), QPoint(714, 372));
    ExpectTidyLayout(View);
    const QImage image = GrabToPng(View, QStringLiteral("CResultsView_two"));
    EXPECT_TRUE(AreaHasColour(image, View->chPriorityChart->geometry(), QColor(255, 0, 0)));
    EXPECT_TRUE(AreaHasColour(image, View->chPriorityChart->geometry(), QColor(255, 0, 255)));

    // Hiding refills from the priorities as they stand, without recomputing.
    Results.GlobalPriority()(1, 2) = 0.7;
    View->ShowResultsView(Project, Results, false);
    EXPECT_FALSE(View->isVisible());
    EXPECT_FALSE(View->ResultNameLabels()[0]->isVisibleTo(View));
    EXPECT_FALSE(View->chPriorityChart->isVisibleTo(View));
    EXPECT_EQ(View->ResultNameLabels()[0]->text(), QStringLiteral("КВАРТИРА"));
    EXPECT_EQ(View->ResultValueLabels()[0]->text(), Dec("0.7"));
}

TEST_F(ResultsViewTest, EqualValuesKeepTheExchangeOrder)
{
    Project.BuildNewHierarchy(3, 3, "ВЫБОР", "");
    ComputeAllPriorities(Project, Results);
    View->FillResults(Project, Results);
    for (std::uint32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(View->ResultNameLabels()[i]->text(), QStringLiteral("ЭЛЕМЕНТ_%1").arg(i));
        EXPECT_EQ(View->ResultValueLabels()[i]->text(), Dec("0.3333"));
    }
    Results.GlobalPriority()(0, 2) = 0.3;
    Results.GlobalPriority()(1, 2) = 0.3;
    Results.GlobalPriority()(2, 2) = 0.5;
    View->FillResults(Project, Results);
    EXPECT_EQ(View->ResultNameLabels()[0]->text(), QStringLiteral("ЭЛЕМЕНТ_2"));
    EXPECT_EQ(View->ResultNameLabels()[1]->text(), QStringLiteral("ЭЛЕМЕНТ_1"));
    EXPECT_EQ(View->ResultNameLabels()[2]->text(), QStringLiteral("ЭЛЕМЕНТ_0"));
}

TEST_F(ResultsViewTest, SettingBarsHaveTheirRangesAndMoveThePie)
{
    struct CBar {
        QScrollBar* Bar;
        int Minimum;
        int Maximum;
        int Position;
    };
    for (const CBar& bar :
        {CBar{View->sbRotation, 0, 360, 0}, CBar{View->sbZoom, 100, 200, 124}, CBar{View->sbBiggest, 0, 50, 5},
            CBar{View->sbHorOffset, -100, 100, 0}, CBar{View->sbVerOffset, -100, 100, 0}}) {
        EXPECT_EQ(bar.Bar->minimum(), bar.Minimum) << bar.Bar->objectName().toStdString();
        EXPECT_EQ(bar.Bar->maximum(), bar.Maximum);
        EXPECT_EQ(bar.Bar->value(), bar.Position);
    }
    EXPECT_EQ(View->sbRotation->pageStep(), 5);
    EXPECT_EQ(View->sbZoom->pageStep(), 5);
    BuildFiftyFiveProject();
    ComputeAllPriorities(Project, Results);
    View->ShowResultsView(Project, Results, true);
    QPieSeries* pie = View->srPieSeries;
    const double sizeAt124 = pie->pieSize();
    View->sbRotation->setValue(90);
    EXPECT_DOUBLE_EQ(pie->pieStartAngle(), 90.0);
    EXPECT_DOUBLE_EQ(pie->pieEndAngle(), 450.0);
    View->sbZoom->setValue(200);
    EXPECT_GT(pie->pieSize(), sizeAt124);
    View->sbZoom->setValue(100);
    EXPECT_LT(pie->pieSize(), sizeAt124);
    View->sbBiggest->setValue(30);
    EXPECT_TRUE(pie->slices()[0]->isExploded());
    EXPECT_DOUBLE_EQ(pie->slices()[0]->explodeDistanceFactor(), 0.3);
    View->sbBiggest->setValue(0);
    EXPECT_FALSE(pie->slices()[0]->isExploded());
    View->sbHorOffset->setValue(-100);
    EXPECT_LT(pie->horizontalPosition(), 0.5);
    View->sbVerOffset->setValue(60);
    EXPECT_GT(pie->verticalPosition(), 0.5);
    // The settings survive a refill.
    View->FillResults(Project, Results);
    EXPECT_DOUBLE_EQ(pie->pieStartAngle(), 90.0);
    EXPECT_FALSE(pie->slices()[0]->isExploded());
}

// Wherever the five bars stand, every slice label stays inside the chart and readable:
// the whole name, or a start of it cut with "…" (the whole name is the slice's tooltip),
// or inside the slices. And every step of every bar moves the pie.
TEST_F(ResultsViewTest, EveryBarStepMovesThePieAndEveryLabelStaysInsideTheChart)
{
    Project.BuildNewHierarchy(3, 3, "ВЫБОР", "");
    const QStringList names{QStringLiteral("ЖЖЖЖЖЖЖЖЖ"), QStringLiteral("ШШШШШШШШШ"), QStringLiteral("ММММММММ")};
    for (std::uint32_t e = 0; e < 3; ++e) {
        SetName(Project, e, 2, names[static_cast<int>(e)].toStdString());
    }
    for (std::uint32_t k = 0; k < 3; ++k) { // one alternative ahead, to pull out
        SetCell(Project, k, 1, 0, 1, 5);
        SetCell(Project, k, 1, 1, 0, -5);
    }
    Canvas.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Canvas));
    ComputeAllPriorities(Project, Results);
    View->ShowResultsView(Project, Results, true);
    // The table's name cells show them whole.
    for (std::uint32_t i = 0; i < 3; ++i) {
        const QLabel* cell = View->ResultNameLabels()[i];
        ExpectWholeName(cell, cell->text(), cell->text() != QStringLiteral("ММММММММ"));
        EXPECT_TRUE(names.contains(cell->text()));
    }
    QPieSeries* pie = View->srPieSeries;
    for (const int zoom : {129, 200}) {
        for (const int biggest : {5, 50}) {
            for (const int rotation : {0, 100}) {
                for (const int horizontal : {-100, 0, 100}) {
                    for (const int vertical : {-100, 100}) {
                        View->sbZoom->setValue(zoom);
                        View->sbBiggest->setValue(biggest);
                        View->sbRotation->setValue(rotation);
                        View->sbHorOffset->setValue(horizontal);
                        View->sbVerOffset->setValue(vertical);
                        QCoreApplication::processEvents();
                        const std::string setting = "zoom " + std::to_string(zoom) + " biggest "
                            + std::to_string(biggest) + " rotation " + std::to_string(rotation) + " offsets "
                            + std::to_string(horizontal) + "," + std::to_string(vertical);
                        const QStringList shown = WholeSliceLabels(View->chPriorityChart, setting);
                        ASSERT_EQ(shown.size(), 3) << setting;
                        for (const QPieSlice* slice : pie->slices()) {
                            const QString label = slice->label();
                            const QString whole = SliceName(slice);
                            EXPECT_TRUE(names.contains(whole)) << setting;
                            EXPECT_TRUE(label == whole
                                || (label.endsWith(QChar(0x2026)) && label.size() >= 4
                                    && whole.startsWith(label.chopped(1))))
                                << label.toStdString() << " " << setting;
                            EXPECT_GE(slice->labelFont().pixelSize(), 8) << setting;
                        }
                    }
                }
            }
        }
    }
    GrabToPng(View, QStringLiteral("CResultsView_zoom200"));

    // The names of the fault seen: one large step of the zoom and one step of each offset
    // each move the pie, at the default settings and at the ends.
    for (std::uint32_t e = 0; e < 3; ++e) {
        SetName(Project, e, 2, "ЭЛЕМЕНТ_" + std::to_string(e));
    }
    ComputeAllPriorities(Project, Results);
    View->FillResults(Project, Results);
    View->sbBiggest->setValue(5);
    View->sbRotation->setValue(0);
    for (const int start : {0, 99}) {
        View->sbZoom->setValue(124);
        View->sbHorOffset->setValue(start);
        View->sbVerOffset->setValue(start);
        const double size = pie->pieSize();
        View->sbZoom->setValue(129);
        EXPECT_GT(pie->pieSize(), size) << start;
        const double across = pie->horizontalPosition();
        View->sbHorOffset->setValue(start + 1);
        EXPECT_GT(pie->horizontalPosition(), across) << start;
        const double down = pie->verticalPosition();
        View->sbVerOffset->setValue(start + 1);
        EXPECT_GT(pie->verticalPosition(), down) << start;
    }
    View->sbZoom->setValue(200);
    const double largest = pie->pieSize();
    View->sbZoom->setValue(199);
    EXPECT_LT(pie->pieSize(), largest);
}

TEST_F(ResultsViewTest, LargestProjectFits)
{
    Project.BuildNewHierarchy(9, 10, "ВЫБОР", "");
    for (std::uint32_t level = 0; level < 9; ++level) {
        for (std::uint32_t k = 0; k < (level == 0 ? 1U : 9U); ++k) {
            for (std::uint32_t i = 0; i < 9; ++i) {
                for (std::uint32_t j = i + 1; j < 9; ++j) {
                    const int v = 2 + static_cast<int>((i + j + k) % 8);
                    SetCell(Project, k, level, i, j, v);
                    SetCell(Project, k, level, j, i, -v);
                }
            }
        }
    }
    Canvas.show();
    ComputeAllPriorities(Project, Results);
    View->ShowResultsView(Project, Results, true);
    QCoreApplication::processEvents();
    const CResultList expected = FinalResults(Project, Results);
    ASSERT_EQ(expected.Count, 9U);
    for (std::uint32_t i = 0; i < 9; ++i) {
        EXPECT_TRUE(View->ResultNameLabels()[i]->isVisible());
        EXPECT_EQ(View->srPieSeries->slices()[static_cast<int>(i)]->color(), ToQColor(PieColours[i]));
    }
    ExpectTidyLayout(View);
    GrabToPng(View, QStringLiteral("CResultsView_nine"));
}
} // namespace
