#include "gui/view/CProjectEditCommand.h"

#include "core/document/CProjectDocument.h"

#include <utility>

CProjectEditCommand::CProjectEditCommand(
    CProjectDocument& document, CHierarchyChange change, std::function<void()> reshow, const QString& text)
    : QUndoCommand(text)
    , Document(document)
    , Change(std::move(change))
    , Reshow(std::move(reshow))
{
}

CProjectEditCommand::~CProjectEditCommand() = default;

void CProjectEditCommand::undo()
{
    Document.UndoStep(Change);
    Reshow();
}

void CProjectEditCommand::redo()
{
    if (AlreadyMade) {
        AlreadyMade = false;
        return;
    }
    Document.RedoStep(Change);
    Reshow();
}
