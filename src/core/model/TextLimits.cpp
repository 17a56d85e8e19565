#include "core/model/TextLimits.h"

namespace {
bool IsContinuationByte(unsigned char c)
{
    return (c & 0xC0U) == 0x80U;
}
} // namespace

std::size_t Utf8Length(const std::string& text)
{
    std::size_t count = 0;
    for (const char c : text) {
        if (!IsContinuationByte(static_cast<unsigned char>(c))) {
            ++count;
        }
    }
    return count;
}

std::size_t Utf8PrefixBytes(const std::string& text, std::size_t maxChars)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsContinuationByte(static_cast<unsigned char>(text[i]))) {
            if (count == maxChars) {
                return i;
            }
            ++count;
        }
    }
    return text.size();
}

std::string Utf8Truncate(const std::string& text, std::size_t maxChars)
{
    return text.substr(0, Utf8PrefixBytes(text, maxChars));
}
