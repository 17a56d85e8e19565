#include "CScriptedUserDialogs.h"

#include <gtest/gtest.h>

CScriptedUserDialogs::CScriptedUserDialogs()
{
    SetUserDialogs(this);
}

CScriptedUserDialogs::~CScriptedUserDialogs()
{
    SetUserDialogs(nullptr);
}

void CScriptedUserDialogs::Inform(QWidget* /*parent*/, const QString& text, const QString& caption)
{
    Records.push_back({EKind::Inform, text, caption});
}

void CScriptedUserDialogs::InformWithDetails(
    QWidget* /*parent*/, const QString& text, const QString& caption, const QString& informative)
{
    Records.push_back({EKind::Inform, text, caption, informative});
}

bool CScriptedUserDialogs::AskYesNo(QWidget* /*parent*/, const QString& text, const QString& caption)
{
    Records.push_back({EKind::AskYesNo, text, caption});
    if (YesNoAnswers.empty()) {
        ADD_FAILURE() << "unscripted question: " << text.toStdString();
        return false;
    }
    const bool answer = YesNoAnswers.front();
    YesNoAnswers.pop_front();
    return answer;
}

QString CScriptedUserDialogs::ChooseFileToOpen(QWidget* /*parent*/, const QString& filter, const QString& directory)
{
    Records.push_back({EKind::OpenFile, filter, directory});
    if (FileAnswers.empty()) {
        ADD_FAILURE() << "unscripted open dialog: " << filter.toStdString();
        return {};
    }
    QString answer = FileAnswers.front();
    FileAnswers.pop_front();
    return answer;
}

QString CScriptedUserDialogs::ChooseFileToSave(QWidget* /*parent*/, const QString& filter, const QString& directory)
{
    Records.push_back({EKind::SaveFile, filter, directory});
    if (FileAnswers.empty()) {
        ADD_FAILURE() << "unscripted save dialog: " << filter.toStdString();
        return {};
    }
    QString answer = FileAnswers.front();
    FileAnswers.pop_front();
    return answer;
}

QString CScriptedUserDialogs::ChooseFolder(QWidget* /*parent*/, const QString& directory)
{
    Records.push_back({EKind::Folder, QString(), directory});
    if (FileAnswers.empty()) {
        ADD_FAILURE() << "unscripted folder dialog";
        return {};
    }
    QString answer = FileAnswers.front();
    FileAnswers.pop_front();
    return answer;
}

QString CScriptedUserDialogs::AskText(
    QWidget* /*parent*/, const QString& label, const QString& /*caption*/, const QString& initial)
{
    Records.push_back({EKind::Text, label, initial});
    if (TextAnswers.empty()) {
        ADD_FAILURE() << "unscripted text question";
        return {};
    }
    QString answer = TextAnswers.front();
    TextAnswers.pop_front();
    return answer;
}

int CScriptedUserDialogs::AskChoice(
    QWidget* /*parent*/, const QString& label, const QString& /*caption*/, const QStringList& items, int current)
{
    Records.push_back({EKind::Choice, label, items.join(QLatin1Char('|')), QString::number(current)});
    if (ChoiceAnswers.empty()) {
        ADD_FAILURE() << "unscripted choice";
        return -1;
    }
    const int answer = ChoiceAnswers.front();
    ChoiceAnswers.pop_front();
    return answer;
}

QString CScriptedUserDialogs::AskTextAndChoice(QWidget* parent, const QString& label, const QString& caption,
    const QString& /*choiceLabel*/, const QStringList& /*choices*/, int& choice)
{
    choice = 0;
    if (!ChoiceAnswers.empty()) {
        choice = ChoiceAnswers.front();
        ChoiceAnswers.pop_front();
    }
    return AskText(parent, label, caption, QString());
}

bool CScriptedUserDialogs::ChoosePrinter(QWidget* /*parent*/, QPrinter& printer)
{
    Records.push_back({EKind::Printer, QString(), QString()});
    if (!PrinterAnswer) {
        ADD_FAILURE() << "unscripted print dialog";
        return false;
    }
    return PrinterAnswer(printer);
}

void CScriptedUserDialogs::OpenHelp(QWidget* /*parent*/, const QString& helpFile)
{
    Records.push_back({EKind::Help, helpFile, QString()});
}

std::vector<QString> CScriptedUserDialogs::Texts(EKind kind) const
{
    std::vector<QString> texts;
    for (const CRecord& record : Records) {
        if (record.Kind == kind) {
            texts.push_back(record.Text);
        }
    }
    return texts;
}

std::vector<QString> CScriptedUserDialogs::MessageTexts() const
{
    std::vector<QString> texts;
    for (const CRecord& record : Records) {
        if (record.Kind == EKind::Inform || record.Kind == EKind::AskYesNo) {
            texts.push_back(record.Text);
        }
    }
    return texts;
}

bool CScriptedUserDialogs::AllAnswersUsed() const
{
    return YesNoAnswers.empty() && FileAnswers.empty() && TextAnswers.empty() && ChoiceAnswers.empty();
}
