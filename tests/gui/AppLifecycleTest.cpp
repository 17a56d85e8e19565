#include "AppTestSupport.h"
#include "support/ModelEdits.h"

#include <QFileInfo>

using apptest::CAppTest;
using EKind = CScriptedUserDialogs::EKind;

namespace {

const QString SaveCreated = QStringLiteral("Сохранить созданный проект в файле?");
const QString SaveChanges = QStringLiteral("Сохранить сделанные в проекте изменения?");

class AppLifecycle : public CAppTest { };

} // namespace

TEST_F(AppLifecycle, CaptionsCountWindowsNotSerials)
{
    TUserProject* first = NewProject();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("Проект - 1")});
    NewProject();
    EXPECT_EQ(Captions(), (QStringList{QStringLiteral("Проект - 1"), QStringLiteral("Проект - 2")}));

    // Closing the first (answered No) and creating another gives a second "2".
    Frame().ClientArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(first->parentWidget()));
    Dialogs.YesNoAnswers = {false};
    Click("btCloseProject");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Dialogs.MessageTexts(), std::vector<QString>{SaveCreated});
    EXPECT_EQ(Frame().ProjectCount(), 1U);
    NewProject();
    EXPECT_EQ(Captions(), (QStringList{QStringLiteral("Проект - 2"), QStringLiteral("Проект - 2")}));

    // The new project carries what the dialog was given.
    TUserProject* project = Frame().ActiveProject();
    EXPECT_EQ(project->Model().Goal().Name, "ЦЕЛЬ");
    EXPECT_EQ(project->Model().LevelCount(), 3U);
    EXPECT_EQ(project->Model().ElementsInLevelChecked(1), 3U);
    Dialogs.YesNoAnswers = {false, false};
    Frame().close();
}

TEST_F(AppLifecycle, SavingNewProjectUnderPlanWritesPlanTsyAndTitlesWithThePath)
{
    TUserProject* project = NewProject();
    Dialogs.YesNoAnswers = {true};
    Dialogs.FileAnswers = {Path(QStringLiteral("plan"))};
    Click("btSaveProject");
    const QString written = Path(QStringLiteral("plan.tsy"));
    EXPECT_TRUE(QFileInfo::exists(written));
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("plan"))));
    EXPECT_EQ(Captions(), QStringList{written});
    EXPECT_EQ(project->Document().FileName(), written.toStdString());
    EXPECT_FALSE(project->Document().Modified());
    ASSERT_EQ(Dialogs.Texts(EKind::SaveFile).size(), 1U);
    EXPECT_EQ(Dialogs.Texts(EKind::SaveFile)[0], QStringLiteral("Файл проекта (*.tsy)"));
    EXPECT_EQ(Dialogs.MessageTexts(), std::vector<QString>{SaveCreated});
    EXPECT_EQ(Dialogs.Records[0].Caption, QStringLiteral("Message"));

    // Saved and unchanged: Save asks nothing, closing asks nothing.
    Click("btSaveProject");
    Click("btCloseProject");
    EXPECT_EQ(Dialogs.MessageTexts().size(), 1U);
    EXPECT_EQ(Frame().ProjectCount(), 0U);
}

TEST_F(AppLifecycle, NewProjectAsksOnCloseEvenUnchangedOpenedProjectClosesSilently)
{
    NewProject();
    Dialogs.YesNoAnswers = {true};
    Dialogs.FileAnswers = {Path(QStringLiteral("kept.tsy"))};
    Click("btCloseProject");
    EXPECT_EQ(Dialogs.MessageTexts(), std::vector<QString>{SaveCreated});
    ASSERT_TRUE(QFileInfo::exists(Path(QStringLiteral("kept.tsy"))));

    Dialogs.Records.clear();
    TUserProject* opened = OpenProject(Path(QStringLiteral("kept.tsy")));
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("Проект - ") + Path(QStringLiteral("kept.tsy"))});
    Click("btCloseProject");
    EXPECT_TRUE(Dialogs.MessageTexts().empty());
    EXPECT_EQ(Frame().ProjectCount(), 0U);
}

