#pragma once

#include "core/model/CHierarchy.h"
#include "core/model/CHierarchySnapshot.h"

#include <cstdint>
#include <memory>
#include <vector>

class CUserProjectModel;

// What one edit did to the hierarchy: the slots it changed, each before and after, and
// the level count before and after. Only the model makes one, so it always fits the grid.
// A project held as a tree of criteria keeps, besides, the whole tree before and after
// the edit: none when the step left it as it was, none before an edit that turned the
// layers into a tree. The document never changes a tree it handed out, so a step shares
// the trees with the document and with the steps next to it instead of copying them.
class CHierarchyChange {
public:
    [[nodiscard]] bool Empty() const { return Slots.empty() && LevelsBefore == LevelsAfter && !ChangesTree(); }
    [[nodiscard]] std::size_t SlotCount() const { return Slots.size(); }
    [[nodiscard]] bool ChangesTree() const { return TreeBefore != TreeAfter; }

private:
    friend class CUserProjectModel;
    friend class CProjectDocument;

    std::shared_ptr<const CHierarchy> TreeBefore;
    std::shared_ptr<const CHierarchy> TreeAfter;

    struct CSlotChange {
        std::uint32_t Position = 0;
        std::uint32_t Level = 0;
        CSlotState Before;
        CSlotState After;
    };
    std::vector<CSlotChange> Slots;
    std::uint32_t LevelsBefore = 0;
    std::uint32_t LevelsAfter = 0;
};
