#pragma once

#include <string>

// Model text is UTF-8; the project file holds Windows-1251. The conversion uses the
// system's iconv.
bool IsCp1251Representable(const std::string& utf8);
// Text the code page cannot hold never reaches here (the dialogs refuse it); should it,
// those characters are dropped rather than written as something else.
std::string Utf8ToCp1251(const std::string& utf8);
std::string Cp1251ToUtf8(const std::string& cp1251);
