#include "AppTestSupport.h"
#include "support/ModelEdits.h"

#include "core/group/StructureCheck.h"
#include "core/model/CHierarchy.h"
#include "core/storage/TreeFile.h"
#include "gui/group/TfmExpertFiles.h"
#include "gui/view/TTreeProject.h"

#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTreeView>
#include <QTreeWidget>

#include <sys/mount.h>
#include <unistd.h>

using apptest::CAppTest;
using EKind = CScriptedUserDialogs::EKind;

namespace {

// Every name, comment and judgement of the leading blocks, level by level.
void ExpectSameHierarchy(const CUserProjectModel& a, const CUserProjectModel& b, bool sameJudgements)
{
    ASSERT_EQ(a.LevelCount(), b.LevelCount());
    for (std::uint32_t k = 0; k < a.LevelCount(); ++k) {
        ASSERT_EQ(a.ElementsInLevelChecked(k), b.ElementsInLevelChecked(k)) << "level " << k;
        const std::uint32_t n = k + 1 < a.LevelCount() ? a.ElementsInLevelChecked(k + 1) : 0;
        for (std::uint32_t e = 0; e < a.ElementsInLevelChecked(k); ++e) {
            EXPECT_EQ(a.Element(e, k).Name, b.Element(e, k).Name);
            EXPECT_EQ(a.Element(e, k).Comment, b.Element(e, k).Comment);
            for (std::uint32_t r = 0; r < n; ++r) {
                for (std::uint32_t c = 0; c < n; ++c) {
                    const int expected = sameJudgements ? a.Element(e, k).Judgements(r, c).Code() : 1;
                    EXPECT_EQ(b.Element(e, k).Judgements(r, c).Code(), expected)
                        << e << "," << k << " [" << r << "][" << c << "]";
                }
            }
        }
    }
}

bool HasJudgementOtherThanOne(const CUserProjectModel& model)
{
    for (std::uint32_t k = 0; k + 1 < model.LevelCount(); ++k) {
        const std::uint32_t n = model.ElementsInLevelChecked(k + 1);
        for (std::uint32_t e = 0; e < model.ElementsInLevelChecked(k); ++e) {
            for (std::uint32_t r = 0; r < n; ++r) {
                for (std::uint32_t c = 0; c < n; ++c) {
                    if (model.Element(e, k).Judgements(r, c).Code() != 1) {
                        return true;
                    }
                }
            }
        }
    }
    return false;
}

class AppTemplateClone : public CAppTest {
protected:
    // The shipped supplier example, copied into the working directory and opened.
    TUserProject* OpenExample()
    {
        const QString copy = Path(QStringLiteral("supplier.tsy"));
        EXPECT_TRUE(QFile::copy(QStringLiteral(TESSALY_SOURCE_DIR "/examples/supplier.tsy"), copy));
        TUserProject* project = OpenProject(copy);
        EXPECT_NE(project, nullptr);
        EXPECT_TRUE(project != nullptr && HasJudgementOtherThanOne(project->Model()));
        Dialogs.Records.clear();
        return project;
    }
    // The shipped car tree, copied into the working directory and opened.
    TTreeProject* OpenExampleTree()
    {
        const QString copy = Path(QStringLiteral("car.tsj"));
        EXPECT_TRUE(QFile::copy(QStringLiteral(TESSALY_SOURCE_DIR "/examples/car.tsj"), copy));
        Dialogs.FileAnswers.push_back(copy);
        Click("btOpenProject");
        TTreeProject* tree = Frame().ActiveTree();
        EXPECT_NE(tree, nullptr);
        Dialogs.Records.clear();
        return tree;
    }
    // The start folder's templates when it has them, else the user's.
    [[nodiscard]] QString TemplateDir() const
    {
        const QString start = Path(QStringLiteral("HTemplates"));
        return QFileInfo(start).isDir() ? start : UserDataHome() + QStringLiteral("/tessaly/HTemplates");
    }
};

} // namespace

