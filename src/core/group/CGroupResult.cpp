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

const CGroupElementResult* CGroupResult::ElementOfNode(std::uint32_t node) const
{
    for (const CGroupElementResult& element : Elements) {
        if (element.Node == node) {
            return &element;
        }
    }
    return nullptr;
}
