// The three structure dialogs on real widgets: their frames, controls and captions,
// the new-project checks in their order, the count fields' key filter, and the text
// fields that hold only what the project file can store.
#include "CScriptedUserDialogs.h"
#include "GuiTestHelpers.h"

#include "gui/widgets/TAddNewLevel.h"
#include "gui/widgets/TCreateUserProject.h"
#include "gui/widgets/TfmElementEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {
class DialogStructure : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_TRUE(LeakedTopLevelWidgets().empty()); }
};

template <typename T> T* Child(QWidget& dialog, const char* name)
{
    auto* child = dialog.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

QString TextOf(QWidget& dialog, const char* name)
{
    QWidget* child = Child<QWidget>(dialog, name);
    return child == nullptr ? QString() : child->property("text").toString();
}

void ExpectFixedFrame(QDialog& dialog, const char* caption, int width, int height)
{
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(caption));
    EXPECT_EQ(dialog.size(), QSize(width, height));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinMaxButtonsHint));
}

void SaveGrab(QWidget& dialog, const char* name)
{
    const QString directory = QDir::temp().filePath(QStringLiteral("tessaly-view-grabs"));
    QDir().mkpath(directory);
    EXPECT_TRUE(
        dialog.grab().save(directory + QStringLiteral("/") + QString::fromLatin1(name) + QStringLiteral(".png")));
}

void Type(QWidget& dialog, const char* field, const QString& text)
{
    auto* edit = Child<QLineEdit>(dialog, field);
    edit->clear();
    TypeText(edit, text);
}
} // namespace

TEST_F(DialogStructure, NewProjectDialogControlsAndTabOrder)
{
    TCreateUserProject dialog;
    ExpectFixedFrame(dialog, "Создание нового проекта", 434, 213);
    EXPECT_EQ(TextOf(dialog, "Label2"), QStringLiteral("Параметры нового проекта"));
    EXPECT_EQ(TextOf(dialog, "Label1"), QStringLiteral("Цель проекта"));
    EXPECT_EQ(TextOf(dialog, "Label3"), QStringLiteral("Число уровней в иерархии:"));
    EXPECT_EQ(TextOf(dialog, "Label4"), QStringLiteral("Максимальное число элементов:"));
    EXPECT_EQ(TextOf(dialog, "Label5"), QStringLiteral("Комментарии"));
    EXPECT_EQ(TextOf(dialog, "btOk"), QStringLiteral("Да"));
    EXPECT_EQ(TextOf(dialog, "btCancel"), QStringLiteral("Отменить"));
    EXPECT_NE(Child<QPlainTextEdit>(dialog, "UserProjectMemo"), nullptr);
    EXPECT_FALSE(dialog.Confirmed());

    const char* order[] = {"btOk", "edProjectAim", "edLevelNum", "edMaxCriteria", "UserProjectMemo", "btCancel"};
    std::vector<QWidget*> expected;
    for (const char* name : order) {
        expected.push_back(Child<QWidget>(dialog, name));
    }
    std::vector<QWidget*> chain;
    QWidget* widget = expected.front();
    do {
        if (std::find(expected.begin(), expected.end(), widget) != expected.end()) {
            chain.push_back(widget);
        }
        widget = widget->nextInFocusChain();
    } while (widget != expected.front() && chain.size() < expected.size());
    EXPECT_EQ(chain, expected);

    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    SaveGrab(dialog, "TCreateUserProject");
    dialog.hide();
}

