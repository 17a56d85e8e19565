#pragma once

// Shared by the frame's GUI tests: the run-long windows made for one test in its own
// working directory (the start directory), driving the real new-project and element
// dialogs from a zero-delay timer, and the check that no window is left behind.

#include "CScriptedUserDialogs.h"
#include "gui/app/CAppWindows.h"
#include "gui/app/CRunLongWindows.h"
#include "gui/app/THelpViewer.h"
#include "gui/app/TMainForm.h"
#include "gui/view/CHierarchyElementBox.h"
#include "gui/view/TUserProject.h"
#include "gui/widgets/MenuText.h"
#include "gui/widgets/TCreateUserProject.h"
#include "gui/widgets/TfmElementEdit.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include "GuiTestHelpers.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace apptest {

template <typename T> void WhenModal(std::function<void(T*)> action)
{
    WhenModalOfType<T>(std::move(action));
}

// Types text key by key, Cyrillic included (QTest::keyClicks knows only ASCII keys).
inline QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class CAppTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(WorkDir.isValid());
        ASSERT_TRUE(DataDir.isValid());
        PreviousDir = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(WorkDir.path()));
        // The user's data folder and the installed data of this test's own, never the
        // real home or an installed Tessaly.
        for (const char* name : {"XDG_DATA_HOME", "XDG_DATA_DIRS"}) {
            PreviousEnvironment.emplace_back(
                name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
        }
        qputenv("XDG_DATA_HOME", UserDataHome().toLocal8Bit());
        qputenv("XDG_DATA_DIRS", InstalledDataRoot().toLocal8Bit());
        Windows = std::make_unique<CRunLongWindows>();
        Frame().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    }

    void TearDown() override
    {
        Windows.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QDir::setCurrent(PreviousDir);
        for (const auto& [name, value] : PreviousEnvironment) {
            if (value) {
                qputenv(name, *value);
            } else {
                qunsetenv(name);
            }
        }
        QStringList left;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            left << QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ') + widget->objectName();
        }
        EXPECT_TRUE(left.isEmpty()) << "windows left behind: " << left.join(QStringLiteral(", ")).toStdString();
    }

    TMainForm& Frame() const { return Windows->Frame(); }
    // $XDG_DATA_HOME, and the one folder of $XDG_DATA_DIRS (Tessaly's data is its
    // "tessaly" folder; neither exists until a test makes it).
    [[nodiscard]] QString UserDataHome() const { return DataDir.filePath(QStringLiteral("home-data")); }
    [[nodiscard]] QString InstalledDataRoot() const { return DataDir.filePath(QStringLiteral("installed")); }
    [[nodiscard]] QString Path(const QString& name) const { return QDir(WorkDir.path()).filePath(name); }
    template <typename T = QToolButton> T* Control(const char* name) const
    {
        T* control = Frame().findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QAction* Action(const char* name) const { return Control<QAction>(name); }
    void Click(const char* button) const { QTest::mouseClick(Control(button), Qt::LeftButton); }

    // The new-project command through the real dialog, typed and confirmed with "Да".
    TUserProject* NewProject(const QString& goal = QStringLiteral("ЦЕЛЬ"), const QString& levels = QStringLiteral("3"),
        const QString& elements = QStringLiteral("3"))
    {
        WhenModal<TCreateUserProject>([goal, levels, elements](TCreateUserProject* dialog) {
            TypeText(dialog->findChild<QLineEdit*>(QStringLiteral("edProjectAim")), goal);
            TypeText(dialog->findChild<QLineEdit*>(QStringLiteral("edLevelNum")), levels);
            TypeText(dialog->findChild<QLineEdit*>(QStringLiteral("edMaxCriteria")), elements);
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btOk")), Qt::LeftButton);
        });
        Click("btNewProject");
        return Frame().ActiveProject();
    }

    // A real edit: the element dialog opened by a double-click and confirmed unchanged.
    static void EditElement(TUserProject* project, std::uint32_t position = 0, std::uint32_t level = 1)
    {
        WhenModal<TfmElementEdit>([](TfmElementEdit* dialog) {
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btOk")), Qt::LeftButton);
        });
        CHierarchyElementBox* box = project->ElementBox(position, level);
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::mouseDClick(box, Qt::LeftButton);
    }

    // The open command answered with a path.
    TUserProject* OpenProject(const QString& path)
    {
        Dialogs.FileAnswers.push_back(path);
        Click("btOpenProject");
        return Frame().ActiveProject();
    }

    [[nodiscard]] QStringList Captions() const
    {
        QStringList captions;
        for (QMdiSubWindow* window : Frame().ClientArea()->subWindowList()) {
            // The caption without the modified mark Qt draws after it.
            captions << DocumentCaption(*window);
        }
        return captions;
    }

    CScriptedUserDialogs Dialogs;
    QTemporaryDir WorkDir;
    QTemporaryDir DataDir;
    std::vector<std::pair<const char*, std::optional<QByteArray>>> PreviousEnvironment;
    QString PreviousDir;
    std::unique_ptr<CRunLongWindows> Windows;
};

// The texts of the frame's menus as it builds them, mnemonics kept: the menu bar's first,
// then each menu's and submenu's items, separators left out.
inline std::vector<QStringList> FrameMenuTexts(const TMainForm& frame)
{
    std::vector<const QMenu*> menus;
    std::vector<QStringList> lists(1);
    for (QAction* action : frame.menuBar()->actions()) {
        lists[0] << action->text();
        EXPECT_NE(action->menu(), nullptr) << action->text().toStdString();
        if (action->menu() != nullptr) {
            menus.push_back(action->menu());
        }
    }
    for (std::size_t m = 0; m < menus.size(); ++m) {
        QStringList items;
        for (QAction* action : menus[m]->actions()) {
            if (!action->isSeparator()) {
                items << action->text();
            }
            if (action->menu() != nullptr) {
                menus.push_back(action->menu());
            }
        }
        lists.push_back(items);
    }
    return lists;
}

// The help file names every menu and item of the frame by its caption.
inline void ExpectHelpNamesEveryMenuItem(const TMainForm& frame, const QString& helpFile)
{
    THelpViewer viewer;
    ASSERT_TRUE(viewer.OpenAtContents(helpFile));
    const QString help = viewer.Browser()->toPlainText().simplified();
    QStringList captions;
    for (const QStringList& items : FrameMenuTexts(frame)) {
        for (const QString& item : items) {
            captions << WithoutMnemonic(item);
        }
    }
    EXPECT_GE(captions.size(), 30);
    for (const QString& caption : captions) {
        EXPECT_TRUE(help.contains(caption)) << caption.toStdString();
    }
}

} // namespace apptest
