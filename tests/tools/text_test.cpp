// Captions: both the installed face and the built-in pixel font put readable ink where asked.
#include "text.h"

#include <gtest/gtest.h>

#include "bitmap_font.h"

namespace {

struct Ink {
    int pixels = 0, left = 1 << 30, right = -1, top = 1 << 30, bottom = -1;
};

Ink InkOf(const Image& image) {
    Ink ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.at(x, y).a > 0.5f) {
                ++ink.pixels;
                ink.left = std::min(ink.left, x), ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y), ink.bottom = std::max(ink.bottom, y);
            }
    return ink;
}

class Captions : public testing::TestWithParam<FontSource> {};

TEST_P(Captions, CentredTextLandsAroundTheCentreAndWidthGrowsWithIt) {
    TextPainter text(GetParam());
    TextStyle style;
    style.size = 32;
    Image image(256, 64);
    text.DrawCentred(image, "New game", 128, 32, style);
    Ink ink = InkOf(image);
    ASSERT_GT(ink.pixels, 200);
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 128, 6);
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 32, 6);
    EXPECT_LT(text.Width("Exit", style), text.Width("Continue", style));
    TextStyle wide = style;
    wide.widthScale = 2;
    EXPECT_NEAR(text.Width("Options", wide), 2 * text.Width("Options", style), 4);
}

TEST_P(Captions, OutlineAddsInkAroundTheLetters) {
    TextPainter text(GetParam());
    TextStyle plain, outlined;
    plain.size = outlined.size = 30;
    outlined.outline = 2;
    Image a(200, 60), b(200, 60);
    text.Draw(a, "LAN", 10, 45, plain);
    text.Draw(b, "LAN", 10, 45, outlined);
    EXPECT_GT(InkOf(b).pixels, InkOf(a).pixels * 1.3);
}

INSTANTIATE_TEST_SUITE_P(Fonts, Captions, testing::Values(FontSource::System, FontSource::BuiltIn));

TEST(BitmapFont, CoversCaptionLettersAndDrawsLowerCaseAsSmallCapitals) {
    for (char ch :
         std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789.:!?-_"))
        EXPECT_NE(BitmapGlyph(ch), nullptr) << ch;
    EXPECT_EQ(BitmapGlyph('a'), BitmapGlyph('A'));
    EXPECT_EQ(BitmapGlyph('~'), nullptr);
    EXPECT_LT(BitmapTextWidth("abc", 14, 1), BitmapTextWidth("ABC", 14, 1));
    Image image(40, 20);
    DrawBitmapText(image, "~", 2, 16, 14, 1, Color{1, 1, 1, 1}, 0);
    EXPECT_EQ(InkOf(image).pixels, 0);  // a character the font lacks leaves a gap
}

}  // namespace
