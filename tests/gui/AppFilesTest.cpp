#include "AppTestSupport.h"
#include "ReadOnlyDirectory.h"
#include "gui/view/CTreeOutlineModel.h"
#include "gui/view/TTreeProject.h"

#include "support/ModelEdits.h"
#include <QHeaderView>
#include <QTreeView>

#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using apptest::CAppTest;

namespace {

const QString Damaged = QStringLiteral("Файл проекта поврежден. Загрузка невозможна!");
const QString CannotOpen = QStringLiteral("Не могу открыть файл проекта");

// Files may not grow past a few kilobytes while this lives: a write that fails part way.
class CFileSizeLimit {
public:
    explicit CFileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &Saved);
        PreviousHandler = std::signal(SIGXFSZ, SIG_IGN); // the write then fails with EFBIG
        rlimit limit = Saved;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    CFileSizeLimit(const CFileSizeLimit&) = delete;
    CFileSizeLimit& operator=(const CFileSizeLimit&) = delete;
    ~CFileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &Saved);
        std::signal(SIGXFSZ, PreviousHandler);
    }

private:
    rlimit Saved{};
    void (*PreviousHandler)(int) = nullptr;
};

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class AppFiles : public CAppTest {
protected:
    // A project saved under name through the frame, left open and then changed by a real edit.
    TUserProject* SavedAndChanged(const QString& path, const QString& levels, const QString& elements)
    {
        TUserProject* project = NewProject(QStringLiteral("БОЛЬШОЙ"), levels, elements);
        Dialogs.YesNoAnswers = {true};
        Dialogs.FileAnswers = {path};
        Click("btSaveProject");
        EXPECT_FALSE(project->Document().Modified());
        EditElement(project);
        EXPECT_TRUE(project->Document().Modified());
        Dialogs.Records.clear();
        return project;
    }

    void ExpectRefusedOpen(const QString& path, const QString& message, std::size_t projectsBefore)
    {
        Dialogs.Records.clear();
        Dialogs.FileAnswers = {path};
        Click("btOpenProject");
        EXPECT_EQ(Dialogs.MessageTexts(), std::vector<QString>{message}) << path.toStdString();
        ASSERT_FALSE(Dialogs.Records.empty());
        EXPECT_EQ(Dialogs.Records.back().Caption, QStringLiteral("Message"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(Frame().ProjectCount(), projectsBefore);
        EXPECT_EQ(static_cast<std::size_t>(Captions().size()), projectsBefore);
        EXPECT_EQ(Control("btSaveProject")->isEnabled(), projectsBefore > 0);
        EXPECT_EQ(Control("btPrintProject")->isEnabled(), projectsBefore > 0);
    }
};

} // namespace

TEST_F(AppFiles, DamagedAndMissingFilesLeaveNoWindowAndTheCommandsFollowTheRegistry)
{
    const QByteArray magic("\x10\x58\x39\xB4\xC8\x86\x7A\x40", 8);
    const QString oneLevel = Path(QStringLiteral("one.tsy")); // a goal with nothing below it
    WriteBytes(oneLevel, magic + QByteArray("\x01\x00\x00\x00\x00\x00\x00\x00", 8));
    const QString empty = Path(QStringLiteral("empty.tsy"));
    WriteBytes(empty, QByteArray());

    // A sound file cut in the middle of its records.
    NewProject();
    Dialogs.YesNoAnswers = {true};
    Dialogs.FileAnswers = {Path(QStringLiteral("sound.tsy"))};
    Click("btSaveProject");
    const QByteArray sound = apptest::ReadAll(Path(QStringLiteral("sound.tsy")));
    ASSERT_GT(sound.size(), 60);
    const QString truncated = Path(QStringLiteral("cut.tsy"));
    WriteBytes(truncated, sound.left(sound.size() - 7));
    Click("btCloseProject");
    ASSERT_EQ(Frame().ProjectCount(), 0U);

    ExpectRefusedOpen(oneLevel, Damaged, 0);
    ExpectRefusedOpen(empty, Damaged, 0);
    ExpectRefusedOpen(truncated, Damaged, 0);
    ExpectRefusedOpen(Path(QStringLiteral("nowhere.tsy")), CannotOpen, 0);

    // With a project open the refusal leaves it, and the commands, as they were.
    OpenProject(Path(QStringLiteral("sound.tsy")));
    ASSERT_EQ(Frame().ProjectCount(), 1U);
    ExpectRefusedOpen(truncated, Damaged, 1);
    EXPECT_NE(Frame().ActiveProject(), nullptr);
    Click("btCloseProject");
}

TEST_F(AppFiles, ReadOnlyFileIsRefusedByTheReader)
{
    ASSERT_TRUE(QDir(WorkDir.path()).mkdir(QStringLiteral("locked")));
    const QString path = Path(QStringLiteral("locked/plan.tsy"));
    NewProject();
    Dialogs.YesNoAnswers = {true};
    Dialogs.FileAnswers = {path};
    Click("btSaveProject");
    Click("btCloseProject");
    ASSERT_TRUE(QFileInfo::exists(path));

    CReadOnlyDirectory locked(Path(QStringLiteral("locked")));
    if (!locked.IsReady()) {
        GTEST_SKIP() << "no read-only mount can be made here (root without CAP_SYS_ADMIN)";
    }
    ExpectRefusedOpen(path, CannotOpen, 0);
}

TEST_F(AppFiles, SaveIntoReadOnlyDirectoryKeepsModifiedAndTheOldFile)
{
    ASSERT_TRUE(QDir(WorkDir.path()).mkdir(QStringLiteral("locked")));
    const QString path = Path(QStringLiteral("locked/plan.tsy"));
    TUserProject* project = SavedAndChanged(path, QStringLiteral("3"), QStringLiteral("3"));
    const QByteArray before = apptest::ReadAll(path);
    SetName(EditableModel(project->Document()), 1, 1, "ИНОЕ");
    {
        CReadOnlyDirectory locked(Path(QStringLiteral("locked")));
        if (!locked.IsReady()) {
            Dialogs.YesNoAnswers = {false};
            Frame().close();
            GTEST_SKIP() << "no read-only mount can be made here (root without CAP_SYS_ADMIN)";
        }
        Dialogs.YesNoAnswers = {true};
        Click("btSaveProject");
        EXPECT_EQ(Dialogs.MessageTexts(),
            (std::vector<QString>{
                QStringLiteral("Сохранить сделанные в проекте изменения?"), QStringLiteral("Ошибка открытия файла")}));
        EXPECT_TRUE(project->Document().Modified());
        EXPECT_EQ(apptest::ReadAll(path), before);

        // Closing with Yes keeps the window, so the work can still be saved elsewhere.
        Dialogs.YesNoAnswers = {true};
        Click("btCloseProject");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(Frame().ProjectCount(), 1U);
        EXPECT_EQ(Frame().ActiveProject(), project);
        EXPECT_TRUE(Control("btSaveProject")->isEnabled());
    }
    Dialogs.YesNoAnswers = {true}; // writable again: the same close now saves
    Click("btCloseProject");
    EXPECT_EQ(Frame().ProjectCount(), 0U);
    EXPECT_NE(apptest::ReadAll(path), before);
}

TEST_F(AppFiles, WriteFailingPartWayKeepsEverythingAndTheFrameOpen)
{
    // Ten levels of nine elements make a file of about 27 KB, far past the limit below.
    const QString path = Path(QStringLiteral("big.tsy"));
    TUserProject* project = SavedAndChanged(path, QStringLiteral("10"), QStringLiteral("9"));
    const QByteArray before = apptest::ReadAll(path);
    ASSERT_GT(before.size(), 20000);
    SetName(EditableModel(project->Document()), 1, 1, "ИНОЕ");
    {
        CFileSizeLimit limit(4096);
        Dialogs.YesNoAnswers = {true};
        Click("btSaveProject");
        EXPECT_EQ(Dialogs.MessageTexts(),
            (std::vector<QString>{
                QStringLiteral("Сохранить сделанные в проекте изменения?"), QStringLiteral("Ошибка записи файла")}));
        EXPECT_TRUE(project->Document().Modified());

        // Exit answered Yes, then the save question Yes: the save fails, project and frame stay.
        Dialogs.YesNoAnswers = {true, true};
        Click("btUserExit");
        EXPECT_TRUE(Frame().isVisible());
        EXPECT_EQ(Frame().ProjectCount(), 1U);
        EXPECT_EQ(Frame().ActiveProject(), project);
        EXPECT_FALSE(project->Document().ClosingAll());
    }
    EXPECT_EQ(apptest::ReadAll(path), before);
    const QStringList left = QDir(WorkDir.path()).entryList(QDir::Files | QDir::Hidden);
    EXPECT_EQ(left, QStringList{QStringLiteral("big.tsy")}) << "no temporary file is left behind";

    Dialogs.YesNoAnswers = {true};
    Frame().close();
    EXPECT_FALSE(Frame().isVisible());
    EXPECT_NE(apptest::ReadAll(path), before);
}

TEST_F(AppFiles, FilesNamedOnTheCommandLineOpenAsTheOpenCommandOpensThem)
{
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(TESSALY_SOURCE_DIR "/examples/supplier.tsy"), Path(QStringLiteral("s.tsy"))));
    WriteBytes(Path(QStringLiteral("bad.tsy")), QByteArray("\x10\x58\x39\xB4\xC8\x86\x7A\x40\x01\x00\x00\x00", 12));
    // Relative names, as a shell passes them, against the current directory.
    Frame().OpenFilesFromCommandLine(
        {QStringLiteral("s.tsy"), QStringLiteral("bad.tsy"), QStringLiteral("nowhere.tsy")});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Dialogs.MessageTexts(),
        (std::vector<QString>{QStringLiteral("Файл проекта поврежден. Загрузка невозможна!"),
            QStringLiteral("Не могу открыть файл проекта")}));
    ASSERT_EQ(Frame().ProjectCount(), 1U);
    const QString absolute = QFileInfo(Path(QStringLiteral("s.tsy"))).absoluteFilePath();
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("Проект - ") + absolute});
    EXPECT_EQ(Frame().ActiveProject()->Document().FileName(), absolute.toStdString());
    EXPECT_TRUE(Control("btSaveProject")->isEnabled());
    Click("btCloseProject");
}

