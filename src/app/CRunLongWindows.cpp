#include "app/CRunLongWindows.h"

#include "app/CAppWindows.h"
#include "app/TMainForm.h"
#include "app/TfmAboutForm.h"
#include "judgement/TfmExpertForm.h"
#include "judgement/TfmExpertScale.h"
#include "model/TAddNewLevel.h"
#include "model/TCreateUserProject.h"
#include "model/TfmElementEdit.h"
#include "results/TfmAbsoluteMatrix.h"
#include "results/TfmCurrentPriorityLevel.h"
#include "results/TfmSensitivity.h"

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
