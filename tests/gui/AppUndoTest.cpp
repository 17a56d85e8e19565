// Undo and redo through the real keys in the frame: a judging session and a structure
// command undone and redone on the active project window, while the results are shown
// too, and never reaching another project.
#include "AppTestSupport.h"

#include "gui/judgement/TfmExpertForm.h"
#include "gui/results/CResultsView.h"

#include <QContextMenuEvent>
#include <QUndoStack>

using apptest::CAppTest;
using apptest::WhenModal;

namespace {

class AppUndo : public CAppTest {
protected:
    // A key as the user presses it: to whatever widget holds the keyboard, which must
    // lie in the project's window.
    static void Key(TUserProject* project, Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        ASSERT_TRUE(focus == project || project->isAncestorOf(focus)) << focus->metaObject()->className();
        QTest::keyClick(focus, key, modifiers);
    }
    static void Undo(TUserProject* project) { Key(project, Qt::Key_Z, Qt::ControlModifier); }
    // The user comes back to the project: its window active in the frame (the offscreen
    // platform does not hand the activation back when a dialog closes), then a click on
    // one of its elements.
    void Activate(TUserProject* project) const
    {
        Frame().activateWindow();
        ASSERT_TRUE(WaitUntilActive(&Frame()));
        auto* window = qobject_cast<QMdiSubWindow*>(project->parentWidget());
        window->mdiArea()->setActiveSubWindow(window);
        QTest::mouseClick(project->ElementBox(0, 1), Qt::LeftButton);
    }
    static QToolButton* Button(TUserProject* project, const char* name)
    {
        return project->findChild<QToolButton*>(QString::fromLatin1(name));
    }
};

// What the user sees of a project and what is stored in it: the level count, every box
// shown with its place and caption, and the goal's judgements among its three children.
struct CSeen {
    std::uint32_t Levels = 0;
    std::vector<std::pair<QRect, QString>> Boxes;
    std::array<int, 9> Goal{};
    bool operator==(const CSeen&) const = default;
};

CSeen Seen(const TUserProject* project)
{
    CSeen seen;
    seen.Levels = project->Model().LevelCount();
    for (std::uint32_t p = 0; p < MaxElementsPerLevel; ++p) {
        for (std::uint32_t k = 0; k < MaxLevels; ++k) {
            const CHierarchyElementBox* box = project->ElementBox(p, k);
            if (box->isVisible()) {
                seen.Boxes.emplace_back(box->geometry(), box->text());
            }
        }
    }
    for (std::uint32_t r = 0; r < 3; ++r) {
        for (std::uint32_t c = 0; c < 3; ++c) {
            seen.Goal[r * 3 + c] = project->Model().Goal().Judgements(r, c).Code();
        }
    }
    return seen;
}

} // namespace

