// The project window from the keyboard in the frame: Tab and the arrows walk the drawing
// in both orientations and make the focused element current, Enter does what a
// double-click does in each mode, Shift+F10 and the Menu key open the mode's menu under
// the box, the focus mark is drawn around the focused box alone, and a screen reader
// finds the boxes and every command of both element menus.
#include "AppTestSupport.h"

#include "gui/judgement/TfmExpertForm.h"
#include "gui/view/CHierarchyCanvas.h"

#include <QAccessible>
#include <QImage>

#include <string>
#include <utility>
#include <vector>

using apptest::CAppTest;
using apptest::WhenModal;

namespace {

struct CStep {
    Qt::Key Key;
    Qt::KeyboardModifiers Modifiers;
    std::uint32_t Position;
    std::uint32_t Level;
};

class ViewKeyboard : public CAppTest {
protected:
    // A project of 4 levels of 3 elements, its window active with the keyboard in it.
    TUserProject* Start()
    {
        TUserProject* project = NewProject(QStringLiteral("ЦЕЛЬ"), QStringLiteral("4"), QStringLiteral("3"));
        EXPECT_NE(project, nullptr);
        if (project != nullptr) {
            Activate(project);
        }
        return project;
    }

    // The user comes back to the frame (the offscreen platform does not hand the
    // activation back when a dialog closes); the keyboard returns where it was.
    void Activate(TUserProject* project) const
    {
        Frame().activateWindow();
        ASSERT_TRUE(WaitUntilActive(&Frame()));
        auto* window = qobject_cast<QMdiSubWindow*>(project->parentWidget());
        window->mdiArea()->setActiveSubWindow(window);
    }

    static CHierarchyElementBox* Focused() { return qobject_cast<CHierarchyElementBox*>(QApplication::focusWidget()); }

    // A key as the user presses it, to whatever holds the keyboard.
    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, key, modifiers);
    }

    // Each key in turn; after each the focus and the current element are where expected.
    static void Walk(const TUserProject* project, const std::vector<CStep>& steps, const char* what)
    {
        for (std::size_t i = 0; i < steps.size(); ++i) {
            const CStep& step = steps[i];
            Key(step.Key, step.Modifiers);
            const CHierarchyElementBox* box = Focused();
            ASSERT_NE(box, nullptr) << what << " step " << i;
            EXPECT_EQ(box, project->ElementBox(step.Position, step.Level))
                << what << " step " << i << ": focus on " << box->Position() << "," << box->Level();
            EXPECT_EQ(project->CurrentPosition(), step.Position) << what << " step " << i;
            EXPECT_EQ(project->CurrentLevel(), step.Level) << what << " step " << i;
        }
    }

    // Closed without saving (a new project is always asked about).
    void Close()
    {
        Dialogs.YesNoAnswers = {false};
        Click("btCloseProject");
        EXPECT_EQ(Frame().ActiveProject(), nullptr);
    }

    static QToolButton* Button(const TUserProject* project, const char* name)
    {
        return project->findChild<QToolButton*>(QString::fromLatin1(name));
    }
    static QMenu* Menu(const TUserProject* project, const char* name)
    {
        return project->findChild<QMenu*>(QString::fromLatin1(name));
    }
    static QMenu* OpenPopup()
    {
        QApplication::processEvents();
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }
};

constexpr Qt::KeyboardModifiers None = Qt::NoModifier;
constexpr Qt::KeyboardModifiers Shift = Qt::ShiftModifier;

} // namespace

