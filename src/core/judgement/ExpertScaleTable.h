#pragma once

#include "core/model/Phrase.h"
#include "core/model/TColor.h"

#include <array>
#include <cstdint>
#include <string>

inline constexpr std::int32_t ExpertScaleLineCount = 19;
// The two empty lines around the equality line cannot be accepted.
inline constexpr std::int32_t ExpertScaleEqualLine = 9;

// A line of the verbal scale: its words are a phrase (none for the two empty lines).
struct CExpertScaleLine {
    CPhrase Phrase;
    std::int32_t Value; // 0 for the two empty lines
    TColor Colour;
    const char* Text = Phrase.Source; // the words' Russian source
};

extern const std::array<CExpertScaleLine, ExpertScaleLineCount> ExpertScaleLines;

// The words of a line in the interface's language: "A значительно важнее B"; empty for an
// empty line or an index outside the list.
std::string ExpertScaleLineText(std::int32_t line);

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
