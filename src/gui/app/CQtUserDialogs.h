#pragma once

#include "gui/widgets/CUserDialogs.h"

// The real dialogs: QMessageBox, QFileDialog, QPrintDialog and the help viewer.
class CQtUserDialogs final : public CUserDialogs {
public:
    void Inform(QWidget* parent, const QString& text, const QString& caption) override;
    void InformWithDetails(
        QWidget* parent, const QString& text, const QString& caption, const QString& informative) override;
    bool AskYesNo(QWidget* parent, const QString& text, const QString& caption) override;
    QString ChooseFileToOpen(QWidget* parent, const QString& filter, const QString& directory) override;
    QString ChooseFileToSave(QWidget* parent, const QString& filter, const QString& directory) override;
    QStringList ChooseFilesToOpen(QWidget* parent, const QString& filter, const QString& directory) override;
    QString ChooseFolder(QWidget* parent, const QString& directory) override;
    QString AskText(QWidget* parent, const QString& label, const QString& caption, const QString& initial) override;
    int AskChoice(
        QWidget* parent, const QString& label, const QString& caption, const QStringList& items, int current) override;
    QString AskTextAndChoice(QWidget* parent, const QString& label, const QString& caption, const QString& choiceLabel,
        const QStringList& choices, int& choice) override;
    bool ChoosePrinter(QWidget* parent, QPrinter& printer) override;
    void OpenHelp(QWidget* parent, const QString& helpFile) override;
};
