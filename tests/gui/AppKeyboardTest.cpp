// The frame from the keyboard alone: a whole decision made with key events only, the
// comparison window's keys and its own undo, the edit menu naming the active project's
// steps, the modified mark in the title, and every menu item found by a screen reader
// with its caption and mnemonic.
#include "AppTestSupport.h"

#include "core/results/NumberFormat.h"
#include "gui/judgement/CExpertTable_Element.h"
#include "gui/judgement/TfmExpertForm.h"
#include "gui/judgement/TfmExpertScale.h"
#include "gui/results/CResultsView.h"
#include "gui/results/TfmAbsoluteMatrix.h"

#include <QAccessible>
#include <QMenuBar>
#include <QUndoStack>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

using apptest::CAppTest;
using apptest::WhenModal;

namespace {

class AppKeyboard : public CAppTest {
protected:
    // Where a key goes: an open menu, else the widget with the keyboard, else the
    // active window.
    static QWidget* KeyTarget()
    {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            return popup;
        }
        if (QWidget* focus = QApplication::focusWidget()) {
            return focus;
        }
        return QApplication::activeWindow();
    }
    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = KeyTarget();
        if (target == nullptr) {
            // Nothing has the keyboard: the key is lost, and a dialog waiting for it
            // is given up so that the test ends.
            ADD_FAILURE() << "no window has the keyboard for key " << key;
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                modal->reject();
            }
            return;
        }
        QTest::keyClick(target, key, modifiers);
    }
    static void Type(const QString& text) { TypeText(KeyTarget(), text); }
    // A letter with modifiers, Cyrillic included, as the keyboard sends it.
    static void PressLetter(QChar letter, Qt::KeyboardModifiers modifiers)
    {
        QWidget* target = KeyTarget();
        ASSERT_NE(target, nullptr);
        const int key = letter.toUpper().unicode();
        QKeyEvent press(QEvent::KeyPress, key, modifiers, QString(letter));
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, QString(letter));
        QApplication::sendEvent(KeyTarget(), &release);
    }
    // A menu item by the letters: Alt and the menu's, then the item's.
    static void Menu(QChar menu, const QString& item)
    {
        PressLetter(menu, Qt::AltModifier);
        ASSERT_NE(QApplication::activePopupWidget(), nullptr);
        Type(item);
    }
    // The window manager hands the keyboard back to the frame when a dialog closes
    // (the offscreen platform does not), and to a window the user switches to.
    static void SwitchTo(QWidget* window)
    {
        window->activateWindow();
        ASSERT_TRUE(WaitUntilActive(window));
    }
    // "name: value" of each result row shown.
    static std::vector<std::string> Results(const TUserProject* project)
    {
        std::vector<std::string> rows;
        const CResultsView* view = project->ResultsPanel();
        for (std::size_t i = 0; i < MaxElementsPerLevel; ++i) {
            if (view->ResultNameLabels()[i]->isVisible()) {
                rows.push_back(
                    (view->ResultNameLabels()[i]->text() + QStringLiteral(": ") + view->ResultValueLabels()[i]->text())
                        .toStdString());
            }
        }
        return rows;
    }
    static std::string UndoItem(const TMainForm& frame)
    {
        return frame.findChild<QAction*>(QStringLiteral("mnUndo"))->text().toStdString();
    }
};

// Renames the focused element through Enter and the element dialog.
void NameFocusedElement(const QString& name)
{
    WhenModal<TfmElementEdit>([name](TfmElementEdit* dialog) {
        EXPECT_TRUE(WaitUntilActive(dialog));
        auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("edElementEdit"));
        for (int i = 0; i < 5 && QApplication::focusWidget() != field; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        EXPECT_EQ(QApplication::focusWidget(), field);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        TypeText(field, name);
        QTest::keyClick(field, Qt::Key_Return);
    });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

} // namespace

