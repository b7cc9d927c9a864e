// Windows-1251 <-> UTF-8. Text inside the program is single-byte Windows-1251; these convert at
// the edges (SDL text input, clipboard, font rasterising, message boxes). Characters that have
// no Windows-1251 code become "?"; invalid UTF-8 bytes are skipped.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// The Unicode code point of a Windows-1251 byte (0 for the one unassigned code, 0x98).
char32_t Cp1251ToCodePoint(uint8_t code);
std::string Cp1251ToUtf8(std::string_view text);
std::string Utf8ToCp1251(std::string_view text);
