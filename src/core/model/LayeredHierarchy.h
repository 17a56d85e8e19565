#pragma once

#include "core/model/CHierarchy.h"

#include <optional>

class CUserProjectModel;

// The hierarchy of a layered project: the goal, the middle levels' elements (each with
// the whole next level as its children and the leading block of its judgements), the
// bottom level as the alternatives. Nothing for a project of fewer than two levels.
std::optional<CHierarchy> HierarchyOfLayers(const CUserProjectModel& project);
