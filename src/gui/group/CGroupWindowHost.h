#pragma once

#include <vector>

class TfmGroupDecision;

// What the group lifecycle needs of the frame: a group window placed in the document
// area and shown, and the group windows open.
class CGroupWindowHost {
public:
    CGroupWindowHost() = default;
    CGroupWindowHost(const CGroupWindowHost&) = delete;
    CGroupWindowHost& operator=(const CGroupWindowHost&) = delete;
    virtual ~CGroupWindowHost() = default;

    // Takes the window into the document area (its own subwindow), shows it and brings it
    // to the front.
    virtual void AddGroupWindow(TfmGroupDecision* window) = 0;
    // Brings an open group window to the front.
    virtual void ShowGroupWindow(TfmGroupDecision* window) = 0;
    [[nodiscard]] virtual std::vector<TfmGroupDecision*> GroupWindows() const = 0;
};
