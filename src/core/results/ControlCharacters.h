#pragma once

#include <string>
#include <string_view>

// UTF-8 text made safe for a terminal: every control character (C0, DEL and the C1
// range U+0080..U+009F) is shown as a visible escape ("\n", "\r", "\t", "\x1b",
// "\u009b"), so names taken from a file cannot move the cursor, recolour or retitle the
// terminal, or break a report's lines. Everything else, backslashes included, is kept.
std::string ShowControlCharacters(std::string_view utf8);
