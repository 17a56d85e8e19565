// The project window's diagram on real widgets: the placing of every box and frame,
// the two orientations, which slots show, and the panel.
#include "GuiTestHelpers.h"

#include "core/model/TLoadSaveProject.h"
#include "gui/view/CBevel_of_HElement.h"
#include "gui/view/CHierarchyCanvas.h"
#include "gui/view/CHierarchyElementBox.h"
#include "gui/view/TUserProject.h"
#include "gui/widgets/TAddNewLevel.h"
#include "support/ModelEdits.h"

#include <QAction>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QImage>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {
// The sizes of the worked examples: the layout reads the window's outer size.
constexpr int WindowWidth = 1032;
constexpr int WindowHeight = 724;

class ViewLayout : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_TRUE(LeakedTopLevelWidgets().empty()); }
};

// A loaded project whose levels hold the given counts (the goal first).
std::unique_ptr<TUserProject> LoadedProject(const std::vector<int>& counts)
{
    TLoadSaveProject record;
    record.LevelCount = static_cast<std::uint32_t>(counts.size());
    for (std::size_t k = 0; k < counts.size(); ++k) {
        record.ElementsPerLevel[k] = counts[k];
        for (int e = 0; e < counts[k]; ++e) {
            record.Elements[static_cast<std::size_t>(e)][k].Name = "E" + std::to_string(e) + "_" + std::to_string(k);
        }
    }
    auto project = std::make_unique<TUserProject>();
    project->resize(WindowWidth, WindowHeight);
    EXPECT_TRUE(project->BuildLoadedHierarchy(record));
    return project;
}

QRect Rect(int left, int top, int width, int height)
{
    return QRect(left, top, width, height);
}

// Every box and frame shows exactly when its slot is in use, and shows its record's name.
void ExpectShownAsModel(const TUserProject& project)
{
    const CUserProjectModel& model = project.Model();
    for (std::uint32_t p = 0; p < MaxElementsPerLevel; ++p) {
        for (std::uint32_t k = 0; k < MaxLevels; ++k) {
            const bool inUse = k < model.LevelCount() && model.SlotInUse(p, k);
            EXPECT_EQ(!project.ElementBox(p, k)->isHidden(), inUse) << p << "," << k;
            EXPECT_EQ(!project.ElementBevel(p, k)->isHidden(), inUse) << p << "," << k;
            if (inUse) {
                EXPECT_EQ(project.ElementBox(p, k)->text().toStdString(), model.Element(p, k).Name);
            }
        }
    }
}

std::vector<int> Tops(const TUserProject& project, std::uint32_t level, std::uint32_t count)
{
    std::vector<int> tops;
    for (std::uint32_t p = 0; p < count; ++p) {
        tops.push_back(project.ElementBox(p, level)->y());
        EXPECT_EQ(project.ElementBevel(p, level)->y(), project.ElementBox(p, level)->y() - 3);
    }
    return tops;
}

std::vector<int> Lefts(const TUserProject& project, std::uint32_t level, std::uint32_t count)
{
    std::vector<int> lefts;
    for (std::uint32_t p = 0; p < count; ++p) {
        lefts.push_back(project.ElementBox(p, level)->x());
        EXPECT_EQ(project.ElementBevel(p, level)->x(), project.ElementBox(p, level)->x() - 3);
        EXPECT_EQ(project.ElementBox(p, level)->y(), 150 * static_cast<int>(level));
        EXPECT_EQ(project.ElementBevel(p, level)->y(), 150 * static_cast<int>(level) - 3);
    }
    return lefts;
}

std::vector<QRect> AllBoxGeometry(const TUserProject& project)
{
    std::vector<QRect> places;
    for (std::uint32_t p = 0; p < MaxElementsPerLevel; ++p) {
        for (std::uint32_t k = 0; k < MaxLevels; ++k) {
            places.push_back(project.ElementBox(p, k)->geometry());
            places.push_back(project.ElementBevel(p, k)->geometry());
        }
    }
    return places;
}
} // namespace

