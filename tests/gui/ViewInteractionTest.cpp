// The mouse on real element boxes: the press that makes an element current, the
// context menus of the two modes, the structure commands with their refusals, the
// add-level and element dialogs, the fatal model error and the results button.
#include "CScriptedUserDialogs.h"
#include "GuiTestHelpers.h"
#include "support/ModelEdits.h"

#include "gui/view/CHierarchyElementBox.h"
#include "gui/view/TUserProject.h"
#include "gui/widgets/TAddNewLevel.h"
#include "gui/widgets/TfmElementEdit.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace {
class ViewInteraction : public ::testing::Test {
protected:
    void SetUp() override
    {
        CProjectWindowServices services;
        services.AddNewLevel = &AddLevel;
        services.ElementEdit = &ElementEdit;
        Project.SetServices(services);
    }
    void TearDown() override
    {
        Parts.reset();
        EXPECT_TRUE(LeakedTopLevelWidgets().empty());
    }

    // Shown, so that the mouse goes through the real window like a user's would.
    void Build(std::uint32_t elements, std::uint32_t levels)
    {
        ShowWithOuterSize(Project, 1032, 724);
        Project.BuildNewHierarchy(elements, levels, QStringLiteral("ЦЕЛЬ"), QStringLiteral("о проекте"));
    }

    // A right click on the box through the window; the menu that popped up, if any.
    QMenu* RightClick(std::uint32_t p, std::uint32_t k)
    {
        CHierarchyElementBox* box = Project.ElementBox(p, k);
        const QPoint at = box->mapTo(&Project, box->rect().center());
        QTest::mouseClick(Project.windowHandle(), Qt::RightButton, {}, at);
        QApplication::processEvents();
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }

    // Runs one command of the editing menu on the box, as the user picks it.
    void Command(const char* action, std::uint32_t p, std::uint32_t k)
    {
        QMenu* menu = RightClick(p, k);
        ASSERT_NE(menu, nullptr);
        ASSERT_EQ(menu->objectName(), QStringLiteral("mnChartMenu"));
        auto* item = menu->findChild<QAction*>(QString::fromLatin1(action));
        ASSERT_NE(item, nullptr);
        menu->hide();
        item->trigger();
    }

    void DoubleClick(std::uint32_t p, std::uint32_t k) { QTest::mouseDClick(Project.ElementBox(p, k), Qt::LeftButton); }

    QToolButton* Button(const char* name) { return Project.findChild<QToolButton*>(QString::fromLatin1(name)); }

    // Held apart so the test can end them and then look for leaked windows.
    struct CParts {
        CScriptedUserDialogs Dialogs;
        TAddNewLevel AddLevel;
        TfmElementEdit ElementEdit;
        TUserProject Project;
    };
    std::unique_ptr<CParts> Parts = std::make_unique<CParts>();
    CScriptedUserDialogs& Dialogs = Parts->Dialogs;
    TAddNewLevel& AddLevel = Parts->AddLevel;
    TfmElementEdit& ElementEdit = Parts->ElementEdit;
    TUserProject& Project = Parts->Project;
};

void ClickButton(QWidget* dialog, const char* name)
{
    auto* button = dialog->findChild<QPushButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}
} // namespace

