#pragma once

#include "core/model/TColor.h"

#include <array>
#include <cstdint>

inline constexpr std::int32_t ExpertScaleLineCount = 19;
// The two empty lines around the equality line cannot be accepted.
inline constexpr std::int32_t ExpertScaleEqualLine = 9;

struct CExpertScaleLine {
    const char* Text;
    std::int32_t Value; // 0 for the two empty lines
    TColor Colour;
};

extern const std::array<CExpertScaleLine, ExpertScaleLineCount> ExpertScaleLines;

bool IsAcceptableScaleLine(std::int32_t line);
// A value some line of the scale stands for: 1..9 or -2..-9.
bool IsScaleValue(std::int32_t value);
// The value a line stands for; 1 for an empty line or an index outside the list.
std::int32_t ScaleLineToValue(std::int32_t line);
// The line preselected for a stored value; line 0 for anything the scale does not offer.
std::int32_t ScaleValueToLine(std::int32_t value);
// The arrow keys on the scale: the nearest line that can be accepted one way (step -1
// up, +1 down) from line; line itself at either end.
std::int32_t NextAcceptableScaleLine(std::int32_t line, std::int32_t step);
