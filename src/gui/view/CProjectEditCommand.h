#pragma once

#include "core/model/CHierarchyChange.h"

#include <QUndoCommand>

#include <functional>

class CProjectDocument;

// One change a user made to a project, as an undo step: what it did to the hierarchy,
// put back or made again through the document; the window then shows the hierarchy
// anew. It is pushed after the edit was made, so its first redo has nothing to do.
class CProjectEditCommand final : public QUndoCommand {
public:
    CProjectEditCommand(
        CProjectDocument& document, CHierarchyChange change, std::function<void()> reshow, const QString& text);
    ~CProjectEditCommand() override;
    CProjectEditCommand(const CProjectEditCommand&) = delete;
    CProjectEditCommand& operator=(const CProjectEditCommand&) = delete;
    CProjectEditCommand(CProjectEditCommand&&) = delete;
    CProjectEditCommand& operator=(CProjectEditCommand&&) = delete;

    void undo() override;
    void redo() override;

private:
    CProjectDocument& Document;
    CHierarchyChange Change;
    std::function<void()> Reshow;
    bool AlreadyMade = true;
};
