// Number conversion as the program's text files use it: "," is the decimal separator ("." is
// accepted too), surrounding blanks are allowed, anything else left over is an error. Results
// outside the type's range are errors as well.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

std::optional<float> TextToFloat(std::string_view text);
std::optional<int32_t> TextToInt(std::string_view text);
