#pragma once

#include <cstdint>

// The number a stored judgement stands for: a code a >= 0 is its own value, a negative
// code stands for 1 / |a| (so -3 is 1/3 and 0 stays 0).
constexpr double JudgementValue(std::int32_t code)
{
    // Through double: |INT_MIN| does not fit an int.
    const auto x = static_cast<double>(code);
    return x < 0.0 ? 1.0 / (-x) : x;
}