TEST_F(AppTemplateClone, TemplateRoundTripKeepsStructureAndResetsJudgements)
{
    TUserProject* source = OpenExample();
    const QString sourceCaption = Captions().at(0);
    ASSERT_FALSE(QFileInfo::exists(Path(QStringLiteral("HTemplates"))));

    Dialogs.FileAnswers = {TemplateDir() + QStringLiteral("/supplier")};
    Action("mnSaveAsHTemplate")->trigger();
    const QString templateFile = TemplateDir() + QStringLiteral("/supplier.htp");
    EXPECT_TRUE(QFileInfo::exists(templateFile)); // in the user's template folder
    ASSERT_EQ(Dialogs.Records.size(), 1U);
    EXPECT_EQ(Dialogs.Records[0].Kind, EKind::SaveFile);
    EXPECT_EQ(Dialogs.Records[0].Text, QStringLiteral("Шаблон TESSALY (*.htp)"));
    EXPECT_EQ(Dialogs.Records[0].Caption, TemplateDir());
    EXPECT_EQ(Captions().at(0), sourceCaption);
    EXPECT_EQ(source->Document().FileName(), Path(QStringLiteral("supplier.tsy")).toStdString());
    EXPECT_FALSE(source->Document().Modified());

    Dialogs.Records.clear();
    Dialogs.FileAnswers = {templateFile};
    Click("btOpenTempalteH");
    ASSERT_EQ(Frame().ProjectCount(), 2U);
    TUserProject* loaded = Frame().ActiveProject();
    ASSERT_NE(loaded, source);
    EXPECT_EQ(Captions().at(1), QStringLiteral("Проект - 2"));
    EXPECT_TRUE(loaded->Document().FileName().empty());
    ExpectSameHierarchy(source->Model(), loaded->Model(), false);
    ASSERT_EQ(Dialogs.Records.size(), 1U);
    EXPECT_EQ(Dialogs.Records[0].Kind, EKind::OpenFile);
    EXPECT_EQ(Dialogs.Records[0].Text, QStringLiteral("Шаблон TESSALY (*.htp)"));
    EXPECT_EQ(Dialogs.Records[0].Caption, TemplateDir());

    // A project from a template is new: saving asks for a file, and the save dialog
    // still shows the template folder and filter, while the name gets .tsy.
    Dialogs.Records.clear();
    Dialogs.YesNoAnswers = {true};
    Dialogs.FileAnswers = {Path(QStringLiteral("mine"))};
    Click("btSaveProject");
    EXPECT_EQ(Dialogs.MessageTexts(), std::vector<QString>{QStringLiteral("Сохранить созданный проект в файле?")});
    ASSERT_EQ(Dialogs.Records.size(), 2U);
    EXPECT_EQ(Dialogs.Records[1].Text, QStringLiteral("Шаблон TESSALY (*.htp)"));
    EXPECT_EQ(Dialogs.Records[1].Caption, TemplateDir());
    EXPECT_TRUE(QFileInfo::exists(Path(QStringLiteral("mine.tsy"))));

    // The open command keeps the template folder as its starting place.
    Dialogs.Records.clear();
    Dialogs.FileAnswers = {QString()};
    Click("btOpenProject");
    ASSERT_EQ(Dialogs.Records.size(), 1U);
    EXPECT_EQ(Dialogs.Records[0].Text, QStringLiteral("Проект TESSALY (*.tsy *.tsj)"));
    EXPECT_EQ(Dialogs.Records[0].Caption, TemplateDir());
    EXPECT_EQ(Frame().ProjectCount(), 2U);
    Click("btCloseProject");
    Click("btCloseProject");
}

TEST_F(AppTemplateClone, ADamagedTemplateLeavesNoWindow)
{
    ASSERT_TRUE(QDir(WorkDir.path()).mkpath(QStringLiteral("HTemplates")));
    const QString broken = TemplateDir() + QStringLiteral("/broken.htp");
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\x10\x58\x39\xB4\xC8\x86\x7A\x40\x05\x00\x00\x00\x0C\x00\x00\x00", 16)); // 12 elements
    file.close();
    Dialogs.FileAnswers = {broken};
    Action("mnTemplateLoad")->trigger();
    EXPECT_EQ(
        Dialogs.MessageTexts(), std::vector<QString>{QStringLiteral("Файл проекта поврежден. Загрузка невозможна!")});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Frame().ProjectCount(), 0U);
    EXPECT_TRUE(Captions().isEmpty());
    EXPECT_FALSE(Control("btCloseProject")->isEnabled());
}

