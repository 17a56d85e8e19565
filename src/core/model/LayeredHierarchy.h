#pragma once

#include "core/model/CHierarchy.h"
#include "core/model/ModelConstants.h"

#include <array>
#include <cstdint>
#include <optional>

class CUserProjectModel;

// How the slots of a layered project are nodes of its hierarchy: numbered level by level
// from the goal (node 0), the node of slot (position, level) being the first node of its
// level + position; the bottom level holds the alternatives, which are no nodes.
class CLayeredNumbering {
public:
    // A project of at least two levels.
    explicit CLayeredNumbering(const CUserProjectModel& project);

    [[nodiscard]] std::uint32_t NodeCount() const { return First[Bottom]; }
    [[nodiscard]] std::uint32_t AlternativeCount() const { return Alternatives; }
    // The alternatives' level.
    [[nodiscard]] std::uint32_t BottomLevel() const { return Bottom; }
    [[nodiscard]] std::uint32_t Level(std::uint32_t node) const { return Levels[node]; }
    [[nodiscard]] std::uint32_t Position(std::uint32_t node) const { return Positions[node]; }
    [[nodiscard]] std::uint32_t FirstNode(std::uint32_t level) const { return First[level]; }
    // The elements of the level below the node's: its children, or the alternatives.
    [[nodiscard]] std::uint32_t ComparedCount(std::uint32_t node) const
    {
        const std::uint32_t below = Levels[node] + 1;
        return below == Bottom ? Alternatives : First[below + 1] - First[below];
    }

private:
    std::uint32_t Bottom = 0;
    std::uint32_t Alternatives = 0;
    std::array<std::uint32_t, MaxLevels> First{};
    std::array<std::uint32_t, 1 + (MaxLevels - 2) * MaxElementsPerLevel> Levels{};
    std::array<std::uint32_t, 1 + (MaxLevels - 2) * MaxElementsPerLevel> Positions{};
};

// The hierarchy of a layered project: the goal, the middle levels' elements (each with
// the whole next level as its children and the leading block of its judgements), the
// bottom level as the alternatives. Nothing for a project of fewer than two levels.
std::optional<CHierarchy> HierarchyOfLayers(const CUserProjectModel& project);
