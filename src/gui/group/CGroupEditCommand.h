#pragma once

#include <QUndoCommand>

#include <functional>

// One change of a group window (an expert's weight, whether he counts, whether the weights
// count) on the window's own undo stack: what sets the new state and what sets the old one.
class CGroupEditCommand final : public QUndoCommand {
public:
    CGroupEditCommand(const QString& text, std::function<void()> redo, std::function<void()> undo);
    ~CGroupEditCommand() override;
    CGroupEditCommand(const CGroupEditCommand&) = delete;
    CGroupEditCommand& operator=(const CGroupEditCommand&) = delete;

    void redo() override;
    void undo() override;

private:
    std::function<void()> Redo;
    std::function<void()> Undo;
};
