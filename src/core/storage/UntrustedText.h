#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// How a message names a value taken from a file or a command line that it refuses: its
// first characters only (a file may hold megabytes where a number belongs), cut on a
// character boundary and followed by "…" when cut, with every control character escaped
// as a terminal report shows it.
inline constexpr std::size_t ShownValueLength = 40;
std::string ShortText(std::string_view text, std::size_t characters = ShownValueLength);