TEST_F(ViewLayout, HorizontalPlacesOfTheWorkedExample)
{
    const auto project = LoadedProject({1, 9, 4, 3, 2});
    EXPECT_EQ(project->OuterSize(), QSize(WindowWidth, WindowHeight));
    EXPECT_EQ(project->ElementBox(0, 0)->geometry(), Rect(60, 342, 140, 20));
    EXPECT_EQ(project->ElementBevel(0, 0)->geometry(), Rect(57, 339, 146, 26));
    EXPECT_EQ(project->ElementBox(0, 1)->geometry(), Rect(350, 30, 95, 20));
    EXPECT_EQ(project->ElementBevel(0, 1)->geometry(), Rect(347, 27, 101, 26));
    EXPECT_EQ(Tops(*project, 1, 9), (std::vector<int>{30, 108, 186, 264, 342, 420, 498, 576, 654}));
    EXPECT_EQ(Tops(*project, 2, 4), (std::vector<int>{94, 218, 466, 590}));
    EXPECT_EQ(Tops(*project, 3, 3), (std::vector<int>{161, 342, 523}));
    EXPECT_EQ(Tops(*project, 4, 2), (std::vector<int>{171, 513}));
    for (std::uint32_t k = 1; k < 5; ++k) {
        EXPECT_EQ(project->ElementBox(0, k)->x(), 100 + 250 * static_cast<int>(k));
        EXPECT_EQ(project->ElementBevel(0, k)->x(), 97 + 250 * static_cast<int>(k));
    }
    ExpectShownAsModel(*project);
}

TEST_F(ViewLayout, VerticalPlacesOfTheWorkedExample)
{
    const auto project = LoadedProject({1, 9, 4, 3, 2});
    project->ToggleOrientation();
    EXPECT_TRUE(project->VerticalOrientation());
    EXPECT_EQ(project->ElementBox(0, 0)->geometry(), Rect(481, 30, 140, 20));
    EXPECT_EQ(project->ElementBevel(0, 0)->geometry(), Rect(478, 27, 146, 26));
    EXPECT_EQ(Lefts(*project, 1, 9), (std::vector<int>{57, 163, 269, 375, 481, 587, 693, 799, 905}));
    // 481 / 3 + 10 = 170; 481 / 2 + 10 = 250.
    EXPECT_EQ(Lefts(*project, 2, 4), (std::vector<int>{141, 311, 651, 821}));
    EXPECT_EQ(Lefts(*project, 3, 3), (std::vector<int>{231, 481, 731}));
    EXPECT_EQ(Lefts(*project, 4, 2), (std::vector<int>{241, 721}));
    ExpectShownAsModel(*project);
}

TEST_F(ViewLayout, TogglingTwiceReturnsEveryBoxAndSetsTheDialogCaptions)
{
    TAddNewLevel addLevel;
    const auto project = LoadedProject({1, 9, 4, 3, 2, 7, 5});
    CProjectWindowServices services;
    services.AddNewLevel = &addLevel;
    project->SetServices(services);
    const std::vector<QRect> before = AllBoxGeometry(*project);
    auto* orientation = project->findChild<QToolButton*>(QStringLiteral("btHierarchyType"));
    ASSERT_NE(orientation, nullptr);
    QTest::mouseClick(orientation, Qt::LeftButton);
    EXPECT_TRUE(project->VerticalOrientation());
    EXPECT_TRUE(orientation->isChecked());
    EXPECT_EQ(addLevel.findChild<QWidget*>(QStringLiteral("rbLeft"))->property("text").toString(),
        QStringLiteral("Выше от текущего уровня"));
    EXPECT_EQ(addLevel.findChild<QWidget*>(QStringLiteral("rbRight"))->property("text").toString(),
        QStringLiteral("Ниже от текущего уровня"));
    EXPECT_NE(AllBoxGeometry(*project), before);
    QTest::mouseClick(orientation, Qt::LeftButton);
    EXPECT_FALSE(project->VerticalOrientation());
    EXPECT_FALSE(orientation->isChecked());
    EXPECT_EQ(AllBoxGeometry(*project), before);
    EXPECT_EQ(addLevel.findChild<QWidget*>(QStringLiteral("rbLeft"))->property("text").toString(),
        QStringLiteral("Слева от текущего уровня"));
    EXPECT_EQ(addLevel.findChild<QWidget*>(QStringLiteral("rbRight"))->property("text").toString(),
        QStringLiteral("Справа от текущего уровня"));
    ExpectShownAsModel(*project);
}

