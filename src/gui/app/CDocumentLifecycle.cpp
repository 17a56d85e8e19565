#include "gui/app/CDocumentLifecycle.h"

#include "core/document/CProjectDocument.h"
#include "core/model/TLoadSaveProject.h"
#include "core/storage/ProjectFile.h"
#include "gui/widgets/CUserDialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

namespace {
const QString MessageCaption = QStringLiteral("Message");
const QString ProjectCaptionPrefix = QStringLiteral("Проект - ");
const QString ProjectFilter = QStringLiteral("Проект TESSALY (*.tsy)");
const QString TemplateFilter = QStringLiteral("Шаблон TESSALY (*.htp)");
const QString ReplaceQuestion = QStringLiteral("Файл с таким именем уже существует. Заменить его?");
} // namespace

CDocumentLifecycle::CDocumentLifecycle(QWidget* messageParent, QString startDirectory)
    : MessageParent(messageParent)
    , StartDir(std::move(startDirectory))
    , LoadSaveProject(std::make_unique<TLoadSaveProject>())
{
}

CDocumentLifecycle::~CDocumentLifecycle() = default;

void CDocumentLifecycle::Inform(const QString& text)
{
    UserDialogs().Inform(MessageParent, text, MessageCaption);
}

bool CDocumentLifecycle::Ask(const QString& text)
{
    return UserDialogs().AskYesNo(MessageParent, text, MessageCaption);
}

bool CDocumentLifecycle::MayReplace(const QString& chosen, const QString& path)
{
    return path == chosen || !QFileInfo::exists(path) || Ask(ReplaceQuestion);
}

bool CDocumentLifecycle::Write(const CProjectDocument& document, const QString& path)
{
    const EWriteResult result = SaveProjectFile(document.Model(), path.toStdString(), false);
    if (result != EWriteResult::Ok) {
        Inform(QString::fromUtf8(WriteResultText(result, FileOpenErrorText)));
        return false;
    }
    return true;
}

CDocumentLifecycle::ESaveOutcome CDocumentLifecycle::Save(CProjectDocument& document, QWidget& window)
{
    if (!document.FileName().empty()) {
        if (!document.Modified()) {
            return ESaveOutcome::NothingToSave;
        }
        if (!Ask(QStringLiteral("Сохранить сделанные в проекте изменения?"))) {
            return ESaveOutcome::Declined;
        }
        if (!Write(document, QString::fromStdString(document.FileName()))) {
            return ESaveOutcome::Failed; // Modified stays set
        }
        document.MarkSaved();
        return ESaveOutcome::Saved;
    }
    if (!Ask(QStringLiteral("Сохранить созданный проект в файле?"))) {
        return ESaveOutcome::Declined;
    }
    const QString chosen = UserDialogs().ChooseFileToSave(MessageParent, SaveDialogFilter, SaveDialogDirectory);
    if (chosen.isEmpty()) {
        return ESaveOutcome::Cancelled;
    }
    const QString path = QString::fromStdString(ApplyExtensionRule(chosen.toStdString(), ".tsy"));
    if (!MayReplace(chosen, path)) {
        return ESaveOutcome::Cancelled;
    }
    if (!Write(document, path)) {
        return ESaveOutcome::Failed;
    }
    window.setWindowTitle(path);
    document.SetFileName(path.toStdString());
    document.MarkSaved();
    return ESaveOutcome::Saved;
}

bool CDocumentLifecycle::MayClose(CProjectDocument& document, QWidget& window)
{
    if (!document.AskSaveOnClose()) {
        return true;
    }
    const ESaveOutcome outcome = Save(document, window);
    return outcome != ESaveOutcome::Failed && outcome != ESaveOutcome::Cancelled;
}

void CDocumentLifecycle::SaveAs(CProjectDocument& document, QWidget& window)
{
    OpenDialogFilter = ProjectFilter;
    const QString chosen = UserDialogs().ChooseFileToOpen(MessageParent, OpenDialogFilter, OpenDialogDirectory);
    if (chosen.isEmpty()) {
        return;
    }
    const QString path = QString::fromStdString(ApplyExtensionRule(chosen.toStdString(), ".tsy"));
    // The open dialog asks nothing about an existing file, so the command does.
    if (QFileInfo::exists(path) && !Ask(ReplaceQuestion)) {
        return;
    }
    // The project keeps the new name even when the write fails; it then counts as changed,
    // so that closing still asks, even for a project that was never saved anywhere.
    document.SetFileName(path.toStdString());
    if (!Write(document, path)) {
        document.MarkModified();
        return;
    }
    window.setWindowTitle(ProjectCaptionPrefix + path);
}

void CDocumentLifecycle::SaveAsTemplate(const CProjectDocument& document)
{
    const QString directory = QString::fromStdString(TemplateDirectory(StartDir.toStdString()));
    QDir().mkpath(directory); // a first template should not fail for want of its folder
    SaveDialogFilter = TemplateFilter;
    SaveDialogDirectory = directory;
    const QString chosen = UserDialogs().ChooseFileToSave(MessageParent, SaveDialogFilter, SaveDialogDirectory);
    if (chosen.isEmpty()) {
        return;
    }
    const std::string path = ApplyExtensionRule(chosen.toStdString(), ".htp");
    if (!MayReplace(chosen, QString::fromStdString(path))) {
        return;
    }
    const EWriteResult result = SaveProjectFile(document.Model(), path, true);
    if (result != EWriteResult::Ok) {
        Inform(QString::fromUtf8(WriteResultText(result, TemplateSaveErrorText)));
    }
}

bool CDocumentLifecycle::ConfirmExit()
{
    return Ask(QStringLiteral("Выйти из программы?"));
}

QString CDocumentLifecycle::ChooseProjectToOpen()
{
    OpenDialogFilter = ProjectFilter;
    return UserDialogs().ChooseFileToOpen(MessageParent, OpenDialogFilter, OpenDialogDirectory);
}

QString CDocumentLifecycle::ChooseTemplateToOpen()
{
    // The open dialog keeps the template folder for later Open commands.
    OpenDialogDirectory = QString::fromStdString(TemplateDirectory(StartDir.toStdString()));
    OpenDialogFilter = TemplateFilter;
    return UserDialogs().ChooseFileToOpen(MessageParent, OpenDialogFilter, OpenDialogDirectory);
}

bool CDocumentLifecycle::Read(const QString& path)
{
    const CReadOutcome outcome = ReadProjectFile(*LoadSaveProject, path.toStdString());
    if (!outcome.Succeeded()) {
        Inform(QString::fromStdString(outcome.Message));
        return false;
    }
    return true;
}

bool CDocumentLifecycle::WriteCloneFile(const CProjectDocument& document, const QString& path)
{
    // A scratch file of the program's own: a link standing at its name is replaced, never
    // written through.
    return SaveProjectFile(document.Model(), path.toStdString(), false, ELinkAtName::Replace) == EWriteResult::Ok;
}
