#pragma once

#include "core/model/CHierarchySnapshot.h"

#include <cstdint>
#include <vector>

class CUserProjectModel;

// What one edit did to the hierarchy: the slots it changed, each before and after, and
// the level count before and after. Only the model makes one, so it always fits the grid.
class CHierarchyChange {
public:
    [[nodiscard]] bool Empty() const { return Slots.empty() && LevelsBefore == LevelsAfter; }
    [[nodiscard]] std::size_t SlotCount() const { return Slots.size(); }

private:
    friend class CUserProjectModel;

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
