// What the user sees: the project window grabbed to PNG in both orientations, with
// pixels sampled on links where the geometry puts them, and the timings of the window.
#include "GuiTestHelpers.h"

#include "gui/results/CResultsView.h"
#include "gui/view/CHierarchyCanvas.h"
#include "gui/view/CHierarchyElementBox.h"
#include "gui/view/TUserProject.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <map>
#include <vector>

namespace {
class ViewRender : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_TRUE(LeakedTopLevelWidgets().empty()); }
};

QString GrabDirectory()
{
    const QString directory = QDir::temp().filePath(QStringLiteral("tessaly-view-grabs"));
    QDir().mkpath(directory);
    return directory;
}

// The whole diagram (also what lies beyond the viewport) and the window as shown.
QImage GrabAndSave(TUserProject& project, const QString& name)
{
    QCoreApplication::processEvents(); // the scroll bars follow the canvas through posted events
    project.repaint();
    const QImage window = project.grab().toImage();
    EXPECT_TRUE(window.save(GrabDirectory() + QStringLiteral("/") + name + QStringLiteral("-window.png")));
    const QImage canvas = project.Canvas()->grab().toImage();
    EXPECT_TRUE(canvas.save(GrabDirectory() + QStringLiteral("/") + name + QStringLiteral("-canvas.png")));
    return canvas;
}

// Points along a link, a quarter, half and three quarters of the way: each must be black.
void ExpectLink(const QImage& canvas, int x1, int y1, int x2, int y2)
{
    for (const int quarter : {1, 2, 3}) {
        const int x = x1 + (x2 - x1) * quarter / 4;
        const int y = y1 + (y2 - y1) * quarter / 4;
        EXPECT_TRUE(BlackNear(canvas, x, y, 1))
            << "link (" << x1 << "," << y1 << ")-(" << x2 << "," << y2 << ") not painted at " << x << "," << y;
    }
}

void ExpectNoInk(const QImage& canvas, int x, int y)
{
    EXPECT_FALSE(BlackNear(canvas, x, y, 2)) << "ink at " << x << "," << y;
}

// The colour most of a control's inside shows on the canvas (its frame left out), as #rrggbb.
std::string InsideColour(const QImage& canvas, const QWidget& control, const QWidget& on)
{
    const QRect inside = QRect(control.mapTo(&on, QPoint(0, 0)), control.size()).adjusted(2, 2, -2, -2);
    std::map<QRgb, int> counts;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            ++counts[canvas.pixel(x, y)];
        }
    }
    const auto most = std::max_element(
        counts.begin(), counts.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    return most == counts.end() ? std::string() : QColor(most->first).name().toStdString();
}

std::unique_ptr<TUserProject> ShownProject(std::uint32_t elements, std::uint32_t levels)
{
    auto project = std::make_unique<TUserProject>();
    ShowWithOuterSize(*project, 1032, 724);
    project->BuildNewHierarchy(elements, levels, QStringLiteral("ВЫБОР"), QString());
    return project;
}

} // namespace

TEST_F(ViewRender, ThreeLevelsHorizontalLinksJoinTheRightEdges)
{
    const auto project = ShownProject(3, 3);
    const QImage canvas = GrabAndSave(*project, QStringLiteral("3-levels-horizontal"));
    // Goal (60, 342) to the middle child of level 1 (350, 342): a level line at y 352,
    // from the goal's right edge (60 + 142) to the child's frame (350 - 3).
    // Its end pixels lie under the frames' edges (202 and 347).
    for (int x = 203; x <= 346; x += 13) {
        EXPECT_EQ(canvas.pixel(x, 352) & 0xFFFFFFU, 0U) << x;
    }
    // Goal to the top child (350, 161): start (202, 352), end (347, 171).
    ExpectLink(canvas, 202, 352, 347, 171);
    // Level 1 top (350, 161) to level 2 bottom (600, 523): (447, 171) to (597, 533).
    ExpectLink(canvas, 447, 171, 597, 533);
    // Nothing beyond the last level, nothing inside the gap above the goal.
    ExpectNoInk(canvas, 800, 352);
    ExpectNoInk(canvas, 120, 200);
}

