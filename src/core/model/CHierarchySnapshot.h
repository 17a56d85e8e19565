#pragma once

#include "core/model/CJudgement.h"
#include "core/model/ModelConstants.h"

#include <array>
#include <cstdint>
#include <string>

// What one slot of the grid holds, as an undo step keeps it.
struct CSlotState {
    std::string Name;
    std::string Comment;
    CJudgementMatrix Judgements;
    bool InUse = false;
};

// The whole hierarchy at one moment: every slot and the level count. Taken into the
// same object again and again, it reuses its buffers.
class CHierarchySnapshot {
public:
    std::array<std::array<CSlotState, MaxLevels>, MaxElementsPerLevel> Slots;
    std::uint32_t Levels = 0;
};
