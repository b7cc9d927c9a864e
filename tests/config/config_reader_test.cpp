#include "config/config_reader.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace {

Tuning Parse(std::string_view text) {
    Tuning tuning;
    ParseConfig(text, "config.txt", tuning);
    return tuning;
}

TEST(ReadConfig, KeysAreCaseInsensitiveAndAcceptBothDecimalSeparators) {
    Tuning tuning = Parse("walk_speed 0.2\nRun_Speed 0,45\nGRAVITY  -0.085\n");
    EXPECT_FLOAT_EQ(tuning.WALK_SPEED, 0.2f);
    EXPECT_FLOAT_EQ(tuning.RUN_SPEED, 0.45f);
    EXPECT_FLOAT_EQ(tuning.GRAVITY, -0.085f);
}

TEST(ReadConfig, EveryKeyReachesItsField) {
    Tuning tuning = Parse(
        "CAM_OFFSET_X 1\nCAM_OFFSET_Y 2\nCAM_OFFSET_Z 3\nFROM_X 4\nFROM_Y 5\nFROM2_X 6\n"
        "FROM2_Y 7\nFROM2_Z 8\nGRAVITY -9\nWALK_SPEED 10\nRUN_SPEED 11\nSITSPEED 12\n"
        "MOUSE_SENC_X 1.3\nMOUSE_SENC_Y 1.4\nFIRE_TIMEOUT 15\nBULLET_SPEED 16\nRUN_TIME 17\n"
        "RUN_TIMEOUT 18\nJUMP_TIMEOUT 19\nINERTION 2\nVIEW_DISTANCE 21\nSHOOT_DISTANCE 22\n"
        "CYL_SIDE_COUNT 23\nSHOW_BOTS 1\n");
    const float floats[] = {tuning.CAM_OFFSET_X,
                            tuning.CAM_OFFSET_Y,
                            tuning.CAM_OFFSET_Z,
                            tuning.FROM_X,
                            tuning.FROM_Y,
                            tuning.FROM2_X,
                            tuning.FROM2_Y,
                            tuning.FROM2_Z,
                            -tuning.GRAVITY,
                            tuning.WALK_SPEED,
                            tuning.RUN_SPEED,
                            tuning.SITSPEED,
                            tuning.MOUSE_SENC_X * 10,
                            tuning.MOUSE_SENC_Y * 10};
    for (int i = 0; i < 14; ++i) EXPECT_FLOAT_EQ(floats[i], static_cast<float>(i + 1)) << i;
    EXPECT_EQ(tuning.FIRE_TIMEOUT, 15);
    EXPECT_FLOAT_EQ(tuning.BULLET_SPEED, 16.0f);
    EXPECT_EQ(tuning.RUN_TIME, 17);
    EXPECT_EQ(tuning.RUN_TIMEOUT, 18);
    EXPECT_EQ(tuning.JUMP_TIMEOUT, 19);
    EXPECT_FLOAT_EQ(tuning.INERTION, 2.0f);
    EXPECT_FLOAT_EQ(tuning.VIEW_DISTANCE, 21.0f);
    EXPECT_FLOAT_EQ(tuning.SHOOT_DISTANCE, 22.0f);
    EXPECT_EQ(tuning.CYL_SIDE_COUNT, 23);
    EXPECT_EQ(tuning.SHOW_BOTS, 1);
    // The file's sensitivities are remembered for later scaling.
    EXPECT_FLOAT_EQ(tuning.configMouseSencX, 1.3f);
}

TEST(ReadConfig, SkipsWhatItCannotUseAndKeepsTheLastValue) {
    Tuning tuning = Parse(
        "\n   \nRUN_TIME 6000 extra words\nUNKNOWN_KEY zzz\nJUMP_TIMEOUT\n"
        "  \tFIRE_TIMEOUT \t\t  70   \r\nFIRE_TIMEOUT 80\n");
    EXPECT_EQ(tuning.RUN_TIME, 6000);
    EXPECT_EQ(tuning.JUMP_TIMEOUT, 1000);
    EXPECT_EQ(tuning.FIRE_TIMEOUT, 80);
    EXPECT_FLOAT_EQ(tuning.WALK_SPEED, 0.1f);
}

TEST(ReadConfig, BadValueNamesFileLineAndText) {
    Tuning tuning;
    try {
        ParseConfig("WALK_SPEED 0.1\n\nRUN_TIME fast\n", "config.txt", tuning);
        FAIL() << "no error";
    } catch (const ConfigError& error) {
        EXPECT_STREQ(error.what(), "config.txt:3: value does not convert: RUN_TIME fast");
    }
    // An integer key refuses a fraction, a float key refuses trailing letters.
    EXPECT_THROW(Parse("FIRE_TIMEOUT 1.5"), ConfigError);
    EXPECT_THROW(Parse("GRAVITY 1x"), ConfigError);
    EXPECT_THROW(Parse("RUN_TIME 99999999999"), ConfigError);
}

TEST(ReadConfig, ValueOutsideItsRangeIsRefusedNamingTheRange) {
    // A line and the range its error names; none: the value loads.
    const std::pair<const char*, const char*> cases[] = {
        {"GRAVITY -1e30", "-10 to 0"},    {"gravity 0.5", "-10 to 0"},
        {"BULLET_SPEED 0", "0.01 to 30"}, {"RUN_TIME -1", "0 to 600000"},
        {"CYL_SIDE_COUNT 2", "3 to 256"}, {"SHOW_BOTS 2", "0 to 1"},
        {"GRAVITY -0.5", nullptr},        {"BULLET_SPEED 0.01", nullptr},
        {"CYL_SIDE_COUNT 256", nullptr},  {"MOUSE_SENC_Y -0.05", nullptr}};
    for (const auto& [line, range] : cases) {
        std::string error;
        try {
            Parse(std::string("WALK_SPEED 0.2\n") + line);
        } catch (const ConfigError& refused) {
            error = refused.what();
        }
        const std::string expected = range ? "config.txt:2: value outside the accepted range " +
                                                 std::string(range) + ": " + line
                                           : "";
        EXPECT_EQ(error, expected) << line;
    }
    EXPECT_THROW(Parse("GRAVITY nan"), ConfigError);
    EXPECT_THROW(Parse("BULLET_SPEED inf"), ConfigError);
}

TEST(ReadConfig, MissingFileLeavesDefaultsAndExistingFileIsRead) {
    TempDir dir;
    Tuning tuning;
    ReadConfig(dir.File("config.txt"), tuning);
    EXPECT_FLOAT_EQ(tuning.WALK_SPEED, 0.1f);
    dir.Write("config.txt", "INERTION 0.5\nMOUSE_SENC_X 0.02");
    ReadConfig(dir.File("config.txt"), tuning);
    EXPECT_FLOAT_EQ(tuning.INERTION, 0.5f);
    ScaleMouseSensitivity(tuning, 150);
    EXPECT_FLOAT_EQ(tuning.MOUSE_SENC_X, 0.03f);
    EXPECT_FLOAT_EQ(tuning.MOUSE_SENC_Y, 0.075f);
}

TEST(ReadConfig, ShippedConfigReads) {
    Tuning tuning;
    EXPECT_NO_THROW(ReadConfig(std::filesystem::path(ZARNOK_RUN_DIR) / "config.txt", tuning));
}

}  // namespace
