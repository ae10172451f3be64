// The game keeps its texts in UTF-8; Windows shows UTF-16.
#pragma once

#include <string>
#include <string_view>

// The UTF-16 form of UTF-8 text, converted the same way whatever code page the system uses.
// Malformed bytes become replacement characters.
std::wstring Widen(std::string_view utf8);