TEST_F(ViewLayout, SlotsNotInUseStayHiddenAndStyledLikeTheRest)
{
    TUserProject project;
    project.resize(WindowWidth, WindowHeight);
    project.BuildNewHierarchy(4, 3, QStringLiteral("ЦЕЛЬ"), QString());
    ExpectShownAsModel(project);
    EXPECT_TRUE(project.ElementBox(4, 1)->isHidden());
    EXPECT_TRUE(project.ElementBox(0, 3)->isHidden());
    EXPECT_EQ(project.ElementBox(0, 0)->text(), QStringLiteral("ЦЕЛЬ"));
    EXPECT_EQ(project.ElementBox(3, 2)->text(), QStringLiteral("ЭЛЕМЕНТ_3"));
    // Not in use, still placed: level 5 at its provisional place.
    EXPECT_EQ(project.ElementBox(8, 5)->geometry(), Rect(1350, 530, 95, 20));
    for (const std::uint32_t p : {0U, 5U}) {
        const CHierarchyElementBox* box = project.ElementBox(p, 2);
        EXPECT_EQ(box->frameShape(), QFrame::Panel);
        EXPECT_EQ(box->frameShadow(), QFrame::Sunken);
        EXPECT_EQ(box->alignment(), Qt::AlignCenter);
        EXPECT_EQ(box->font().pointSize(), 10);
        EXPECT_TRUE(box->autoFillBackground());
        EXPECT_EQ(box->palette().color(QPalette::Window), QColor(Qt::white));
        EXPECT_EQ(project.ElementBevel(p, 2)->frameShape(), QFrame::Panel);
        EXPECT_EQ(project.ElementBevel(p, 2)->frameShadow(), QFrame::Raised);
    }
}

TEST_F(ViewLayout, NothingOutsideTheHierarchyShowsAfterAnyStructureCommand)
{
    TAddNewLevel addLevel;
    const auto project = LoadedProject({1, 3, 5, 2});
    CProjectWindowServices services;
    services.AddNewLevel = &addLevel;
    project->SetServices(services);
    auto* menu = project->findChild<QMenu*>(QStringLiteral("mnChartMenu"));
    ASSERT_NE(menu, nullptr);
    const auto command = [&](const char* name, std::uint32_t p, std::uint32_t k) {
        ASSERT_TRUE(project->ElementMouseDown(p, k));
        menu->findChild<QAction*>(QString::fromLatin1(name))->trigger();
        ExpectShownAsModel(*project);
    };
    command("mnDelElement", 1, 2);
    command("mnAddElement", 0, 3);
    command("mnDelLevel", 0, 1);
    EXPECT_EQ(project->Model().LevelCount(), 3U);
    command("mnDelLevel", 0, 2);
    EXPECT_EQ(project->Model().LevelCount(), 2U);
    WhenModalOpens(
        [](QWidget* modal) { QTest::mouseClick(modal->findChild<QWidget*>(QStringLiteral("btOk")), Qt::LeftButton); });
    command("mnAddLevel", 1, 1);
    EXPECT_EQ(project->Model().LevelCount(), 3U);
    // The centring follows every command: the new level of 5 sits around the goal's axis.
    EXPECT_EQ(Tops(*project, 2, 5), (std::vector<int>{94, 218, 342, 466, 590}));
}