TEST_F(AppUndo, AJudgingAndALevelDeletionUndoneAndRedoneByTheKeys)
{
    TUserProject* other = NewProject(QStringLiteral("ДРУГОЙ"));
    TUserProject* project = NewProject(QStringLiteral("ЦЕЛЬ"), QStringLiteral("3"), QStringLiteral("3"));
    ASSERT_EQ(Frame().ActiveProject(), project);
    const CSeen fresh = Seen(project);
    const CSeen otherFresh = Seen(other);

    // Judging the goal from the keyboard: 3, 5 and 7 over its three children.
    QTest::mouseClick(Button(project, "btExpertMode"), Qt::LeftButton);
    const auto judgeGoal = [project](const char* typed) {
        WhenModal<TfmExpertForm>([typed](TfmExpertForm* form) {
            EXPECT_TRUE(WaitUntilActive(form));
            for (const char* ch = typed; *ch != '\0'; ++ch) {
                QTest::keyClick(QApplication::focusWidget(), *ch);
            }
            QTest::mouseClick(form->btOk, Qt::LeftButton);
        });
        QTest::mouseClick(project->ElementBox(0, 0), Qt::LeftButton);
        QTest::mouseDClick(project->ElementBox(0, 0), Qt::LeftButton);
    };
    judgeGoal("357");
    const CSeen judged = Seen(project);
    EXPECT_EQ(judged.Goal, (std::array<int, 9>{1, 3, 5, -3, 1, 7, -5, -7, 1}));
    // An opening that changes nothing is no step.
    judgeGoal("");
    EXPECT_EQ(project->UndoSteps().count(), 1);
    // Nor after a wider judging elsewhere left other numbers in the working matrix beyond
    // this goal's three rows: the undone judging stays there to redo.
    TUserProject* wide = NewProject(QStringLiteral("ШИРЕ"), QStringLiteral("3"), QStringLiteral("5"));
    QTest::mouseClick(Button(wide, "btExpertMode"), Qt::LeftButton);
    WhenModal<TfmExpertForm>([](TfmExpertForm* form) {
        EXPECT_TRUE(WaitUntilActive(form));
        for (int k = 0; k < 10; ++k) {
            QTest::keyClick(QApplication::focusWidget(), '9');
        }
        QTest::mouseClick(form->btOk, Qt::LeftButton);
    });
    QTest::mouseClick(wide->ElementBox(0, 0), Qt::LeftButton);
    QTest::mouseDClick(wide->ElementBox(0, 0), Qt::LeftButton);
    ASSERT_EQ(wide->Model().Goal().Judgements(0, 4).Code(), 9);
    Activate(project);
    Undo(project);
    judgeGoal("");
    EXPECT_TRUE(project->UndoSteps().canRedo());
    Activate(project);
    Key(project, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Seen(project).Goal, judged.Goal);
    Activate(wide);
    Dialogs.YesNoAnswers = {false};
    Click("btCloseProject");
    Dialogs.Records.clear();
    Activate(project);

    // "Удалить уровень" on level 1 through the real menu.
    QTest::mouseClick(Button(project, "btEditMode"), Qt::LeftButton);
    CHierarchyElementBox* box = project->ElementBox(0, 1);
    QTest::mouseClick(box, Qt::RightButton);
    QContextMenuEvent rightClick(
        QContextMenuEvent::Mouse, box->rect().center(), box->mapToGlobal(box->rect().center()));
    QApplication::sendEvent(box, &rightClick);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    menu->hide();
    menu->findChild<QAction*>(QStringLiteral("mnDelLevel"))->trigger();
    const CSeen deleted = Seen(project);
    ASSERT_EQ(deleted.Levels, 2U);
    EXPECT_EQ(deleted.Goal, fresh.Goal);

    // Saving keeps the steps; each undo and redo marks the project changed again.
    Dialogs.YesNoAnswers = {true};
    Dialogs.FileAnswers = {Path(QStringLiteral("undo"))};
    Click("btSaveProject");
    ASSERT_FALSE(project->Document().Modified());
    Activate(project);
    Undo(project);
    EXPECT_TRUE(Seen(project) == judged);
    EXPECT_TRUE(project->Document().Modified());
    Undo(project);
    EXPECT_TRUE(Seen(project) == fresh);
    Key(project, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(Seen(project) == judged);
    project->Document().MarkSaved();
    Key(project, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(Seen(project) == deleted);
    EXPECT_TRUE(project->Document().Modified());
    Undo(project);
    EXPECT_TRUE(Seen(project) == judged);

    // While the results are shown the step is undone, and the results stay shown for
    // the judgements it restored; the diagram comes back as the step left it.
    QTest::mouseClick(Button(project, "btResultsView"), Qt::LeftButton);
    ASSERT_TRUE(project->ResultsPanel()->isVisible());
    QWidget* keys = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &Frame();
    ASSERT_EQ(keys->window(), &Frame());
    QTest::keyClick(keys, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(project->ResultsPanel()->isVisible());
    EXPECT_EQ(project->Model().Goal().Judgements(0, 1).Code(), 1);
    QTest::mouseClick(Button(project, "btResultsView"), Qt::LeftButton);
    EXPECT_TRUE(Seen(project) == fresh);
    Key(project, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(Seen(project) == judged);

    // The keys act on the active project only.
    Activate(other);
    Undo(other);
    EXPECT_TRUE(Seen(project) == judged);
    EXPECT_TRUE(Seen(other) == otherFresh);
    Activate(project);
    Undo(project);
    EXPECT_TRUE(Seen(project) == fresh);

    Dialogs.YesNoAnswers = {false, false};
    Frame().close();
}
