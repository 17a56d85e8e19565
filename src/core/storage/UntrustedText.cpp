#include "core/storage/UntrustedText.h"

#include "core/results/ControlCharacters.h"

std::string ShortText(std::string_view text, std::size_t characters)
{
    std::size_t end = 0;
    std::size_t count = 0;
    while (end < text.size() && count < characters) {
        ++end;
        // Continuation bytes belong to the character before them.
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0U) == 0x80U) {
            ++end;
        }
        ++count;
    }
    std::string shown = ShowControlCharacters(text.substr(0, end));
    if (end < text.size()) {
        shown += "…";
    }
    return shown;
}
