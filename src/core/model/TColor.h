#pragma once

#include <cstdint>

// Colours as the window descriptions give them: 0x00BBGGRR.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clWhite = 0xFFFFFF;

constexpr int ColorRed(TColor c)
{
    return static_cast<int>(c & 0xFFU);
}
constexpr int ColorGreen(TColor c)
{
    return static_cast<int>((c >> 8U) & 0xFFU);
}
constexpr int ColorBlue(TColor c)
{
    return static_cast<int>((c >> 16U) & 0xFFU);
}
