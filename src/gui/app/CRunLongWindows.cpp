#include "gui/app/CRunLongWindows.h"

#include "gui/app/CAppWindows.h"
#include "gui/app/TMainForm.h"
#include "gui/app/TfmAboutForm.h"
#include "gui/judgement/TfmExpertForm.h"
#include "gui/judgement/TfmExpertScale.h"
#include "gui/results/TfmAbsoluteMatrix.h"
#include "gui/results/TfmCurrentPriorityLevel.h"
#include "gui/results/TfmSensitivity.h"
#include "gui/widgets/TAddNewLevel.h"
#include "gui/widgets/TCreateUserProject.h"
#include "gui/widgets/TfmElementEdit.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

CRunLongWindows::CRunLongWindows()
    : CRunLongWindows(EFrameOnly::FrameOnly)
{
    CreateDialogs();
}

CRunLongWindows::CRunLongWindows(EFrameOnly)
    : MainForm(new TMainForm)
{
}

void CRunLongWindows::CreateDialogs()
{
    CAppWindows& windows = AppWindows();
    windows.CreateUserProject = new TCreateUserProject(MainForm);
    windows.ElementEdit = new TfmElementEdit(MainForm);
    windows.AddNewLevel = new TAddNewLevel(MainForm);
    windows.ExpertForm = new TfmExpertForm(MainForm);
    windows.ExpertScale = new TfmExpertScale(MainForm);
    windows.CurrentPriorityLevel = new TfmCurrentPriorityLevel(MainForm);
    windows.AbsoluteMatrix = new TfmAbsoluteMatrix(MainForm);
    windows.AboutForm = new TfmAboutForm(MainForm);
    windows.Sensitivity = new TfmSensitivity(MainForm);
    windows.ExpertForm->SetPartnerWindows(windows.ExpertScale, windows.AbsoluteMatrix);
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