TEST_F(ViewInteraction, RightClickMakesCurrentAndShowsTheMenuOfTheMode)
{
    Build(4, 3);
    EXPECT_EQ(RightClick(0, 0), nullptr); // the goal has none
    EXPECT_EQ(Project.CurrentLevel(), 0U);

    QMenu* menu = RightClick(2, 1);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Project.CurrentPosition(), 2U);
    EXPECT_EQ(Project.CurrentLevel(), 1U);
    EXPECT_EQ(menu->objectName(), QStringLiteral("mnChartMenu"));
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), 5);
    EXPECT_EQ(items[0]->text(), QStringLiteral("Добавить элемент"));
    EXPECT_EQ(items[1]->text(), QStringLiteral("Удалить элемент"));
    EXPECT_TRUE(items[2]->isSeparator());
    EXPECT_EQ(items[2]->objectName(), QStringLiteral("N3"));
    EXPECT_EQ(items[3]->text(), QStringLiteral("Добавить уровень"));
    EXPECT_EQ(items[4]->text(), QStringLiteral("Удалить уровень"));
    menu->hide();

    QTest::mouseClick(Button("btExpertMode"), Qt::LeftButton);
    EXPECT_EQ(RightClick(0, 0), nullptr);
    menu = RightClick(1, 2);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), QStringLiteral("mnCurrentLevelMenu"));
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("Показать приоритеты уровня"));
    EXPECT_EQ(menu->actions()[1]->text(), QStringLiteral("Анализ чувствительности"));
    // The bottom level has no weight to move; a middle level has.
    EXPECT_FALSE(menu->actions()[1]->isEnabled());
    menu->hide();
    menu = RightClick(1, 1);
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->actions()[1]->isEnabled());
    menu->hide();

    QTest::mouseClick(Button("btEditMode"), Qt::LeftButton);
    menu = RightClick(1, 2);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), QStringLiteral("mnChartMenu"));
    menu->hide();
    // A left press makes current too.
    QTest::mouseClick(Project.ElementBox(3, 2), Qt::LeftButton);
    EXPECT_EQ(Project.CurrentPosition(), 3U);
    EXPECT_EQ(Project.CurrentLevel(), 2U);
}

TEST_F(ViewInteraction, EveryRefusalIsShownAndChangesNothing)
{
    Build(9, 10);
    Command("mnAddElement", 3, 1);
    Command("mnAddLevel", 0, 1); // no dialog: refused before it
    EXPECT_FALSE(Project.Document().Modified());
    EXPECT_EQ(Project.Model().ElementsInLevelChecked(1), 9U);
    EXPECT_EQ(Project.Model().LevelCount(), 10U);

    TUserProject small;
    small.resize(1032, 724);
    small.BuildNewHierarchy(2, 3, QStringLiteral("ЦЕЛЬ"), QString());
    ASSERT_TRUE(small.ElementMouseDown(1, 2));
    small.findChild<QAction*>(QStringLiteral("mnDelElement"))->trigger();
    ASSERT_TRUE(small.ElementMouseDown(0, 1));
    small.findChild<QAction*>(QStringLiteral("mnDelLevel"))->trigger();
    EXPECT_EQ(small.Model().LevelCount(), 2U);
    small.findChild<QAction*>(QStringLiteral("mnDelLevel"))->trigger();
    EXPECT_EQ(small.Model().LevelCount(), 2U);
    EXPECT_EQ(small.Model().ElementsInLevelChecked(1), 2U);

    const std::vector<QString> expected = {
        QStringLiteral("Используемый метод не позволяет создавать более 9-ти элементов на одном уровне"),
        QStringLiteral("Число уровней не может быть больше 10"),
        QStringLiteral("На одном уровне не может быть меньше 2-х элементов."),
        QStringLiteral("Число уровней не может быть меньше 2"),
    };
    EXPECT_EQ(Dialogs.MessageTexts(), expected);
    for (const auto& record : Dialogs.Records) {
        EXPECT_EQ(record.Caption, QStringLiteral("Message"));
    }
}

