#include "core/layout/LayoutGeometry.h"
#include "support/ModelEdits.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
// A project with the given element counts on levels 1, 2, ...
std::unique_ptr<CUserProjectModel> Project(std::initializer_list<std::uint32_t> counts)
{
    auto m = std::make_unique<CUserProjectModel>();
    std::vector<std::uint32_t> all{1};
    all.insert(all.end(), counts.begin(), counts.end());
    EXPECT_TRUE(BuildWithCounts(*m, all));
    return m;
}

TElementGridOf<bool> SlotsInUse(const CUserProjectModel& m)
{
    TElementGridOf<bool> inUse{};
    for (std::uint32_t e = 0; e < 9; ++e) {
        for (std::uint32_t k = 0; k < 10; ++k) {
            inUse[e][k] = m.SlotInUse(e, k);
        }
    }
    return inUse;
}
} // namespace

TEST(LayoutGeometry, HorizontalWindowHeight724)
{
    auto m = Project({9, 4, 3, 2});
    auto layout = std::make_unique<CHierarchyLayout>();
    LayoutHorizontal(*layout, 724);
    EXPECT_EQ(layout->Places[0][0].Box, (CRect{60, 342, 140, 20}));
    EXPECT_EQ(layout->Places[0][0].Frame, (CRect{57, 339, 146, 26}));
    EXPECT_EQ(layout->Places[8][9].Box, (CRect{2350, 530, 95, 20}));
    EXPECT_EQ(layout->Places[8][9].Frame, (CRect{2347, 527, 101, 26}));
    CentreLevels(*layout, *m, false);
    const int nine[] = {30, 108, 186, 264, 342, 420, 498, 576, 654};
    for (std::uint32_t p = 0; p < 9; ++p) {
        EXPECT_EQ(layout->Places[p][1].Box, (CRect{350, nine[p], 95, 20})) << p;
        EXPECT_EQ(layout->Places[p][1].Frame.Top, nine[p] - 3);
        EXPECT_EQ(layout->Places[p][1].Frame.Left, 347);
    }
    const int four[] = {94, 218, 466, 590};
    for (std::uint32_t p = 0; p < 4; ++p) {
        EXPECT_EQ(layout->Places[p][2].Box.Top, four[p]) << p;
    }
    EXPECT_EQ(layout->Places[4][2].Box.Top, 50 + 60 * 4); // not in use: not moved
    EXPECT_EQ(layout->Places[0][3].Box.Top, 161);
    EXPECT_EQ(layout->Places[1][3].Box.Top, 342);
    EXPECT_EQ(layout->Places[2][3].Box.Top, 523);
    EXPECT_EQ(layout->Places[0][4].Box.Top, 171);
    EXPECT_EQ(layout->Places[1][4].Box.Top, 513);
    EXPECT_EQ(layout->Places[1][4].Frame.Top, 510);
}

TEST(LayoutGeometry, VerticalWindowWidth1032)
{
    auto m = Project({9, 2});
    auto layout = std::make_unique<CHierarchyLayout>();
    LayoutVertical(*layout, 1032);
    EXPECT_EQ(layout->Places[0][0].Box, (CRect{481, 30, 140, 20}));
    EXPECT_EQ(layout->Places[0][0].Frame, (CRect{478, 27, 146, 26}));
    EXPECT_EQ(layout->Places[8][9].Box, (CRect{45 + 107 * 8, 1350, 95, 20}));
    CentreLevels(*layout, *m, true);
    const int nine[] = {57, 163, 269, 375, 481, 587, 693, 799, 905};
    for (std::uint32_t p = 0; p < 9; ++p) {
        EXPECT_EQ(layout->Places[p][1].Box, (CRect{nine[p], 150, 95, 20})) << p;
        EXPECT_EQ(layout->Places[p][1].Frame, (CRect{nine[p] - 3, 147, 101, 26}));
    }
    EXPECT_EQ(layout->Places[0][2].Box.Left, 241);
    EXPECT_EQ(layout->Places[1][2].Box.Left, 721);
}

TEST(LayoutGeometry, SmallWindowWrapsLikeUnsignedArithmetic)
{
    auto m = Project({9, 3});
    auto layout = std::make_unique<CHierarchyLayout>();
    LayoutHorizontal(*layout, 100); // GoalTop 30: d = 30/5 + 10 = 16
    CentreLevels(*layout, *m, false);
    EXPECT_EQ(layout->Places[0][1].Box.Top, 30 - 64);
    EXPECT_EQ(layout->Places[0][1].Frame.Top, 30 - 67);
    EXPECT_EQ(layout->Places[8][1].Box.Top, 30 + 64);
    // Out of reach above the window: the whole diagram moves down until the highest
    // frame (30 - 67) stands at the margin; nothing is to the left, so nothing moves across.
    EXPECT_EQ(ReachableShift(*layout, *m), (CShift{0, 10 + 67 - 30}));
    LayoutHorizontal(*layout, 724);
    CentreLevels(*layout, *m, false);
    EXPECT_EQ(ReachableShift(*layout, *m), (CShift{0, 0}));
}

TEST(LayoutGeometry, LinkEndPoints)
{
    auto m = Project({3, 2});
    auto layout = std::make_unique<CHierarchyLayout>();
    auto links = std::make_unique<CLinkSet>();
    TElementGridOf<bool> visible = SlotsInUse(*m);
    for (bool vertical : {false, true}) {
        if (vertical) {
            LayoutVertical(*layout, 1032);
        } else {
            LayoutHorizontal(*layout, 724);
        }
        CentreLevels(*layout, *m, vertical);
        ComputeLinks(*links, *layout, *m, visible, vertical);
        ASSERT_EQ(links->Count, 3U + 3U * 2U);
        const CRect& goal = layout->Places[0][0].Box;
        const CRect& c0 = layout->Places[0][1].Box;
        const CRect& p2 = layout->Places[2][1].Box;
        const CRect& a1 = layout->Places[1][2].Box;
        if (vertical) {
            EXPECT_EQ(links->Lines[0], (CLinkLine{goal.Left + 68, goal.Top + 23, c0.Left + 45, c0.Top - 4}));
            EXPECT_EQ(links->Lines[8], (CLinkLine{p2.Left + 45, p2.Top + 23, a1.Left + 45, a1.Top - 4}));
        } else {
            EXPECT_EQ(links->Lines[0], (CLinkLine{202, 352, 347, c0.Top + 10}));
            EXPECT_EQ(links->Lines[8], (CLinkLine{p2.Left + 97, p2.Top + 10, a1.Left - 3, a1.Top + 10}));
        }
    }
    // Hidden hierarchy: no links; a hidden child stops its parent's row.
    TElementGridOf<bool> hidden{};
    ComputeLinks(*links, *layout, *m, hidden, false);
    EXPECT_EQ(links->Count, 0U);
    visible[1][2] = false;
    ComputeLinks(*links, *layout, *m, visible, false);
    EXPECT_EQ(links->Count, 3U + 3U);
    auto full = Project({9, 9, 9, 9, 9, 9, 9, 9, 9});
    ComputeLinks(*links, *layout, *full, SlotsInUse(*full), false);
    EXPECT_EQ(links->Count, 9U + 8U * 81U);
}
