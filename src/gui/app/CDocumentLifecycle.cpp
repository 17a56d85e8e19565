#include "gui/app/CDocumentLifecycle.h"

#include "core/document/CProjectDocument.h"
#include "core/document/DocumentFile.h"
#include "core/lifecycle/CCloseAllSequence.h"
#include "core/model/CHierarchy.h"
#include "core/storage/GroupFile.h"
#include "core/storage/ProjectFile.h"
#include "core/storage/TreeFile.h"
#include "gui/app/CProjectWindowHost.h"
#include "gui/view/TTreeProject.h"
#include "gui/view/TUserProject.h"
#include "gui/widgets/CUserDialogs.h"
#include "gui/widgets/MenuText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {
const QString MessageCaption = QStringLiteral("Message");
// The file choices' filters, translated when a dialog is shown.
constexpr const char* ProjectFilter = QT_TRANSLATE_NOOP("CDocumentLifecycle", "Проект TESSALY (*.tsy)");
// The open command offers tree files beside layered projects.
constexpr const char* OpenFilter = QT_TRANSLATE_NOOP("CDocumentLifecycle", "Проект TESSALY (*.tsy *.tsj)");
constexpr const char* TreeFilter = QT_TRANSLATE_NOOP("CDocumentLifecycle", "Дерево критериев TESSALY (*.tsj)");
constexpr const char* TemplateFilter = QT_TRANSLATE_NOOP("CDocumentLifecycle", "Шаблон TESSALY (*.htp)");
constexpr const char* TreeTemplateFilter = QT_TRANSLATE_NOOP("CDocumentLifecycle", "Шаблон дерева TESSALY (*.tsj)");
// Offered when the template folder holds templates of trees beside layered ones.
constexpr const char* BothTemplatesFilter = QT_TRANSLATE_NOOP("CDocumentLifecycle", "Шаблон TESSALY (*.htp *.tsj)");

QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}
} // namespace

CDocumentLifecycle::CDocumentLifecycle(QWidget* messageParent, CProjectWindowHost& windows, QString startDirectory)
    : MessageParent(messageParent)
    , Windows(windows)
    , StartDir(std::move(startDirectory))
    , DataFolder(CUserDataFolder::FromEnvironment(QCoreApplication::applicationDirPath().toStdString()))
{
}

CDocumentLifecycle::~CDocumentLifecycle() = default;

void CDocumentLifecycle::Inform(const QString& text, const QString& path, const std::string& reason)
{
    const QString details = Text(FileErrorDetails(path.toStdString(), reason));
    if (details.isEmpty()) {
        UserDialogs().Inform(MessageParent, text, MessageCaption);
    } else {
        UserDialogs().InformWithDetails(MessageParent, text, MessageCaption, details);
    }
}

bool CDocumentLifecycle::Ask(const QString& text)
{
    return UserDialogs().AskYesNo(MessageParent, text, MessageCaption);
}

bool CDocumentLifecycle::Write(CProjectDocument& document, const QString& path)
{
    std::string reason;
    // A tree is written whole as a tree file; SaveDocument marks it saved itself.
    const EWriteResult result = document.IsTree()
        ? SaveDocument(document, path.toStdString(), &reason)
        : SaveProjectFile(document.Model(), path.toStdString(), false, ELinkAtName::WriteThrough, &reason);
    if (result != EWriteResult::Ok) {
        Inform(Text(WriteResultText(result, StoragePhrases::FileOpenError)), path, reason);
        return false;
    }
    return true;
}

QString CDocumentLifecycle::TemplateFolder()
{
    return Text(DataFolder.TemplateFolderFor(StartDir.toStdString()));
}

const QString& CDocumentLifecycle::OpenDialogStart()
{
    if (!OpenDialogUsed && OpenDialogDirectory.isEmpty()) {
        OpenDialogDirectory = Text(DataFolder.FirstOpenFolderFor(StartDir.toStdString()));
    }
    OpenDialogUsed = true;
    return OpenDialogDirectory;
}

