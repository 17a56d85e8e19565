#include "core/layout/LayoutGeometry.h"

namespace {
CRect FrameAround(const CRect& box)
{
    return CRect{box.Left - FrameMargin, box.Top - FrameMargin, box.Width + 2 * FrameMargin, FrameHeight};
}

void PlaceSlot(CHierarchyLayout& layout, std::uint32_t p, std::uint32_t k, int left, int top)
{
    const int width = p == 0 && k == 0 ? GoalBoxWidth : ElementBoxWidth;
    CElementPlace& place = layout.Places[p][k];
    place.Box = CRect{left, top, width, ElementBoxHeight};
    place.Frame = FrameAround(place.Box);
}

void PlaceAlong(CHierarchyLayout& layout, std::uint32_t p, std::uint32_t k, bool vertical, std::uint32_t x)
{
    // Wraps like the unsigned arithmetic it comes from.
    const auto coordinate = static_cast<int>(x);
    CElementPlace& place = layout.Places[p][k];
    if (vertical) {
        place.Box.Left = coordinate;
        place.Frame.Left = static_cast<int>(x - FrameMargin);
    } else {
        place.Box.Top = coordinate;
        place.Frame.Top = static_cast<int>(x - FrameMargin);
    }
}
} // namespace

void LayoutHorizontal(CHierarchyLayout& layout, int windowHeight)
{
    const int goalTop = windowHeight / 2 - 20;
    PlaceSlot(layout, 0, 0, 60, goalTop);
    for (std::uint32_t k = 1; k < MaxLevels; ++k) {
        for (std::uint32_t p = 0; p < MaxElementsPerLevel; ++p) {
            PlaceSlot(layout, p, k, 100 + 250 * static_cast<int>(k), 50 + 60 * static_cast<int>(p));
        }
    }
}

void LayoutVertical(CHierarchyLayout& layout, int windowWidth)
{
    const int goalLeft = windowWidth / 2 - 35;
    PlaceSlot(layout, 0, 0, goalLeft, 30);
    for (std::uint32_t k = 1; k < MaxLevels; ++k) {
        for (std::uint32_t p = 0; p < MaxElementsPerLevel; ++p) {
            PlaceSlot(layout, p, k, 45 + 107 * static_cast<int>(p), 150 * static_cast<int>(k));
        }
    }
}

void CentreLevels(CHierarchyLayout& layout, const CUserProjectModel& project, bool vertical)
{
    const CRect& goal = layout.Places[0][0].Box;
    const auto g = static_cast<std::uint32_t>(vertical ? goal.Left : goal.Top);
    const std::uint32_t levels = project.LevelCount() > MaxLevels ? MaxLevels : project.LevelCount();
    for (std::uint32_t k = 1; k < levels; ++k) {
        const std::uint32_t n = project.ElementsInLevelChecked(k);
        if (n == 2) {
            const std::uint32_t h = g >> 1U;
            PlaceAlong(layout, 0, k, vertical, g - h);
            PlaceAlong(layout, 1, k, vertical, g + h);
        } else if (n > 2) {
            const std::uint32_t q = n / 2;
            if (n % 2 == 1) {
                PlaceAlong(layout, q, k, vertical, g);
            }
            const std::uint32_t d = g / (q + 1) + 10;
            for (std::uint32_t i = 0; i < q; ++i) {
                PlaceAlong(layout, i, k, vertical, g - d * (q - i));
                PlaceAlong(layout, n - 1 - i, k, vertical, g + d * (q - i));
            }
        }
    }
}

CShift ReachableShift(const CHierarchyLayout& layout, const CUserProjectModel& project)
{
    int left = 0;
    int top = 0;
    const std::uint32_t levels = project.LevelCount() > MaxLevels ? MaxLevels : project.LevelCount();
    for (std::uint32_t k = 0; k < levels; ++k) {
        for (std::uint32_t p = 0; p < MaxElementsPerLevel; ++p) {
            if (project.SlotInUse(p, k)) {
                const CRect& frame = layout.Places[p][k].Frame;
                left = frame.Left < left ? frame.Left : left;
                top = frame.Top < top ? frame.Top : top;
            }
        }
    }
    return CShift{left < 0 ? ReachMargin - left : 0, top < 0 ? ReachMargin - top : 0};
}

void ComputeLinks(CLinkSet& links, const CHierarchyLayout& layout, const CUserProjectModel& project,
    const TElementGridOf<bool>& visible, bool vertical)
{
    links.Count = 0;
    const std::uint32_t levels = project.LevelCount() > MaxLevels ? MaxLevels : project.LevelCount();
    for (std::uint32_t k = 0; k + 1 < levels; ++k) {
        if (!visible[0][k + 1]) {
            return;
        }
        const std::uint32_t parents = project.ElementsInLevelChecked(k);
        const std::uint32_t children = project.ElementsInLevelChecked(k + 1);
        for (std::uint32_t p = 0; p < parents && visible[p][k]; ++p) {
            const CRect& parent = layout.Places[p][k].Box;
            const bool isGoal = p == 0 && k == 0;
            for (std::uint32_t c = 0; c < children && visible[c][k + 1]; ++c) {
                const CRect& child = layout.Places[c][k + 1].Box;
                CLinkLine line;
                if (vertical) {
                    line = CLinkLine{parent.Left + (isGoal ? 68 : 45), parent.Top + 23, child.Left + 45, child.Top - 4};
                } else {
                    line
                        = CLinkLine{parent.Left + (isGoal ? 142 : 97), parent.Top + 10, child.Left - 3, child.Top + 10};
                }
                if (links.Count < MaxLinkLines) {
                    links.Lines[links.Count++] = line;
                }
            }
        }
    }
}
