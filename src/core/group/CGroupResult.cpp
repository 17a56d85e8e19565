#include "core/group/CGroupResult.h"

const CGroupElementResult* CGroupResult::ElementAt(const CElementSlot& slot) const
{
    for (const CGroupElementResult& element : Elements) {
        if (element.Slot == slot) {
            return &element;
        }
    }
    return nullptr;
}
