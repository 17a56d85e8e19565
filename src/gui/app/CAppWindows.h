#pragma once

class TCreateUserProject;
class TfmElementEdit;
class TAddNewLevel;
class TfmExpertForm;
class TfmExpertScale;
class TfmCurrentPriorityLevel;
class TfmAbsoluteMatrix;
class TfmAboutForm;
class TfmSensitivity;

// The dialogs that live for the whole run, created once at start-up in this order.
// Only the application shell reaches them here; it hands each window the ones it
// works with. A test creates only those it needs.
struct CAppWindows {
    TCreateUserProject* CreateUserProject = nullptr;
    TfmElementEdit* ElementEdit = nullptr;
    TAddNewLevel* AddNewLevel = nullptr;
    TfmExpertForm* ExpertForm = nullptr;
    TfmExpertScale* ExpertScale = nullptr;
    TfmCurrentPriorityLevel* CurrentPriorityLevel = nullptr;
    TfmAbsoluteMatrix* AbsoluteMatrix = nullptr;
    TfmAboutForm* AboutForm = nullptr;
    // Tessaly's own windows, after the described ones.
    TfmSensitivity* Sensitivity = nullptr;
};

CAppWindows& AppWindows();