TEST_F(ViewLayout, TheCanvasScrollsToTheFarthestLevel)
{
    TUserProject project;
    ShowWithOuterSize(project, WindowWidth, WindowHeight);
    // Shown on its own, the outer size is the frame's, which the platform adds to.
    EXPECT_EQ(project.OuterSize(), QSize(WindowWidth, WindowHeight));
    EXPECT_EQ(project.OuterSize(), project.frameGeometry().size());
    TLoadSaveProject record;
    record.LevelCount = 10;
    record.ElementsPerLevel = {1, 9, 9, 9, 9, 9, 9, 9, 9, 9};
    ASSERT_TRUE(project.BuildLoadedHierarchy(record));
    EXPECT_EQ(project.ElementBox(0, 0)->geometry(), Rect(60, 342, 140, 20));
    QScrollBar* horizontal = project.ScrollArea()->horizontalScrollBar();
    EXPECT_EQ(horizontal->singleStep(), 40);
    EXPECT_EQ(project.ElementBox(0, 9)->x(), 2350);
    EXPECT_GE(project.Canvas()->width(), 2350 + 98);
    EXPECT_GT(horizontal->maximum(), 0);
    project.ScrollArea()->ensureWidgetVisible(project.ElementBox(8, 9));
    const QPoint seen = project.ElementBox(8, 9)->mapTo(project.ScrollArea()->viewport(), QPoint(0, 0));
    EXPECT_TRUE(project.ScrollArea()->viewport()->rect().contains(seen));
    project.ToggleOrientation();
    EXPECT_EQ(project.ElementBox(0, 9)->y(), 1350);
    EXPECT_GE(project.Canvas()->height(), 1350 + 23);
    EXPECT_GT(project.ScrollArea()->verticalScrollBar()->maximum(), 0);
}

TEST_F(ViewLayout, TheDiagramFollowsResizingAndEveryBoxStaysInReach)
{
    TUserProject project;
    ShowWithOuterSize(project, WindowWidth, WindowHeight);
    TLoadSaveProject record;
    record.LevelCount = 3;
    record.ElementsPerLevel = {1, 9, 2};
    ASSERT_TRUE(project.BuildLoadedHierarchy(record));

    // 252 high: GoalTop 106 and a level of nine spaced 106 / 5 + 10 = 31 around it, the
    // first at 106 - 4 * 31 = -18, its frame at -21: the diagram moves down by 31 so that
    // frame stands 10 below the top.
    ShowWithOuterSize(project, WindowWidth, 252);
    const std::vector<int> tops = Tops(project, 1, 9);
    for (std::size_t p = 0; p + 1 < tops.size(); ++p) {
        EXPECT_EQ(tops[p + 1] - tops[p], 31) << p;
    }
    EXPECT_EQ(project.ElementBevel(0, 1)->y(), 10);
    EXPECT_EQ(project.ElementBox(0, 0)->y(), tops[4]);
    const QRect canvas = project.Canvas()->rect();
    for (std::uint32_t k = 0; k < 3; ++k) {
        for (std::uint32_t p = 0; p < project.Model().ElementsInLevelChecked(k); ++p) {
            EXPECT_TRUE(canvas.contains(project.ElementBevel(p, k)->geometry())) << p << "," << k;
        }
    }
    // The links move with the boxes: goal (60, 137) to the first of level 1 (350, 13).
    QCoreApplication::processEvents();
    const QImage picture = project.Canvas()->grab().toImage();
    EXPECT_TRUE(BlackNear(picture, (202 + 347) / 2, (147 + 23) / 2, 1));

    // Back at the size of the worked example, the worked places come back.
    ShowWithOuterSize(project, WindowWidth, WindowHeight);
    EXPECT_EQ(Tops(project, 1, 9), (std::vector<int>{30, 108, 186, 264, 342, 420, 498, 576, 654}));
    EXPECT_EQ(project.ElementBox(0, 0)->geometry(), Rect(60, 342, 140, 20));
}

