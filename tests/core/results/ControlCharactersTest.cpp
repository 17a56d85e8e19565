#include "core/results/ControlCharacters.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

TEST(ShowControlCharacters, EveryControlCharacterBecomesAVisibleEscape)
{
    using namespace std::string_literals;
    const std::vector<std::pair<std::string, std::string>> cases{
        {"Дом", "Дом"},
        {"a\\b \"c\" ~", "a\\b \"c\" ~"}, // printable ASCII, backslash included, stays
        {"\x1b]0;title\x07", "\\x1b]0;title\\x07"},
        {"two\nlines\r\n", "two\\nlines\\r\\n"},
        {"\t\x01\x1f\x7f", "\\t\\x01\\x1f\\x7f"},
        {"nul\0end"s, "nul\\x00end"},
        {"\xc2\x9b"
         "31m\xc2\x80\xc2\x9f",
            "\\u009b31m\\u0080\\u009f"},          // C1: CSI and the range's ends
        {"\xc2\xa0\xc2\xbb", "\xc2\xa0\xc2\xbb"}, // no-break space and » are text
        {"\xc2", "\xc2"},                         // a cut sequence is left as it is
        {"", ""},
    };
    for (const auto& [text, shown] : cases) {
        EXPECT_EQ(ShowControlCharacters(text), shown) << text;
    }
    // Nothing that reaches the terminal is a control character any more.
    std::string all;
    for (int c = 0; c < 0x80; ++c) {
        all += static_cast<char>(c);
    }
    for (const char c : ShowControlCharacters(all)) {
        EXPECT_TRUE(static_cast<unsigned char>(c) >= 0x20U && c != 0x7F) << static_cast<int>(c);
    }
}
