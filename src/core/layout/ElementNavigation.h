#pragma once

#include "core/layout/LayoutGeometry.h"
#include "core/model/CElementSlot.h"

#include <cstdint>

enum class EArrowKey { Up, Down, Left, Right };

// Where an arrow key takes the keyboard from an element, as the drawing shows the
// hierarchy: along a level (horizontal: up and down; vertical: left and right) to the
// neighbouring element, across levels (the other two arrows) to the element of the
// neighbouring level that stands nearest. The same slot when nothing lies that way.
CElementSlot ArrowTarget(const CHierarchyLayout& layout, const CUserProjectModel& project, bool vertical,
    CElementSlot from, EArrowKey arrow);

// The next (or previous) element in the order Tab walks: the goal, then level by level,
// each level in the order it is drawn; round from the last element to the goal.
CElementSlot TabTarget(
    const CHierarchyLayout& layout, const CUserProjectModel& project, bool vertical, CElementSlot from, bool forward);

// The element in use nearest to a slot that may have gone out of use (an element or a
// level deleted): the slot itself, else the last element of its level, else the last
// level's element at the nearest position.
CElementSlot NearestInUse(const CUserProjectModel& project, CElementSlot slot);
