#pragma once

#include "core/model/CModelProblem.h"

#include <cstdint>
#include <string>

// The limits of a tree of criteria (a layered project keeps the grid's limits).
inline constexpr std::uint32_t MaxTreeLevels = 10; // the goal and the alternatives included
inline constexpr std::uint32_t MaxTreeChildren = 20;
inline constexpr std::uint32_t MaxTreeCriteria = 200; // every node but the goal
inline constexpr std::uint32_t MinAlternatives = 2;
inline constexpr std::uint32_t MaxAlternatives = 20;
inline constexpr std::uint32_t MaxTreeNameLength = 60;      // characters
inline constexpr std::uint32_t MaxTreeCommentLength = 1000; // characters

// The largest judgement matrix of any hierarchy: over 20 children or 20 alternatives.
inline constexpr std::uint32_t MaxMatrixOrder = 20;

// What is wrong with a name or a comment of a tree (nothing: EModelProblem::None): not
// UTF-8, empty, or longer than the limit.
CModelProblem TreeNameCheck(const std::string& name);
CModelProblem TreeCommentCheck(const std::string& comment);
// The same as the user's sentence ("" when nothing).
std::string TreeNameProblem(const std::string& name);
std::string TreeCommentProblem(const std::string& comment);