TEST_F(AppTemplateClone, CloningTwiceGivesTwoIndependentCopiesAndNoCloneFile)
{
    TUserProject* source = OpenExample();
    Dialogs.YesNoAnswers = {true, true};
    Frame().CloneProject(*source);
    // The second through the project window's own clone button.
    auto* btClone = source->findChild<QToolButton*>(QStringLiteral("btClone"));
    ASSERT_NE(btClone, nullptr);
    QTest::mouseClick(btClone, Qt::LeftButton);
    EXPECT_EQ(Dialogs.MessageTexts(),
        (std::vector<QString>{
            QStringLiteral("Клонировать текущий проект?"), QStringLiteral("Клонировать текущий проект?")}));
    EXPECT_EQ(Dialogs.Records[0].Caption, QStringLiteral("Message"));
    ASSERT_EQ(Frame().ProjectCount(), 3U);
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("ToClone.tmp"))));
    EXPECT_EQ(Captions(),
        (QStringList{QStringLiteral("Проект - ") + Path(QStringLiteral("supplier.tsy")), QStringLiteral("Проект - 2"),
            QStringLiteral("Проект - 3")}));

    std::vector<TUserProject*> clones;
    for (QMdiSubWindow* window : Frame().ClientArea()->subWindowList()) {
        auto* project = qobject_cast<TUserProject*>(window->widget());
        if (project != source) {
            clones.push_back(project);
        }
    }
    ASSERT_EQ(clones.size(), 2U);
    for (TUserProject* clone : clones) {
        ExpectSameHierarchy(source->Model(), clone->Model(), true);
        EXPECT_TRUE(clone->Document().FileName().empty());
        EXPECT_FALSE(clone->Document().Modified());
        EXPECT_TRUE(clone->Document().AskSaveOnClose());
    }
    // Independent: a change in one copy is not seen in the other or the source.
    SetCell(EditableModel(clones[0]->Document()), 0, 0, 0, 1, 9);
    EXPECT_NE(clones[1]->Model().Element(0, 0).Judgements(0, 1).Code(), 9);
    EXPECT_NE(source->Model().Element(0, 0).Judgements(0, 1).Code(), 9);

    Dialogs.YesNoAnswers = {false, false};
    Frame().close();
}

TEST_F(AppTemplateClone, DecliningTheCloneCreatesNothing)
{
    TUserProject* source = OpenExample();
    Dialogs.YesNoAnswers = {false};
    Frame().CloneProject(*source);
    EXPECT_EQ(Frame().ProjectCount(), 1U);
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("ToClone.tmp"))));
    Click("btCloseProject");
}

// What stands at the clone file's name and cannot be replaced (here a folder) is left as
// it was when the clone fails.
TEST_F(AppTemplateClone, AFailedCloneDeletesNothing)
{
    TUserProject* source = OpenExample();
    ASSERT_TRUE(QDir(WorkDir.path()).mkdir(QStringLiteral("ToClone.tmp")));
    Dialogs.YesNoAnswers = {true};
    Frame().CloneProject(*source);
    EXPECT_EQ(Dialogs.MessageTexts(),
        (std::vector<QString>{
            QStringLiteral("Клонировать текущий проект?"), QStringLiteral("Не могу клонировать текущий проект")}));
    EXPECT_TRUE(QFileInfo(Path(QStringLiteral("ToClone.tmp"))).isDir());
    EXPECT_EQ(Frame().ProjectCount(), 1U);
    Click("btCloseProject");
}

