#include "gui/group/CGroupEditCommand.h"

CGroupEditCommand::CGroupEditCommand(const QString& text, std::function<void()> redo, std::function<void()> undo)
    : QUndoCommand(text)
    , Redo(std::move(redo))
    , Undo(std::move(undo))
{
}

CGroupEditCommand::~CGroupEditCommand() = default;

void CGroupEditCommand::redo()
{
    Redo();
}

void CGroupEditCommand::undo()
{
    Undo();
}