TEST_F(AppKeyboard, AWholeDecisionFromStartToFinishWithoutAMouse)
{
    // "Файл" > "Создать новый проект": a goal, 3 levels, 2 elements on each.
    WhenModal<TCreateUserProject>([](TCreateUserProject* dialog) {
        EXPECT_TRUE(WaitUntilActive(dialog));
        for (const char* text : {"ВЫБОР", "3", "2"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            TypeText(QApplication::focusWidget(), QString::fromUtf8(text));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    Menu(u'ф', QStringLiteral("с"));
    TUserProject* project = Frame().ActiveProject();
    ASSERT_NE(project, nullptr);
    SwitchTo(&Frame());
    ASSERT_EQ(QApplication::focusWidget(), project->ElementBox(0, 0));

    // Every element named: Tab walks level by level from the goal.
    const std::vector<std::pair<std::pair<std::uint32_t, std::uint32_t>, QString>> names{
        {{0, 1}, QStringLiteral("ЦЕНА")}, {{1, 1}, QStringLiteral("КАЧЕСТВО")}, {{0, 2}, QStringLiteral("А")},
        {{1, 2}, QStringLiteral("Б")}};
    for (const auto& [slot, name] : names) {
        Press(Qt::Key_Tab);
        ASSERT_EQ(std::pair(project->CurrentPosition(), project->CurrentLevel()), slot);
        NameFocusedElement(name);
        SwitchTo(&Frame());
        EXPECT_EQ(QString::fromStdString(project->Model().Element(slot.first, slot.second).Name), name);
    }
    EXPECT_EQ(UndoItem(Frame()), "&Отменить: переименование «ЭЛЕМЕНТ_1» в «Б»");

    // Expert mode; back round to the goal. Its judgement typed: price 3 times quality.
    Press(Qt::Key_2, Qt::ControlModifier);
    Press(Qt::Key_Tab);
    ASSERT_EQ(project->CurrentLevel(), 0U);
    QStringList applied;
    bool researched = false;
    WhenModal<TfmExpertForm>([&](TfmExpertForm* form) {
        EXPECT_TRUE(WaitUntilActive(form));
        Type(QStringLiteral("3"));
        Press(Qt::Key_Return, Qt::ControlModifier); // "Применить"
        applied << form->PriorityLabels[0]->text() << form->PriorityLabels[1]->text() << form->stOS->text();
        Press(Qt::Key_R, Qt::ControlModifier); // "Исследовать"
        auto* research = Frame().findChild<TfmAbsoluteMatrix*>();
        researched = research != nullptr && research->isVisible() && !form->btResearch->isEnabled();
        SwitchTo(form);
        Press(Qt::Key_W, Qt::ControlModifier); // "Закрыть", and the research window with it
        researched = researched && !research->isVisible();
    });
    Press(Qt::Key_Return);
    EXPECT_EQ(applied, (QStringList{QStringLiteral("0.75"), QStringLiteral("0.25"), QStringLiteral("0")}));
    EXPECT_TRUE(researched);
    SwitchTo(&Frame());

    // Price: A over B by 2, chosen on the scale (one line up from equality, Return).
    Press(Qt::Key_Tab);
    WhenModal<TfmExpertForm>([](TfmExpertForm* form) {
        EXPECT_TRUE(WaitUntilActive(form));
        WhenModal<TfmExpertScale>([](TfmExpertScale* scale) {
            EXPECT_TRUE(WaitUntilActive(scale));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        Press(Qt::Key_Return);
        // The keyboard is back on the table once the scale closes.
        EXPECT_TRUE(WaitUntilActive(form));
        Press(Qt::Key_W, Qt::ControlModifier);
    });
    Press(Qt::Key_Return);
    SwitchTo(&Frame());
    // Quality: B over A by 4, typed.
    Press(Qt::Key_Tab);
    WhenModal<TfmExpertForm>([](TfmExpertForm* form) {
        EXPECT_TRUE(WaitUntilActive(form));
        Type(QStringLiteral("/4"));
        Press(Qt::Key_W, Qt::ControlModifier);
    });
    Press(Qt::Key_Return);
    SwitchTo(&Frame());
    const CUserProjectModel& m = project->Model();
    ASSERT_EQ(std::vector<int>({m.Goal().Judgements(0, 1).Code(), m.Element(0, 1).Judgements(0, 1).Code(),
                  m.Element(1, 1).Judgements(0, 1).Code()}),
        (std::vector<int>{3, 2, -4}));
    EXPECT_EQ(UndoItem(Frame()), "&Отменить: сравнения относительно «КАЧЕСТВО»");

    // The results: weights 3/4 and 1/4; A = 3/4 * 2/3 + 1/4 * 1/5 = 0.55, B = 0.45.
    Press(Qt::Key_3, Qt::ControlModifier);
    ASSERT_TRUE(project->ResultsPanel()->isVisible());
    EXPECT_EQ(Results(project), (std::vector<std::string>{"А: 0.55", "Б: 0.45"}));

    // Undo with the results shown: quality's judging is gone, and the results are those
    // of equal quality: A = 3/4 * 2/3 + 1/4 * 1/2 = 0.625, B = 0.375.
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(m.Element(1, 1).Judgements(0, 1).Code(), 1);
    EXPECT_TRUE(project->ResultsPanel()->isVisible());
    EXPECT_EQ(Results(project), (std::vector<std::string>{"А: 0.625", "Б: 0.375"}));
    EXPECT_EQ(UndoItem(Frame()), "&Отменить: сравнения относительно «ЦЕНА»");
    EXPECT_EQ(Frame().findChild<QAction*>(QStringLiteral("mnRedo"))->text().toStdString(),
        "&Повторить: сравнения относительно «КАЧЕСТВО»");

    // "Файл" > "Сохранить проект": saved as it stands now, the title unmarked.
    const QString file = Path(QStringLiteral("choice.tsy"));
    Dialogs.YesNoAnswers = {true};
    Dialogs.FileAnswers = {file};
    Menu(u'ф', QStringLiteral("х"));
    SwitchTo(&Frame());
    auto* window = qobject_cast<QMdiSubWindow*>(project->parentWidget());
    EXPECT_EQ(Captions(), QStringList{file});
    EXPECT_FALSE(project->Document().Modified());
    EXPECT_FALSE(window->isWindowModified());

    // Redo marks the project and its title; undoing back to the saved state unmarks both.
    Press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Results(project), (std::vector<std::string>{"А: 0.55", "Б: 0.45"}));
    EXPECT_TRUE(project->Document().Modified());
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_EQ(ShownDocumentCaption(*project), file + QStringLiteral("*"));
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(project->Document().Modified());
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(ShownDocumentCaption(*project), file);

    // The diagram back, then the project closed (Ctrl+F4) without a question.
    Press(Qt::Key_3, Qt::ControlModifier);
    EXPECT_FALSE(project->ResultsPanel()->isVisible());
    EXPECT_TRUE(project->ElementBox(1, 1)->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), project->ElementBox(1, 1));
    Dialogs.Records.clear();
    Press(Qt::Key_F4, Qt::ControlModifier);
    EXPECT_EQ(Frame().ProjectCount(), 0U);
    EXPECT_TRUE(Dialogs.Records.empty()) << Dialogs.Records.front().Text.toStdString();

    // The file holds the decision as it was saved: quality's judging undone.
    Dialogs.FileAnswers = {file};
    Menu(u'ф', QStringLiteral("о"));
    TUserProject* reopened = Frame().ActiveProject();
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(reopened->Model().Element(0, 1).Judgements(0, 1).Code(), 2);
    EXPECT_EQ(reopened->Model().Element(1, 1).Judgements(0, 1).Code(), 1);
    EXPECT_EQ(reopened->Model().Element(1, 2).Name, "Б");
}

namespace {

// What a reader finds under a menu: "caption [accelerator]" per item, "-" per separator,
// a submenu's items after it, indented.
void ReadMenu(QAccessibleInterface* menu, const QString& indent, QStringList& read)
{
    for (int i = 0; i < menu->childCount(); ++i) {
        QAccessibleInterface* item = menu->child(i);
        if (item->role() == QAccessible::Separator) {
            read << indent + QStringLiteral("-");
            continue;
        }
        EXPECT_EQ(item->role(), QAccessible::MenuItem) << item->text(QAccessible::Name).toStdString();
        read << indent + item->text(QAccessible::Name) + QStringLiteral(" [") + item->text(QAccessible::Accelerator)
                + QLatin1Char(']');
        if (item->childCount() > 0) {
            ReadMenu(item->child(0), indent + QStringLiteral("  "), read);
        }
    }
}

} // namespace

TEST_F(AppKeyboard, AReaderFindsEveryMenuItemWithItsCaptionAndMnemonic)
{
    TUserProject* project = NewProject();
    ASSERT_NE(project, nullptr);
    SwitchTo(&Frame());
    Press(Qt::Key_Tab); // (0, 1)
    Press(Qt::Key_Menu);
    Press(Qt::Key_Return); // "Добавить элемент"
    ASSERT_EQ(project->Model().ElementsInLevelChecked(1), 4U);
    // The window list is made as its menu opens.
    PressLetter(u'о', Qt::AltModifier);
    ASSERT_EQ(QApplication::activePopupWidget(), Control<QMenu>("WindowMenu"));
    Press(Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    QStringList read;
    ReadMenu(QAccessible::queryAccessibleInterface(Frame().menuBar()), QString(), read);
    // The captions exactly as before the mnemonics, each with its letter.
    EXPECT_EQ(read,
        (QStringList{QStringLiteral("Файл [Alt+Ф]"), QStringLiteral("  Создать новый проект [Alt+С]"),
            QStringLiteral("  Создать дерево критериев... [Alt+д]"), QStringLiteral("  -"),
            QStringLiteral("  Открыть проект [Alt+О]"), QStringLiteral("  -"),
            QStringLiteral("  Сохранить проект [Ctrl+S]"), QStringLiteral("  Сохранить проект как... [Alt+к]"),
            QStringLiteral("  -"), QStringLiteral("  Загрузить шаблон проекта [Alt+З]"),
            QStringLiteral("  Сохранить проект в виде шаблона [Alt+ш]"), QStringLiteral("  -"),
            QStringLiteral("  Выход [Alt+ы]"), QStringLiteral("Правка [Alt+П]"),
            QStringLiteral("  Отменить: добавление элемента на уровень 1 [Ctrl+Z]"),
            QStringLiteral("  Повторить [Ctrl+Shift+Z]"), QStringLiteral("  -"),
            QStringLiteral("  Преобразовать в дерево [Alt+д]"), QStringLiteral("  Оценка альтернатив [Alt+а]"),
            QStringLiteral("    Попарно [Alt+П]"), QStringLiteral("    По шкалам [Alt+ш]"),
            QStringLiteral("  Шкалы оценок... [Alt+ц]"), QStringLiteral("Настройки [Alt+Н]"),
            QStringLiteral("  Ориентация [Alt+О]"), QStringLiteral("    Вертикальная [Alt+В]"),
            QStringLiteral("    Горизонтальная [Alt+Г]"), QStringLiteral("  Идеальный синтез [Alt+И]"),
            QStringLiteral("  Язык / Language [Alt+Я]"), QStringLiteral("    Русский [Alt+Р]"),
            QStringLiteral("    English [Alt+E]"), QStringLiteral("    Как в системе [Alt+К]"),
            QStringLiteral("Анализ [Alt+А]"), QStringLiteral("  Отчёт по проекту (PDF)... [Alt+О]"),
            QStringLiteral("  Экспорт результатов (CSV)... [Alt+Э]"),
            QStringLiteral("  Анализ чувствительности [Alt+А]"), QStringLiteral("  -"),
            QStringLiteral("  Подготовить файлы для экспертов... [Alt+П]"),
            QStringLiteral("  Групповое решение... [Alt+Г]"), QStringLiteral("  Открыть группу экспертов... [Alt+р]"),
            QStringLiteral("Окно [Alt+О]"), QStringLiteral("  Каскад [Alt+К]"),
            QStringLiteral("  По вертикали [Alt+в]"), QStringLiteral("  По горизонтали [Alt+г]"), QStringLiteral("  -"),
            QStringLiteral("  1 Проект - 1* [Alt+1]"), QStringLiteral("Справка [Alt+С]"),
            QStringLiteral("  Помощь [Alt+П]"), QStringLiteral("  -"), QStringLiteral("  О программе [Alt+О]")}));

    // The element menus of both modes.
    QStringList elementItems;
    for (const char* name : {"mnChartMenu", "mnCurrentLevelMenu"}) {
        ReadMenu(QAccessible::queryAccessibleInterface(project->findChild<QMenu*>(QString::fromLatin1(name))),
            QString::fromLatin1(name) + QLatin1Char(' '), elementItems);
    }
    EXPECT_EQ(elementItems,
        (QStringList{QStringLiteral("mnChartMenu Добавить элемент []"),
            QStringLiteral("mnChartMenu Удалить элемент []"), QStringLiteral("mnChartMenu -"),
            QStringLiteral("mnChartMenu Добавить уровень []"), QStringLiteral("mnChartMenu Удалить уровень []"),
            QStringLiteral("mnCurrentLevelMenu Показать приоритеты уровня []"),
            QStringLiteral("mnCurrentLevelMenu Анализ чувствительности []")}));

    // No two items of one menu, nor two menus, share a letter.
    std::map<QString, QStringList> letters;
    std::function<void(const QString&, const QList<QAction*>&)> collect
        = [&](const QString& menu, const QList<QAction*>& items) {
              for (QAction* item : items) {
                  if (item->isSeparator()) {
                      continue;
                  }
                  letters[menu] << QKeySequence::mnemonic(item->text()).toString();
                  if (item->menu() != nullptr) {
                      collect(item->menu()->objectName(), item->menu()->actions());
                  }
              }
          };
    collect(QStringLiteral("MainMenu"), Frame().menuBar()->actions());
    EXPECT_EQ(letters.size(), 10U);
    for (auto& [menu, keys] : letters) {
        const qsizetype count = keys.size();
        EXPECT_FALSE(keys.contains(QString())) << menu.toStdString();
        keys.removeDuplicates();
        EXPECT_EQ(keys.size(), count) << menu.toStdString();
    }
    Dialogs.YesNoAnswers = {false};
    Press(Qt::Key_F4, Qt::ControlModifier);
}

TEST_F(AppKeyboard, AltAndAMenusLetterOpensItAndAnItemsLetterRunsIt)
{
    TUserProject* project = NewProject();
    ASSERT_NE(project, nullptr);
    SwitchTo(&Frame());
    // Alt+Н opens "Настройки"; О its "Ориентация", В "Вертикальная".
    PressLetter(u'н', Qt::AltModifier);
    ASSERT_EQ(QApplication::activePopupWidget(), Control<QMenu>("MTools"));
    Type(QStringLiteral("о"));
    ASSERT_EQ(QApplication::activePopupWidget(), Control<QMenu>("mnToolOrient"));
    Type(QStringLiteral("в"));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_TRUE(project->VerticalOrientation());
    // F10 opens the first menu; Escape leaves it.
    Press(Qt::Key_F10);
    EXPECT_EQ(QApplication::activePopupWidget(), Control<QMenu>("MFile"));
    Press(Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    Dialogs.YesNoAnswers = {false};
    Press(Qt::Key_F4, Qt::ControlModifier);
}

TEST_F(AppKeyboard, TheComparisonWindowsKeysAndItsOwnUndoOfEveryChange)
{
    TUserProject* project = NewProject();
    ASSERT_NE(project, nullptr);
    SwitchTo(&Frame());
    Press(Qt::Key_2, Qt::ControlModifier);
    std::vector<QString> tips;
    std::vector<std::vector<QString>> seen; // the upper cells after each step
    std::vector<bool> listed;               // the research window lists an accepted change
    WhenModal<TfmExpertForm>([&](TfmExpertForm* form) {
        EXPECT_TRUE(WaitUntilActive(form));
        for (QPushButton* button : {form->btApply, form->btResearch, form->btOk, form->btCancel}) {
            tips.push_back(button->toolTip());
            EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
        }
        const auto look = [&] {
            seen.push_back({form->Cells[0][1]->text(), form->Cells[0][2]->text(), form->Cells[1][2]->text(),
                form->Cells[2][1]->text()});
        };
        // Typed 9 and 1/9, then a scale line for (1, 2): two lines up from 1, to 3.
        Type(QStringLiteral("9/9"));
        WhenModal<TfmExpertScale>([](TfmExpertScale* scale) {
            EXPECT_TRUE(WaitUntilActive(scale));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        Press(Qt::Key_Return);
        // The keyboard is back on the table once the scale closes.
        EXPECT_TRUE(WaitUntilActive(form));
        look();
        // Tab walks the cells, the buttons untouched: round to (0, 1) and on to (0, 2).
        Press(Qt::Key_Tab);
        Press(Qt::Key_Tab);
        EXPECT_EQ(std::pair(form->CurrentRow(), form->CurrentColumn()), std::pair(0U, 2U));
        EXPECT_EQ(QApplication::focusWidget(), form);

        // The research window offers a change; accepting it is one more change.
        Press(Qt::Key_R, Qt::ControlModifier);
        auto* research = Frame().findChild<TfmAbsoluteMatrix*>();
        ASSERT_NE(research, nullptr);
        SwitchTo(form);
        // Once the window is open the key takes the keyboard there, to the first change
        // offered; Space accepts it and the keyboard comes back to the table.
        Press(Qt::Key_R, Qt::ControlModifier);
        EXPECT_FALSE(form->btResearch->isEnabled());
        EXPECT_TRUE(WaitUntilActive(research));
        QPushButton* accept = research->AcceptButtons[0];
        ASSERT_TRUE(accept->isEnabled());
        EXPECT_EQ(QApplication::focusWidget(), accept);
        Press(Qt::Key_Space);
        EXPECT_TRUE(WaitUntilActive(form));
        look();
        listed.push_back(research->lbAccepted->isVisibleTo(research));

        // Back one by one (one undo too many changes nothing), then forward with both
        // redo keys.
        for (int i = 0; i < 5; ++i) {
            Press(Qt::Key_Z, Qt::ControlModifier);
            look();
            listed.push_back(research->lbAccepted->isVisibleTo(research));
        }
        Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        look();
        for (int i = 0; i < 3; ++i) {
            Press(Qt::Key_Y, Qt::ControlModifier);
            look();
        }
        listed.push_back(research->lbAccepted->isVisibleTo(research));
        Press(Qt::Key_Escape); // "Отмена": the judgements stay all the same
    });
    Press(Qt::Key_Return);
    EXPECT_EQ(tips,
        (std::vector<QString>{QStringLiteral("Применить (Ctrl+Return)"), QStringLiteral("Исследовать (Ctrl+R)"),
            QStringLiteral("Закрыть (Ctrl+W)"), QStringLiteral("Отмена (Esc)")}));
    ASSERT_EQ(seen.size(), 11U);
    const QString one = QStringLiteral("1");
    const std::vector<QString> typed{
        QStringLiteral("9"), QStringLiteral("1/9"), QStringLiteral("3"), QStringLiteral("1/3")};
    const std::vector<QString> nine{QStringLiteral("9"), one, one, one};
    const std::vector<QString> ninths{QStringLiteral("9"), QStringLiteral("1/9"), one, one};
    const std::vector<QString> opening(4, one);
    const std::vector<QString> accepted = seen[1];
    EXPECT_NE(accepted, typed);
    // Undo: the acceptance, the scale line, 1/9, 9, and nothing more; redo the other way.
    EXPECT_EQ(seen,
        (std::vector<std::vector<QString>>{
            typed, accepted, typed, ninths, nine, opening, opening, nine, ninths, typed, accepted}));
    // The research window lists the accepted change while it stands, not once it is
    // undone, and again when it is made again.
    EXPECT_EQ(listed, (std::vector<bool>{true, false, false, false, false, false, true}));

    // The whole judging is one step of the project, holding the matrix as undo left it.
    EXPECT_EQ(project->UndoSteps().count(), 1);
    const CJudgementMatrix& goal = project->Model().Goal().Judgements;
    std::vector<QString> stored;
    for (const auto& [r, c] : {std::pair{0U, 1U}, std::pair{0U, 2U}, std::pair{1U, 2U}, std::pair{2U, 1U}}) {
        stored.push_back(QString::fromStdString(JudgementText(goal(r, c))));
    }
    EXPECT_EQ(stored, accepted);
    Dialogs.YesNoAnswers = {false};
    SwitchTo(&Frame());
    Press(Qt::Key_F4, Qt::ControlModifier);
}

TEST_F(AppKeyboard, TheEditMenuFollowsTheActiveProjectAndTheMarkFollowsTheSavedState)
{
    TUserProject* first = NewProject(QStringLiteral("ПЕРВЫЙ"));
    TUserProject* second = NewProject(QStringLiteral("ВТОРОЙ"));
    ASSERT_TRUE(first != nullptr && second != nullptr);
    SwitchTo(&Frame());
    auto* undo = Action("mnUndo");
    auto* redo = Action("mnRedo");
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(undo->text(), QStringLiteral("&Отменить"));

    // "Удалить уровень" on level 1 of the second project, from its element menu.
    Press(Qt::Key_Tab);
    Press(Qt::Key_Menu);
    for (int i = 0; i < 3; ++i) {
        Press(Qt::Key_Down);
    }
    Press(Qt::Key_Return);
    ASSERT_EQ(second->Model().LevelCount(), 2U);
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(undo->text(), QStringLiteral("&Отменить: удаление уровня 1"));
    EXPECT_EQ(undo->toolTip(), QStringLiteral("Отменить: удаление уровня 1"));
    EXPECT_EQ(ShownDocumentCaption(*second), QStringLiteral("Проект - 2*"));
    EXPECT_EQ(ShownDocumentCaption(*first), QStringLiteral("Проект - 1"));

    // The previous window (Ctrl+Shift+F6): its steps, none; back again: the deletion.
    Press(Qt::Key_F6, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(Frame().ActiveProject(), first);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(undo->text(), QStringLiteral("&Отменить"));
    Press(Qt::Key_F6, Qt::ControlModifier);
    ASSERT_EQ(Frame().ActiveProject(), second);
    EXPECT_EQ(undo->text(), QStringLiteral("&Отменить: удаление уровня 1"));

    // Through the menu: undone, the redo item names it, the title unmarked.
    undo->trigger();
    EXPECT_EQ(second->Model().LevelCount(), 3U);
    EXPECT_EQ(redo->text(), QStringLiteral("&Повторить: удаление уровня 1"));
    EXPECT_FALSE(second->Document().Modified());
    EXPECT_EQ(ShownDocumentCaption(*second), QStringLiteral("Проект - 2"));

    // Save as of a changed project: it stays changed, and undoing no longer reaches a
    // state its new file holds.
    redo->trigger();
    const QString file = Path(QStringLiteral("second.tsy"));
    Dialogs.FileAnswers = {file};
    Action("mnSaveProjectAs")->trigger();
    EXPECT_EQ(ShownDocumentCaption(*second), QStringLiteral("Проект - ") + file + QStringLiteral("*"));
    undo->trigger();
    EXPECT_TRUE(second->Document().Modified());
    EXPECT_TRUE(second->isWindowModified());
    // A save, with Ctrl+S, makes the state now the saved one, whichever it is; the menu
    // and the button's hint name the key.
    EXPECT_EQ(Action("mnSaveProject")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(Control("btSaveProject")->toolTip(), QStringLiteral("Сохранить проект (Ctrl+S)"));
    Dialogs.YesNoAnswers = {true};
    SwitchTo(&Frame());
    Press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(second->isWindowModified());
    redo->trigger();
    EXPECT_TRUE(second->isWindowModified());
    undo->trigger();
    EXPECT_FALSE(second->Document().Modified());

    Dialogs.YesNoAnswers = {false};
    Frame().close();
}
