#pragma once

#include <QString>

#include <vector>

class TTreeProject;
class TUserProject;

// What the document lifecycle needs of the frame: making, showing and discarding
// project windows, and the open-project registry. The frame keeps the windows; the
// lifecycle decides what happens to them.
class CProjectWindowHost {
public:
    CProjectWindowHost() = default;
    CProjectWindowHost(const CProjectWindowHost&) = delete;
    CProjectWindowHost& operator=(const CProjectWindowHost&) = delete;
    virtual ~CProjectWindowHost() = default;

    // A project window in the document area, entered in the registry, with the caption
    // (empty: "Проект - " and the number of windows); nullptr when it cannot be made.
    virtual TUserProject* CreateProjectWindow(const QString& caption) = 0;
    // Removes a window that could not be built, without its save question.
    virtual void DiscardProjectWindow(TUserProject* project) = 0;
    // Shows the window and brings it to the front, the project commands enabled.
    virtual void ShowProjectWindow(TUserProject* project) = 0;
    [[nodiscard]] virtual bool IsRegistered(const TUserProject* project) const = 0;
    // The registered projects, in registry order.
    [[nodiscard]] virtual std::vector<TUserProject*> RegisteredProjects() const = 0;
    // Closes the project's window through its close handler; false when it stayed.
    virtual bool CloseProjectWindow(TUserProject* project) = 0;
    // Erases the project from the registry; the project commands follow later.
    virtual void ForgetProject(TUserProject* project) = 0;
    // A tree project's window in the document area, with the caption (empty: the count
    // caption), its save question the lifecycle's; nullptr when it cannot be made. Not
    // shown until ShowTreeWindow.
    virtual TTreeProject* CreateTreeWindow(const QString& caption) = 0;
    // Removes a tree window that could not be filled, without its save question.
    virtual void DiscardTreeWindow(TTreeProject* window) = 0;
    virtual void ShowTreeWindow(TTreeProject* window) = 0;
    [[nodiscard]] virtual std::vector<TTreeProject*> TreeWindows() const = 0;
    // A group file named where a project file could be (the command line, the file
    // manager): opened in a group window. False when nothing opened.
    virtual bool OpenGroupFile(const QString& path) = 0;
};
