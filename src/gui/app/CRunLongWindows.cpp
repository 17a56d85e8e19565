#include "gui/app/CRunLongWindows.h"

#include "gui/app/CAppWindows.h"
#include "gui/app/TMainForm.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

CRunLongWindows::CRunLongWindows()
    : MainForm(new TMainForm)
{
    AppWindows().Owner = MainForm;
}

CRunLongWindows::CRunLongWindows(EFrameOnly)
    : CRunLongWindows()
{
}

void CRunLongWindows::CreateDialogs()
{
    CreateUserProjectWindow();
    ElementEditWindow();
    AddNewLevelWindow();
    ExpertFormWindow();
    LevelPrioritiesWindow();
    AboutWindow();
    SensitivityWindow();
}

CRunLongWindows::~CRunLongWindows()
{
    AppWindows() = CAppWindows{};
    delete MainForm; // the dialogs are its children
}

bool InstallRussianTranslation(QTranslator& translator)
{
    if (!translator.load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    return QCoreApplication::installTranslator(&translator);
}
