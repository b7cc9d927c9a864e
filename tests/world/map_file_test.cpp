#include "world/map_file.h"

#include <gtest/gtest.h>

#include "support/load_errors.h"

namespace {

MapDescription Parse(const std::string& text) {
    return ParseMapFile(text, "maps/test.map");
}

std::string ErrorOf(const std::string& text) {
    return LoadErrorOf([&] { Parse(text); });
}

const char* const kExample =
    "floorbitmap:\nfloortex2\nskybitmap:\nskytex2\nplayers\n2\n[header] x y z angle\n"
    "-10 0 0 90\n10 0 0 270\nteamplayers\n2\n[header] x y z angle team\n-20 0 0 90 0\n"
    "20 0 0 270 1\nchargers\n1\n[header] x y z respawn interval\n0 0 5 3000\nblueflag\n"
    "[header] x y z\n-25 0 0\nredflag\n[header] x y z\n25 0 0\ncylcapbitmap:\ncap2\n"
    "cylsidebitmap:\nside2\ncylinders\n2\n[header] x y z radius height\n0 0 0 4 3\n8 0 8 2 6\n";

TEST(MapFile, ReadsEverySection) {
    const MapDescription map = Parse(kExample);
    EXPECT_EQ(map.floorTextureName, "floortex2");
    EXPECT_EQ(map.skyTextureName, "skytex2");
    ASSERT_EQ(map.spawnPoints.size(), 4u);
    EXPECT_FLOAT_EQ(map.spawnPoints[1].angle, 270);
    EXPECT_EQ(map.spawnPoints[1].team, 0);
    EXPECT_EQ(map.spawnPoints[3].team, 1);
    EXPECT_FLOAT_EQ(map.spawnPoints[2].x, -20);
    ASSERT_EQ(map.chargers.size(), 1u);
    EXPECT_FLOAT_EQ(map.chargers[0].z, 5);
    EXPECT_EQ(map.chargers[0].respawnInterval, 3000);
    EXPECT_EQ(map.blueFlagHome, (tvec3{-25, 0, 0}));
    EXPECT_EQ(map.redFlagHome, (tvec3{25, 0, 0}));
    ASSERT_EQ(map.cylinders.size(), 2u);
    EXPECT_FLOAT_EQ(map.cylinders[1].z, 8);
    EXPECT_FLOAT_EQ(map.cylinders[1].height, 6);
    EXPECT_EQ(map.cylinders[0].capTexture, "cap2");
    EXPECT_EQ(map.cylinders[0].sideTexture, "side2");
}

TEST(MapFile, KeywordsAreExact) {
    const MapDescription map = Parse("cylinders\n1\nx\n1 0 1 1 1\n");  // a plain map
    EXPECT_EQ(map.cylinders.size(), 1u);
    // "Players" is no keyword, so it and what follows are cylinder lines of the first section.
    EXPECT_NE(ErrorOf("# map\nPlayers\n1\n"), "accepted");
    EXPECT_NE(ErrorOf("players \n1\nx\n0 0 0 0\ncylinders\n0\nx\n1 1 1 1 1\n"), "accepted");
}

TEST(MapFile, ALineThatIsNoKeywordReadsTheSectionAgain) {
    const MapDescription map = Parse(
        "players\n2\nx y z a\n1 0 0 0\n2 0 0 0\n\n3 0 0 0\n4 0 0 0\ncylinders\n1\nx\n0 0 0 1 1\n");
    ASSERT_EQ(map.spawnPoints.size(), 4u);
    EXPECT_FLOAT_EQ(map.spawnPoints[3].x, 4);

    const MapDescription flag =
        Parse("blueflag\nx\n1 2 3\nagain\n4 5 6\ncylinders\n1\nx\n0 0 0 1 1\n");
    EXPECT_EQ(flag.blueFlagHome, (tvec3{4, 5, 6}));

    const MapDescription texture =
        Parse("skybitmap:\nnight\nstray line\ncylinders\n1\nx\n0 0 0 1 1\n");
    EXPECT_EQ(texture.skyTextureName, "night");
    EXPECT_EQ(texture.cylinders.size(), 1u);
}

TEST(MapFile, AFirstLineThatIsNoKeywordStartsTheCylinders) {
    const MapDescription map = Parse("// my arena\n0 0 0 4 3\n5 0 5 1 2 extra words\n");
    ASSERT_EQ(map.cylinders.size(), 2u);
    EXPECT_FLOAT_EQ(map.cylinders[1].radius, 1);
}

TEST(MapFile, TheCylinderCountLimitsNothing) {
    EXPECT_EQ(Parse("cylinders\n1\nx\n0 0 0 1 1\n1 0 0 1 1\n2 0 0 1 1\n").cylinders.size(), 3u);
    EXPECT_EQ(Parse("cylinders\n99999\nx\n0 0 0 1 1\n").cylinders.size(), 1u);
}

TEST(MapFile, CylinderLinesCanSwitchTexturesWithoutAddingCylinders) {
    const MapDescription map = Parse(
        "cylinders\n3\nx\n0 0 0 1 1\ncylcapbitmap stone\n1 0 0 1 1\ncylsidebitmap\twood\n"
        "2 0 0 1 1\n");
    ASSERT_EQ(map.cylinders.size(), 3u);
    EXPECT_EQ(map.cylinders[0].capTexture, "cylcap");
    EXPECT_EQ(map.cylinders[1].capTexture, "stone");
    EXPECT_EQ(map.cylinders[1].sideTexture, "cylside");
    EXPECT_EQ(map.cylinders[2].sideTexture, "wood");
    EXPECT_EQ(map.capTextureName, "stone");
}

TEST(MapFile, NumbersTakeEitherDecimalMarkAndRecordsMaySpanLines) {
    const MapDescription map =
        Parse("chargers\n1\nx\n1.5 2,5\n3 100 ignored\ncylinders\n1\nx\n0.5 0 0 1,25 1\r\n\n");
    EXPECT_FLOAT_EQ(map.chargers[0].y, 2.5f);
    EXPECT_EQ(map.chargers[0].respawnInterval, 100);
    EXPECT_FLOAT_EQ(map.cylinders[0].x, 0.5f);
    EXPECT_FLOAT_EQ(map.cylinders[0].radius, 1.25f);
}

TEST(MapFile, RefusesBadMapsNamingFileAndLine) {
    EXPECT_NE(ErrorOf("players\n0\nx\n").find("maps/test.map:3:"), std::string::npos);
    EXPECT_NE(ErrorOf("cylinders\n1\nx\n0 0 0 4\n").find("maps/test.map:4:"), std::string::npos);
    EXPECT_NE(ErrorOf("cylinders\n1\nx\n0 0 0 4 3\n1 1 one 1 1\n").find("maps/test.map:5:"),
              std::string::npos);
    EXPECT_NE(
        ErrorOf("players\n1\nx\n0 zero 0 0\ncylinders\n1\nx\n0 0 0 4 3\n").find("maps/test.map:4:"),
        std::string::npos);
    EXPECT_NE(ErrorOf("cylinders\nmany\nx\n0 0 0 4 3\n"), "accepted");
    EXPECT_NE(ErrorOf("cylinders\n1\nx\n0 0 0 -4 3\n"), "accepted");
    EXPECT_NE(ErrorOf("cylinders\n1\nx\ncylcapbitmap\n0 0 0 4 3\n"), "accepted");
    EXPECT_NE(ErrorOf("chargers\n-1\nx\ncylinders\n1\nx\n0 0 0 4 3\n"), "accepted");
    EXPECT_NE(ErrorOf("players\n2\nx\n1 1 1 1\n"), "accepted");  // no cylinders
    EXPECT_NE(ErrorOf(""), "accepted");
}

TEST(MapFile, RefusesMoreSpawnPointsThanOrdersCanHold) {
    std::string points;
    for (int i = 0; i < 200; ++i) points += "1 1 1 1\n";
    const std::string section = "players\n200\nx\n" + points;
    EXPECT_EQ(Parse(section + "cylinders\n1\nx\n0 0 0 1 1\n").spawnPoints.size(), 200u);
    EXPECT_NE(ErrorOf(section + section + "cylinders\n1\nx\n0 0 0 1 1\n").find("255"),
              std::string::npos);
    EXPECT_NE(ErrorOf("players\n256\nx\n"), "accepted");
}

}  // namespace
