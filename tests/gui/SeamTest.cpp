#include "CScriptedUserDialogs.h"

#include <gtest/gtest.h>

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
