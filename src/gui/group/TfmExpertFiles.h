#pragma once

#include <QDialog>
#include <QStringList>

#include <string>
#include <vector>

class CProjectDocument;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Подготовить файлы для экспертов": the experts' names one per line, the folder their
// files go to and whether the files keep the project's own judgements. A name that
// cannot make a file is refused while it is typed, with its line's message; files that
// exist already are replaced only when they are expert files of this project and the user
// agrees; an open project or any other file is never replaced. A tree's experts get tree
// files. Created once, reused.
class TfmExpertFiles final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfmExpertFiles)

public:
    explicit TfmExpertFiles(QWidget* parent = nullptr);
    ~TfmExpertFiles() override;

    // The dialog over project, its folder starting at folder (the names typed last time
    // stay): the files written, in the names' order; empty when cancelled. The files of
    // openProjects (the projects open in the program) are never replaced.
    QStringList Prepare(
        const CProjectDocument& project, const QString& folder, const std::vector<std::string>& openProjects);
    [[nodiscard]] QString Folder() const;

    QPlainTextEdit* edExpertNames = nullptr;
    QLabel* lbNamesProblem = nullptr;
    QLineEdit* edFolder = nullptr;
    QPushButton* btChooseFolder = nullptr;
    QCheckBox* cbKeepJudgements = nullptr;
    QPushButton* btOk = nullptr;
    QPushButton* btCancel = nullptr;

private:
    // The names as typed: the first line refused, shown at once; OK only for names that fit.
    void CheckNames();
    void btChooseFolderClick();
    // Writes the files; the dialog stays open when the user declines to replace files or
    // a file cannot be written.
    void btOkClick();

    const CProjectDocument* Project = nullptr;
    QStringList Written;
    std::vector<std::string> OpenProjects;
};