TEST_F(AppLifecycle, YesThenCancellingTheFileDialogKeepsTheWindowAndOnExitTheFrame)
{
    TUserProject* project = NewProject();
    Dialogs.YesNoAnswers = {true};
    Dialogs.FileAnswers = {QString()}; // the save dialog cancelled
    Click("btCloseProject");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Frame().ProjectCount(), 1U);
    EXPECT_EQ(Frame().ActiveProject(), project);
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("Проект - 1")});

    Dialogs.YesNoAnswers = {true, true};
    Dialogs.FileAnswers = {QString()};
    Click("btUserExit");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_EQ(Frame().ActiveProject(), project);

    // "Нет" still closes without saving.
    Dialogs.YesNoAnswers = {true, false};
    Click("btUserExit");
    EXPECT_FALSE(Frame().isVisible());
    EXPECT_EQ(Frame().ProjectCount(), 0U);
    EXPECT_EQ(Dialogs.MessageTexts(),
        (std::vector<QString>{SaveCreated, QStringLiteral("Выйти из программы?"), SaveCreated,
            QStringLiteral("Выйти из программы?"), SaveCreated}));
    EXPECT_EQ(Dialogs.Texts(EKind::SaveFile).size(), 2U);
    EXPECT_TRUE(Dialogs.AllAnswersUsed());
    EXPECT_TRUE(QDir(WorkDir.path()).entryList({QStringLiteral("*.tsy")}, QDir::Files).isEmpty());
}

TEST_F(AppLifecycle, SaveAsTitlesWithPrefixAndLeavesModifiedAsItWas)
{
    TUserProject* project = NewProject();
    EditElement(project);
    ASSERT_TRUE(project->Document().Modified());

    Dialogs.FileAnswers = {Path(QStringLiteral("other"))};
    Action("mnSaveProjectAs")->trigger();
    const QString written = Path(QStringLiteral("other.tsy"));
    EXPECT_TRUE(QFileInfo::exists(written));
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("Проект - ") + written});
    EXPECT_EQ(project->Document().FileName(), written.toStdString());
    EXPECT_TRUE(project->Document().Modified());
    ASSERT_EQ(Dialogs.Texts(EKind::OpenFile).size(), 1U);
    EXPECT_EQ(Dialogs.Texts(EKind::OpenFile)[0], QStringLiteral("Проект TESSALY (*.tsy)"));
    EXPECT_TRUE(Dialogs.MessageTexts().empty()); // no file there yet: no question

    // Still modified, so closing asks about the changes and saves on Yes.
    const QByteArray before = apptest::ReadAll(written);
    SetName(EditableModel(project->Document()), 0, 0, "ИНАЯ ЦЕЛЬ");
    Dialogs.YesNoAnswers = {true};
    Click("btCloseProject");
    EXPECT_EQ(Dialogs.MessageTexts(), std::vector<QString>{SaveChanges});
    EXPECT_NE(apptest::ReadAll(written), before);
    EXPECT_TRUE(apptest::ReadAll(written).contains(QByteArray("\xC8\xCD\xC0\xDF", 4))); // "ИНАЯ" in 1251
}

TEST_F(AppLifecycle, SaveAsOverAnExistingFileAsksFirstAndNoChangesNothing)
{
    TUserProject* project = NewProject();
    const QString target = Path(QStringLiteral("taken.tsy"));
    {
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("someone else's file");
    }
    Dialogs.FileAnswers = {Path(QStringLiteral("taken.tsy"))};
    Dialogs.YesNoAnswers = {false};
    Action("mnSaveProjectAs")->trigger();
    EXPECT_EQ(Dialogs.MessageTexts(),
        std::vector<QString>{QStringLiteral("Файл с таким именем уже существует. Заменить его?")});
    EXPECT_EQ(apptest::ReadAll(target), QByteArray("someone else's file"));
    EXPECT_TRUE(project->Document().FileName().empty());
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("Проект - 1")});

    Dialogs.FileAnswers = {target};
    Dialogs.YesNoAnswers = {true};
    Action("mnSaveProjectAs")->trigger();
    EXPECT_TRUE(apptest::ReadAll(target).startsWith(QByteArray("\x10\x58\x39\xB4\xC8\x86\x7A\x40", 8)));
    EXPECT_EQ(project->Document().FileName(), target.toStdString());
    Dialogs.YesNoAnswers = {false};
    Frame().close();
}

