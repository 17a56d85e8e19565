#pragma once

#include <cstddef>
#include <string>

// Model text is UTF-8; the project file holds Windows-1251. The conversion uses the
// system's iconv.
bool IsCp1251Representable(const std::string& utf8);
// Text the code page cannot hold never reaches here (the dialogs refuse it); should it,
// those characters are dropped rather than written as something else.
std::string Utf8ToCp1251(const std::string& utf8);
std::string Cp1251ToUtf8(const std::string& cp1251);

// The same conversions into a string the caller keeps: its buffer is reused, so a
// reader or writer that converts string after string does not allocate for each.
void Utf8ToCp1251(const char* utf8, std::size_t size, std::string& cp1251);
void Cp1251ToUtf8(const char* cp1251, std::size_t size, std::string& utf8);
