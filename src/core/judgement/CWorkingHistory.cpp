#include "core/judgement/CWorkingHistory.h"

#include <utility>

void CWorkingHistory::Clear()
{
    Changes.clear();
    Done = 0;
}

void CWorkingHistory::Record(CWorkingChange change)
{
    Changes.resize(Done);
    Changes.push_back(std::move(change));
    Done = Changes.size();
}

const CWorkingChange* CWorkingHistory::Undo()
{
    if (!CanUndo()) {
        return nullptr;
    }
    return &Changes[--Done];
}

const CWorkingChange* CWorkingHistory::Redo()
{
    if (!CanRedo()) {
        return nullptr;
    }
    return &Changes[Done++];
}
