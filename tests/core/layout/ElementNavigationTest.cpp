#include "core/layout/ElementNavigation.h"
#include "support/ModelEdits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <utility>
#include <vector>

// Failures name the slot as "position,level".
void PrintTo(const CElementSlot& slot, std::ostream* out)
{
    *out << slot.Position << "," << slot.Level;
}

namespace {
// Levels 1..4 of 9, 4, 3 and 2 elements. Horizontal from a window 724 high, the Tops are
// goal 342; level 1: 30 108 186 264 342 420 498 576 654; level 2: 94 218 466 590;
// level 3: 161 342 523; level 4: 171 513. Vertical from a window 1032 wide, the Lefts
// are goal 481 (140 wide, centre 551); level 1: 57 163 269 375 481 587 693 799 905;
// level 2: 141 311 651 821; level 3: 231 481 731; level 4: 241 721 (95 wide).
std::unique_ptr<CUserProjectModel> Project()
{
    auto m = std::make_unique<CUserProjectModel>();
    EXPECT_TRUE(BuildWithCounts(*m, {1, 9, 4, 3, 2}));
    return m;
}

std::unique_ptr<CHierarchyLayout> Drawn(const CUserProjectModel& m, bool vertical)
{
    auto layout = std::make_unique<CHierarchyLayout>();
    if (vertical) {
        LayoutVertical(*layout, 1032);
    } else {
        LayoutHorizontal(*layout, 724);
    }
    CentreLevels(*layout, m, vertical);
    return layout;
}

struct CArrowCase {
    bool Vertical;
    CElementSlot From;
    EArrowKey Arrow;
    CElementSlot To;
};

using enum EArrowKey;
} // namespace

TEST(ElementNavigation, ArrowsFollowTheDrawingInBothOrientations)
{
    const auto m = Project();
    const auto horizontal = Drawn(*m, false);
    const auto vertical = Drawn(*m, true);
    // Horizontal: up and down along a level, left and right across levels; vertical the
    // other way round. Comments give the coordinates the nearest is chosen by.
    const std::vector<CArrowCase> cases = {
        {false, {0, 0}, Right, {4, 1}}, // 342 faces the middle of nine
        {false, {0, 0}, Left, {0, 0}},
        {false, {0, 0}, Down, {0, 0}},
        {false, {4, 1}, Down, {5, 1}},
        {false, {4, 1}, Up, {3, 1}},
        {false, {0, 1}, Up, {0, 1}}, // the ends do not wrap
        {false, {8, 1}, Down, {8, 1}},
        {false, {0, 1}, Left, {0, 0}},
        {false, {4, 1}, Right, {1, 2}}, // 218 and 466 both 124 away: the one drawn first
        {false, {2, 1}, Right, {1, 2}}, // 186 -> 218
        {false, {8, 1}, Right, {3, 2}}, // 654 -> 590
        {false, {3, 2}, Left, {7, 1}},  // 590 -> 576
        {false, {1, 2}, Right, {0, 3}}, // 218 -> 161, not 342
        {false, {2, 3}, Right, {1, 4}}, // 523 -> 513
        {false, {1, 4}, Right, {1, 4}}, // the bottom level
        {true, {0, 0}, Down, {4, 1}},   // centre 551 -> 528.5, not 634.5
        {true, {0, 0}, Up, {0, 0}},
        {true, {0, 0}, Right, {0, 0}},
        {true, {4, 1}, Right, {5, 1}},
        {true, {0, 1}, Left, {0, 1}},
        {true, {4, 1}, Up, {0, 0}},
        {true, {4, 1}, Down, {1, 2}}, // 311 and 651 both 170 away: the one drawn first
        {true, {0, 2}, Up, {1, 1}},   // 141 -> 163
        {true, {3, 2}, Down, {2, 3}}, // 821 -> 731
        {true, {1, 4}, Up, {2, 3}},   // 721 -> 731
        {true, {0, 4}, Down, {0, 4}},
    };
    for (const CArrowCase& c : cases) {
        const CHierarchyLayout& layout = c.Vertical ? *vertical : *horizontal;
        EXPECT_EQ(ArrowTarget(layout, *m, c.Vertical, c.From, c.Arrow), c.To)
            << (c.Vertical ? "vertical " : "horizontal ") << c.From.Position << "," << c.From.Level << " arrow "
            << static_cast<int>(c.Arrow);
    }
    // A slot out of use (position 4 of level 2) goes nowhere.
    EXPECT_EQ(ArrowTarget(*horizontal, *m, false, {4, 2}, Up), (CElementSlot{4, 2}));
}

