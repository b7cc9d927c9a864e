#include "net/messages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

tplayerinfo SamplePlayer(int32_t id, const char* name) {
    tplayerinfo player;
    player.name.Assign(name);
    player.id = id;
    player.address.Assign("10.0.0.2");
    player.joined = 1;
    player.active = 1;
    player.position = {1.5f, -2.0f, 3.25f};
    player.aimPitch = -12.5f;
    player.yaw = 270;
    player.animation = 7;
    player.animationPace = 0.5f;
    player.deaths = 3;
    player.frags = -2;
    player.team = 1;
    return player;
}

tgamesettings SampleSettings() {
    tgamesettings settings;
    settings.gameName.Assign("ZarnokServer");
    settings.running = 1;
    settings.mapName.Assign("arena2.map");
    settings.fragLimit = 20;
    settings.botCount = 3;
    settings.gameType = kCaptureTheFlag;
    settings.blueFlag = {{1, 2, 3}, 2, kFlagCarried, 4, 0};
    settings.redFlag = {{-1, 0, 9}, 0, kFlagDropped, 1, 0};
    return settings;
}

bool ZeroFrom(const tdatagram& datagram, size_t start) {
    for (size_t i = start; i < datagram.size(); ++i) {
        if (datagram[i] != 0) return false;
    }
    return true;
}

int32_t ReadInt(const tdatagram& datagram, size_t offset) {
    int32_t value;
    std::memcpy(&value, datagram.data() + offset, 4);
    return value;
}

}  // namespace

TEST(MessageBytes, TagsAndTheDisconnectOfId1234AreByteExact) {
    tdatagram info = BuildClientGameInfo(1, tplayerinfo{});
    const uint8_t ginfoTag[] = {0x05, 0x67, 0x69, 0x6E, 0x66, 0x6F};
    EXPECT_EQ(0, std::memcmp(info.data(), ginfoTag, 6));

    tdatagram leave = BuildDisconnect(1234);
    const uint8_t expected[] = {0x05, 0x64, 0x69, 0x73, 0x63, 0x6E, 0xD2, 0x04, 0x00, 0x00};
    EXPECT_EQ(0, std::memcmp(leave.data(), expected, sizeof expected));
    EXPECT_TRUE(ZeroFrom(leave, 10));
    EXPECT_EQ(leave.size(), 1024u);
}

TEST(MessageBytes, OneRecordGameInfoReplyCarries178BytesOfData) {
    tplayerinfo player = SamplePlayer(77, "Alice");
    tgamesettings settings = SampleSettings();
    tdatagram reply = BuildServerGameInfo(std::span(&player, 1), settings);
    EXPECT_EQ(ReadInt(reply, 6), 1);
    // The last byte of the settings' red flag score sits at 6 + 4 + 80 + 72 + 14.
    EXPECT_EQ(reply[6 + 4 + 80 + 72 + 14], 1);
    EXPECT_TRUE(ZeroFrom(reply, 178));
}

TEST(MessageBytes, RecordFieldsLieAtTheirOffsets) {
    tplayerinfo player = SamplePlayer(0x01020304, "Bob");
    tdatagram datagram = BuildConnect(player);
    const size_t base = 6;
    EXPECT_EQ(datagram[base + 0], 3);  // name length
    EXPECT_EQ(datagram[base + 1], 'B');
    EXPECT_EQ(ReadInt(datagram, base + 20), 0x01020304);
    EXPECT_EQ(datagram[base + 24], 8);  // "10.0.0.2"
    EXPECT_EQ(datagram[base + 40], 1);
    float x;
    std::memcpy(&x, datagram.data() + base + 44, 4);
    EXPECT_EQ(x, 1.5f);
    EXPECT_EQ(static_cast<int8_t>(datagram[base + 64]), 7);
    EXPECT_EQ(static_cast<int8_t>(datagram[base + 73]), -2);
    EXPECT_EQ(datagram[base + 75], 1);
    EXPECT_TRUE(ZeroFrom(datagram, base + 80));

    tdatagram end = BuildEndLevel(SampleSettings());
    EXPECT_EQ(end[base + 34], 10);  // "arena2.map"
    EXPECT_EQ(end[base + 53], kCaptureTheFlag);
    EXPECT_EQ(end[base + 56 + 12], 2);  // blue carrier
    EXPECT_EQ(end[base + 72 + 13], kFlagDropped);
    EXPECT_TRUE(ZeroFrom(end, base + 88));
}

TEST(MessageTags, LookAlikeTagsAreTold) {
    std::vector<tplayerinfo> none;
    EXPECT_EQ(ReadTag(BuildAdded(none, {}, 5)), tmessagetag::kAdded);
    EXPECT_EQ(ReadTag(BuildJoinAccepted(none, {})), tmessagetag::kJoinAccepted);
    EXPECT_EQ(ReadTag(BuildPlayerDeleted(3)), tmessagetag::kPlayerDeleted);
    EXPECT_EQ(ReadTag(BuildDeletedAck({3, 4})), tmessagetag::kDeletedAck);

    tdatagram wrongLength = BuildServerClosed();
    wrongLength[0] = 4;  // "srvc" plus a stray letter
    EXPECT_EQ(ReadTag(wrongLength), tmessagetag::kUnknown);
    const uint8_t upper[] = {5, 'G', 'I', 'N', 'F', 'O'};
    EXPECT_EQ(ReadTag(upper), tmessagetag::kUnknown);
    EXPECT_EQ(ReadTag(std::span<const uint8_t>(BuildServerClosed().data(), 5)),
              tmessagetag::kUnknown);
}