TEST_F(AppTemplateClone, CloneAndTemplateThatCannotBeWrittenSayWhy)
{
    TUserProject* source = OpenExample();
    ASSERT_TRUE(QDir(WorkDir.path()).mkpath(QStringLiteral("HTemplates")));
    const std::string start = WorkDir.path().toStdString();
    bool locked = false;
    if (::geteuid() != 0) {
        locked = ::chmod(start.c_str(), 0555) == 0 && ::chmod((start + "/HTemplates").c_str(), 0555) == 0;
    } else if (::mount(start.c_str(), start.c_str(), nullptr, MS_BIND | MS_REC, nullptr) == 0) {
        locked = ::mount(nullptr, start.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) == 0;
        if (!locked) {
            ::umount2(start.c_str(), MNT_DETACH);
        }
    }
    if (!locked) {
        Click("btCloseProject");
        GTEST_SKIP() << "the start directory cannot be made read-only here";
    }
    Dialogs.YesNoAnswers = {true};
    Frame().CloneProject(*source);
    Dialogs.FileAnswers = {TemplateDir() + QStringLiteral("/copy")};
    Action("mnSaveAsHTemplate")->trigger();
    if (::geteuid() != 0) {
        ::chmod((start + "/HTemplates").c_str(), 0755);
        ::chmod(start.c_str(), 0755);
    } else {
        ::umount2(start.c_str(), MNT_DETACH);
    }
    EXPECT_EQ(Dialogs.MessageTexts(),
        (std::vector<QString>{QStringLiteral("Клонировать текущий проект?"),
            QStringLiteral("Не могу клонировать текущий проект"),
            QStringLiteral("Не могу сохранить проект в виде шаблона")}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Frame().ProjectCount(), 1U);
    EXPECT_FALSE(QFileInfo::exists(TemplateDir() + QStringLiteral("/copy.htp")));
    Click("btCloseProject");
}

// What a double-click on a template does: the template opens as "Загрузить шаблонную
// иерархию" opens it, so no save can ever write into it.
TEST_F(AppTemplateClone, ATemplateNamedOnTheCommandLineOpensAsANewProjectAndStaysUntouched)
{
    const QString crm = Path(QStringLiteral("crm.htp"));
    const QString shouting = Path(QStringLiteral("SHAPE.HTP"));
    for (const QString& copy : {crm, shouting}) {
        ASSERT_TRUE(QFile::copy(QStringLiteral(TESSALY_SOURCE_DIR "/HTemplates/supplier.htp"), copy));
    }
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(TESSALY_SOURCE_DIR "/examples/supplier.tsy"), Path(QStringLiteral("s.tsy"))));
    const QByteArray before = apptest::ReadAll(crm);
    Frame().OpenFilesFromCommandLine({QStringLiteral("crm.htp"), QStringLiteral("s.tsy"), QStringLiteral("SHAPE.HTP")});
    EXPECT_TRUE(Dialogs.MessageTexts().empty());
    ASSERT_EQ(Frame().ProjectCount(), 3U);
    EXPECT_EQ(Captions(),
        (QStringList{QStringLiteral("Проект - 1"), QStringLiteral("Проект - ") + Path(QStringLiteral("s.tsy")),
            QStringLiteral("Проект - 3")}));

    Frame().ClientArea()->setActiveSubWindow(Frame().ClientArea()->subWindowList().at(0));
    TUserProject* fromTemplate = Frame().ActiveProject();
    ASSERT_NE(fromTemplate, nullptr);
    EXPECT_TRUE(fromTemplate->Document().FileName().empty());
    EXPECT_FALSE(HasJudgementOtherThanOne(fromTemplate->Model()));
    EditElement(fromTemplate);
    Dialogs.YesNoAnswers = {true};
    Dialogs.FileAnswers = {Path(QStringLiteral("mine"))};
    Click("btSaveProject");
    EXPECT_EQ(Dialogs.MessageTexts(), std::vector<QString>{QStringLiteral("Сохранить созданный проект в файле?")});
    EXPECT_TRUE(QFileInfo::exists(Path(QStringLiteral("mine.tsy"))));
    EXPECT_EQ(apptest::ReadAll(crm), before);
    Dialogs.YesNoAnswers = {false};
    Frame().close();
}

