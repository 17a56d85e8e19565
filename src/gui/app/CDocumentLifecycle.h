#pragma once

#include <QString>

#include <memory>

class CProjectDocument;
class QWidget;
class TLoadSaveProject;

// The file side of every project's life, in one place for the frame and the project
// windows: Save, Save as, Save as template, the save question of a closing window,
// the exit question and reading a file, each with its questions and messages through
// the user-dialog seam. It keeps what the reusable file dialogs remember between
// commands and the one exchange record every read fills.
class CDocumentLifecycle final {
public:
    // Messages are shown over messageParent (the frame).
    CDocumentLifecycle(QWidget* messageParent, QString startDirectory);
    CDocumentLifecycle(const CDocumentLifecycle&) = delete;
    CDocumentLifecycle& operator=(const CDocumentLifecycle&) = delete;
    ~CDocumentLifecycle();

    enum class ESaveOutcome {
        Saved,
        NothingToSave, // a project from a file with nothing changed
        Declined,      // the question answered No
        Cancelled,     // Yes, then the file dialog cancelled: the save did not happen
        Failed,        // Yes, and the file could not be written (message shown)
    };
    // The Save operation. window's caption becomes the bare file name when a new
    // project gets its file.
    ESaveOutcome Save(CProjectDocument& document, QWidget& window);
    // What closing a project window asks: the Save operation when the project wants
    // its question. False when a save the user asked for did not happen (failed or
    // cancelled), so that the window, and the frame, stay open with the work.
    bool MayClose(CProjectDocument& document, QWidget& window);
    // Save as: the name chosen, the replace question for an existing file, the file
    // name taken (even if the write then fails) and the caption "Проект - " + name.
    void SaveAs(CProjectDocument& document, QWidget& window);
    // The structure without judgements as a template; nothing of the project changes.
    void SaveAsTemplate(const CProjectDocument& document);
    // "Выйти из программы?"
    bool ConfirmExit();

    // The open command's and the template command's file choice; empty when cancelled.
    QString ChooseProjectToOpen();
    QString ChooseTemplateToOpen();

    // Reads a project file into the exchange record; on refusal the reader's message
    // is shown and false returned.
    bool Read(const QString& path);
    [[nodiscard]] const TLoadSaveProject& Record() const { return *LoadSaveProject; }
    // Writes the clone file; false (nothing shown) when it could not be written.
    bool WriteCloneFile(const CProjectDocument& document, const QString& path);

    [[nodiscard]] QString StartDirectory() const { return StartDir; }
    void SetStartDirectory(const QString& directory) { StartDir = directory; }

private:
    void Inform(const QString& text);
    bool Ask(const QString& text);
    // The save dialog asked about the name as typed; when the extension rule made another
    // name of an existing file, that one is asked about here. False on No.
    bool MayReplace(const QString& chosen, const QString& path);
    // Writes with judgements through the safe save; on failure shows its message.
    bool Write(const CProjectDocument& document, const QString& path);

    QWidget* MessageParent = nullptr;
    QString StartDir;
    std::unique_ptr<TLoadSaveProject> LoadSaveProject;
    // What the reusable file dialogs keep between commands.
    QString OpenDialogFilter;
    QString OpenDialogDirectory;
    QString SaveDialogFilter = QStringLiteral("Файл проекта (*.tsy)");
    QString SaveDialogDirectory;
};
