// The shipped config.txt, read by the game's own reader: every tuning key is there, once, at its
// built-in default except where the shipped game plays better otherwise (how far bots see and
// shoot, and the bots box), so editing a value in the file is the only thing that changes the game.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>

#include "config/config_reader.h"
#include "config/tuning.h"
#include "support/shipped_content.h"

namespace {

TEST(ShippedConfig, ListsEveryKeyOnceAtItsDefaultButTheBotKeys) {
    const std::string text = FileText(kDataDir / "config.txt");
    std::set<std::string> keys;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::string key = line.substr(0, line.find(' '));
        EXPECT_TRUE(keys.insert(key).second) << "given twice: " << key;
        EXPECT_TRUE(std::all_of(key.begin(), key.end(), [](char c) {
            return std::isupper(c) || c == '_' || std::isdigit(c);
        })) << key;
    }
    EXPECT_EQ(keys.size(), 24u);

    // Read over values that differ from every default: each key must overwrite its field.
    Tuning read;
    read.CAM_OFFSET_X = read.CAM_OFFSET_Y = read.CAM_OFFSET_Z = 99;
    read.FROM_X = read.FROM_Y = read.FROM2_X = read.FROM2_Y = read.FROM2_Z = 99;
    read.GRAVITY = read.WALK_SPEED = read.RUN_SPEED = read.SITSPEED = 99;
    read.MOUSE_SENC_X = read.MOUSE_SENC_Y = read.BULLET_SPEED = read.INERTION = 99;
    read.VIEW_DISTANCE = read.SHOOT_DISTANCE = 99;
    read.FIRE_TIMEOUT = read.RUN_TIME = read.RUN_TIMEOUT = read.JUMP_TIMEOUT = 99;
    read.CYL_SIDE_COUNT = read.SHOW_BOTS = 99;
    ParseConfig(text, "config.txt", read);
    const Tuning defaults;
    EXPECT_FLOAT_EQ(read.CAM_OFFSET_X, defaults.CAM_OFFSET_X);
    EXPECT_FLOAT_EQ(read.CAM_OFFSET_Y, defaults.CAM_OFFSET_Y);
    EXPECT_FLOAT_EQ(read.CAM_OFFSET_Z, defaults.CAM_OFFSET_Z);
    EXPECT_FLOAT_EQ(read.FROM_X, defaults.FROM_X);
    EXPECT_FLOAT_EQ(read.FROM_Y, defaults.FROM_Y);
    EXPECT_FLOAT_EQ(read.FROM2_X, defaults.FROM2_X);
    EXPECT_FLOAT_EQ(read.FROM2_Y, defaults.FROM2_Y);
    EXPECT_FLOAT_EQ(read.FROM2_Z, defaults.FROM2_Z);
    EXPECT_FLOAT_EQ(read.GRAVITY, defaults.GRAVITY);
    EXPECT_FLOAT_EQ(read.WALK_SPEED, defaults.WALK_SPEED);
    EXPECT_FLOAT_EQ(read.RUN_SPEED, defaults.RUN_SPEED);
    EXPECT_FLOAT_EQ(read.SITSPEED, defaults.SITSPEED);
    EXPECT_FLOAT_EQ(read.MOUSE_SENC_X, defaults.MOUSE_SENC_X);
    EXPECT_FLOAT_EQ(read.MOUSE_SENC_Y, defaults.MOUSE_SENC_Y);
    EXPECT_EQ(read.FIRE_TIMEOUT, defaults.FIRE_TIMEOUT);
    EXPECT_FLOAT_EQ(read.BULLET_SPEED, defaults.BULLET_SPEED);
    EXPECT_EQ(read.RUN_TIME, defaults.RUN_TIME);
    EXPECT_EQ(read.RUN_TIMEOUT, defaults.RUN_TIMEOUT);
    EXPECT_EQ(read.JUMP_TIMEOUT, defaults.JUMP_TIMEOUT);
    EXPECT_FLOAT_EQ(read.INERTION, defaults.INERTION);
    // Bots that saw 10 units and fired within 5 stood still on every shipped map after the first
    // fights; the shipped game lets them find and shoot players across an arena.
    EXPECT_FLOAT_EQ(read.VIEW_DISTANCE, 60.0f);
    EXPECT_FLOAT_EQ(read.SHOOT_DISTANCE, 15.0f);
    EXPECT_EQ(read.CYL_SIDE_COUNT, defaults.CYL_SIDE_COUNT);
    // The shipped game offers bots on the new-game screen; a config without the key hides them.
    EXPECT_EQ(read.SHOW_BOTS, 1);
}

}  // namespace