TUserProject* CDocumentLifecycle::WindowOf(const QString& path) const
{
    for (TUserProject* project : Windows.RegisteredProjects()) {
        if (SameFile(project->Document().FileName(), path.toStdString())) {
            return project;
        }
    }
    return nullptr;
}

// ---- saving

ESaveOutcome CDocumentLifecycle::Save(CProjectDocument& document, QWidget& window)
{
    const ESaveQuestion question = SaveQuestionOf(document);
    if (question == ESaveQuestion::None) {
        return ESaveOutcome::NothingToSave;
    }
    if (!Ask(Text(Tr(SaveQuestionPhrase(question))))) {
        return ESaveOutcome::Declined;
    }
    if (question == ESaveQuestion::SaveChanges) {
        if (!Write(document, Text(document.FileName()))) {
            return ESaveOutcome::Failed; // Modified stays set
        }
        document.MarkSaved();
        return ESaveOutcome::Saved;
    }
    const bool tree = document.IsTree();
    const QString chosen = UserDialogs().ChooseFileToSave(
        MessageParent, tree ? TreeSaveDialogFilter : SaveDialogFilter, SaveDialogDirectory);
    if (chosen.isEmpty()) {
        return ESaveOutcome::Cancelled;
    }
    const CSaveTarget target
        = SaveTargetOf(chosen.toStdString(), tree ? TreeFileExtension : ".tsy", ENamedIn::SaveDialog);
    if (target.AskReplace && !Ask(Text(Tr(ReplaceFileQuestion)))) {
        return ESaveOutcome::Cancelled;
    }
    if (!Write(document, Text(target.Path))) {
        return ESaveOutcome::Failed;
    }
    SetDocumentCaption(window, Text(SavedCaption(target.Path)));
    document.SetFileName(target.Path);
    document.MarkSaved();
    return ESaveOutcome::Saved;
}

bool CDocumentLifecycle::MayClose(CProjectDocument& document, QWidget& window)
{
    return !document.AskSaveOnClose() || MayCloseAfter(Save(document, window));
}

void CDocumentLifecycle::SaveAs(CProjectDocument& document, QWidget& window)
{
    const bool tree = document.IsTree();
    OpenDialogFilter = tr(tree ? TreeFilter : ProjectFilter);
    const QString chosen = UserDialogs().ChooseFileToOpen(MessageParent, OpenDialogFilter, OpenDialogStart());
    if (chosen.isEmpty()) {
        return;
    }
    const CSaveTarget target
        = SaveTargetOf(chosen.toStdString(), tree ? TreeFileExtension : ".tsy", ENamedIn::OpenDialog);
    if (target.AskReplace && !Ask(Text(Tr(ReplaceFileQuestion)))) {
        return;
    }
    // The project keeps the new name even when the write fails; it then counts as changed,
    // so that closing still asks, even for a project that was never saved anywhere. A
    // changed project stays changed after Save as: the file it is bound to now holds no
    // state that undoing could come back to, so only a save makes it unchanged.
    document.SetFileName(target.Path);
    SetDocumentCaption(window, Text(NamedCaption(target.Path)));
    if (!Write(document, Text(target.Path)) || document.Modified()) {
        document.ForgetSavedState();
    }
}

