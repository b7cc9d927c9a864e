#include <gtest/gtest.h>

#include "base/load_error.h"
#include "support/picture_files.h"
#include "world/bmp_decoder.h"
#include "world/tga_decoder.h"

namespace {

using picture_files::Rgba;

Rgba PixelAt(const DecodedPicture& picture, int x, int y) {
    const size_t at = static_cast<size_t>((x + y * picture.width) * 4);
    return {picture.rgba[at], picture.rgba[at + 1], picture.rgba[at + 2], picture.rgba[at + 3]};
}

TEST(BmpAlpha, PrefixRulesOnKeyPixels) {
    EXPECT_EQ(BmpPixelAlpha(AlphaRule::Translucent, 255, 255, 255), 255);
    EXPECT_EQ(BmpPixelAlpha(AlphaRule::Translucent, 128, 128, 128), 32);
    EXPECT_EQ(BmpPixelAlpha(AlphaRule::Translucent, 0, 0, 0), 0);
    EXPECT_EQ(BmpPixelAlpha(AlphaRule::Masked, 255, 255, 255), 0);
    EXPECT_EQ(BmpPixelAlpha(AlphaRule::Masked, 128, 128, 128), 0);
    EXPECT_EQ(BmpPixelAlpha(AlphaRule::Plain, 255, 255, 255), 175);
    EXPECT_EQ(BmpPixelAlpha(AlphaRule::Plain, 128, 128, 128), 175);
}

TEST(BmpAlpha, KeyPixelsAreThoseWhoseChannelsAndToTheirBlue) {
    EXPECT_EQ(BmpPixelAlpha(AlphaRule::Masked, 255, 0, 0), 0);    // no blue: key
    EXPECT_EQ(BmpPixelAlpha(AlphaRule::Masked, 0, 0, 255), 255);  // pure blue: opaque
    EXPECT_EQ(BmpPixelAlpha(AlphaRule::Masked, 200, 100, 50), 255);
    EXPECT_EQ(BmpPixelAlpha(AlphaRule::Masked, 255, 255, 3), 0);
}

TEST(BmpAlpha, RuleComesFromTheExactNamePrefix) {
    EXPECT_EQ(AlphaRuleForName("tra_glass"), AlphaRule::Translucent);
    EXPECT_EQ(AlphaRuleForName("mi_fire"), AlphaRule::Masked);
    EXPECT_EQ(AlphaRuleForName("TRA_glass"), AlphaRule::Plain);
    EXPECT_EQ(AlphaRuleForName("mifire"), AlphaRule::Plain);
}

const std::vector<Rgba> kTwoByTwo = {
    {10, 20, 30, 40}, {255, 0, 0, 50}, {0, 0, 255, 60}, {128, 128, 128, 70}};

TEST(DecodeBmp, BottomUpAndTopDownGiveTheSamePictureTopRowFirst) {
    for (bool topDown : {false, true}) {
        const auto file = picture_files::Bmp(2, 2, kTwoByTwo, 24, topDown);
        const DecodedPicture p = DecodeBmp(file, AlphaRule::Masked, "t.bmp");
        ASSERT_EQ(p.width, 2);
        ASSERT_EQ(p.height, 2);
        EXPECT_EQ(PixelAt(p, 0, 0), (Rgba{10, 20, 30, 255}));
        EXPECT_EQ(PixelAt(p, 1, 0), (Rgba{255, 0, 0, 0}));
        EXPECT_EQ(PixelAt(p, 0, 1), (Rgba{0, 0, 255, 255}));
        EXPECT_EQ(PixelAt(p, 1, 1), (Rgba{128, 128, 128, 0}));
    }
}

TEST(DecodeBmp, ThirtyTwoBitPixelsStillTakeTheNameRule) {
    const auto file = picture_files::Bmp(2, 2, kTwoByTwo, 32);
    const DecodedPicture p = DecodeBmp(file, AlphaRule::Translucent, "t.bmp");
    EXPECT_EQ(PixelAt(p, 1, 1), (Rgba{128, 128, 128, 32}));
    EXPECT_EQ(PixelAt(p, 0, 0)[3], 255);
}

TEST(DecodeBmp, RowsArePaddedToFourBytes) {
    std::vector<Rgba> pixels(3 * 2, Rgba{1, 2, 3, 0});
    pixels[5] = {9, 8, 7, 0};
    const DecodedPicture p = DecodeBmp(picture_files::Bmp(3, 2, pixels), AlphaRule::Plain, "t.bmp");
    EXPECT_EQ(PixelAt(p, 2, 1), (Rgba{9, 8, 7, 255}));
}

TEST(DecodeBmp, RefusesDamagedFiles) {
    const auto good = picture_files::Bmp(2, 2, kTwoByTwo);
    auto truncated = good;
    truncated.resize(good.size() - 1);
    EXPECT_THROW(DecodeBmp(truncated, AlphaRule::Plain, "t.bmp"), WorldLoadError);
    auto notBmp = good;
    notBmp[0] = 'X';
    EXPECT_THROW(DecodeBmp(notBmp, AlphaRule::Plain, "t.bmp"), WorldLoadError);
    for (int32_t width : {0, -2, 1 << 24}) {  // empty, negative, and too many pixels
        auto bad = good;
        for (int i = 0; i < 4; ++i) bad[18 + i] = static_cast<uint8_t>(width >> (8 * i));
        EXPECT_THROW(DecodeBmp(bad, AlphaRule::Plain, "t.bmp"), WorldLoadError);
    }
    auto offsetPastEnd = good;
    offsetPastEnd[10] = 0xFF;
    offsetPastEnd[11] = 0xFF;
    EXPECT_THROW(DecodeBmp(offsetPastEnd, AlphaRule::Plain, "t.bmp"), WorldLoadError);
    auto compressed = good;
    compressed[30] = 1;
    EXPECT_THROW(DecodeBmp(compressed, AlphaRule::Plain, "t.bmp"), WorldLoadError);
    EXPECT_THROW(DecodeBmp({}, AlphaRule::Plain, "t.bmp"), WorldLoadError);
}

TEST(DecodeBmp, ErrorNamesTheFile) {
    try {
        DecodeBmp(std::vector<uint8_t>{'B', 'M'}, AlphaRule::Plain, "textures/wall.bmp");
        FAIL();
    } catch (const WorldLoadError& error) {
        EXPECT_NE(std::string(error.what()).find("textures/wall.bmp"), std::string::npos);
    }
}

TEST(DecodeTga, TwentyFourBitIsOpaqueAndThirtyTwoBitKeepsItsAlpha) {
    const DecodedPicture opaque = DecodeTga(picture_files::Tga(2, 2, kTwoByTwo, 24), "t.tga");
    for (int i = 0; i < 4; ++i) EXPECT_EQ(opaque.rgba[static_cast<size_t>(i * 4 + 3)], 255);
    EXPECT_EQ(PixelAt(opaque, 1, 0), (Rgba{255, 0, 0, 255}));
    const DecodedPicture own = DecodeTga(picture_files::Tga(2, 2, kTwoByTwo, 32), "t.tga");
    EXPECT_EQ(PixelAt(own, 0, 0), (Rgba{10, 20, 30, 40}));
    EXPECT_EQ(PixelAt(own, 1, 1), (Rgba{128, 128, 128, 70}));
}

TEST(DecodeTga, KeepsFileRowOrderSoItIsFlippedAgainstTheSameBmp) {
    // The same bottom-up storage read as a BMP puts the first stored row at the bottom.
    const std::vector<Rgba> stored = {{1, 1, 1, 255}, {2, 2, 2, 255}};  // row 0 then row 1
    const DecodedPicture tga = DecodeTga(picture_files::Tga(1, 2, stored), "t.tga");
    const DecodedPicture bmp =
        DecodeBmp(picture_files::Bmp(1, 2, {stored[1], stored[0]}), AlphaRule::Plain, "t.bmp");
    EXPECT_EQ(PixelAt(tga, 0, 0)[0], 1);
    EXPECT_EQ(PixelAt(bmp, 0, 0)[0], 2);
}

TEST(DecodeTga, RunLengthPacketsRepeatOrCopy) {
    auto file = picture_files::TgaHeader(10, 5, 1, 24);
    file.push_back(130);  // a run of three
    picture_files::PutTgaPixel(file, {7, 8, 9, 0}, 24);
    file.push_back(1);  // two raw pixels
    picture_files::PutTgaPixel(file, {1, 2, 3, 0}, 24);
    picture_files::PutTgaPixel(file, {4, 5, 6, 0}, 24);
    const DecodedPicture p = DecodeTga(file, "t.tga");
    for (int x = 0; x < 3; ++x) EXPECT_EQ(PixelAt(p, x, 0), (Rgba{7, 8, 9, 255}));
    EXPECT_EQ(PixelAt(p, 3, 0), (Rgba{1, 2, 3, 255}));
    EXPECT_EQ(PixelAt(p, 4, 0), (Rgba{4, 5, 6, 255}));
}

TEST(DecodeTga, OtherImageTypesGiveTransparentBlack) {
    auto file = picture_files::TgaHeader(1, 2, 2, 8);
    const DecodedPicture p = DecodeTga(file, "t.tga");
    EXPECT_EQ(p.width, 2);
    EXPECT_EQ(p.rgba, std::vector<uint8_t>(16, 0));
}

TEST(DecodeTga, SkipsTheImageId) {
    auto file = picture_files::TgaHeader(2, 1, 1, 24);
    file[0] = 3;
    file.insert(file.end(), {'a', 'b', 'c'});
    picture_files::PutTgaPixel(file, {5, 6, 7, 0}, 24);
    EXPECT_EQ(PixelAt(DecodeTga(file, "t.tga"), 0, 0), (Rgba{5, 6, 7, 255}));
}

TEST(DecodeTga, RefusesDamagedOrOversizedFiles) {
    auto header = picture_files::TgaHeader(2, 2, 2, 24);
    EXPECT_THROW(DecodeTga(std::vector<uint8_t>(header.begin(), header.begin() + 17), "t.tga"),
                 WorldLoadError);
    EXPECT_THROW(DecodeTga(header, "t.tga"), WorldLoadError);  // no pixels at all
    EXPECT_THROW(DecodeTga(picture_files::TgaHeader(2, 0, 5, 24), "t.tga"), WorldLoadError);
    EXPECT_THROW(DecodeTga(picture_files::TgaHeader(2, 1025, 1024, 24), "t.tga"), WorldLoadError);
    EXPECT_THROW(DecodeTga(picture_files::TgaHeader(2, 2, 2, 16), "t.tga"), WorldLoadError);

    auto pastPicture = picture_files::TgaHeader(10, 2, 1, 24);
    pastPicture.push_back(130);  // three pixels into a picture of two
    picture_files::PutTgaPixel(pastPicture, {1, 1, 1, 0}, 24);
    EXPECT_THROW(DecodeTga(pastPicture, "t.tga"), WorldLoadError);

    auto shortRun = picture_files::TgaHeader(10, 4, 1, 24);
    shortRun.push_back(3);  // four raw pixels promised, one given
    picture_files::PutTgaPixel(shortRun, {1, 1, 1, 0}, 24);
    EXPECT_THROW(DecodeTga(shortRun, "t.tga"), WorldLoadError);
}

TEST(DecodeTga, AcceptsTheLargestAllowedPicture) {
    auto file = picture_files::TgaHeader(10, 1024, 1024, 24);
    for (int i = 0; i < 1024 * 1024 / 128; ++i) {
        file.push_back(255);
        picture_files::PutTgaPixel(file, {1, 2, 3, 0}, 24);
    }
    const DecodedPicture p = DecodeTga(file, "t.tga");
    EXPECT_EQ(PixelAt(p, 1023, 1023), (Rgba{1, 2, 3, 255}));
}

}  // namespace
