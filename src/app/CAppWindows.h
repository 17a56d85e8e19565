#pragma once

#include <QString>

class TUserProject;
class TCreateUserProject;
class TfmElementEdit;
class TAddNewLevel;
class TfmExpertForm;
class TfmExpertScale;
class TfmCurrentPriorityLevel;
class TfmAbsoluteMatrix;
class TfmAboutForm;

// What a project window needs from the frame that holds it.
class IProjectHost {
public:
    IProjectHost() = default;
    IProjectHost(const IProjectHost&) = delete;
    IProjectHost& operator=(const IProjectHost&) = delete;
    virtual ~IProjectHost() = default;

    [[nodiscard]] virtual QString StartDirectory() const = 0;
    // Erases the project from the open-project registry.
    virtual void RemoveProject(TUserProject* project) = 0;
    // Opens a new project window from a file (the clone file).
    virtual void OpenProjectCopy(const QString& path) = 0;
    // The Save operation with its questions; false only when a save the user
    // asked for failed, so a closing window stays open.
    virtual bool SaveProject(TUserProject* project) = 0;
    virtual TUserProject* ActiveProject() = 0;
};

// The windows that live for the whole run, created once at start-up in this order,
// and the frame. A test creates only those it needs.
struct CAppWindows {
    IProjectHost* Host = nullptr;
    TCreateUserProject* CreateUserProject = nullptr;
    TfmElementEdit* ElementEdit = nullptr;
    TAddNewLevel* AddNewLevel = nullptr;
    TfmExpertForm* ExpertForm = nullptr;
    TfmExpertScale* ExpertScale = nullptr;
    TfmCurrentPriorityLevel* CurrentPriorityLevel = nullptr;
    TfmAbsoluteMatrix* AbsoluteMatrix = nullptr;
    TfmAboutForm* AboutForm = nullptr;
};

CAppWindows& AppWindows();
