#pragma once

#include <functional>
#include <utility>

// A window shared by every project window, as one that uses it holds it: the window
// itself, or the way to reach it, which makes it on first use. Read like a pointer.
template <class T> class CSharedWindow {
public:
    CSharedWindow() = default;
    // A window made already stands for itself.
    CSharedWindow(T* window) // NOLINT(google-explicit-constructor)
        : Window(window)
    {
    }
    explicit CSharedWindow(std::function<T*()> reach)
        : Reach(std::move(reach))
    {
    }

    [[nodiscard]] T* Get() const { return Reach ? Reach() : Window; }
    operator T*() const { return Get(); } // NOLINT(google-explicit-constructor)
    T* operator->() const { return Get(); }

private:
    T* Window = nullptr;
    std::function<T*()> Reach;
};
