#pragma once

#include <cstdint>

// One element of the grid, [position][level].
struct CElementSlot {
    std::uint32_t Position = 0;
    std::uint32_t Level = 0;
    bool operator==(const CElementSlot&) const = default;
};
