#include "net/wire_codec.h"

#include <bit>
#include <cmath>
#include <cstring>

bool IsBareMapName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    // A NUL would cut the name short where the file is opened.
    return name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

uint8_t WireReader::U8() {
    if (!Has(1)) return 0;
    return bytes_[offset_++];
}

int32_t WireReader::I32() {
    if (!Has(4)) return 0;
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(bytes_[offset_ + i]) << (8 * i);
    offset_ += 4;
    return static_cast<int32_t>(value);
}

float WireReader::F32() {
    float value = std::bit_cast<float>(static_cast<uint32_t>(I32()));
    if (!std::isfinite(value)) {
        Fail();
        return 0;
    }
    return value;
}

void WireReader::Skip(size_t count) {
    if (Has(count)) offset_ += count;
}

int32_t WireReader::Count(int32_t maxCount, size_t recordSize) {
    int32_t count = I32();
    if (count < 0 || count > maxCount) Fail();
    if (ok() && (bytes_.size() - offset_) / recordSize < static_cast<size_t>(count)) Fail();
    return ok() ? count : 0;
}

tvec3 WireReader::Vec3() {
    tvec3 value;
    value.x = F32();
    value.y = F32();
    value.z = F32();
    return value;
}

tplayerinfo WireReader::PlayerInfo() {
    tplayerinfo info;
    info.name = ShortString<16>();
    Skip(3);
    info.id = I32();
    info.address = ShortString<15>();
    info.joined = U8();
    info.active = U8();
    Skip(2);
    info.position = Vec3();
    info.aimPitch = F32();
    info.yaw = F32();
    info.animation = I8();
    Skip(3);
    info.animationPace = F32();
    info.deaths = I8();
    info.frags = I8();
    info.dead = U8();
    info.team = U8();
    info.isBot = U8();
    Skip(3);
    return info;
}

tteamflag WireReader::TeamFlag() {
    tteamflag flag;
    flag.position = Vec3();
    flag.carrier = U8();
    flag.state = U8();
    flag.score = U8();
    Skip(1);
    if (flag.state > kFlagDropped) Fail();
    return flag;
}

tgamesettings WireReader::GameSettings() {
    tgamesettings settings;
    settings.gameName = ShortString<16>();
    settings.serverAddress = ShortString<15>();
    settings.running = U8();
    settings.mapName = ShortString<16>();
    settings.fragLimit = U8();
    settings.botCount = U8();
    settings.gameType = U8();
    settings.gameOver = U8();
    Skip(1);
    settings.blueFlag = TeamFlag();
    settings.redFlag = TeamFlag();
    if (settings.gameType > kTeamDeathMatch || settings.botCount > kBotLimit) Fail();
    // An empty map name is the settings of a server that has not started a level yet.
    if (settings.mapName.length > 0 && !IsBareMapName(settings.mapName.View())) Fail();
    return settings;
}

void WireWriter::U8(uint8_t value) {
    if (Has(1)) buffer_[offset_++] = value;
}

void WireWriter::I32(int32_t value) {
    if (!Has(4)) return;
    uint32_t bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) buffer_[offset_ + i] = static_cast<uint8_t>(bits >> (8 * i));
    offset_ += 4;
}

void WireWriter::F32(float value) {
    I32(static_cast<int32_t>(std::bit_cast<uint32_t>(value)));
}

void WireWriter::Zeros(size_t count) {
    if (Has(count)) offset_ += count;  // the buffer is zero-filled from the start
}

void WireWriter::Vec3(const tvec3& value) {
    F32(value.x);
    F32(value.y);
    F32(value.z);
}

void WireWriter::PlayerInfo(const tplayerinfo& info) {
    ShortString(info.name);
    Zeros(3);
    I32(info.id);
    ShortString(info.address);
    U8(info.joined);
    U8(info.active);
    Zeros(2);
    Vec3(info.position);
    F32(info.aimPitch);
    F32(info.yaw);
    I8(info.animation);
    Zeros(3);
    F32(info.animationPace);
    I8(info.deaths);
    I8(info.frags);
    U8(info.dead);
    U8(info.team);
    U8(info.isBot);
    Zeros(3);
}

void WireWriter::TeamFlag(const tteamflag& flag) {
    Vec3(flag.position);
    U8(flag.carrier);
    U8(flag.state);
    U8(flag.score);
    Zeros(1);
}

void WireWriter::GameSettings(const tgamesettings& settings) {
    ShortString(settings.gameName);
    ShortString(settings.serverAddress);
    U8(settings.running);
    ShortString(settings.mapName);
    U8(settings.fragLimit);
    U8(settings.botCount);
    U8(settings.gameType);
    U8(settings.gameOver);
    Zeros(1);
    TeamFlag(settings.blueFlag);
    TeamFlag(settings.redFlag);
}