// The save dialogs confirm the name as typed; the extension added to it can name another
// file, and that one is not replaced unasked either.
TEST_F(AppLifecycle, NamesCompletedByTheExtensionAreNotReplacedUnasked)
{
    const QString replace = QStringLiteral("Файл с таким именем уже существует. Заменить его?");
    const QByteArray other("someone else's file");
    const QString plan = Path(QStringLiteral("plan.tsy"));
    ASSERT_TRUE(QDir(WorkDir.path()).mkpath(QStringLiteral("HTemplates")));
    const QString shape = Path(QStringLiteral("HTemplates/shape.htp"));
    for (const QString& file : {plan, shape}) {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(other);
    }
    TUserProject* project = NewProject();

    Dialogs.YesNoAnswers = {true, false};
    Dialogs.FileAnswers = {Path(QStringLiteral("plan"))};
    Click("btSaveProject");
    EXPECT_EQ(Dialogs.MessageTexts(), (std::vector<QString>{SaveCreated, replace}));
    EXPECT_EQ(apptest::ReadAll(plan), other);
    EXPECT_TRUE(project->Document().FileName().empty());
    // Closing: No to the replace question keeps the window, as a cancelled dialog does.
    Dialogs.YesNoAnswers = {true, false};
    Dialogs.FileAnswers = {Path(QStringLiteral("plan"))};
    Click("btCloseProject");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Frame().ProjectCount(), 1U);
    EXPECT_EQ(apptest::ReadAll(plan), other);

    Dialogs.YesNoAnswers = {false};
    Dialogs.FileAnswers = {Path(QStringLiteral("HTemplates/shape"))};
    Action("mnSaveAsHTemplate")->trigger();
    EXPECT_EQ(Dialogs.MessageTexts().back(), replace);
    EXPECT_EQ(apptest::ReadAll(shape), other);

    Dialogs.YesNoAnswers = {true, true};
    Dialogs.FileAnswers = {Path(QStringLiteral("plan"))};
    Click("btSaveProject");
    EXPECT_TRUE(apptest::ReadAll(plan).startsWith(QByteArray("\x10\x58\x39\xB4\xC8\x86\x7A\x40", 8)));
    EXPECT_EQ(project->Document().FileName(), plan.toStdString());
    EXPECT_TRUE(Dialogs.AllAnswersUsed());
}

// A Save as that failed leaves a project saved nowhere: it keeps the name it was given,
// and closing it still asks.
TEST_F(AppLifecycle, FailedSaveAsOfANewProjectStillAsksOnClose)
{
    NewProject();
    const QString nowhere = Path(QStringLiteral("no-such-folder/p.tsy"));
    Dialogs.FileAnswers = {nowhere};
    Action("mnSaveProjectAs")->trigger();
    EXPECT_EQ(Dialogs.MessageTexts(), std::vector<QString>{QStringLiteral("Ошибка открытия файла")});
    EXPECT_EQ(Frame().ActiveProject()->Document().FileName(), nowhere.toStdString());

    Dialogs.YesNoAnswers = {false};
    Click("btCloseProject");
    EXPECT_EQ(Dialogs.MessageTexts().back(), SaveChanges);
    EXPECT_EQ(Frame().ProjectCount(), 0U);
    EXPECT_TRUE(Dialogs.AllAnswersUsed());
}

TEST_F(AppLifecycle, ExitWithThreeProjectsAsksEachInTurnAndCannotBeCancelled)
{
    NewProject();
    NewProject();
    NewProject();
    ASSERT_EQ(Frame().ProjectCount(), 3U);
    Dialogs.YesNoAnswers = {false, false};
    Click("btUserExit"); // answered No: nothing happens
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_EQ(Frame().ProjectCount(), 3U);

    Dialogs.Records.clear();
    Dialogs.YesNoAnswers = {true, false, false, false};
    Click("btUserExit");
    EXPECT_EQ(Dialogs.MessageTexts(),
        (std::vector<QString>{QStringLiteral("Выйти из программы?"), SaveCreated, SaveCreated, SaveCreated}));
    EXPECT_FALSE(Frame().isVisible());
    EXPECT_EQ(Frame().ProjectCount(), 0U);
    EXPECT_TRUE(Dialogs.AllAnswersUsed());
}

TEST_F(AppLifecycle, ClosingTheFrameAsksAgainAProjectThatHadClearedItsQuestion)
{
    TUserProject* project = NewProject();
    project->Document().SetAskSaveOnClose(false);
    Dialogs.YesNoAnswers = {false};
    Frame().close(); // the close box: no exit question
    EXPECT_EQ(Dialogs.MessageTexts(), std::vector<QString>{SaveCreated});
}

TEST_F(AppLifecycle, VerticalTwiceTogglesTheActiveProjectTwice)
{
    TUserProject* first = NewProject();
    TUserProject* second = NewProject();
    ASSERT_EQ(Frame().ActiveProject(), second);
    QAction* vertical = Action("mnToolOrientVert");
    QAction* horizontal = Action("mnToolOrientHor");
    EXPECT_TRUE(horizontal->isChecked());
    EXPECT_FALSE(vertical->isChecked());

    const QPoint horizontalPlace = second->ElementBox(0, 1)->pos();
    vertical->trigger();
    EXPECT_TRUE(second->VerticalOrientation());
    EXPECT_TRUE(vertical->isChecked());
    EXPECT_FALSE(horizontal->isChecked());
    EXPECT_NE(second->ElementBox(0, 1)->pos(), horizontalPlace); // laid out again
    vertical->trigger();
    EXPECT_FALSE(second->VerticalOrientation());
    EXPECT_TRUE(vertical->isChecked());
    EXPECT_EQ(second->ElementBox(0, 1)->pos(), horizontalPlace);
    EXPECT_FALSE(first->VerticalOrientation()); // only the active project

    // A project made afterwards starts horizontal whatever the menu shows.
    vertical->trigger();
    TUserProject* third = NewProject();
    EXPECT_FALSE(third->VerticalOrientation());
    Dialogs.YesNoAnswers = {false, false, false};
    Frame().close();
}

