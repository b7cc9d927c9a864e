// Number conversion for the game's text files: "." as decimal point (a "," is accepted too),
// an optional sign, nothing else in the token. Finite values only.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

std::optional<float> ParseReal(std::string_view token);
std::optional<int32_t> ParseInt32(std::string_view token);
// Decimal, or hexadecimal after "$" or "0x"; read as 64 bits, the low 32 kept.
std::optional<uint32_t> ParseColourWord(std::string_view token);
