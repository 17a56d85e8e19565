#pragma once

#include <cstdint>

// A middle level has a level above it and one below it: its elements carry a weight of
// their own and judge the level under them, so only their weights can be moved in a
// sensitivity analysis. The goal (level 0) and the alternatives (the bottom) are none.
constexpr bool IsMiddleLevel(std::uint32_t levelCount, std::uint32_t level)
{
    return level >= 1 && level + 1 < levelCount;
}

// Whether a hierarchy of levelCount levels has any middle level (three levels or more).
constexpr bool HasMiddleLevels(std::uint32_t levelCount)
{
    return IsMiddleLevel(levelCount, 1);
}

// The middle level nearest to level: level itself when it is one, else the first or the
// last. 0 (no middle level) when the hierarchy has none.
constexpr std::uint32_t NearestMiddleLevel(std::uint32_t levelCount, std::uint32_t level)
{
    if (!HasMiddleLevels(levelCount)) {
        return 0;
    }
    if (level < 1) {
        return 1;
    }
    return level + 1 < levelCount ? level : levelCount - 2;
}