TEST_F(ViewKeyboard, TabAndArrowsWalkTheDrawingInBothOrientationsAndMakeCurrent)
{
    TUserProject* project = Start();
    ASSERT_NE(project, nullptr);
    // A new diagram gives the goal the keyboard.
    ASSERT_EQ(Focused(), project->ElementBox(0, 0));

    // Horizontal: levels side by side, each running down; the goal faces the middle of
    // level 1; no wrap at the ends of a level or of the drawing.
    Walk(project,
        {{Qt::Key_Right, None, 1, 1}, {Qt::Key_Right, None, 1, 2}, {Qt::Key_Up, None, 0, 2}, {Qt::Key_Up, None, 0, 2},
            {Qt::Key_Right, None, 0, 3}, {Qt::Key_Right, None, 0, 3}, {Qt::Key_Down, None, 1, 3},
            {Qt::Key_Left, None, 1, 2}, {Qt::Key_Left, None, 1, 1}, {Qt::Key_Left, None, 0, 0},
            {Qt::Key_Left, None, 0, 0}, {Qt::Key_Down, None, 0, 0}},
        "horizontal arrows");
    // Tab: level by level down each level, round from the bottom to the goal and back.
    Walk(project,
        {{Qt::Key_Tab, None, 0, 1}, {Qt::Key_Tab, None, 1, 1}, {Qt::Key_Tab, None, 2, 1}, {Qt::Key_Tab, None, 0, 2},
            {Qt::Key_Tab, Shift, 2, 1}, {Qt::Key_Tab, Shift, 1, 1}, {Qt::Key_Backtab, Shift, 0, 1},
            {Qt::Key_Tab, Shift, 0, 0}, {Qt::Key_Tab, Shift, 2, 3}, {Qt::Key_Tab, None, 0, 0}},
        "tab");

    // A click moves the keyboard too, and the keys go on from there.
    QTest::mouseClick(project->ElementBox(2, 1), Qt::LeftButton);
    EXPECT_EQ(Focused(), project->ElementBox(2, 1));
    Walk(project, {{Qt::Key_Up, None, 1, 1}}, "after a click");

    // The switch keeps the keyboard on the current element; vertical levels are rows
    // and the goal stands over the middle of level 1.
    QTest::mouseClick(Button(project, "btHierarchyType"), Qt::LeftButton);
    ASSERT_TRUE(project->VerticalOrientation());
    EXPECT_EQ(Focused(), project->ElementBox(1, 1));
    Walk(project,
        {{Qt::Key_Down, None, 1, 2}, {Qt::Key_Right, None, 2, 2}, {Qt::Key_Right, None, 2, 2}, {Qt::Key_Up, None, 2, 1},
            {Qt::Key_Up, None, 0, 0}, {Qt::Key_Up, None, 0, 0}, {Qt::Key_Right, None, 0, 0}, {Qt::Key_Down, None, 1, 1},
            {Qt::Key_Left, None, 0, 1}, {Qt::Key_Left, None, 0, 1}, {Qt::Key_Down, None, 0, 2},
            {Qt::Key_Tab, None, 1, 2}},
        "vertical");
    Close();
}

TEST_F(ViewKeyboard, EnterEditsInEditingModeAndJudgesInExpertMode)
{
    TUserProject* project = Start();
    ASSERT_NE(project, nullptr);
    Key(Qt::Key_Right); // (1, 1)
    const std::string name = project->Model().Element(1, 1).Name;
    QString shown;
    WhenModal<TfmElementEdit>([&shown](TfmElementEdit* dialog) {
        auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("edElementEdit"));
        shown = field->text();
        field->clear();
        TypeText(field, QStringLiteral("СКЛАД"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btOk")), Qt::LeftButton);
    });
    Key(Qt::Key_Return);
    EXPECT_EQ(shown.toStdString(), name);
    EXPECT_EQ(project->Model().Element(1, 1).Name, "СКЛАД");
    EXPECT_EQ(project->ElementBox(1, 1)->text(), QStringLiteral("СКЛАД"));

    // Expert mode: the comparison window of the focused element; the keypad's Enter too.
    QTest::mouseClick(Button(project, "btExpertMode"), Qt::LeftButton);
    Activate(project);
    ASSERT_EQ(Focused(), project->ElementBox(1, 1));
    std::vector<QString> judged;
    const auto judge = [&judged] {
        WhenModal<TfmExpertForm>([&judged](TfmExpertForm* form) {
            judged.push_back(form->stMainObjectName->text());
            form->btCancel->click();
        });
    };
    judge();
    Key(Qt::Key_Return);
    Activate(project);
    Key(Qt::Key_Left); // the goal
    judge();
    Key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(judged, (std::vector<QString>{QStringLiteral("СКЛАД"), QStringLiteral("ЦЕЛЬ")}));

    // The bottom level has nothing to compare: Enter only marks the project changed.
    Activate(project);
    project->Document().MarkSaved();
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Return}) {
        Key(key);
    }
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(project->CurrentLevel(), 3U);
    EXPECT_TRUE(project->Document().Modified());
    Close();
}

