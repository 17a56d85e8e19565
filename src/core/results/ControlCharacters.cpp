#include "core/results/ControlCharacters.h"

#include <array>
#include <cstdio>

std::string ShowControlCharacters(std::string_view utf8)
{
    std::string shown;
    shown.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        // A C1 control is two bytes in UTF-8: 0xC2 and 0x80..0x9F.
        const bool c1 = byte == 0xC2U && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) >= 0x80U
            && static_cast<unsigned char>(utf8[i + 1]) <= 0x9FU;
        if (byte == '\n') {
            shown += "\\n";
        } else if (byte == '\r') {
            shown += "\\r";
        } else if (byte == '\t') {
            shown += "\\t";
        } else if (byte < 0x20U || byte == 0x7FU) {
            std::array<char, 5> escape{};
            std::snprintf(escape.data(), escape.size(), "\\x%02x", static_cast<unsigned>(byte));
            shown += escape.data();
        } else if (c1) {
            std::array<char, 7> escape{};
            std::snprintf(escape.data(), escape.size(), "\\u%04x", static_cast<unsigned>(utf8[++i] & 0xFF));
            shown += escape.data();
        } else {
            shown += static_cast<char>(byte);
        }
    }
    return shown;
}