TEST(ElementNavigation, AnElementDrawnOutOfPositionOrderIsReachedInDrawingOrder)
{
    const auto m = Project();
    auto layout = Drawn(*m, false);
    // Level 3 drawn bottom-up: position 2 highest, position 0 lowest.
    layout->Places[0][3].Box.Top = 523;
    layout->Places[2][3].Box.Top = 161;
    EXPECT_EQ(ArrowTarget(*layout, *m, false, {2, 3}, Down), (CElementSlot{1, 3}));
    EXPECT_EQ(ArrowTarget(*layout, *m, false, {1, 3}, Down), (CElementSlot{0, 3}));
    EXPECT_EQ(ArrowTarget(*layout, *m, false, {0, 3}, Down), (CElementSlot{0, 3}));
    EXPECT_EQ(ArrowTarget(*layout, *m, false, {1, 2}, Right), (CElementSlot{2, 3})); // 218 -> 161
    EXPECT_EQ(TabTarget(*layout, *m, false, {3, 2}, true), (CElementSlot{2, 3}));
    EXPECT_EQ(TabTarget(*layout, *m, false, {0, 3}, true), (CElementSlot{0, 4}));
}

TEST(ElementNavigation, TabWalksLevelByLevelAndWrapsBothWays)
{
    const auto m = Project();
    std::vector<CElementSlot> expected = {{0, 0}};
    for (const auto& [level, count] :
        std::vector<std::pair<std::uint32_t, std::uint32_t>>{{1, 9}, {2, 4}, {3, 3}, {4, 2}}) {
        for (std::uint32_t p = 0; p < count; ++p) {
            expected.push_back({p, level});
        }
    }
    for (const bool vertical : {false, true}) {
        const auto layout = Drawn(*m, vertical);
        std::vector<CElementSlot> forward{{0, 0}};
        std::vector<CElementSlot> backward{{0, 0}};
        for (std::size_t i = 1; i <= expected.size(); ++i) {
            forward.push_back(TabTarget(*layout, *m, vertical, forward.back(), true));
            backward.push_back(TabTarget(*layout, *m, vertical, backward.back(), false));
        }
        std::vector<CElementSlot> wanted = expected;
        wanted.push_back({0, 0});
        EXPECT_EQ(forward, wanted) << vertical;
        std::reverse(wanted.begin() + 1, wanted.end() - 1);
        EXPECT_EQ(backward, wanted) << vertical;
    }
}

TEST(ElementNavigation, NearestInUseAfterADeletion)
{
    const auto m = Project();
    const std::vector<std::pair<CElementSlot, CElementSlot>> cases = {
        {{0, 0}, {0, 0}},
        {{2, 3}, {2, 3}},
        {{3, 3}, {2, 3}}, // the level's last element was deleted
        {{8, 2}, {3, 2}},
        {{1, 5}, {1, 4}}, // its level was deleted: the bottom level
        {{7, 9}, {1, 4}},
    };
    for (const auto& [slot, nearest] : cases) {
        EXPECT_EQ(NearestInUse(*m, slot), nearest) << slot.Position << "," << slot.Level;
    }
    const CUserProjectModel empty;
    EXPECT_EQ(NearestInUse(empty, {3, 3}), (CElementSlot{0, 0}));
}