TEST_F(DialogStructure, NewProjectChecksRunInOrderAndKeepTheDialogOpen)
{
    CScriptedUserDialogs dialogs;
    TCreateUserProject dialog;
    dialog.show();
    auto* ok = Child<QPushButton>(dialog, "btOk");
    const auto press = [&] { QTest::mouseClick(ok, Qt::LeftButton); };

    press();
    Type(dialog, "edLevelNum", QStringLiteral("2"));
    press();
    Type(dialog, "edLevelNum", QStringLiteral("11"));
    press();
    Type(dialog, "edLevelNum", QStringLiteral("10"));
    press();
    Type(dialog, "edMaxCriteria", QStringLiteral("1"));
    press();
    Type(dialog, "edMaxCriteria", QStringLiteral("2"));
    press();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.Confirmed());
    const std::vector<QString> expected = {
        QStringLiteral("Не указано число уровней"),
        QStringLiteral("Минимально возможное число уровней - 3"),
        QStringLiteral("Максимально возможное число уровней - 10"),
        QStringLiteral("Не указано максимальное число показателей"),
        QStringLiteral("Минимально необходимое число показателей - 2"),
        QStringLiteral("Не указана цель проекта"),
    };
    EXPECT_EQ(dialogs.MessageTexts(), expected);
    for (const auto& record : dialogs.Records) {
        EXPECT_EQ(record.Caption, QStringLiteral("Message"));
    }

    Type(dialog, "edProjectAim", QStringLiteral("выбор"));
    press();
    EXPECT_TRUE(dialog.Confirmed());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.GoalText(), QStringLiteral("ВЫБОР"));
    EXPECT_EQ(dialog.LevelCount(), 10U);
    EXPECT_EQ(dialog.ElementCount(), 2U);
    EXPECT_EQ(dialogs.Records.size(), 6U);

    dialog.Reset();
    for (const char* field : {"edProjectAim", "edLevelNum", "edMaxCriteria"}) {
        EXPECT_TRUE(Child<QLineEdit>(dialog, field)->text().isEmpty()) << field;
    }
    EXPECT_TRUE(dialog.CommentText().isEmpty());
    dialog.show();
    QTest::mouseClick(Child<QPushButton>(dialog, "btCancel"), Qt::LeftButton);
    EXPECT_FALSE(dialog.Confirmed());
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(DialogStructure, CountFieldsTakeDigitsAndBackspaceButPasteBringsAnyText)
{
    CScriptedUserDialogs dialogs;
    TCreateUserProject dialog;
    dialog.show();
    auto* levels = Child<QLineEdit>(dialog, "edLevelNum");
    TypeText(levels, QStringLiteral("1a.,-Я 2"));
    EXPECT_EQ(levels->text(), QStringLiteral("12"));
    QTest::keyClick(levels, Qt::Key_Backspace);
    EXPECT_EQ(levels->text(), QStringLiteral("1"));

    // Minus five through the clipboard reads as a huge unsigned count: too many levels.
    levels->clear();
    QApplication::clipboard()->setText(QStringLiteral("-5"));
    levels->paste();
    EXPECT_EQ(levels->text(), QStringLiteral("-5"));
    EXPECT_EQ(dialog.LevelCount(), 4294967291U);
    Type(dialog, "edMaxCriteria", QStringLiteral("4"));
    Type(dialog, "edProjectAim", QStringLiteral("Ц"));
    QTest::mouseClick(Child<QPushButton>(dialog, "btOk"), Qt::LeftButton);
    ASSERT_EQ(dialogs.MessageTexts().size(), 1U);
    EXPECT_EQ(dialogs.MessageTexts()[0], QStringLiteral("Максимально возможное число уровней - 10"));

    // Twelve followed by letters reads as 12 and passes (the frame clamps it to 9).
    levels->clear();
    TypeText(levels, QStringLiteral("3"));
    auto* elements = Child<QLineEdit>(dialog, "edMaxCriteria");
    elements->clear();
    QApplication::clipboard()->setText(QStringLiteral("12шт"));
    elements->paste();
    EXPECT_EQ(dialog.ElementCount(), 12U);
    QTest::mouseClick(Child<QPushButton>(dialog, "btOk"), Qt::LeftButton);
    EXPECT_TRUE(dialog.Confirmed());
    EXPECT_EQ(dialogs.MessageTexts().size(), 1U);
}

TEST_F(DialogStructure, NamesAreUpperCaseAndHoldOnlyWhatTheFileCanStore)
{
    TCreateUserProject dialog;
    dialog.show();
    auto* goal = Child<QLineEdit>(dialog, "edProjectAim");
    TypeText(goal, QStringLiteral("ёлка Ω漢 и cat-2"));
    // Ω and 漢 have no Windows-1251 byte: they are refused.
    EXPECT_EQ(goal->text(), QStringLiteral("ЁЛКА  И CAT-2"));
    goal->clear();
    TypeText(goal, QStringLiteral("абвгдежзийклмноп"));
    EXPECT_EQ(goal->text(), QStringLiteral("АБВГДЕЖЗИЙКЛМН"));

    auto* memo = Child<QPlainTextEdit>(dialog, "UserProjectMemo");
    memo->insertPlainText(QStringLiteral("цена €5 漢字 ok"));
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("цена €5  ok"));
    memo->clear();
    memo->insertPlainText(QString(250, QChar(0x0436)));
    EXPECT_EQ(memo->toPlainText().size(), 200);
    dialog.hide();
}

