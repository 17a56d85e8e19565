#include "core/model/MiddleLevels.h"

#include <gtest/gtest.h>

TEST(MiddleLevels, OnlyALevelWithOneAboveAndOneBelowIsMiddle)
{
    struct Case {
        std::uint32_t LevelCount;
        std::uint32_t Level;
        bool Middle;
        std::uint32_t Nearest;
    };
    const Case cases[] = {
        {0, 0, false, 0},
        {1, 0, false, 0},
        {2, 0, false, 0},
        {2, 1, false, 0}, // no middle level at all
        {3, 0, false, 1},
        {3, 1, true, 1},
        {3, 2, false, 1},
        {3, 7, false, 1}, // the goal, the bottom, beyond
        {4, 1, true, 1},
        {4, 2, true, 2},
        {4, 3, false, 2}, //
        {10, 0, false, 1},
        {10, 1, true, 1},
        {10, 8, true, 8},
        {10, 9, false, 8},
        {10, 12, false, 8},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsMiddleLevel(c.LevelCount, c.Level), c.Middle) << c.LevelCount << " " << c.Level;
        EXPECT_EQ(NearestMiddleLevel(c.LevelCount, c.Level), c.Nearest) << c.LevelCount << " " << c.Level;
        EXPECT_EQ(HasMiddleLevels(c.LevelCount), c.LevelCount >= 3) << c.LevelCount;
    }
    // Usable where a constant is needed.
    static_assert(IsMiddleLevel(3, 1) && !IsMiddleLevel(3, 2) && NearestMiddleLevel(5, 0) == 1);
}