TEST(MessageTags, PresenceBroadcastIsTheFiveBytesOnly) {
    EXPECT_TRUE(IsPresenceBroadcast(kPresenceBroadcast));
    const uint8_t almost[] = {'m', 'y', '_', 'i', 'q'};
    EXPECT_FALSE(IsPresenceBroadcast(almost));
    EXPECT_EQ(ReadTag(almost), tmessagetag::kUnknown);
    EXPECT_FALSE(IsPresenceBroadcast(std::span<const uint8_t>(kPresenceBroadcast.data(), 4)));
}

TEST(MessageParsing, RoundTripsEveryPayload) {
    std::vector<tplayerinfo> table = {SamplePlayer(1, "A"), SamplePlayer(2, "Bee")};
    tdatagram added = BuildAdded(table, SampleSettings(), 31999);
    std::optional<tplayertable> parsed = ParsePlayerTable(added, true);
    ASSERT_TRUE(parsed);
    ASSERT_EQ(parsed->players.size(), 2u);
    EXPECT_EQ(parsed->players[1].name.View(), "Bee");
    EXPECT_EQ(parsed->players[1].position, table[1].position);
    EXPECT_EQ(parsed->settings.mapName.View(), "arena2.map");
    EXPECT_EQ(parsed->settings.blueFlag.carrier, 2);
    EXPECT_EQ(parsed->messageId, 31999);

    std::optional<tbulletstart> bullet =
        ParseBulletStart(BuildBulletStart({9, 2, {1, 2, 3}, {0, -1, 0.5f}}));
    ASSERT_TRUE(bullet);
    EXPECT_EQ(bullet->ownerIndex, 2);
    EXPECT_EQ(bullet->velocity, (tvec3{0, -1, 0.5f}));

    std::optional<tkillnotice> kill = ParseKill(BuildKill({11, 12}));
    ASSERT_TRUE(kill);
    EXPECT_EQ(kill->victimId, 12);
    std::optional<tplayerdeletedack> ack = ParseDeletedAck(BuildDeletedAck({5, 6}));
    ASSERT_TRUE(ack);
    EXPECT_EQ(ack->senderId, 6);
}

TEST(MessageParsing, RefusesWhatNoHonestSenderProduces) {
    std::vector<tplayerinfo> one = {SamplePlayer(1, "A")};
    tdatagram good = BuildServerGameInfo(one, SampleSettings());
    ASSERT_TRUE(ParsePlayerTable(good, false));

    tdatagram tooMany = good;
    tooMany[6] = 10;  // more than the nine players a table holds
    EXPECT_FALSE(ParsePlayerTable(tooMany, false));
    tdatagram negative = good;
    negative[9] = 0x80;
    EXPECT_FALSE(ParsePlayerTable(negative, false));

    EXPECT_FALSE(ParsePlayerTable(std::span<const uint8_t>(good.data(), 177), false));
    EXPECT_TRUE(ParsePlayerTable(std::span<const uint8_t>(good.data(), 178), false));

    tdatagram longName = good;
    longName[10] = 17;  // name length over its 16-byte field
    EXPECT_FALSE(ParsePlayerTable(longName, false));

    tdatagram notANumber = good;
    float nan = std::numeric_limits<float>::quiet_NaN();
    std::memcpy(notANumber.data() + 10 + 44, &nan, 4);
    EXPECT_FALSE(ParsePlayerTable(notANumber, false));

    for (const char* map : {"../etc.map", "maps/x.map", "a\\b.map", "..", "."}) {
        tgamesettings settings = SampleSettings();
        settings.mapName.Assign(map);
        EXPECT_FALSE(ParseEndLevel(BuildEndLevel(settings))) << map;
    }
    tgamesettings badType = SampleSettings();
    badType.gameType = 3;
    EXPECT_FALSE(ParseEndLevel(BuildEndLevel(badType)));
    tgamesettings badFlag = SampleSettings();
    badFlag.redFlag.state = 3;
    EXPECT_FALSE(ParseEndLevel(BuildEndLevel(badFlag)));

    tdatagram shortKill = BuildKill({1, 2});
    EXPECT_FALSE(ParseKill(std::span<const uint8_t>(shortKill.data(), 21)));
    EXPECT_FALSE(ParseSingleId(std::span<const uint8_t>(shortKill.data(), 9)));
}

TEST(MessageParsing, MapNamesWithDotsThatAreNoPathArePassedOn) {
    for (const char* map : {"a..b.map", "..hidden.map", "v2.0..final", "x:y.map"}) {
        tgamesettings settings = SampleSettings();
        settings.mapName.Assign(map);
        std::optional<tgamesettings> parsed = ParseEndLevel(BuildEndLevel(settings));
        ASSERT_TRUE(parsed) << map;
        EXPECT_EQ(parsed->mapName.View(), map);
    }
}

TEST(MessageBuilding, TableOfTheMostPlayersFitsAndExtraRecordsAreNeverWritten) {
    std::vector<tplayerinfo> many(12, SamplePlayer(3, "Many"));
    tdatagram added = BuildAdded(many, SampleSettings(), 1);
    EXPECT_EQ(ReadInt(added, 6), kMaxPlayers);
    std::optional<tplayertable> parsed = ParsePlayerTable(added, true);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->players.size(), 9u);
    EXPECT_EQ(parsed->messageId, 1);
    EXPECT_TRUE(ZeroFrom(added, 822));
}

TEST(ShortString, AssignKeepsCapacityAndViewIgnoresTrailingBytes) {
    tshortstring<15> address;
    address.Assign("255.255.255.255.extra");
    EXPECT_EQ(address.View(), "255.255.255.255");
    address.Assign("1.2.3.4");
    EXPECT_EQ(address.View(), "1.2.3.4");
    tshortstring<15> same;
    same.Assign("1.2.3.4");
    EXPECT_EQ(address, same);
}