TEST_F(AppLifecycle, ProjectCommandsFollowTheRegistry)
{
    const std::vector<const char*> buttons{
        "btSaveProject", "btCloseProject", "btPrintProject", "btPrevProject", "btNextProject"};
    const std::vector<const char*> items{"mnSaveProject", "mnSaveProjectAs", "mnSaveAsHTemplate"};
    const std::vector<const char*> always{"btNewProject", "btOpenProject", "btOpenTempalteH", "btUserExit"};
    auto projectCommandsAre = [&](bool enabled) {
        for (const char* name : buttons) {
            EXPECT_EQ(Control(name)->isEnabled(), enabled) << name;
        }
        for (const char* name : items) {
            EXPECT_EQ(Action(name)->isEnabled(), enabled) << name;
        }
        EXPECT_EQ(Control<QMenu>("MTools")->menuAction()->isEnabled(), enabled);
        // A group decision needs no project open: the menu stays, its project commands follow.
        EXPECT_TRUE(Control<QMenu>("MAnalysis")->menuAction()->isEnabled());
        for (const char* name : {"mnProjectReport", "mnExportCsv", "mnSensitivityAnalysis", "mnPrepareExpertFiles"}) {
            EXPECT_EQ(Action(name)->isEnabled(), enabled) << name;
        }
        EXPECT_EQ(Control<QMenu>("WindowMenu")->menuAction()->isEnabled(), enabled);
        for (const char* name : always) {
            EXPECT_TRUE(Control(name)->isEnabled()) << name;
        }
        for (const char* name : {"MNewProject", "N5", "mnTemplateLoad", "N7", "N8", "N10"}) {
            EXPECT_TRUE(Action(name)->isEnabled()) << name;
        }
    };
    projectCommandsAre(false);
    NewProject();
    NewProject();
    projectCommandsAre(true);
    Dialogs.YesNoAnswers = {false, false};
    Click("btCloseProject");
    projectCommandsAre(true);
    Click("btCloseProject");
    projectCommandsAre(false);
    EXPECT_EQ(Frame().ProjectCount(), 0U);
}

TEST_F(AppLifecycle, CancelledNewProjectDialogCreatesNothing)
{
    apptest::WhenModal<TCreateUserProject>([](TCreateUserProject* dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btCancel")), Qt::LeftButton);
    });
    Click("btNewProject");
    EXPECT_EQ(Frame().ProjectCount(), 0U);
    EXPECT_TRUE(Captions().isEmpty());
    EXPECT_FALSE(Control("btSaveProject")->isEnabled());
}

TEST_F(AppLifecycle, PreviousAndNextSwitchTheActiveProject)
{
    TUserProject* first = NewProject();
    TUserProject* second = NewProject();
    ASSERT_EQ(Frame().ActiveProject(), second);
    Click("btNextProject");
    EXPECT_EQ(Frame().ActiveProject(), first);
    Click("btPrevProject");
    EXPECT_EQ(Frame().ActiveProject(), second);
    Dialogs.YesNoAnswers = {false, false};
    Frame().close();
}

// A Save as that failed leaves the project with the new name, and the next Save writes
// there: the title says so at once.
TEST_F(AppLifecycle, AfterAFailedSaveAsTheTitleShowsTheNameTheProjectWillBeSavedUnder)
{
    TUserProject* project = NewProject();
    Dialogs.YesNoAnswers = {true};
    Dialogs.FileAnswers = {Path(QStringLiteral("first"))};
    Click("btSaveProject");
    ASSERT_EQ(Captions(), QStringList{Path(QStringLiteral("first.tsy"))});

    const QString later = Path(QStringLiteral("later/p.tsy"));
    Dialogs.FileAnswers = {Path(QStringLiteral("later/p"))};
    Action("mnSaveProjectAs")->trigger();
    EXPECT_EQ(Dialogs.MessageTexts().back(), QStringLiteral("Ошибка открытия файла"));
    EXPECT_EQ(project->Document().FileName(), later.toStdString());
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("Проект - ") + later});

    ASSERT_TRUE(QDir(WorkDir.path()).mkdir(QStringLiteral("later")));
    Dialogs.YesNoAnswers = {true};
    Click("btSaveProject");
    EXPECT_TRUE(QFileInfo::exists(later));
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("Проект - ") + later});
    EXPECT_TRUE(Dialogs.AllAnswersUsed());
    Click("btCloseProject");
}