TEST_F(ViewKeyboard, TheElementDialogOpensEachTimeWithItsNameSelectedForTyping)
{
    TUserProject* project = Start();
    ASSERT_NE(project, nullptr);
    Key(Qt::Key_Right); // (1, 1)
    const QString name = QString::fromStdString(project->Model().Element(1, 1).Name);
    // Twice: the first time the user leaves with the keyboard on "Отмена", the second
    // time whatever is typed replaces the name and Return confirms it.
    for (const bool cancel : {true, false}) {
        std::string focus;
        QString selected;
        WhenModal<TfmElementEdit>([&](TfmElementEdit* dialog) {
            EXPECT_TRUE(WaitUntilActive(dialog));
            QWidget* field = QApplication::focusWidget();
            focus = field != nullptr ? field->objectName().toStdString() : std::string();
            if (auto* edit = qobject_cast<QLineEdit*>(field); edit != nullptr) {
                selected = edit->selectedText();
            }
            if (cancel) {
                Key(Qt::Key_Tab);
                Key(Qt::Key_Tab);
                Key(Qt::Key_Tab); // the comment, "Да", then "Отмена"
                Key(Qt::Key_Space);
            } else {
                TypeText(QApplication::focusWidget(), QStringLiteral("склад"));
                Key(Qt::Key_Return);
            }
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                dialog->reject();
            }
        });
        Key(Qt::Key_Return);
        Activate(project);
        EXPECT_EQ(focus, "edElementEdit") << cancel;
        EXPECT_EQ(selected, name) << cancel;
    }
    EXPECT_EQ(project->Model().Element(1, 1).Name, "СКЛАД");
    Close();
}

TEST_F(ViewKeyboard, MenuKeysOpenTheModesMenuUnderTheBoxAndItsCommandActsThere)
{
    TUserProject* project = Start();
    ASSERT_NE(project, nullptr);
    // The goal has no menu.
    Key(Qt::Key_F10, Shift);
    EXPECT_EQ(OpenPopup(), nullptr);
    Key(Qt::Key_Menu);
    EXPECT_EQ(OpenPopup(), nullptr);

    Key(Qt::Key_Right);
    Key(Qt::Key_Down); // (2, 1)
    Key(Qt::Key_F10, Shift);
    QMenu* menu = OpenPopup();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu, Menu(project, "mnChartMenu"));
    const CHierarchyElementBox* box = project->ElementBox(2, 1);
    EXPECT_EQ(menu->pos(), box->mapToGlobal(QPoint(0, box->height())));
    ASSERT_NE(menu->activeAction(), nullptr);
    EXPECT_EQ(menu->activeAction()->objectName(), QStringLiteral("mnAddElement"));
    // Down past the separator to "Удалить уровень", then Escape: nothing done.
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(menu, Qt::Key_Down);
    }
    EXPECT_EQ(menu->activeAction()->objectName(), QStringLiteral("mnDelLevel"));
    QTest::keyClick(menu, Qt::Key_Escape);
    EXPECT_EQ(OpenPopup(), nullptr);
    EXPECT_EQ(project->Model().LevelCount(), 4U);

    // The Menu key on another element; Return runs the selected command on it.
    Key(Qt::Key_Right); // (2, 2)
    Key(Qt::Key_Menu);
    menu = OpenPopup();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(project->CurrentLevel(), 2U);
    QTest::keyClick(menu, Qt::Key_Down); // "Удалить элемент"
    QTest::keyClick(menu, Qt::Key_Return);
    EXPECT_EQ(project->Model().ElementsInLevelChecked(2), 2U);
    EXPECT_EQ(project->Model().ElementsInLevelChecked(1), 3U);
    // The deleted element's keyboard went to the level's new last element.
    EXPECT_EQ(Focused(), project->ElementBox(1, 2));
    EXPECT_EQ(project->CurrentPosition(), 1U);

    // Expert mode: the level menu, under the box, first command selected.
    QTest::mouseClick(Button(project, "btExpertMode"), Qt::LeftButton);
    Activate(project);
    // From the lower of two elements to the lowest of three, which stands 10 pixels off.
    Key(Qt::Key_Left);
    EXPECT_EQ(Focused(), project->ElementBox(2, 1));
    Key(Qt::Key_Menu);
    menu = OpenPopup();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu, Menu(project, "mnCurrentLevelMenu"));
    box = project->ElementBox(2, 1);
    EXPECT_EQ(menu->pos(), box->mapToGlobal(QPoint(0, box->height())));
    EXPECT_EQ(menu->activeAction()->objectName(), QStringLiteral("mnCurrentPriority"));
    QTest::keyClick(menu, Qt::Key_Escape);
    Close();
}

