#include "base/cp1251.h"

#include <array>

namespace {

// Codes 0x80..0xBF; 0xC0..0xFF are the contiguous Cyrillic letters А..я.
constexpr std::array<char16_t, 64> kHighCodes = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

char CodePointToCp1251(char32_t c) {
    if (c < 0x80) return static_cast<char>(c);
    if (c >= 0x0410 && c <= 0x044F) return static_cast<char>(0xC0 + (c - 0x0410));
    for (std::size_t i = 0; i < kHighCodes.size(); ++i) {
        if (kHighCodes[i] != 0 && kHighCodes[i] == c) return static_cast<char>(0x80 + i);
    }
    return '?';
}

// Decodes one UTF-8 sequence at `text[i]`, advancing `i`; false for a malformed byte.
bool NextCodePoint(std::string_view text, std::size_t& i, char32_t& c) {
    auto lead = static_cast<uint8_t>(text[i++]);
    int extra = lead < 0x80           ? 0
                : (lead >> 5) == 0x6  ? 1
                : (lead >> 4) == 0xE  ? 2
                : (lead >> 3) == 0x1E ? 3
                                      : -1;
    if (extra < 0) return false;
    c = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if (i >= text.size() || (static_cast<uint8_t>(text[i]) & 0xC0) != 0x80) return false;
        c = (c << 6) | (static_cast<uint8_t>(text[i++]) & 0x3F);
    }
    return true;
}

}  // namespace

char32_t Cp1251ToCodePoint(uint8_t code) {
    if (code < 0x80) return code;
    if (code >= 0xC0) return 0x0410 + (code - 0xC0);
    return kHighCodes[code - 0x80];
}

std::string Cp1251ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char c : text) {
        char32_t point = Cp1251ToCodePoint(static_cast<uint8_t>(c));
        if (point != 0 || c == 0) AppendUtf8(out, point);
    }
    return out;
}

std::string Utf8ToCp1251(std::string_view text) {
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        char32_t c = 0;
        if (NextCodePoint(text, i, c)) out.push_back(CodePointToCp1251(c));
    }
    return out;
}
