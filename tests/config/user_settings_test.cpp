#include "config/user_settings.h"

#include <gtest/gtest.h>

#include <cstring>

#include "support/temp_dir.h"

namespace {

int32_t Int32At(const std::string& bytes, std::size_t offset) {
    const auto* p = reinterpret_cast<const uint8_t*>(bytes.data() + offset);
    return static_cast<int32_t>(p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24);
}

TEST(UserSettings, FreshFileHoldsTheDefaultsByteByByte) {
    TempDir dir;
    tusersettings settings = ReadUserSettings(dir.File("conf2.cfg"), 1024, 768).settings;
    std::string bytes = dir.Read("conf2.cfg");
    ASSERT_EQ(bytes.size(), 168u);
    EXPECT_EQ(Int32At(bytes, 0), 100);
    EXPECT_EQ(Int32At(bytes, 4), 1024);
    EXPECT_EQ(Int32At(bytes, 8), 768);
    EXPECT_EQ(Int32At(bytes, 12), 0);
    EXPECT_EQ(Int32At(bytes, 16), 100);
    EXPECT_EQ(bytes[20], 7);
    EXPECT_EQ(bytes.substr(21, 7), "Player1");
    EXPECT_EQ(bytes[85], 12);
    EXPECT_EQ(bytes.substr(86, 12), "ZarnokServer");
    EXPECT_EQ(bytes[150], 9);
    EXPECT_EQ(bytes.substr(151, 9), "127.0.0.1");
    // Everything else is zero in a fresh file, the padding included.
    for (std::size_t i : {28u, 84u, 98u, 149u, 160u, 165u, 166u, 167u}) EXPECT_EQ(bytes[i], 0) << i;
    EXPECT_EQ(settings.playerName.View(), "Player1");
    EXPECT_EQ(settings.screenWidth, 1024);
}

TEST(UserSettings, RoundTripKeepsEveryField) {
    TempDir dir;
    tusersettings settings = DefaultUserSettings(800, 600);
    settings.mouseSensitivity = 130;
    settings.detailLevel = 2;
    settings.soundVolume = -5;
    settings.playerName.Assign("\xC8\xE3\xF0\xEE\xEA");  // Windows-1251 Cyrillic
    settings.serverAddress.Assign("192.168.100.200");
    WriteUserSettings(dir.File("conf2.cfg"), settings);
    tusersettings read = ReadUserSettings(dir.File("conf2.cfg"), 1, 1).settings;
    EXPECT_EQ(read.mouseSensitivity, 130);
    EXPECT_EQ(read.screenWidth, 800);
    EXPECT_EQ(read.screenHeight, 600);
    EXPECT_EQ(read.detailLevel, 2);
    EXPECT_EQ(read.soundVolume, -5);
    EXPECT_EQ(read.playerName.View(), "\xC8\xE3\xF0\xEE\xEA");
    EXPECT_EQ(read.serverName.View(), "ZarnokServer");
    EXPECT_EQ(read.serverAddress.View(), "192.168.100.200");
    EXPECT_FALSE(std::filesystem::exists(dir.File("conf2.cfg.tmp")));
}

TEST(UserSettings, OverlongLengthBytesAreClampedToTheirField) {
    UserSettingsBytes bytes{};
    std::memset(bytes.data(), 'A', bytes.size());
    bytes[20] = 255;
    bytes[85] = 65;
    bytes[150] = 200;
    tusersettings settings = DecodeUserSettings(bytes);
    EXPECT_EQ(settings.playerName.View().size(), 64u);
    EXPECT_EQ(settings.serverName.View().size(), 64u);
    EXPECT_EQ(settings.serverAddress.View(), std::string(15, 'A'));
    // A full-length string reads back its own field only, not the next length byte.
    bytes[85] = 64;
    EXPECT_EQ(DecodeUserSettings(bytes).serverName.View(), std::string(64, 'A'));
}

TEST(UserSettings, StaleBytesAfterAShortStringSurviveARoundTrip) {
    tusersettings settings = DefaultUserSettings(640, 480);
    settings.playerName.Assign("LongerName");
    settings.playerName.Assign("Bo");
    UserSettingsBytes bytes = EncodeUserSettings(settings);
    EXPECT_EQ(bytes[20], 2);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[21]), 10), "BongerName");
    EXPECT_EQ(EncodeUserSettings(DecodeUserSettings(bytes)), bytes);
}

TEST(UserSettings, FailedWriteKeepsTheOldFile) {
    TempDir dir;
    tusersettings settings = DefaultUserSettings(800, 600);
    WriteUserSettings(dir.File("conf2.cfg"), settings);
    std::string before = dir.Read("conf2.cfg");
    // A directory in the temporary file's place makes the write fail before anything is replaced.
    std::filesystem::create_directory(dir.File("conf2.cfg.tmp"));
    settings.mouseSensitivity = 50;
    EXPECT_THROW(WriteUserSettings(dir.File("conf2.cfg"), settings), std::runtime_error);
    EXPECT_EQ(dir.Read("conf2.cfg"), before);
}

}  // namespace