// Started where there is no HTemplates folder (from the desktop menu), Tessaly works in
// the user's data folder, which holds writable copies of the installed templates and
// examples and never loses a file the user already has there.
TEST_F(AppTemplateClone, WithoutHTemplatesInTheStartFolderTheUserDataFolderHoldsTheInstalledFiles)
{
    const QString installed = InstalledDataRoot() + QStringLiteral("/tessaly");
    ASSERT_TRUE(QDir().mkpath(installed + QStringLiteral("/HTemplates")));
    ASSERT_TRUE(QDir().mkpath(installed + QStringLiteral("/examples")));
    const QFileDevice::Permissions readOnly
        = QFileDevice::ReadOwner | QFileDevice::ReadUser | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    for (const char* file : {"HTemplates/supplier.htp", "examples/supplier.tsy", "examples/warehouse.tsy"}) {
        const QString target = installed + QLatin1Char('/') + QString::fromLatin1(file);
        ASSERT_TRUE(QFile::copy(QStringLiteral(TESSALY_SOURCE_DIR "/") + QString::fromLatin1(file), target));
        ASSERT_TRUE(QFile::setPermissions(target, readOnly));
    }
    const QString data = UserDataHome() + QStringLiteral("/tessaly");
    // The user's own example of that name, from an earlier run.
    ASSERT_TRUE(QDir().mkpath(data + QStringLiteral("/examples")));
    {
        QFile own(data + QStringLiteral("/examples/supplier.tsy"));
        ASSERT_TRUE(own.open(QIODevice::WriteOnly));
        own.write("mine");
    }

    // The open dialog's first use starts in the user's data folder.
    Dialogs.FileAnswers = {QString()};
    Click("btOpenProject");
    ASSERT_EQ(Dialogs.Records.size(), 1U);
    EXPECT_EQ(Dialogs.Records[0].Caption, data);
    EXPECT_EQ(apptest::ReadAll(data + QStringLiteral("/examples/supplier.tsy")), QByteArray("mine"));

    // The template dialog starts in its templates, copied there writable.
    const QString userTemplates = data + QStringLiteral("/HTemplates");
    const QString copied = userTemplates + QStringLiteral("/supplier.htp");
    Dialogs.Records.clear();
    Dialogs.FileAnswers = {copied};
    Click("btOpenTempalteH");
    ASSERT_EQ(Dialogs.Records.size(), 1U);
    EXPECT_EQ(Dialogs.Records[0].Caption, userTemplates);
    EXPECT_EQ(apptest::ReadAll(copied), apptest::ReadAll(installed + QStringLiteral("/HTemplates/supplier.htp")));
    EXPECT_TRUE(QFileInfo(copied).permissions().testFlag(QFileDevice::WriteOwner));
    ASSERT_EQ(Frame().ProjectCount(), 1U);
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("Проект - 1")});

    // Templates the user saves go there too; the start folder gets none.
    Dialogs.Records.clear();
    Dialogs.FileAnswers = {userTemplates + QStringLiteral("/own")};
    Action("mnSaveAsHTemplate")->trigger();
    ASSERT_EQ(Dialogs.Records.size(), 1U);
    EXPECT_EQ(Dialogs.Records[0].Caption, userTemplates);
    EXPECT_TRUE(QFileInfo::exists(userTemplates + QStringLiteral("/own.htp")));
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("HTemplates"))));
    Dialogs.YesNoAnswers = {false};
    Frame().close();
}

