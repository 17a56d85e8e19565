#pragma once

#include <cstdint>

inline constexpr std::uint32_t MaxElementsPerLevel = 9;
inline constexpr std::uint32_t MaxLevels = 10;
inline constexpr std::uint32_t MinElementsPerLevel = 2;
inline constexpr std::uint32_t MinLevels = 2;

// Levels a new project must have at least (files with MinLevels are read back).
inline constexpr std::uint32_t MinLevelsOnCreate = 3;

// Length limits of the dialogs, in stored (Windows-1251) bytes.
inline constexpr std::uint32_t MaxElementNameLength = 9;
inline constexpr std::uint32_t MaxGoalNameLength = 14;
inline constexpr std::uint32_t MaxCommentLength = 200;

// The default texts of a new element are ModelPhrases' (DefaultElementName, DefaultComment).
