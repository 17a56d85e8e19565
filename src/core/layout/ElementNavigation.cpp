#include "core/layout/ElementNavigation.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>

namespace {
std::uint32_t LevelsDrawn(const CUserProjectModel& project)
{
    return std::min(project.LevelCount(), MaxLevels);
}

// Twice the centre of a box along its level's axis (whole pixels: the goal is wider).
std::int64_t AlongLevel(const CHierarchyLayout& layout, bool vertical, CElementSlot slot)
{
    const CRect& box = layout.Places[slot.Position][slot.Level].Box;
    return vertical ? 2LL * box.Left + box.Width : 2LL * box.Top + box.Height;
}

// The elements of a level in use, in the order they stand along the level.
struct CLevelOrder {
    std::uint32_t Count = 0;
    std::array<std::uint32_t, MaxElementsPerLevel> Positions{};
};

CLevelOrder DrawnOrder(const CHierarchyLayout& layout, const CUserProjectModel& project, bool vertical, std::uint32_t k)
{
    CLevelOrder order;
    for (std::uint32_t p = 0; p < MaxElementsPerLevel && (k > 0 || p == 0); ++p) {
        if (project.SlotInUse(p, k)) {
            order.Positions[order.Count++] = p;
        }
    }
    // Centring keeps the positions in order, but a crowded level in a small window can
    // put two at one place: the position then decides.
    std::stable_sort(
        order.Positions.begin(), order.Positions.begin() + order.Count, [&](std::uint32_t a, std::uint32_t b) {
            return AlongLevel(layout, vertical, {a, k}) < AlongLevel(layout, vertical, {b, k});
        });
    return order;
}

CElementSlot AlongTheLevel(
    const CHierarchyLayout& layout, const CUserProjectModel& project, bool vertical, CElementSlot from, bool next)
{
    const CLevelOrder order = DrawnOrder(layout, project, vertical, from.Level);
    for (std::uint32_t i = 0; i < order.Count; ++i) {
        if (order.Positions[i] != from.Position) {
            continue;
        }
        if (next && i + 1 < order.Count) {
            return {order.Positions[i + 1], from.Level};
        }
        if (!next && i > 0) {
            return {order.Positions[i - 1], from.Level};
        }
        break;
    }
    return from;
}

CElementSlot AcrossLevels(
    const CHierarchyLayout& layout, const CUserProjectModel& project, bool vertical, CElementSlot from, bool deeper)
{
    if ((!deeper && from.Level == 0) || (deeper && from.Level + 1 >= LevelsDrawn(project))) {
        return from;
    }
    const std::uint32_t k = deeper ? from.Level + 1 : from.Level - 1;
    const std::int64_t here = AlongLevel(layout, vertical, from);
    const CLevelOrder order = DrawnOrder(layout, project, vertical, k);
    CElementSlot nearest = from;
    std::int64_t best = 0;
    // In drawing order, so of two at the same distance the one drawn first wins.
    for (std::uint32_t i = 0; i < order.Count; ++i) {
        const CElementSlot candidate{order.Positions[i], k};
        const std::int64_t distance = std::llabs(AlongLevel(layout, vertical, candidate) - here);
        if (nearest == from || distance < best) {
            nearest = candidate;
            best = distance;
        }
    }
    return nearest;
}
} // namespace

CElementSlot ArrowTarget(
    const CHierarchyLayout& layout, const CUserProjectModel& project, bool vertical, CElementSlot from, EArrowKey arrow)
{
    if (!project.SlotInUse(from.Position, from.Level) || from.Level >= LevelsDrawn(project)) {
        return from;
    }
    const bool backward = arrow == EArrowKey::Up || arrow == EArrowKey::Left;
    // Horizontal levels stand side by side and run downwards; vertical ones are rows.
    const bool alongLevel = vertical ? (arrow == EArrowKey::Left || arrow == EArrowKey::Right)
                                     : (arrow == EArrowKey::Up || arrow == EArrowKey::Down);
    return alongLevel ? AlongTheLevel(layout, project, vertical, from, !backward)
                      : AcrossLevels(layout, project, vertical, from, !backward);
}

CElementSlot TabTarget(
    const CHierarchyLayout& layout, const CUserProjectModel& project, bool vertical, CElementSlot from, bool forward)
{
    std::array<CElementSlot, 1 + (MaxLevels - 1) * MaxElementsPerLevel> walk{};
    std::uint32_t count = 0;
    for (std::uint32_t k = 0; k < LevelsDrawn(project); ++k) {
        const CLevelOrder order = DrawnOrder(layout, project, vertical, k);
        for (std::uint32_t i = 0; i < order.Count; ++i) {
            walk[count++] = CElementSlot{order.Positions[i], k};
        }
    }
    if (count == 0) {
        return from;
    }
    const auto* at = std::find(walk.begin(), walk.begin() + count, from);
    if (at == walk.begin() + count) {
        return forward ? walk[0] : walk[count - 1];
    }
    const auto i = static_cast<std::uint32_t>(at - walk.begin());
    return walk[forward ? (i + 1) % count : (i + count - 1) % count];
}

CElementSlot NearestInUse(const CUserProjectModel& project, CElementSlot slot)
{
    const std::uint32_t levels = LevelsDrawn(project);
    if (levels == 0) {
        return {};
    }
    const std::uint32_t k = std::min(slot.Level, levels - 1);
    const std::uint32_t n = project.ElementsInLevelChecked(k);
    if (n == 0) {
        return {};
    }
    return {std::min(slot.Position, n - 1), k};
}
