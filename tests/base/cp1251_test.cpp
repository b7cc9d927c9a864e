#include "base/cp1251.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1251, CyrillicAndSpecialCodesRoundTrip) {
    // "Сервер не отвечает" as the program holds it.
    std::string cp = "\xD1\xE5\xF0\xE2\xE5\xF0 \xED\xE5 \xEE\xF2\xE2\xE5\xF7\xE0\xE5\xF2";
    std::string utf8 = Cp1251ToUtf8(cp);
    EXPECT_EQ(utf8, "Сервер не отвечает");
    EXPECT_EQ(Utf8ToCp1251(utf8), cp);
    EXPECT_EQ(Cp1251ToUtf8("\xA8\xB8\xB9\x88"), "Ёё№€");
    for (int code = 0; code < 256; ++code) {
        if (code == 0x98) continue;  // unassigned
        std::string one(1, static_cast<char>(code));
        EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(one)), one) << code;
    }
}

TEST(Cp1251, UnmappableAndMalformedInputIsHandled) {
    EXPECT_EQ(Utf8ToCp1251("a中b"), "a?b");
    EXPECT_EQ(Utf8ToCp1251("x\xE2\x82"), "x");         // truncated sequence
    EXPECT_EQ(Utf8ToCp1251("\xFF\x80ok"), "ok");       // stray bytes
    EXPECT_EQ(Utf8ToCp1251("\xF0\x9F\x98\x80"), "?");  // outside the code page
    EXPECT_EQ(Cp1251ToUtf8("\x98"), "");
}

}  // namespace