// A frame that is not the active window takes a new tree window as its current one at
// once, while the file is still being read: nothing shown on its arrival may read a
// tree that is not there yet (it crashed when a file was named at start).
TEST_F(AppFiles, ATreeFileOpensIntoAFrameNotInFront)
{
    ASSERT_TRUE(QFile::copy(QStringLiteral(TESSALY_SOURCE_DIR "/examples/car.tsj"), Path(QStringLiteral("car.tsj"))));
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    Frame().OpenFilesFromCommandLine({QStringLiteral("car.tsj")});
    EXPECT_TRUE(Dialogs.MessageTexts().empty());
    ASSERT_EQ(Frame().findChildren<TTreeProject*>().size(), 1);
    // Shown at its size, the outline gives the goal's consistency its whole text (fitted
    // while the window was still unshown and narrow, it was cut to one letter).
    QCoreApplication::processEvents();
    const QTreeView* outline = Frame().findChild<TTreeProject*>()->Outline();
    const QString consistency = outline->model()->index(0, CTreeOutlineModel::ConsistencyColumn).data().toString();
    EXPECT_GE(outline->header()->sectionSize(CTreeOutlineModel::ConsistencyColumn),
        outline->fontMetrics().horizontalAdvance(consistency));
    Frame().close();
}

// Two windows bound to one file would let the last save undo the other's work: a file
// already open, under any spelling of its name, only brings its window to the front.
TEST_F(AppFiles, OpeningAFileAlreadyOpenActivatesItsWindow)
{
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(TESSALY_SOURCE_DIR "/examples/supplier.tsy"), Path(QStringLiteral("s.tsy"))));
    ASSERT_TRUE(QDir(WorkDir.path()).mkdir(QStringLiteral("sub")));
    ASSERT_TRUE(QFile::link(Path(QStringLiteral("s.tsy")), Path(QStringLiteral("link.tsy"))));
    TUserProject* first = OpenProject(Path(QStringLiteral("s.tsy")));
    ASSERT_NE(first, nullptr);
    NewProject();
    ASSERT_NE(Frame().ActiveProject(), first);

    EXPECT_EQ(OpenProject(Path(QStringLiteral("sub/../s.tsy"))), first);
    EXPECT_EQ(Frame().ProjectCount(), 2U);
    NewProject();
    Frame().OpenFilesFromCommandLine({QStringLiteral("link.tsy"), QStringLiteral("./s.tsy")});
    EXPECT_EQ(Frame().ProjectCount(), 3U);
    EXPECT_EQ(Frame().ActiveProject(), first);
    EXPECT_TRUE(Dialogs.MessageTexts().empty());
    Dialogs.YesNoAnswers = {false, false};
    Frame().close();
}

