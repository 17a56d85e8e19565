#pragma once

#include <cstddef>
#include <string>

// Model text is UTF-8; every character the project file can hold takes one stored
// byte, so limits are counted in characters (code points).
std::size_t Utf8Length(const std::string& text);
// Bytes taken by the first maxChars characters of text (all of it when shorter).
std::size_t Utf8PrefixBytes(const std::string& text, std::size_t maxChars);
std::string Utf8Truncate(const std::string& text, std::size_t maxChars);
