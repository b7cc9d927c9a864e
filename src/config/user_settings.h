// tusersettings: the user's settings, stored as the whole 168-byte content of conf2.cfg
// (little-endian). Read at start-up, written when the options are applied and at exit.
// A damaged file (another size, unreadable) is kept aside and the defaults are used; a write goes
// to a temporary file renamed over the old one, so a crash mid-write never leaves a damaged file
// behind, and a read-only file is never replaced.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "base/short_string.h"

struct tusersettings {
    int32_t mouseSensitivity = 100;  // percent
    int32_t screenWidth = 0;         // pixels
    int32_t screenHeight = 0;
    int32_t detailLevel = 0;    // 0 high, 1 medium, 2 low
    int32_t soundVolume = 100;  // percent
    ShortString<64> playerName;
    ShortString<64> serverName;
    ShortString<15> serverAddress;
    uint8_t padding[2] = {};
};

inline constexpr std::size_t kUserSettingsSize = 168;
static_assert(sizeof(tusersettings) == kUserSettingsSize);
static_assert(offsetof(tusersettings, screenWidth) == 4);
static_assert(offsetof(tusersettings, screenHeight) == 8);
static_assert(offsetof(tusersettings, detailLevel) == 12);
static_assert(offsetof(tusersettings, soundVolume) == 16);
static_assert(offsetof(tusersettings, playerName) == 20);
static_assert(offsetof(tusersettings, serverName) == 85);
static_assert(offsetof(tusersettings, serverAddress) == 150);
static_assert(offsetof(tusersettings, padding) == 166);

using UserSettingsBytes = std::array<uint8_t, kUserSettingsSize>;

// The settings of a freshly created file, for a screen of the given size.
tusersettings DefaultUserSettings(int32_t screenWidth, int32_t screenHeight);

UserSettingsBytes EncodeUserSettings(const tusersettings& settings);
tusersettings DecodeUserSettings(std::span<const uint8_t, kUserSettingsSize> bytes);

struct UserSettingsRead {
    tusersettings settings;
    // Set when a damaged file was kept aside: one line saying so, naming both files.
    std::string damageNotice;
};

// Reads `path`. A missing file is created with the defaults for the given screen size; so is a
// damaged one, after it is renamed to `path` + ".damaged" with its bytes. Throws
// std::runtime_error when the file cannot be created or the damaged one cannot be kept aside.
// Without `mayWrite` (a folder the game cannot write) nothing is created, moved or written.
UserSettingsRead ReadUserSettings(const std::filesystem::path& path, int32_t screenWidth,
                                  int32_t screenHeight, bool mayWrite = true);
// Writes the record whole or not at all; throws std::runtime_error on failure, the old file
// intact. A read-only file counts as a failure: the user made it so.
void WriteUserSettings(const std::filesystem::path& path, const tusersettings& settings);