TEST_F(ViewRender, ThreeLevelsVerticalLinksRunFromBelowTheParentToAboveTheChild)
{
    const auto project = ShownProject(3, 3);
    project->ToggleOrientation();
    const QImage canvas = GrabAndSave(*project, QStringLiteral("3-levels-vertical"));
    // Goal (481, 30): start (549, 53). Level 1 left (231, 150): end (276, 146).
    ExpectLink(canvas, 549, 53, 276, 146);
    // Level 1 right (731, 150) start (776, 173) to level 2 middle (481, 300) end (526, 296).
    ExpectLink(canvas, 776, 173, 526, 296);
    ExpectNoInk(canvas, 549, 400);
}

TEST_F(ViewRender, TenLevelsInBothOrientationsAndBackWithOnlyCurrentLinks)
{
    const auto project = ShownProject(9, 10);
    QImage canvas = GrabAndSave(*project, QStringLiteral("10-levels-horizontal"));
    // Level 8 bottom (2100, 654) to level 9 top (2350, 30), beyond the viewport.
    ExpectLink(canvas, 2197, 664, 2347, 40);
    // Level 1 top (350, 30) to level 2 top (600, 30): a level line at y 40.
    EXPECT_TRUE(BlackNear(canvas, 460, 40, 0));
    project->ToggleOrientation();
    canvas = GrabAndSave(*project, QStringLiteral("10-levels-vertical"));
    // Level 8 left (57, 1200) start (102, 1223) to level 9 right (905, 1350) end (950, 1346).
    ExpectLink(canvas, 102, 1223, 950, 1346);
    // Level 4 middle (481, 600) to level 5 middle (481, 750): an upright line at x 526.
    EXPECT_TRUE(BlackNear(canvas, 526, 690, 0));
    // The horizontal links are gone.
    ExpectNoInk(canvas, 460, 40);
    project->ToggleOrientation();
    canvas = GrabAndSave(*project, QStringLiteral("10-levels-horizontal-again"));
    ExpectLink(canvas, 2197, 664, 2347, 40);
    ASSERT_GT(canvas.height(), 695);
    ExpectNoInk(canvas, 526, 690);
}

TEST_F(ViewRender, TheResultsViewHidesTheLinksAndClosingItBringsThemBack)
{
    const auto project = ShownProject(3, 3);
    auto* results = project->findChild<QWidget*>(QStringLiteral("btResultsView"));
    QTest::mouseClick(results, Qt::LeftButton);
    QImage canvas = GrabAndSave(*project, QStringLiteral("3-levels-results-open"));
    EXPECT_FALSE(BlackNear(canvas, 275, 352, 1));
    QTest::mouseClick(results, Qt::LeftButton);
    canvas = GrabAndSave(*project, QStringLiteral("3-levels-results-closed"));
    EXPECT_TRUE(BlackNear(canvas, 275, 352, 0));
}

TEST_F(ViewRender, ElementBoxesAndResultCellsAreWhiteOnTheGreyCanvas)
{
    const auto project = ShownProject(3, 3);
    QImage canvas = GrabAndSave(*project, QStringLiteral("3-levels-horizontal"));
    const std::string white = "#ffffff";
    EXPECT_EQ(InsideColour(canvas, *project->ElementBox(0, 0), *project->Canvas()), white);
    EXPECT_EQ(InsideColour(canvas, *project->ElementBox(2, 2), *project->Canvas()), white);
    EXPECT_NE(QColor(canvas.pixel(20, 20)).name().toStdString(), white); // the canvas keeps the window's grey

    QTest::mouseClick(project->findChild<QWidget*>(QStringLiteral("btResultsView")), Qt::LeftButton);
    canvas = GrabAndSave(*project, QStringLiteral("3-levels-results-open"));
    const CResultsView& view = *project->ResultsPanel();
    EXPECT_EQ(InsideColour(canvas, *view.ResultNameLabels()[0], *project->Canvas()), white);
    EXPECT_EQ(InsideColour(canvas, *view.ResultValueLabels()[2], *project->Canvas()), white);
}