TEST_F(ViewInteraction, AddLevelThroughItsSpinnerAndRadioButtons)
{
    Build(4, 3);
    SetName(EditableModel(Project.Document()), 1, 1, "КРИТЕРИЙ");
    WhenModalOpens([](QWidget* modal) {
        ASSERT_EQ(modal->objectName(), QStringLiteral("TAddNewLevel"));
        auto* spinner = modal->findChild<QSpinBox*>(QStringLiteral("udElementNum"));
        auto* shown = modal->findChild<QLineEdit*>(QStringLiteral("edElementinLevel"));
        EXPECT_EQ(shown->text(), QStringLiteral("5"));
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(spinner, Qt::Key_Up); // stops at 9, no wrap-around
        }
        EXPECT_EQ(spinner->value(), 9);
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(spinner, Qt::Key_Down);
        }
        EXPECT_EQ(shown->text(), QStringLiteral("3"));
        QTest::mouseClick(modal->findChild<QRadioButton*>(QStringLiteral("rbLeft")), Qt::LeftButton);
        ClickButton(modal, "btOk");
    });
    Command("mnAddLevel", 1, 1);
    EXPECT_EQ(Project.Model().LevelCount(), 4U);
    EXPECT_EQ(Project.Model().ElementsInLevelChecked(1), 3U);
    EXPECT_EQ(Project.Model().ElementsInLevelChecked(2), 4U);
    EXPECT_EQ(Project.Model().Element(1, 2).Name, "КРИТЕРИЙ"); // moved down one level
    EXPECT_EQ(Project.ElementBox(1, 2)->text(), QStringLiteral("КРИТЕРИЙ"));
    EXPECT_TRUE(Project.Document().Modified());
    EXPECT_FALSE(Project.ElementBox(3, 1)->isVisible());
    EXPECT_TRUE(Project.ElementBox(3, 3)->isVisible());

    // The dialog remembers its count and side; Cancel changes nothing.
    WhenModalOpens([](QWidget* modal) {
        EXPECT_EQ(modal->findChild<QSpinBox*>(QStringLiteral("udElementNum"))->value(), 3);
        EXPECT_TRUE(modal->findChild<QRadioButton*>(QStringLiteral("rbLeft"))->isChecked());
        ClickButton(modal, "btCancel");
    });
    Command("mnAddLevel", 0, 3);
    EXPECT_EQ(Project.Model().LevelCount(), 4U);
    EXPECT_TRUE(Dialogs.Records.empty());
}

TEST_F(ViewInteraction, DoubleClickEditsTheElementWithTheGoalsLongerName)
{
    Build(3, 3);
    WhenModalOpens([](QWidget* modal) {
        ASSERT_EQ(modal->objectName(), QStringLiteral("TfmElementEdit"));
        auto* name = modal->findChild<QLineEdit*>(QStringLiteral("edElementEdit"));
        EXPECT_EQ(name->text(), QStringLiteral("ЦЕЛЬ"));
        EXPECT_EQ(modal->findChild<QPlainTextEdit*>(QStringLiteral("mmElementMemo"))->toPlainText(),
            QStringLiteral("о проекте"));
        name->clear();
        TypeText(name, QStringLiteral("выбор квартиры!")); // 15 typed, 14 fit
        ClickButton(modal, "btOk");
    });
    DoubleClick(0, 0);
    EXPECT_EQ(Project.Model().Goal().Name, "ВЫБОР КВАРТИРЫ");
    EXPECT_EQ(Project.ElementBox(0, 0)->text(), QStringLiteral("ВЫБОР КВАРТИРЫ"));
    EXPECT_TRUE(Project.Document().Modified());

    WhenModalOpens([](QWidget* modal) {
        auto* name = modal->findChild<QLineEdit*>(QStringLiteral("edElementEdit"));
        name->clear();
        TypeText(name, QStringLiteral("цена жилья"));
        ClickButton(modal, "btOk");
    });
    DoubleClick(2, 1);
    EXPECT_EQ(Project.Model().Element(2, 1).Name, "ЦЕНА ЖИЛЬ");
    EXPECT_EQ(Project.ElementBox(2, 1)->text(), QStringLiteral("ЦЕНА ЖИЛЬ"));
}

TEST_F(ViewInteraction, AnEmptyCommentClearsTheMemoAndCancelKeepsTheElement)
{
    Build(3, 3);
    EditableModel(Project.Document()).SetElementText(1, 2, "ЦЕНА", "");
    WhenModalOpens([](QWidget* modal) { ClickButton(modal, "btOk"); });
    DoubleClick(0, 0);
    EXPECT_EQ(Project.Model().Goal().Comment, "о проекте");

    WhenModalOpens([](QWidget* modal) {
        // The goal's comment was shown last; it must not carry over.
        EXPECT_TRUE(modal->findChild<QPlainTextEdit*>(QStringLiteral("mmElementMemo"))->toPlainText().isEmpty());
        modal->findChild<QLineEdit*>(QStringLiteral("edElementEdit"))->setText(QStringLiteral("ДРУГОЕ"));
        ClickButton(modal, "btCancel");
    });
    Project.Document().MarkSaved();
    DoubleClick(1, 2);
    EXPECT_EQ(Project.Model().Element(1, 2).Name, "ЦЕНА");
    EXPECT_EQ(Project.Model().Element(1, 2).Comment, "");
    EXPECT_TRUE(Project.Document().Modified());
}

