#include "gui/app/CAppWindows.h"

#include "gui/app/TfmAboutForm.h"
#include "gui/judgement/TfmExpertForm.h"
#include "gui/judgement/TfmExpertScale.h"
#include "gui/results/TfmAbsoluteMatrix.h"
#include "gui/results/TfmCurrentPriorityLevel.h"
#include "gui/results/TfmSensitivity.h"
#include "gui/widgets/TAddNewLevel.h"
#include "gui/widgets/TCreateUserProject.h"
#include "gui/widgets/TfmElementEdit.h"

namespace {
// The dialog in its field, made as a child of the owner the first time.
template <class T> T* Made(T* CAppWindows::*field)
{
    CAppWindows& windows = AppWindows();
    if (windows.*field == nullptr && windows.Owner != nullptr) {
        windows.*field = new T(windows.Owner);
    }
    return windows.*field;
}
} // namespace

CAppWindows& AppWindows()
{
    static CAppWindows windows;
    return windows;
}

TCreateUserProject* CreateUserProjectWindow()
{
    return Made(&CAppWindows::CreateUserProject);
}

TfmElementEdit* ElementEditWindow()
{
    return Made(&CAppWindows::ElementEdit);
}

TAddNewLevel* AddNewLevelWindow()
{
    return Made(&CAppWindows::AddNewLevel);
}

TfmExpertForm* ExpertFormWindow()
{
    CAppWindows& windows = AppWindows();
    if (windows.ExpertForm == nullptr && windows.Owner != nullptr) {
        Made(&CAppWindows::ExpertScale);
        Made(&CAppWindows::AbsoluteMatrix);
        Made(&CAppWindows::ExpertForm)->SetPartnerWindows(windows.ExpertScale, windows.AbsoluteMatrix);
    }
    return windows.ExpertForm;
}

TfmCurrentPriorityLevel* LevelPrioritiesWindow()
{
    return Made(&CAppWindows::CurrentPriorityLevel);
}

TfmAboutForm* AboutWindow()
{
    return Made(&CAppWindows::AboutForm);
}

TfmSensitivity* SensitivityWindow()
{
    return Made(&CAppWindows::Sensitivity);
}
