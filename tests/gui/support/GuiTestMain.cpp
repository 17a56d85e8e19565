#include "gui/widgets/InterfaceLanguage.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

// One QApplication for the whole test program; the offscreen platform unless the
// caller chose another (test discovery runs this binary too).
int main(int argc, char* argv[])
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication application(argc, argv);
    // The program's settings of this run alone: never the user's, and every test program
    // starts from the defaults.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    // Russian whatever the machine's locale: the tests read the source texts, and the
    // plural forms come from the Russian translation (Qt's own texts stay untranslated).
    InstallTessalyTranslation(ELanguage::Russian);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