void CDocumentLifecycle::SaveAsTemplate(const CProjectDocument& document)
{
    const bool tree = document.IsTree();
    const QString directory = TemplateFolder();
    QDir().mkpath(directory); // a first template should not fail for want of its folder
    // The save dialog of the template's shape keeps the template filter afterwards.
    QString& filter = tree ? TreeSaveDialogFilter : SaveDialogFilter;
    filter = tr(tree ? TreeTemplateFilter : TemplateFilter);
    SaveDialogDirectory = directory;
    const QString chosen = UserDialogs().ChooseFileToSave(MessageParent, filter, SaveDialogDirectory);
    if (chosen.isEmpty()) {
        return;
    }
    const CSaveTarget target
        = SaveTargetOf(chosen.toStdString(), tree ? TreeFileExtension : ".htp", ENamedIn::SaveDialog);
    if (target.AskReplace && !Ask(Text(Tr(ReplaceFileQuestion)))) {
        return;
    }
    std::string reason;
    const EWriteResult result = tree
        ? SaveTreeFile(document.Tree(), target.Path, true, ELinkAtName::WriteThrough, &reason)
        : SaveProjectFile(document.Model(), target.Path, true, ELinkAtName::WriteThrough, &reason);
    if (result != EWriteResult::Ok) {
        Inform(Text(WriteResultText(result, StoragePhrases::TemplateSaveError)), Text(target.Path), reason);
    }
}

// ---- opening

QString CDocumentLifecycle::ChooseProjectToOpen()
{
    OpenDialogFilter = tr(OpenFilter);
    return UserDialogs().ChooseFileToOpen(MessageParent, OpenDialogFilter, OpenDialogStart());
}

QString CDocumentLifecycle::ChooseTemplateToOpen()
{
    // The open dialog keeps the template folder for later Open commands.
    OpenDialogDirectory = TemplateFolder();
    OpenDialogUsed = true;
    const std::vector<std::string> offered = CUserDataFolder::TemplatesIn(OpenDialogDirectory.toStdString());
    OpenDialogFilter
        = tr(std::any_of(offered.begin(), offered.end(), IsTreeFileName) ? BothTemplatesFilter : TemplateFilter);
    return UserDialogs().ChooseFileToOpen(MessageParent, OpenDialogFilter, OpenDialogDirectory);
}

bool CDocumentLifecycle::OpenInNewWindow(const QString& path, EOpening opening)
{
    if (opening == EOpening::Project) {
        // Two windows bound to one file would each save over the other's work.
        if (TUserProject* open = WindowOf(path)) {
            Windows.ShowProjectWindow(open);
            return true;
        }
    }
    const COpening plan = OpeningOf(opening, path.toStdString());
    TUserProject* project = Windows.CreateProjectWindow(Text(plan.Caption));
    if (project == nullptr) {
        Inform(Text(Tr(plan.CreationFailure)));
        return false;
    }
    project->Document().SetFileName(plan.FileName);
    const CReadOutcome outcome = ReadProjectDocument(project->Document(), path.toStdString());
    if (!outcome.Succeeded()) {
        Inform(Text(outcome.Message), path, outcome.Reason);
        Windows.DiscardProjectWindow(project);
        return false;
    }
    project->ShowLoadedHierarchy();
    // A window whose build failed has closed itself, with its own message, and left the
    // registry.
    if (!Windows.IsRegistered(project)) {
        Windows.DiscardProjectWindow(project);
        return false;
    }
    Windows.ShowProjectWindow(project);
    return true;
}

void CDocumentLifecycle::Open()
{
    const QString path = ChooseProjectToOpen();
    if (path.isEmpty()) {
        return;
    }
    // A group file chosen here opens as a group, as from the command line.
    if (IsGroupFileName(path.toStdString())) {
        Windows.OpenGroupFile(QFileInfo(path).absoluteFilePath());
        return;
    }
    if (IsTreeFileName(path.toStdString())) {
        OpenTreeFile(QFileInfo(path).absoluteFilePath());
        return;
    }
    OpenProjectFile(path);
}

bool CDocumentLifecycle::OpenTreeFile(const QString& path)
{
    return OpenTreeInNewWindow(path, EOpening::Project);
}

