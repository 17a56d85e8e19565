#include "JudgeTestSupport.h"
#include "core/results/CProjectResults.h"
#include "support/ModelEdits.h"

#include "core/model/CUserProjectModel.h"
#include "core/results/Synthesis.h"
#include "gui/results/CResultsView.h"
#include "gui/results/TfmCurrentPriorityLevel.h"

#include <QChartView>
#include <QLabel>
#include <QPieSeries>
#include <QPieSlice>
#include <QToolButton>

#include <cmath>

using namespace judgetest;

namespace {
// Four levels of three: goal 0 > 1 > 2 by steps of 2 and 4, everything else equal but
// criterion 0, which prefers its first sub-criterion by 5.
void BuildFourLevels(CUserProjectModel& project)
{
    project.BuildNewHierarchy(3, 4, "ВЫБОР", "");
    SetPair(project, 0, 0, 0, 1, 2);
    SetPair(project, 0, 0, 0, 2, 4);
    SetPair(project, 0, 0, 1, 2, 2);
    SetPair(project, 0, 1, 0, 1, 5);
}

// The shown text of a global priority, computed here.
QString Shown(double value)
{
    return QString::number(std::floor(value * 1e4) / 1e4, 'g', 15).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

TEST(LevelPriorities, SteppingFromLevelTwoOfFourLevelsStopsAtBothEnds)
{
    CUserProjectModel project;
    BuildFourLevels(project);
    const CProjectResults results = ComputeResults(project);
    // Level 1 by hand: the goal's geometric means of (1,2,4), (1/2,1,2), (1/4,1/2,1) are 2, 1, 1/2.
    const double level1[3] = {2.0 / 3.5, 1.0 / 3.5, 0.5 / 3.5};
    // Level 2: criterion 0 gives the cube roots (5, 1/5, 1) normalised, the others 1/3 each.
    const double s5 = std::cbrt(5.0);
    const double c0[3] = {s5 / (s5 + 1 / s5 + 1), (1 / s5) / (s5 + 1 / s5 + 1), 1 / (s5 + 1 / s5 + 1)};
    double level2[3];
    for (int e = 0; e < 3; ++e) {
        level2[e] = level1[0] * c0[e] + (level1[1] + level1[2]) / 3.0;
    }

    TfmCurrentPriorityLevel window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Приоритеты текущего уровня"));
    EXPECT_EQ(window.size(), QSize(631, 383));
    EXPECT_EQ(window.lbLevelNum->text(), QStringLiteral("1"));
    window.SetLevelRange(2, project.LevelCount());
    window.ShowLevelPriorities(project, results, 2);
    WhenModal<TfmCurrentPriorityLevel>([&](TfmCurrentPriorityLevel* open) {
        EXPECT_EQ(open->Label1->text(), QStringLiteral("Номер текущего уровня - "));
        EXPECT_EQ(open->lbLevelNum->text(), QStringLiteral("2"));
        // Level 2 is led by sub-criterion 0, then 2, then 1.
        EXPECT_EQ(open->NameCells[0]->text(), QStringLiteral("ЭЛЕМЕНТ_0"));
        EXPECT_EQ(open->ValueCells[0]->text(), Shown(level2[0]));
        EXPECT_EQ(open->NameCells[1]->text(), QStringLiteral("ЭЛЕМЕНТ_2"));
        EXPECT_EQ(open->ValueCells[1]->text(), Shown(level2[2]));
        EXPECT_EQ(open->ValueCells[2]->text(), Shown(level2[1]));
        EXPECT_EQ(open->Series1->slices().size(), 3);
        EXPECT_EQ(open->Series1->slices()[0]->color(), QColor(255, 0, 0));
        EXPECT_EQ(open->Series1->slices()[2]->color(), QColor(255, 255, 0));
        ExpectTidyLayout(open);
        const QImage image = GrabToPng(open, QStringLiteral("TfmCurrentPriorityLevel"));
        EXPECT_TRUE(AreaHasColour(image, open->chPriorityChart->geometry(), QColor(255, 0, 0)));

        QTest::mouseClick(open->btPreviouseData, Qt::LeftButton);
        EXPECT_EQ(open->lbLevelNum->text(), QStringLiteral("1"));
        for (int e = 0; e < 3; ++e) {
            EXPECT_EQ(open->NameCells[static_cast<std::size_t>(e)]->text(), QStringLiteral("ЭЛЕМЕНТ_%1").arg(e));
            EXPECT_EQ(open->ValueCells[static_cast<std::size_t>(e)]->text(), Shown(level1[e]));
        }
        // Previous again stays on level 1 and draws nothing anew.
        open->ValueCells[0]->setText(QStringLiteral("marker"));
        QTest::mouseClick(open->btPreviouseData, Qt::LeftButton);
        EXPECT_EQ(open->CurrentLevelNumber(), 1U);
        EXPECT_EQ(open->ValueCells[0]->text(), QStringLiteral("marker"));

        QTest::mouseClick(open->btNextData, Qt::LeftButton);
        QTest::mouseClick(open->btNextData, Qt::LeftButton);
        EXPECT_EQ(open->lbLevelNum->text(), QStringLiteral("3"));
        open->ValueCells[0]->setText(QStringLiteral("marker"));
        QTest::mouseClick(open->btNextData, Qt::LeftButton);
        EXPECT_EQ(open->CurrentLevelNumber(), 3U);
        EXPECT_EQ(open->ValueCells[0]->text(), QStringLiteral("marker"));
        QTest::mouseClick(open->btClose, Qt::LeftButton);
    });
    window.exec();
    EXPECT_FALSE(window.isVisible());

    // The bottom level shows what the results table shows.
    window.SetLevelRange(3, project.LevelCount());
    window.ShowLevelPriorities(project, results, 3);
    CResultsView view;
    view.FillResults(project, results);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(window.NameCells[i]->text(), view.ResultNameLabels()[i]->text());
        EXPECT_EQ(window.ValueCells[i]->text(), view.ResultValueLabels()[i]->text());
    }
}

TEST(LevelPriorities, WideNamesShowWholeInTheTableAndThePie)
{
    TfmCurrentPriorityLevel window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const std::vector<std::string> names{"ЖЖЖЖЖЖЖЖЖ", "ШШШШШШШШШ", "ММММММММ"};
    window.FillLevelPriorities(3, {0.5, 0.3, 0.2}, names);
    QCoreApplication::processEvents();
    QStringList expected;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const QString name = QString::fromStdString(names[i]);
        ExpectWholeName(window.NameCells[i], name, i < 2); // eight М fit as they are
        expected << name;
    }
    expected.sort();
    EXPECT_EQ(WholeSliceLabels(window.chPriorityChart, "level priorities").join(QLatin1Char(',')).toStdString(),
        expected.join(QLatin1Char(',')).toStdString());
    GrabToPng(&window, QStringLiteral("TfmCurrentPriorityLevel_wide_names"));
    window.hide();
}

TEST(LevelPriorities, RowsOfALargerLevelAreHiddenFirst)
{
    TfmCurrentPriorityLevel window;
    window.FillLevelPriorities(4, {0.1, 0.2, 0.3, 0.4}, {"A", "B", "C", "D"});
    EXPECT_TRUE(window.NameCells[3]->isVisibleTo(&window));
    EXPECT_EQ(window.NameCells[0]->text(), QStringLiteral("D"));
    window.FillLevelPriorities(2, {0.5, 0.5}, {"E", ""});
    EXPECT_TRUE(window.NameCells[1]->isVisibleTo(&window));
    EXPECT_FALSE(window.NameCells[2]->isVisibleTo(&window));
    EXPECT_FALSE(window.NameCells[3]->isVisibleTo(&window));
    EXPECT_EQ(window.NameCells[0]->text(), QStringLiteral("E"));
    EXPECT_EQ(window.Series1->slices().size(), 2);
    EXPECT_EQ(window.Series1->slices()[1]->label(), QString());
}
} // namespace
