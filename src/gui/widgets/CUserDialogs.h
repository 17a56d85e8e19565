#pragma once

#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

// Every question, message and file or printer choice goes through this seam, so the
// program uses real dialogs and the tests answer from a script.
class CUserDialogs {
public:
    CUserDialogs() = default;
    CUserDialogs(const CUserDialogs&) = delete;
    CUserDialogs& operator=(const CUserDialogs&) = delete;
    virtual ~CUserDialogs() = default;

    // A message box with an OK button.
    virtual void Inform(QWidget* parent, const QString& text, const QString& caption) = 0;
    // The same with an informative text under the message (which file, and why). A seam
    // that has no place for it shows the message alone.
    virtual void InformWithDetails(
        QWidget* parent, const QString& text, const QString& caption, const QString& informative)
    {
        static_cast<void>(informative);
        Inform(parent, text, caption);
    }
    // A Yes/No box; true for Yes.
    virtual bool AskYesNo(QWidget* parent, const QString& text, const QString& caption) = 0;
    // Empty when cancelled. filter is in Qt form ("Проект TESSALY (*.tsy)").
    virtual QString ChooseFileToOpen(QWidget* parent, const QString& filter, const QString& directory) = 0;
    virtual QString ChooseFileToSave(QWidget* parent, const QString& filter, const QString& directory) = 0;
    // Existing files to open, several at once; empty when cancelled. A seam that chooses
    // one file at a time gives that one.
    virtual QStringList ChooseFilesToOpen(QWidget* parent, const QString& filter, const QString& directory)
    {
        const QString chosen = ChooseFileToOpen(parent, filter, directory);
        return chosen.isEmpty() ? QStringList() : QStringList{chosen};
    }
    // An existing folder, starting in directory; empty when cancelled (always, for a seam
    // that has no folder choice).
    virtual QString ChooseFolder(QWidget* parent, const QString& directory)
    {
        static_cast<void>(parent);
        static_cast<void>(directory);
        return {};
    }
    // A line of text, shown whole in the field and starting as initial; empty when
    // cancelled (always, for a seam that asks no text).
    virtual QString AskText(QWidget* parent, const QString& label, const QString& caption, const QString& initial)
    {
        static_cast<void>(parent);
        static_cast<void>(label);
        static_cast<void>(caption);
        static_cast<void>(initial);
        return {};
    }
    // One of items, the list starting at current; -1 when cancelled (always, for a seam
    // that offers no choice).
    virtual int AskChoice(
        QWidget* parent, const QString& label, const QString& caption, const QStringList& items, int current)
    {
        static_cast<void>(parent);
        static_cast<void>(label);
        static_cast<void>(caption);
        static_cast<void>(items);
        static_cast<void>(current);
        return -1;
    }
    // A line of text as AskText asks it, and under it one of choices (the first at
    // first), given in choice. A seam that offers no choice asks the text alone and
    // leaves choice at the first.
    virtual QString AskTextAndChoice(QWidget* parent, const QString& label, const QString& caption,
        const QString& choiceLabel, const QStringList& choices, int& choice)
    {
        static_cast<void>(choiceLabel);
        static_cast<void>(choices);
        choice = 0;
        return AskText(parent, label, caption, QString());
    }
    // Lets the user set the printer up; false when cancelled.
    virtual bool ChoosePrinter(QWidget* parent, QPrinter& printer) = 0;
    virtual void OpenHelp(QWidget* parent, const QString& helpFile) = 0;
};

// The seam in force; the Qt implementation unless a test installed its own.
CUserDialogs& UserDialogs();
// Installs a seam (not owned); nullptr restores the Qt implementation.
void SetUserDialogs(CUserDialogs* dialogs);
