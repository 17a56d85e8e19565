#pragma once

#include "gui/widgets/CUserDialogs.h"

#include <QString>

#include <deque>
#include <functional>
#include <utility>
#include <vector>

// The tests' seam: records every message and question and answers from a script.
// A question with no scripted answer is a test failure (answered No / cancelled).
// Installs itself while it lives.
class CScriptedUserDialogs final : public CUserDialogs {
public:
    enum class EKind { Inform, AskYesNo, OpenFile, SaveFile, Folder, Printer, Help, Text, Choice };
    struct CRecord {
        CRecord() = default;
        // The informative text is a message's only, so three values make any record.
        CRecord(EKind kind, QString text, QString caption, QString informative = QString())
            : Kind(kind)
            , Text(std::move(text))
            , Caption(std::move(caption))
            , Informative(std::move(informative))
        {
        }
        EKind Kind = EKind::Inform;
        QString Text;        // message text, or the file filter
        QString Caption;     // caption, or the initial directory
        QString Informative; // a message's informative text
    };

    CScriptedUserDialogs();
    ~CScriptedUserDialogs() override;

    std::vector<CRecord> Records;
    std::deque<bool> YesNoAnswers;
    std::deque<QString> FileAnswers; // for open, save and folder choices; "" is a cancel
    std::deque<QString> TextAnswers; // for text questions; "" is a cancel
    std::deque<int> ChoiceAnswers;   // for choices; -1 is a cancel. A text question's choice
                                     // unscripted stays at its first.
    // Sets the printer up (for example to a PDF file) and answers; none scripted = cancel.
    std::function<bool(QPrinter&)> PrinterAnswer;

    void Inform(QWidget* parent, const QString& text, const QString& caption) override;
    void InformWithDetails(
        QWidget* parent, const QString& text, const QString& caption, const QString& informative) override;
    bool AskYesNo(QWidget* parent, const QString& text, const QString& caption) override;
    QString ChooseFileToOpen(QWidget* parent, const QString& filter, const QString& directory) override;
    QString ChooseFileToSave(QWidget* parent, const QString& filter, const QString& directory) override;
    QString ChooseFolder(QWidget* parent, const QString& directory) override;
    QString AskText(QWidget* parent, const QString& label, const QString& caption, const QString& initial) override;
    int AskChoice(
        QWidget* parent, const QString& label, const QString& caption, const QStringList& items, int current) override;
    QString AskTextAndChoice(QWidget* parent, const QString& label, const QString& caption, const QString& choiceLabel,
        const QStringList& choices, int& choice) override;
    bool ChoosePrinter(QWidget* parent, QPrinter& printer) override;
    void OpenHelp(QWidget* parent, const QString& helpFile) override;

    // The texts of the records of one kind, in order.
    [[nodiscard]] std::vector<QString> Texts(EKind kind) const;
    // The texts of every message box (Inform and AskYesNo), in order.
    [[nodiscard]] std::vector<QString> MessageTexts() const;
    [[nodiscard]] bool AllAnswersUsed() const;
};