TEST_F(ViewKeyboard, TheFocusMarkSurroundsTheFocusedBoxAloneAndLeavesTheBoxesAsTheyWere)
{
    TUserProject* project = Start();
    ASSERT_NE(project, nullptr);
    Key(Qt::Key_Right); // (1, 1)
    const QColor mark = project->palette().color(QPalette::Highlight);
    const QColor ground = project->Canvas()->palette().color(QPalette::Button);
    ASSERT_NE(mark.rgb(), ground.rgb());

    // The two pixels between a box and its frame on every side; a point inside the box.
    const auto look = [project](std::uint32_t p, std::uint32_t k) {
        const QImage image = project->Canvas()->grab().toImage();
        const QRect box = project->ElementBox(p, k)->geometry();
        std::vector<QRgb> ring;
        for (const int d : {1, 2}) {
            ring.push_back(image.pixel(box.left() - d, box.center().y()));
            ring.push_back(image.pixel(box.right() + d, box.center().y()));
            ring.push_back(image.pixel(box.center().x(), box.top() - d));
            ring.push_back(image.pixel(box.center().x(), box.bottom() + d));
        }
        return std::pair{ring, image.pixel(box.left() + 2, box.top() + 2)};
    };
    const std::vector<QRgb> marked(8, mark.rgb());
    const std::vector<QRgb> plain(8, ground.rgb());
    const QRect placed = project->ElementBox(1, 1)->geometry();
    EXPECT_EQ(look(1, 1), std::pair(marked, QColor(Qt::white).rgb()));
    EXPECT_EQ(look(0, 1), std::pair(plain, QColor(Qt::white).rgb()));
    EXPECT_EQ(look(0, 0), std::pair(plain, QColor(Qt::white).rgb()));
    EXPECT_EQ(project->ElementBox(1, 1)->geometry(), placed);

    Key(Qt::Key_Left);
    EXPECT_EQ(look(1, 1), std::pair(plain, QColor(Qt::white).rgb()));
    EXPECT_EQ(look(0, 0), std::pair(marked, QColor(Qt::white).rgb()));
    Close();
}

TEST_F(ViewKeyboard, AReaderFindsTheBoxesAndEveryCommandOfBothElementMenus)
{
    TUserProject* project = Start();
    ASSERT_NE(project, nullptr);
    const std::vector<std::pair<const char*, std::vector<QString>>> menus = {
        {"mnChartMenu",
            {QStringLiteral("Добавить элемент"), QStringLiteral("Удалить элемент"), QString(),
                QStringLiteral("Добавить уровень"), QStringLiteral("Удалить уровень")}},
        {"mnCurrentLevelMenu",
            {QStringLiteral("Показать приоритеты уровня"), QStringLiteral("Анализ чувствительности")}},
    };
    for (const auto& [name, captions] : menus) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(Menu(project, name));
        ASSERT_NE(face, nullptr) << name;
        EXPECT_EQ(face->role(), QAccessible::PopupMenu) << name;
        std::vector<QString> items;
        for (int i = 0; i < face->childCount(); ++i) {
            QAccessibleInterface* item = face->child(i);
            const bool separator = item->role() == QAccessible::Separator;
            EXPECT_TRUE(separator || item->role() == QAccessible::MenuItem) << name << " " << i;
            items.push_back(separator ? QString() : item->text(QAccessible::Name));
            if (!separator) {
                EXPECT_TRUE(item->actionInterface() != nullptr
                    && item->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()))
                    << name << " " << i;
            }
        }
        EXPECT_EQ(items, captions) << name;
    }

    // The boxes: named by their elements, focusable, pressed like a button; the goal
    // alone has no menu.
    Key(Qt::Key_Right);
    QAccessibleInterface* element = QAccessible::queryAccessibleInterface(project->ElementBox(1, 1));
    QAccessibleInterface* goal = QAccessible::queryAccessibleInterface(project->ElementBox(0, 0));
    ASSERT_NE(element, nullptr);
    ASSERT_NE(goal, nullptr);
    EXPECT_EQ(element->text(QAccessible::Name).toStdString(), project->Model().Element(1, 1).Name);
    EXPECT_EQ(goal->text(QAccessible::Name), QStringLiteral("ЦЕЛЬ"));
    EXPECT_EQ(element->role(), QAccessible::Button);
    EXPECT_TRUE(element->state().focusable);
    EXPECT_TRUE(element->state().focused);
    EXPECT_FALSE(goal->state().focused);
    EXPECT_TRUE(element->state().hasPopup);
    EXPECT_FALSE(goal->state().hasPopup);
    ASSERT_NE(element->actionInterface(), nullptr);
    const QStringList actions = element->actionInterface()->actionNames();
    EXPECT_EQ(actions.front(), QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(actions.contains(QAccessibleActionInterface::showMenuAction()));
    EXPECT_FALSE(goal->actionInterface()->actionNames().contains(QAccessibleActionInterface::showMenuAction()));

    // The reader's own commands do what the keys do.
    element->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    QMenu* menu = OpenPopup();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu, Menu(project, "mnChartMenu"));
    menu->hide();
    bool edited = false;
    WhenModal<TfmElementEdit>([&edited](TfmElementEdit* dialog) {
        edited = true;
        dialog->reject();
    });
    goal->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(edited);
    EXPECT_EQ(project->CurrentLevel(), 0U);
    Close();
}
