#include "CScriptedUserDialogs.h"
#include "gui/app/CQtUserDialogs.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

// The scripted seam is what every GUI test stands on: it must record and answer in order.
TEST(ScriptedSeam, RecordsMessagesAndAnswersInOrder)
{
    CScriptedUserDialogs dialogs;
    dialogs.YesNoAnswers = {true, false};
    dialogs.FileAnswers = {QStringLiteral("/tmp/a.tsy")};
    UserDialogs().Inform(nullptr, QStringLiteral("Ошибка открытия файла"), QStringLiteral("Message"));
    EXPECT_TRUE(UserDialogs().AskYesNo(nullptr, QStringLiteral("Выйти из программы?"), QStringLiteral("Message")));
    EXPECT_FALSE(
        UserDialogs().AskYesNo(nullptr, QStringLiteral("Клонировать текущий проект?"), QStringLiteral("Message")));
    EXPECT_EQ(UserDialogs().ChooseFileToOpen(nullptr, QStringLiteral("Проект TESSALY (*.tsy)"), QString()),
        QStringLiteral("/tmp/a.tsy"));
    ASSERT_EQ(dialogs.MessageTexts().size(), 3U);
    EXPECT_EQ(dialogs.MessageTexts()[0], QStringLiteral("Ошибка открытия файла"));
    EXPECT_EQ(dialogs.Records[1].Caption, QStringLiteral("Message"));
    EXPECT_TRUE(dialogs.AllAnswersUsed());
}

namespace {
// What a screen reader does: asks for every node of a window's tree, cells included,
// and remembers the ones that stand for no widget of their own.
void ReadTree(QAccessibleInterface* node, std::vector<QAccessible::Id>& cells, int depth = 0)
{
    if (node == nullptr || depth > 12) {
        return;
    }
    static_cast<void>(node->text(QAccessible::Name));
    if (node->object() == nullptr) {
        cells.push_back(QAccessible::uniqueId(node));
    }
    for (int i = 0; i < node->childCount(); ++i) {
        ReadTree(node->child(i), cells, depth + 1);
    }
}
} // namespace

// The real file dialog, read by a screen reader while it lists a folder and then
// cancelled, must leave nothing in the accessibility cache that points into its lists:
// whatever stays there is destroyed with the application object, after the dialog's
// file model, and ends the program with a crash.
TEST(QtSeam, AFileDialogReadByAScreenReaderLeavesNoCellOfItsListsBehind)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    constexpr int Files = 12;
    for (int i = 0; i < Files; ++i) {
        QFile file(folder.filePath(QStringLiteral("plan%1.tsy").arg(i)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    std::vector<QAccessible::Id> cells;
    int reads = 0;
    int waits = 0;
    std::function<void()> readThenCancel = [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        auto* list = dialog != nullptr ? dialog->findChild<QTreeView*>() : nullptr;
        if (list != nullptr && list->model() != nullptr) {
            // Read while the folder is listed, and once more after it is.
            const bool listed = list->model()->rowCount(list->rootIndex()) >= Files;
            if (listed || ++waits > 300) {
                ReadTree(QAccessible::queryAccessibleInterface(dialog), cells);
                if (++reads == 3) {
                    dialog->reject();
                    return;
                }
            }
        }
        QTimer::singleShot(10, readThenCancel);
    };
    QTimer::singleShot(0, readThenCancel);
    CQtUserDialogs dialogs;
    EXPECT_TRUE(dialogs.ChooseFileToOpen(nullptr, QStringLiteral("Проект TESSALY (*.tsy)"), folder.path()).isEmpty());
    ASSERT_GE(cells.size(), static_cast<std::size_t>(Files));
    const auto left = std::count_if(
        cells.begin(), cells.end(), [](QAccessible::Id id) { return QAccessible::accessibleInterface(id) != nullptr; });
    EXPECT_EQ(left, 0) << "of " << cells.size() << " cells read";
}

// A file error's message box carries which file and why as its informative text, under
// the message itself.
TEST(QtSeam, InformShowsTheInformativeTextUnderTheMessage)
{
    QString shownText;
    QString shownInformative;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shownText = box->text();
        shownInformative = box->informativeText();
        box->button(QMessageBox::Ok)->click();
    });
    CQtUserDialogs dialogs;
    dialogs.InformWithDetails(nullptr, QStringLiteral("Не могу открыть файл проекта"), QStringLiteral("Message"),
        QStringLiteral("Файл: /w/missing.tsy\nПричина: No such file or directory"));
    EXPECT_EQ(shownText, QStringLiteral("Не могу открыть файл проекта"));
    EXPECT_EQ(shownInformative, QStringLiteral("Файл: /w/missing.tsy\nПричина: No such file or directory"));
}
