#include "base/text_numbers.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

// from_chars takes neither a leading "+" nor a ","; both occur in hand-written files.
std::string_view WithoutPlus(std::string_view token) {
    if (token.size() > 1 && token[0] == '+' && token[1] != '-') token.remove_prefix(1);
    return token;
}

template <typename T>
std::optional<T> ParseWhole(std::string_view token, int base = 10) {
    T value{};
    const auto [end, error] =
        std::from_chars(token.data(), token.data() + token.size(), value, base);
    if (error != std::errc() || end != token.data() + token.size()) return std::nullopt;
    return value;
}

}  // namespace

std::optional<float> ParseReal(std::string_view token) {
    token = WithoutPlus(token);
    if (token.empty()) return std::nullopt;
    std::string text(token);
    for (char& c : text) {
        if (c == ',') c = '.';
    }
    // Spell-outs like "inf" and "nan" are not numbers in a map or model.
    if (text.find_first_of("iInN") != std::string::npos) return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    const float result = static_cast<float>(value);
    if (!std::isfinite(result)) return std::nullopt;
    return result;
}

std::optional<int32_t> ParseInt32(std::string_view token) {
    return ParseWhole<int32_t>(WithoutPlus(token));
}

std::optional<uint32_t> ParseColourWord(std::string_view token) {
    token = WithoutPlus(token);
    std::optional<int64_t> value;
    if (token.starts_with("$")) {
        auto hex = ParseWhole<uint64_t>(token.substr(1), 16);
        if (hex) value = static_cast<int64_t>(*hex);
    } else if (token.starts_with("0x") || token.starts_with("0X")) {
        auto hex = ParseWhole<uint64_t>(token.substr(2), 16);
        if (hex) value = static_cast<int64_t>(*hex);
    } else {
        value = ParseWhole<int64_t>(token);
    }
    if (!value) return std::nullopt;
    return static_cast<uint32_t>(static_cast<uint64_t>(*value) & 0xFFFFFFFFu);
}
