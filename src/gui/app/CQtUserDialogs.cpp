#include "gui/app/CQtUserDialogs.h"

#include "gui/app/THelpViewer.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QButtonGroup>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>

namespace {
CUserDialogs* InstalledDialogs = nullptr;

// Registered only to learn which id the accessibility cache hands out next.
class CAccessibleIdProbe final : public QAccessibleInterface {
public:
    [[nodiscard]] bool isValid() const override { return true; }
    [[nodiscard]] QObject* object() const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface* parent() const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    [[nodiscard]] int childCount() const override { return 0; }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    [[nodiscard]] QString text(QAccessible::Text /*t*/) const override { return {}; }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override { }
    [[nodiscard]] QRect rect() const override { return {}; }
    [[nodiscard]] QAccessible::Role role() const override { return QAccessible::NoRole; }
    [[nodiscard]] QAccessible::State state() const override { return {}; }
};

QAccessible::Id NextAccessibleId()
{
    const QAccessible::Id id = QAccessible::registerAccessibleInterface(new CAccessibleIdProbe);
    QAccessible::deleteAccessibleInterface(id); // the cache owns the probe and deletes it
    return id;
}

// A screen reader that reads a file dialog's folder list leaves Qt's accessibility cache
// holding one interface for every cell it asked for: the detailed view makes a new one
// at each request and nothing ever removes them, and each keeps a persistent index into
// the dialog's file model. Left there, they are destroyed inside ~QApplication, long
// after the model, which ends the program with a crash. The dialog's cells are removed
// here, while the dialog and its model still live.
class CAccessibleCellSweep final {
public:
    explicit CAccessibleCellSweep(QWidget& dialog)
        : Dialog(dialog)
        , First(NextAccessibleId())
    {
    }
    CAccessibleCellSweep(const CAccessibleCellSweep&) = delete;
    CAccessibleCellSweep& operator=(const CAccessibleCellSweep&) = delete;
    ~CAccessibleCellSweep() { Sweep(); }

private:
    void Sweep() const
    {
        QList<QObject*> views;
        for (QAbstractItemView* view : Dialog.findChildren<QAbstractItemView*>()) {
            views.append(view);
        }
        for (QCompleter* completer : Dialog.findChildren<QCompleter*>()) {
            views.append(completer->popup());
        }
        // Each view's own interface first lets go of the cells it keeps, as on a reset of
        // its model, so that none of them is referred to once the rest are removed.
        for (QObject* view : views) {
            QAccessibleInterface* table = QAccessible::queryAccessibleInterface(view);
            if (table != nullptr && table->tableInterface() != nullptr) {
                QAccessibleTableModelChangeEvent reset(view, QAccessibleTableModelChangeEvent::ModelReset);
                table->tableInterface()->modelChange(&reset);
            }
        }
        // The cache hands out ids in increasing order (wrapping back to the first after the
        // last), so what was made while the dialog was up lies between First and now.
        constexpr QAccessible::Id FirstId = static_cast<QAccessible::Id>(INT_MAX) + 1;
        constexpr QAccessible::Id LastId = UINT_MAX - 1;
        constexpr unsigned MaxScanned = 1U << 24;
        const QAccessible::Id end = NextAccessibleId();
        unsigned scanned = 0;
        for (QAccessible::Id id = First; id != end && scanned < MaxScanned; ++scanned) {
            QAccessibleInterface* cell = QAccessible::accessibleInterface(id);
            if (cell != nullptr && cell->object() == nullptr) {
                const QAccessibleInterface* owner = cell->parent();
                if (owner != nullptr && views.contains(owner->object())) {
                    QAccessible::deleteAccessibleInterface(id);
                }
            }
            id = id == LastId ? FirstId : id + 1;
        }
    }

    QWidget& Dialog;
    QAccessible::Id First = 0;
};

QString RunFileDialog(QFileDialog& dialog)
{
    const CAccessibleCellSweep sweep(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}
} // namespace

CUserDialogs& UserDialogs()
{
    static CQtUserDialogs qtDialogs;
    return InstalledDialogs != nullptr ? *InstalledDialogs : qtDialogs;
}

void SetUserDialogs(CUserDialogs* dialogs)
{
    InstalledDialogs = dialogs;
}

void CQtUserDialogs::Inform(QWidget* parent, const QString& text, const QString& caption)
{
    QMessageBox::information(parent, caption, text, QMessageBox::Ok);
}

void CQtUserDialogs::InformWithDetails(
    QWidget* parent, const QString& text, const QString& caption, const QString& informative)
{
    QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::Ok, parent);
    box.setInformativeText(informative);
    box.exec();
}