TEST_F(ViewLayout, NamesAreShownWholeInTheBoxes)
{
    TLoadSaveProject record;
    record.LevelCount = 3;
    record.ElementsPerLevel = {1, 3, 2};
    record.Elements[0][0].Name = "ЖЖЖЖЖЖЖЖЖЖЖЖЖЖ";
    record.Elements[0][1].Name = "ЖЖЖЖЖЖЖЖЖ";
    record.Elements[1][1].Name = "ШШШШШШШШШ";
    record.Elements[2][1].Name = "ЦЕНА";
    record.Elements[0][2].Name = "ПОСТАВЩИК";
    TUserProject project;
    project.resize(WindowWidth, WindowHeight);
    ASSERT_TRUE(project.BuildLoadedHierarchy(record));
    ExpectWholeName(project.ElementBox(0, 0), QStringLiteral("ЖЖЖЖЖЖЖЖЖЖЖЖЖЖ"), true);
    ExpectWholeName(project.ElementBox(0, 1), QStringLiteral("ЖЖЖЖЖЖЖЖЖ"), true);
    ExpectWholeName(project.ElementBox(1, 1), QStringLiteral("ШШШШШШШШШ"), true);
    // A name that fits keeps the box's own type.
    ExpectWholeName(project.ElementBox(2, 1), QStringLiteral("ЦЕНА"), false);
    EXPECT_EQ(project.ElementBox(2, 1)->font().pointSize(), 10);
    ExpectWholeName(project.ElementBox(0, 2), QStringLiteral("ПОСТАВЩИК"), false);
    EXPECT_EQ(project.ElementBox(0, 1)->size(), QSize(95, 20));
    EXPECT_EQ(project.ElementBox(0, 0)->size(), QSize(140, 20));
}

TEST_F(ViewLayout, PanelButtonsTheirHintsAndGroups)
{
    TUserProject project;
    struct CExpected {
        const char* Name;
        int Top;
        const char* Hint;
    };
    const CExpected buttons[] = {
        {"btHierarchyType", 11, "Ориентация иерархии"},
        {"btEditMode", 74, "Режим редактирования"},
        {"btExpertMode", 98, "Режим работы эксперта"},
        {"btResultsView", 154, "Показать результат"},
        {"btClone", 214, "Клонировать проект"},
    };
    auto* panel = project.findChild<QWidget*>(QStringLiteral("UserPanel"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->width(), 37);
    for (const CExpected& expected : buttons) {
        auto* button = panel->findChild<QToolButton*>(QString::fromLatin1(expected.Name));
        ASSERT_NE(button, nullptr) << expected.Name;
        EXPECT_EQ(button->geometry(), Rect(5, expected.Top, 23, 23)) << expected.Name;
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(expected.Hint));
        EXPECT_FALSE(button->icon().isNull());
    }
    auto* edit = panel->findChild<QToolButton*>(QStringLiteral("btEditMode"));
    auto* expert = panel->findChild<QToolButton*>(QStringLiteral("btExpertMode"));
    auto* results = panel->findChild<QToolButton*>(QStringLiteral("btResultsView"));
    auto* clone = panel->findChild<QToolButton*>(QStringLiteral("btClone"));
    EXPECT_TRUE(edit->isChecked());
    EXPECT_FALSE(expert->isChecked());
    QTest::mouseClick(expert, Qt::LeftButton);
    EXPECT_TRUE(expert->isChecked());
    EXPECT_FALSE(edit->isChecked());
    QTest::mouseClick(expert, Qt::LeftButton); // already down: stays down
    EXPECT_TRUE(expert->isChecked());
    ASSERT_NE(edit->group(), nullptr);
    EXPECT_TRUE(edit->group()->exclusive());
    QTest::mouseClick(results, Qt::LeftButton);
    EXPECT_TRUE(results->isChecked());
    QTest::mouseClick(results, Qt::LeftButton);
    EXPECT_FALSE(results->isChecked());
    EXPECT_FALSE(clone->isCheckable());
}
