#pragma once

#include "core/lifecycle/CUserDataFolder.h"
#include "core/lifecycle/LifecycleRules.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class CHierarchy;
class CProjectDocument;
class CProjectWindowHost;
class QWidget;
class TTreeProject;
class TUserProject;

// The whole life of a project between its window and its file, in one place: Open,
// Save, Save as, the template commands, the clone, the save question of a closing
// window, closing every project and the exit question. The rules come from the core;
// the questions, messages and file choices go through the user-dialog seam, and the
// windows are the frame's, made and shown through its host interface. It keeps what
// the reusable file dialogs remember between commands.
class CDocumentLifecycle final {
    Q_DECLARE_TR_FUNCTIONS(CDocumentLifecycle)

public:
    // Messages are shown over messageParent (the frame); windows is the frame too.
    CDocumentLifecycle(QWidget* messageParent, CProjectWindowHost& windows, QString startDirectory);
    CDocumentLifecycle(const CDocumentLifecycle&) = delete;
    CDocumentLifecycle& operator=(const CDocumentLifecycle&) = delete;
    ~CDocumentLifecycle();

    // ---- saving
    // The Save operation. window's caption becomes the bare file name when a new
    // project gets its file.
    ESaveOutcome Save(CProjectDocument& document, QWidget& window);
    // What closing a project window asks: the Save operation when the project wants
    // its question. False when a save the user asked for did not happen (failed or
    // cancelled), so that the window, and the frame, stay open with the work.
    bool MayClose(CProjectDocument& document, QWidget& window);
    // Save as: the name chosen, the replace question for an existing file, the file
    // name taken and the caption "Проект - " + name, even if the write then fails: the
    // title shows the name the project will be saved under.
    void SaveAs(CProjectDocument& document, QWidget& window);
    // The structure without judgements as a template (a tree's as a tree file); nothing of
    // the project changes.
    void SaveAsTemplate(const CProjectDocument& document);

    // ---- opening; a refused file leaves no window behind
    // "Открыть проект": the file chosen, then opened as OpenProjectFile does.
    void Open();
    // A project file in a new window bound to it, captioned "Проект - " + path; false
    // when refused. A file already open only has its window brought to the front.
    bool OpenProjectFile(const QString& path);
    // A tree file in a new tree window bound to it; false when refused. A file already
    // open only has its window brought to the front.
    bool OpenTreeFile(const QString& path);
    // "Загрузить шаблонную иерархию": the template chosen, a new unnamed project made of it
    // (a tree project of a tree's template).
    void LoadTemplate();
    // The program's arguments, every one a file name, opened in order: a template as
    // the template command loads it, a group file in a group window, anything else as a
    // project.
    void OpenFromCommandLine(const QStringList& paths);
    // The clone button: asks, writes the clone file, opens the copy and always deletes
    // the file. A tree is copied into its new window directly.
    void Clone(const CProjectDocument& source);
    // A new unnamed project from a project file (the clone file).
    bool OpenCopy(const QString& path);

    // ---- closing
    // Closing the frame: every project's window closed in turn with its question. False
    // when one stayed (a save the user asked for did not happen): the frame stays too.
    bool CloseAll();
    // "Выйти из программы?"
    bool ConfirmExit();

    [[nodiscard]] QString StartDirectory() const { return StartDir; }
    void SetStartDirectory(const QString& directory) { StartDir = directory; }

private:
    // A message; a file error's informative text names the file and the reason.
    void Inform(const QString& text, const QString& path = QString(), const std::string& reason = {});
    bool Ask(const QString& text);
    // Writes with judgements through the safe save; on failure shows its message.
    bool Write(CProjectDocument& document, const QString& path);
    // The templates' folder: the start folder's, or the user's data folder's.
    QString TemplateFolder();
    // The open dialog starts, the first time it is used, in the user's data folder.
    const QString& OpenDialogStart();
    // The window of the project bound to the file, if one is open.
    TUserProject* WindowOf(const QString& path) const;
    // The open command's and the template command's file choice; empty when cancelled.
    QString ChooseProjectToOpen();
    QString ChooseTemplateToOpen();
    // Makes the window, reads the file into its document and shows it; a refused
    // file's window is discarded.
    bool OpenInNewWindow(const QString& path, EOpening opening);
    // The same for a tree file, in a tree window.
    bool OpenTreeInNewWindow(const QString& path, EOpening opening);
    // A new unnamed tree window holding a copy of tree.
    void CloneTree(const CHierarchy& tree);

    QWidget* MessageParent = nullptr;
    CProjectWindowHost& Windows;
    QString StartDir;
    CUserDataFolder DataFolder;
    // What the reusable file dialogs keep between commands.
    QString OpenDialogFilter;
    QString OpenDialogDirectory;
    bool OpenDialogUsed = false;
    QString SaveDialogFilter = tr("Файл проекта (*.tsy)");
    QString TreeSaveDialogFilter = tr("Дерево критериев TESSALY (*.tsj)");
    QString SaveDialogDirectory;
};