bool CQtUserDialogs::AskYesNo(QWidget* parent, const QString& text, const QString& caption)
{
    return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

QString CQtUserDialogs::ChooseFileToOpen(QWidget* parent, const QString& filter, const QString& directory)
{
    // The open dialog also names files that do not exist yet (Save as uses it).
    QFileDialog dialog(parent, QString(), directory, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    return RunFileDialog(dialog);
}

QString CQtUserDialogs::ChooseFileToSave(QWidget* parent, const QString& filter, const QString& directory)
{
    QFileDialog dialog(parent, QString(), directory, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false); // the overwrite prompt
    return RunFileDialog(dialog);
}

QStringList CQtUserDialogs::ChooseFilesToOpen(QWidget* parent, const QString& filter, const QString& directory)
{
    QFileDialog dialog(parent, QString(), directory, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    const CAccessibleCellSweep sweep(dialog);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.selectedFiles();
}

QString CQtUserDialogs::ChooseFolder(QWidget* parent, const QString& directory)
{
    QFileDialog dialog(parent, QString(), directory);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    return RunFileDialog(dialog);
}

QString CQtUserDialogs::AskText(QWidget* parent, const QString& label, const QString& caption, const QString& initial)
{
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("dlgAskText"));
    dialog.setWindowTitle(caption);
    dialog.setLabelText(label);
    dialog.setTextValue(initial);
    // Wide enough for a full name of sixty letters.
    dialog.resize(
        std::max(dialog.sizeHint().width(), dialog.fontMetrics().averageCharWidth() * 64), dialog.sizeHint().height());
    return dialog.exec() == QDialog::Accepted ? dialog.textValue().trimmed() : QString();
}

int CQtUserDialogs::AskChoice(
    QWidget* parent, const QString& label, const QString& caption, const QStringList& items, int current)
{
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("dlgAskChoice"));
    dialog.setWindowTitle(caption);
    dialog.setLabelText(label);
    dialog.setComboBoxItems(items);
    dialog.setComboBoxEditable(false);
    if (current >= 0 && current < items.size()) {
        dialog.setTextValue(items[current]);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return -1;
    }
    return static_cast<int>(items.indexOf(dialog.textValue()));
}

QString CQtUserDialogs::AskTextAndChoice(QWidget* parent, const QString& label, const QString& caption,
    const QString& choiceLabel, const QStringList& choices, int& choice)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("dlgAskTextAndChoice"));
    dialog.setWindowTitle(caption);
    auto* layout = new QVBoxLayout(&dialog);
    auto* prompt = new QLabel(label, &dialog);
    auto* text = new QLineEdit(&dialog);
    text->setObjectName(QStringLiteral("edText"));
    prompt->setBuddy(text);
    // Wide enough for a full name of sixty letters.
    text->setMinimumWidth(text->fontMetrics().averageCharWidth() * 64);
    layout->addWidget(prompt);
    layout->addWidget(text);
    auto* group = new QGroupBox(choiceLabel, &dialog);
    group->setObjectName(QStringLiteral("gbChoice"));
    auto* groupLayout = new QVBoxLayout(group);
    auto* buttons = new QButtonGroup(&dialog);
    for (int k = 0; k < choices.size(); ++k) {
        auto* option = new QRadioButton(choices[k], group);
        option->setObjectName(QStringLiteral("rbChoice%1").arg(k));
        option->setChecked(k == 0);
        buttons->addButton(option, k);
        groupLayout->addWidget(option);
    }
    layout->addWidget(group);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(box, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(box);
    choice = 0;
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    choice = std::max(0, buttons->checkedId());
    return text->text().trimmed();
}

bool CQtUserDialogs::ChoosePrinter(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    const CAccessibleCellSweep sweep(dialog); // its file name completes from a file model too
    return dialog.exec() == QDialog::Accepted;
}

void CQtUserDialogs::OpenHelp(QWidget* parent, const QString& helpFile)
{
    // One viewer for the run, a window of the frame, so it goes when the frame goes.
    static QPointer<THelpViewer> viewer;
    if (viewer.isNull()) {
        viewer = new THelpViewer(parent);
    }
    viewer->OpenAtContents(helpFile);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}