bool CDocumentLifecycle::OpenTreeInNewWindow(const QString& path, EOpening opening)
{
    if (opening == EOpening::Project) {
        // Two windows bound to one file would each save over the other's work.
        for (TTreeProject* open : Windows.TreeWindows()) {
            if (SameFile(open->Document().FileName(), path.toStdString())) {
                Windows.ShowTreeWindow(open);
                return true;
            }
        }
    }
    const COpening plan = OpeningOf(opening, path.toStdString());
    TTreeProject* window = Windows.CreateTreeWindow(Text(plan.Caption));
    if (window == nullptr) {
        Inform(Text(Tr(plan.CreationFailure)));
        return false;
    }
    const CReadOutcome outcome = ReadTreeDocument(window->Document(), path.toStdString());
    if (!outcome.Succeeded()) {
        Inform(Text(outcome.Message), path, outcome.Reason);
        Windows.DiscardTreeWindow(window);
        return false;
    }
    window->Document().SetFileName(plan.FileName);
    window->ShowLoadedTree();
    Windows.ShowTreeWindow(window);
    return true;
}

bool CDocumentLifecycle::OpenProjectFile(const QString& path)
{
    return OpenInNewWindow(path, EOpening::Project);
}

void CDocumentLifecycle::LoadTemplate()
{
    const QString path = ChooseTemplateToOpen();
    if (path.isEmpty()) {
        return;
    }
    // A template of a tree makes a new tree project.
    if (IsTreeFileName(path.toStdString())) {
        OpenTreeInNewWindow(path, EOpening::Template);
        return;
    }
    OpenInNewWindow(path, EOpening::Template);
}

void CDocumentLifecycle::OpenFromCommandLine(const QStringList& paths)
{
    for (const QString& path : paths) {
        if (!path.isEmpty()) {
            // The open dialog hands over absolute paths; so does this.
            const QString absolute = QFileInfo(path).absoluteFilePath();
            if (IsGroupFileName(absolute.toStdString())) {
                Windows.OpenGroupFile(absolute);
                continue;
            }
            if (IsTreeFileName(absolute.toStdString())) {
                OpenTreeFile(absolute);
                continue;
            }
            OpenInNewWindow(absolute, CommandLineOpeningOf(absolute.toStdString()));
        }
    }
}

bool CDocumentLifecycle::OpenCopy(const QString& path)
{
    return OpenInNewWindow(path, EOpening::Copy);
}

void CDocumentLifecycle::Clone(const CProjectDocument& source)
{
    if (!Ask(Text(Tr(CloneQuestion)))) {
        return;
    }
    if (source.IsTree()) {
        CloneTree(source.Tree());
        return;
    }
    const std::string cloneFile = CloneFileName(StartDir.toStdString());
    // A scratch file of the program's own: a link standing at its name is replaced, never
    // written through.
    std::string reason;
    if (SaveProjectFile(source.Model(), cloneFile, false, ELinkAtName::Replace, &reason) != EWriteResult::Ok) {
        // Nothing was written, so nothing is deleted: what stood at that name stays.
        Inform(Text(Tr(StoragePhrases::CloneError)), Text(cloneFile), reason);
        return;
    }
    OpenCopy(Text(cloneFile));
    std::error_code ignored; // the clone file is never left behind; a failed delete is not reported
    std::filesystem::remove(cloneFile, ignored);
}

void CDocumentLifecycle::CloneTree(const CHierarchy& tree)
{
    // The tree is copied as it is; no file stands between it and its copy.
    TTreeProject* window = Windows.CreateTreeWindow(QString());
    if (window == nullptr) {
        Inform(Text(Tr(StoragePhrases::CloneError)));
        return;
    }
    window->Document().BuildTree(tree);
    window->ShowLoadedTree();
    Windows.ShowTreeWindow(window);
}

// ---- closing

bool CDocumentLifecycle::CloseAll()
{
    CCloseAllSequence sequence;
    for (TUserProject* project : Windows.RegisteredProjects()) {
        CCloseAllSequence::Closing(project->Document());
        if (Windows.CloseProjectWindow(project)) {
            Windows.ForgetProject(project);
        } else {
            sequence.Stayed(project->Document());
        }
    }
    return sequence.FrameMayClose();
}

bool CDocumentLifecycle::ConfirmExit()
{
    return Ask(Text(Tr(ExitQuestion)));
}
