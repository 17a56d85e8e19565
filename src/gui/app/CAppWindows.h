#pragma once

class QWidget;
class TCreateUserProject;
class TfmElementEdit;
class TAddNewLevel;
class TfmExpertForm;
class TfmExpertScale;
class TfmCurrentPriorityLevel;
class TfmAbsoluteMatrix;
class TfmAboutForm;
class TfmSensitivity;

// The dialogs that live for the whole run, each made on its first use as a child of
// Owner (the frame) and reused afterwards; a field stays null until then. Only the
// application shell reaches them here; it hands each window the ones it works with.
// A test creates only those it needs.
struct CAppWindows {
    QWidget* Owner = nullptr;
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

// Each dialog, made now when it is not yet (null while no Owner is set). The comparison
// window comes with the scale and research windows it works with.
TCreateUserProject* CreateUserProjectWindow();
TfmElementEdit* ElementEditWindow();
TAddNewLevel* AddNewLevelWindow();
TfmExpertForm* ExpertFormWindow();
TfmCurrentPriorityLevel* LevelPrioritiesWindow();
TfmAboutForm* AboutWindow();
TfmSensitivity* SensitivityWindow();