TEST_F(ViewInteraction, ExpertDoubleClickOnTheBottomLevelOnlyMarksModified)
{
    Build(3, 3);
    QTest::mouseClick(Button("btExpertMode"), Qt::LeftButton);
    DoubleClick(1, 2);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(Project.Document().Modified());
    EXPECT_EQ(Project.CurrentLevel(), 2U);
}

TEST_F(ViewInteraction, TheFatalModelErrorClosesTheWindowWithoutTheSaveQuestion)
{
    Build(3, 3);
    EXPECT_FALSE(Project.ElementMouseDown(9, 0));
    ASSERT_EQ(Dialogs.Records.size(), 1U);
    EXPECT_EQ(Dialogs.Records[0].Text, QStringLiteral("Приложение выполнило недопустимую операцию"));
    EXPECT_EQ(Dialogs.Records[0].Caption, QStringLiteral("Message"));
    EXPECT_FALSE(Project.Document().AskSaveOnClose());
    EXPECT_FALSE(Project.isVisible());
}

TEST_F(ViewInteraction, TheResultsButtonHidesTheDiagramAndDisablesTheOtherButtons)
{
    Build(3, 4);
    QTest::mouseClick(Button("btResultsView"), Qt::LeftButton);
    for (const char* name : {"btEditMode", "btHierarchyType", "btExpertMode", "btClone"}) {
        EXPECT_FALSE(Button(name)->isEnabled()) << name;
    }
    EXPECT_TRUE(Button("btResultsView")->isEnabled());
    EXPECT_TRUE(Project.ElementBox(0, 0)->isHidden());
    EXPECT_TRUE(Project.ElementBox(2, 3)->isHidden());
    // Every level's global priorities were computed: all equal, 1/3 each.
    EXPECT_NEAR(Project.Document().Results().GlobalPriority()(1, 3), 1.0 / 3.0, 1e-12);
    QTest::mouseClick(Button("btResultsView"), Qt::LeftButton);
    for (const char* name : {"btEditMode", "btHierarchyType", "btExpertMode", "btClone"}) {
        EXPECT_TRUE(Button(name)->isEnabled()) << name;
    }
    EXPECT_FALSE(Project.ElementBox(2, 3)->isHidden());
    EXPECT_TRUE(Project.ElementBox(3, 3)->isHidden());
}

TEST(ViewInDocumentArea, LaysOutFromItsSubwindowAndTheFatalErrorClosesTheSubwindow)
{
    CScriptedUserDialogs dialogs;
    {
        QMdiArea area;
        area.resize(1200, 900);
        auto* project = new TUserProject;
        QMdiSubWindow* subWindow = area.addSubWindow(project);
        subWindow->setAttribute(Qt::WA_DeleteOnClose);
        area.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&area));
        subWindow->resize(1032, 724);
        EXPECT_EQ(project->OuterSize(), QSize(1032, 724));
        project->BuildNewHierarchy(3, 3, QStringLiteral("ЦЕЛЬ"), QString());
        // The subwindow's height, title bar included, places the goal.
        EXPECT_EQ(project->ElementBox(0, 0)->geometry(), QRect(60, 342, 140, 20));
        project->ToggleOrientation();
        EXPECT_EQ(project->ElementBox(0, 0)->geometry(), QRect(481, 30, 140, 20));

        const QPointer<QMdiSubWindow> alive(subWindow);
        EXPECT_FALSE(project->ElementMouseDown(0, 10));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(alive.isNull());
        EXPECT_TRUE(area.subWindowList().isEmpty());
    }
    ASSERT_EQ(dialogs.MessageTexts().size(), 1U);
    EXPECT_EQ(dialogs.MessageTexts()[0], QStringLiteral("Приложение выполнило недопустимую операцию"));
    EXPECT_TRUE(LeakedTopLevelWidgets().empty());
}