TEST_F(DialogStructure, ElementDialogLimitsAndKeepsItsTexts)
{
    TfmElementEdit dialog;
    ExpectFixedFrame(dialog, "Редактирование элемента", 394, 206);
    EXPECT_EQ(TextOf(dialog, "Label3"), QStringLiteral(" Редактирование текущего элемента "));
    EXPECT_EQ(TextOf(dialog, "Label1"), QStringLiteral("Наименование элемента:"));
    EXPECT_EQ(TextOf(dialog, "Label2"), QStringLiteral("Комментарии"));
    EXPECT_EQ(TextOf(dialog, "btOk"), QStringLiteral("Да"));
    EXPECT_EQ(TextOf(dialog, "btCancel"), QStringLiteral("Отмена"));
    EXPECT_FALSE(dialog.Confirmed());

    dialog.LoadElement(QStringLiteral("ВЫБОР КВАРТИРЫ"), QStringLiteral("цель"), true);
    EXPECT_EQ(dialog.ElementName(), QStringLiteral("ВЫБОР КВАРТИРЫ"));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    SaveGrab(dialog, "TfmElementEdit");
    auto* name = Child<QLineEdit>(dialog, "edElementEdit");
    name->clear();
    TypeText(name, QStringLiteral("abcdefghijklmnop"));
    EXPECT_EQ(dialog.ElementName(), QStringLiteral("ABCDEFGHIJKLMN"));
    dialog.hide();

    dialog.LoadElement(QStringLiteral("ЦЕНА"), QStringLiteral("дорого"), false);
    name->clear();
    TypeText(name, QStringLiteral("abcdefghijklmnop"));
    EXPECT_EQ(dialog.ElementName(), QStringLiteral("ABCDEFGHI"));
    EXPECT_EQ(dialog.ElementComment(), QStringLiteral("дорого"));
    dialog.show();
    QTest::mouseClick(Child<QPushButton>(dialog, "btOk"), Qt::LeftButton);
    EXPECT_TRUE(dialog.Confirmed());
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(DialogStructure, AddLevelDialogSpinnerPlacementAndCaptions)
{
    TAddNewLevel dialog;
    ExpectFixedFrame(dialog, "Добавление нового уровня", 293, 162);
    EXPECT_EQ(TextOf(dialog, "Label1"), QStringLiteral("Число элементов в новом уровне:"));
    EXPECT_EQ(Child<QGroupBox>(dialog, "RadioGroup1")->title(), QStringLiteral("Способ размещения"));
    EXPECT_EQ(TextOf(dialog, "btOk"), QStringLiteral("Да"));
    EXPECT_EQ(TextOf(dialog, "btCancel"), QStringLiteral("Отмена"));
    auto* shown = Child<QLineEdit>(dialog, "edElementinLevel");
    auto* spinner = Child<QSpinBox>(dialog, "udElementNum");
    auto* right = Child<QRadioButton>(dialog, "rbRight");
    auto* left = Child<QRadioButton>(dialog, "rbLeft");
    EXPECT_TRUE(shown->isReadOnly());
    EXPECT_EQ(shown->text(), QStringLiteral("5"));
    EXPECT_EQ(spinner->minimum(), 2);
    EXPECT_EQ(spinner->maximum(), 9);
    EXPECT_FALSE(spinner->wrapping());
    EXPECT_EQ(dialog.ElementCount(), 5U);
    EXPECT_TRUE(right->isChecked());
    EXPECT_FALSE(dialog.PlaceBefore());
    EXPECT_LT(right->y(), left->y());
    EXPECT_EQ(right->text(), QStringLiteral("Справа от текущего уровня"));
    EXPECT_EQ(left->text(), QStringLiteral("Слева от текущего уровня"));

    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    SaveGrab(dialog, "TAddNewLevel");
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(spinner, Qt::Key_Down);
    }
    EXPECT_EQ(dialog.ElementCount(), 2U);
    EXPECT_EQ(shown->text(), QStringLiteral("2"));
    QTest::mouseClick(left, Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(dialog, "btCancel"), Qt::LeftButton);
    EXPECT_FALSE(dialog.Confirmed());
    EXPECT_EQ(dialog.ElementCount(), 2U);
    EXPECT_TRUE(dialog.PlaceBefore());

    dialog.SetPlacementCaptions(true);
    EXPECT_EQ(left->text(), QStringLiteral("Выше от текущего уровня"));
    EXPECT_EQ(right->text(), QStringLiteral("Ниже от текущего уровня"));
    EXPECT_TRUE(dialog.PlaceBefore()); // the captions never change the choice
    dialog.show();
    QTest::mouseClick(Child<QPushButton>(dialog, "btOk"), Qt::LeftButton);
    EXPECT_TRUE(dialog.Confirmed());
}
