#pragma once

class CProjectDocument;

// Closing the frame: every open project's window is closed in turn with its save
// question, asked again even of a project that had cleared it, and the frame takes the
// windows that went out of its registry itself. A window stays when a save the user
// asked for did not happen; it then stays an ordinary open project, and so does the
// frame.
class CCloseAllSequence final {
public:
    // Before the project's window is closed.
    static void Closing(CProjectDocument& document);
    // The project's window did not go.
    void Stayed(CProjectDocument& document);
    // When every project was visited: the frame closes only when every window went.
    [[nodiscard]] bool FrameMayClose() const { return !SomeStayed; }

private:
    bool SomeStayed = false;
};