TEST_F(AppTemplateClone, ATreesTemplateIsATreeFileAndLoadsAsANewTree)
{
    TTreeProject* source = OpenExampleTree();
    ASSERT_NE(source, nullptr);
    Dialogs.FileAnswers = {TemplateDir() + QStringLiteral("/car")};
    Action("mnSaveAsHTemplate")->trigger();
    ASSERT_EQ(Dialogs.Records.size(), 1U);
    EXPECT_EQ(Dialogs.Records[0].Text, QStringLiteral("Шаблон дерева TESSALY (*.tsj)"));
    EXPECT_EQ(Dialogs.Records[0].Caption, TemplateDir());
    const QString templateFile = TemplateDir() + QStringLiteral("/car.tsj");
    CHierarchy written;
    ASSERT_TRUE(ReadTreeFile(written, templateFile.toStdString()).Succeeded());
    EXPECT_TRUE(written == source->Document().Tree().Template()); // every judgement 1, the rest kept
    EXPECT_FALSE(source->Document().Modified());

    // The template dialog offers both kinds once the folder holds a tree's.
    Dialogs.Records.clear();
    Dialogs.FileAnswers = {templateFile};
    Click("btOpenTempalteH");
    ASSERT_EQ(Dialogs.Records.size(), 1U);
    EXPECT_EQ(Dialogs.Records[0].Text, QStringLiteral("Шаблон TESSALY (*.htp *.tsj)"));
    TTreeProject* loaded = Frame().ActiveTree();
    ASSERT_NE(loaded, nullptr);
    ASSERT_NE(loaded, source);
    EXPECT_EQ(Captions().at(1), QStringLiteral("Проект - 2"));
    EXPECT_TRUE(loaded->Document().FileName().empty());
    EXPECT_TRUE(loaded->Document().Tree() == written);

    // Saving the new tree asks for a file, never writes into the template.
    Dialogs.Records.clear();
    Dialogs.YesNoAnswers = {true};
    Dialogs.FileAnswers = {Path(QStringLiteral("mine"))};
    Click("btSaveProject");
    EXPECT_EQ(Dialogs.MessageTexts(), std::vector<QString>{QStringLiteral("Сохранить созданный проект в файле?")});
    EXPECT_TRUE(QFileInfo::exists(Path(QStringLiteral("mine.tsj"))));
    Dialogs.YesNoAnswers = {false};
    Frame().close();
}

TEST_F(AppTemplateClone, ATreeClonedFromItsOutlineMenuIsANewIndependentTree)
{
    TTreeProject* source = OpenExampleTree();
    ASSERT_NE(source, nullptr);
    QAction* clone = source->Outline()->findChild<QAction*>(QStringLiteral("mnCloneTree"));
    ASSERT_NE(clone, nullptr);
    EXPECT_TRUE(source->Outline()->actions().contains(clone)); // on the outline's menu
    for (const bool yes : {false, true}) {
        Dialogs.YesNoAnswers = {yes};
        clone->trigger();
        EXPECT_EQ(Dialogs.MessageTexts().back(), QStringLiteral("Клонировать текущий проект?"));
        EXPECT_EQ(Frame().TreeWindows().size(), yes ? 2U : 1U);
    }
    TTreeProject* copy = Frame().ActiveTree();
    ASSERT_NE(copy, source);
    EXPECT_EQ(Captions().at(1), QStringLiteral("Проект - 2"));
    EXPECT_TRUE(copy->Document().Tree() == source->Document().Tree());
    EXPECT_TRUE(copy->Document().FileName().empty());
    EXPECT_FALSE(copy->Document().Modified());
    EXPECT_TRUE(copy->Document().AskSaveOnClose());
    EXPECT_EQ(copy->Alternatives()->topLevelItem(0)->text(1), source->Alternatives()->topLevelItem(0)->text(1));
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("ToClone.tmp"))));
    ASSERT_EQ(copy->Document().SetNodeText(1, "Цена покупки", ""), "");
    EXPECT_NE(source->Document().Tree().Node(1).Name, "Цена покупки");
    Dialogs.YesNoAnswers = {false, false};
    Frame().close();
}

TEST_F(AppTemplateClone, ATreesExpertsGetTreeFiles)
{
    TTreeProject* source = OpenExampleTree();
    ASSERT_NE(source, nullptr);
    apptest::WhenModal<TfmExpertFiles>([](TfmExpertFiles* dialog) {
        dialog->edExpertNames->setPlainText(QStringLiteral("Анна\nБорис"));
        QTest::mouseClick(dialog->btOk, Qt::LeftButton);
    });
    Action("mnPrepareExpertFiles")->trigger();
    for (const char* name : {"Анна.tsj", "Борис.tsj"}) {
        CHierarchy expert;
        ASSERT_TRUE(ReadTreeFile(expert, Path(QString::fromUtf8(name)).toStdString()).Succeeded()) << name;
        EXPECT_EQ(HierarchyDifference(source->Document().Tree(), "a", expert, "b"), std::nullopt);
        EXPECT_FALSE(expert.Goal().Judgements(0, 1).IsJudged());
    }
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("Анна.tsy"))));
    Click("btCloseProject");
}