// Every file error keeps its message and says, under it, which file and why: the
// system's reason, or what is wrong with the file.
TEST_F(AppFiles, FileErrorsNameTheFileAndTheReason)
{
    const auto details = [](const QString& path, const QString& reason) {
        return QStringLiteral("Файл: ") + path + QStringLiteral("\nПричина: ") + reason;
    };
    const auto systemText = [](int error) { return QString::fromLocal8Bit(std::strerror(error)); };
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(TESSALY_SOURCE_DIR "/examples/supplier.tsy"), Path(QStringLiteral("a.tsy"))));
    WriteBytes(Path(QStringLiteral("b.tsy")), QByteArray("a letter, not a project"));
    WriteBytes(Path(QStringLiteral("c.tsy")), QByteArray("\x10\x58\x39\xB4\xC8\x86\x7A\x40\x01\x00\x00\x00", 12));
    Frame().OpenFilesFromCommandLine(
        {QStringLiteral("a.tsy"), QStringLiteral("b.tsy"), QStringLiteral("c.tsy"), QStringLiteral("missing.tsy")});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Frame().ProjectCount(), 1U);
    ASSERT_EQ(Dialogs.Records.size(), 3U);
    EXPECT_EQ(Dialogs.Records[0].Text, Damaged);
    EXPECT_EQ(
        Dialogs.Records[0].Informative, details(Path(QStringLiteral("b.tsy")), QStringLiteral("не файл проекта")));
    EXPECT_EQ(Dialogs.Records[1].Text, Damaged);
    EXPECT_EQ(Dialogs.Records[1].Informative, details(Path(QStringLiteral("c.tsy")), QStringLiteral("файл повреждён")));
    EXPECT_EQ(Dialogs.Records[2].Text, CannotOpen);
    EXPECT_EQ(Dialogs.Records[2].Informative, details(Path(QStringLiteral("missing.tsy")), systemText(ENOENT)));

    // Writing: a folder that is not there, and a folder standing at the clone file's name.
    Dialogs.Records.clear();
    const QString nowhere = Path(QStringLiteral("no-such-folder/p.tsy"));
    Dialogs.FileAnswers = {nowhere};
    Action("mnSaveProjectAs")->trigger();
    ASSERT_TRUE(QDir(WorkDir.path()).mkdir(QStringLiteral("ToClone.tmp")));
    Dialogs.YesNoAnswers = {true};
    Frame().CloneProject(*Frame().ActiveProject());
    ASSERT_EQ(Dialogs.Records.size(), 4U); // the Save as dialog, its message, the clone's question and message
    EXPECT_EQ(Dialogs.Records[1].Text, QStringLiteral("Ошибка открытия файла"));
    EXPECT_EQ(Dialogs.Records[1].Informative, details(nowhere, systemText(ENOENT)));
    EXPECT_EQ(Dialogs.Records[3].Text, QStringLiteral("Не могу клонировать текущий проект"));
    EXPECT_EQ(Dialogs.Records[3].Informative, details(Path(QStringLiteral("ToClone.tmp")), systemText(EISDIR)));
    Dialogs.YesNoAnswers = {false};
    Frame().close();
}
