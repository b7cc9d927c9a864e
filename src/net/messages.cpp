#include "net/messages.h"

#include <algorithm>
#include <string_view>

namespace {

struct TagName {
    tmessagetag tag;
    std::string_view letters;
};

constexpr TagName kTagNames[] = {
    {tmessagetag::kConnect, "cnnct"},       {tmessagetag::kGameInfo, "ginfo"},
    {tmessagetag::kDisconnect, "discn"},    {tmessagetag::kBulletStart, "bulst"},
    {tmessagetag::kBulletFinish, "bulfn"},  {tmessagetag::kKill, "illim"},
    {tmessagetag::kRespawn, "respl"},       {tmessagetag::kAddedAck, "adchk"},
    {tmessagetag::kDeletedAck, "pldel"},    {tmessagetag::kJoinAccepted, "addpl"},
    {tmessagetag::kAdded, "added"},         {tmessagetag::kEndLevel, "endlv"},
    {tmessagetag::kPlayerDeleted, "delpl"}, {tmessagetag::kServerClosed, "srvcl"},
    {tmessagetag::kMapRequest, "mapgt"},    {tmessagetag::kMapPiece, "mapdt"},
};

constexpr size_t kTagSize = 6;

std::string_view LettersOf(tmessagetag tag) {
    for (const TagName& entry : kTagNames) {
        if (entry.tag == tag) return entry.letters;
    }
    return {};
}

WireWriter StartMessage(tmessagetag tag) {
    WireWriter writer;
    tshortstring<5> text;
    text.Assign(LettersOf(tag));
    writer.ShortString(text);
    return writer;
}

// A reader positioned after the tag.
WireReader PayloadReader(std::span<const uint8_t> datagram) {
    WireReader reader(datagram);
    reader.Skip(kTagSize);
    return reader;
}

template <typename T>
std::optional<T> Finish(const WireReader& reader, T value) {
    if (!reader.ok()) return std::nullopt;
    return value;
}

tdatagram BuildTable(tmessagetag tag, std::span<const tplayerinfo> players,
                     const tgamesettings& settings, const int32_t* messageId) {
    WireWriter writer = StartMessage(tag);
    size_t count = std::min(players.size(), static_cast<size_t>(kMaxPlayers));
    writer.I32(static_cast<int32_t>(count));
    for (size_t i = 0; i < count; ++i) writer.PlayerInfo(players[i]);
    writer.GameSettings(settings);
    if (messageId) writer.I32(*messageId);
    return writer.datagram();
}

}  // namespace

tmessagetag ReadTag(std::span<const uint8_t> datagram) {
    if (datagram.size() < kTagSize || datagram[0] != 5) return tmessagetag::kUnknown;
    std::string_view letters(reinterpret_cast<const char*>(datagram.data() + 1), 5);
    for (const TagName& entry : kTagNames) {
        if (entry.letters == letters) return entry.tag;
    }
    return tmessagetag::kUnknown;
}

bool IsPresenceBroadcast(std::span<const uint8_t> datagram) {
    return datagram.size() >= kPresenceBroadcast.size() &&
           std::equal(kPresenceBroadcast.begin(), kPresenceBroadcast.end(), datagram.begin());
}

tdatagram BuildConnect(const tplayerinfo& joining) {
    WireWriter writer = StartMessage(tmessagetag::kConnect);
    writer.PlayerInfo(joining);
    return writer.datagram();
}

tdatagram BuildClientGameInfo(int32_t senderId, const tplayerinfo& state) {
    WireWriter writer = StartMessage(tmessagetag::kGameInfo);
    writer.I32(senderId);
    writer.PlayerInfo(state);
    return writer.datagram();
}

tdatagram BuildDisconnect(int32_t senderId) {
    WireWriter writer = StartMessage(tmessagetag::kDisconnect);
    writer.I32(senderId);
    return writer.datagram();
}

tdatagram BuildBulletStart(const tbulletstart& bullet) {
    WireWriter writer = StartMessage(tmessagetag::kBulletStart);
    writer.I32(bullet.bulletId);
    writer.I32(bullet.ownerIndex);
    writer.Vec3(bullet.position);
    writer.Vec3(bullet.velocity);
    return writer.datagram();
}

void RewriteBulletOwner(tdatagram& bulletStart, int32_t ownerIndex) {
    // After the tag (6 bytes) and the bullet id (4).
    constexpr size_t kOwnerOffset = 10;
    const auto bits = static_cast<uint32_t>(ownerIndex);
    for (size_t i = 0; i < 4; ++i)
        bulletStart[kOwnerOffset + i] = static_cast<uint8_t>(bits >> (8 * i));
}

tdatagram BuildBulletFinish(const tbulletfinish& finish) {
    WireWriter writer = StartMessage(tmessagetag::kBulletFinish);
    writer.I32(finish.bulletId);
    writer.I32(finish.hitKind);
    writer.I32(finish.hitIndex);
    return writer.datagram();
}

tdatagram BuildKill(const tkillnotice& kill) {
    WireWriter writer = StartMessage(tmessagetag::kKill);
    writer.I32(kill.killerId);
    writer.I32(kill.victimId);
    writer.Zeros(8);
    return writer.datagram();
}

tdatagram BuildRespawnRequest(int32_t playerId) {
    WireWriter writer = StartMessage(tmessagetag::kRespawn);
    writer.I32(playerId);
    return writer.datagram();
}

tdatagram BuildAddedAck(int32_t messageId) {
    WireWriter writer = StartMessage(tmessagetag::kAddedAck);
    writer.I32(messageId);
    return writer.datagram();
}

tdatagram BuildDeletedAck(const tplayerdeletedack& ack) {
    WireWriter writer = StartMessage(tmessagetag::kDeletedAck);
    writer.I32(ack.departedId);
    writer.I32(ack.senderId);
    return writer.datagram();
}

tdatagram BuildServerGameInfo(std::span<const tplayerinfo> players, const tgamesettings& settings) {
    return BuildTable(tmessagetag::kGameInfo, players, settings, nullptr);
}

tdatagram BuildJoinAccepted(std::span<const tplayerinfo> players, const tgamesettings& settings) {
    return BuildTable(tmessagetag::kJoinAccepted, players, settings, nullptr);
}

tdatagram BuildAdded(std::span<const tplayerinfo> players, const tgamesettings& settings,
                     int32_t messageId) {
    return BuildTable(tmessagetag::kAdded, players, settings, &messageId);
}

tdatagram BuildEndLevel(const tgamesettings& settings) {
    WireWriter writer = StartMessage(tmessagetag::kEndLevel);
    writer.GameSettings(settings);
    return writer.datagram();
}

tdatagram BuildRespawnPlacement(const tplayerinfo& placement) {
    WireWriter writer = StartMessage(tmessagetag::kRespawn);
    writer.PlayerInfo(placement);
    return writer.datagram();
}

tdatagram BuildPlayerDeleted(int32_t departedId) {
    WireWriter writer = StartMessage(tmessagetag::kPlayerDeleted);
    writer.I32(departedId);
    return writer.datagram();
}

tdatagram BuildServerClosed() {
    return StartMessage(tmessagetag::kServerClosed).datagram();
}

std::optional<tplayerinfo> ParsePlayerRecord(std::span<const uint8_t> datagram) {
    WireReader reader = PayloadReader(datagram);
    tplayerinfo info = reader.PlayerInfo();
    return Finish(reader, info);
}

std::optional<tclientgameinfo> ParseClientGameInfo(std::span<const uint8_t> datagram) {
    WireReader reader = PayloadReader(datagram);
    tclientgameinfo report;
    report.senderId = reader.I32();
    report.player = reader.PlayerInfo();
    return Finish(reader, report);
}

std::optional<int32_t> ParseSingleId(std::span<const uint8_t> datagram) {
    WireReader reader = PayloadReader(datagram);
    int32_t id = reader.I32();
    return Finish(reader, id);
}

std::optional<tbulletstart> ParseBulletStart(std::span<const uint8_t> datagram) {
    WireReader reader = PayloadReader(datagram);
    tbulletstart bullet;
    bullet.bulletId = reader.I32();
    bullet.ownerIndex = reader.I32();
    bullet.position = reader.Vec3();
    bullet.velocity = reader.Vec3();
    return Finish(reader, bullet);
}

std::optional<tbulletfinish> ParseBulletFinish(std::span<const uint8_t> datagram) {
    WireReader reader = PayloadReader(datagram);
    tbulletfinish finish;
    finish.bulletId = reader.I32();
    finish.hitKind = reader.I32();
    finish.hitIndex = reader.I32();
    return Finish(reader, finish);
}

std::optional<tkillnotice> ParseKill(std::span<const uint8_t> datagram) {
    WireReader reader = PayloadReader(datagram);
    tkillnotice kill;
    kill.killerId = reader.I32();
    kill.victimId = reader.I32();
    reader.Skip(8);
    return Finish(reader, kill);
}

std::optional<tplayerdeletedack> ParseDeletedAck(std::span<const uint8_t> datagram) {
    WireReader reader = PayloadReader(datagram);
    tplayerdeletedack ack;
    ack.departedId = reader.I32();
    ack.senderId = reader.I32();
    return Finish(reader, ack);
}

std::optional<tplayertable> ParsePlayerTable(std::span<const uint8_t> datagram,
                                             bool withMessageId) {
    WireReader reader = PayloadReader(datagram);
    tplayertable table;
    int32_t count = reader.Count(kMaxPlayers, sizeof(tplayerinfo));
    table.players.reserve(static_cast<size_t>(count));
    for (int32_t i = 0; i < count && reader.ok(); ++i) table.players.push_back(reader.PlayerInfo());
    table.settings = reader.GameSettings();
    if (withMessageId) table.messageId = reader.I32();
    return Finish(reader, std::move(table));
}

std::optional<tgamesettings> ParseEndLevel(std::span<const uint8_t> datagram) {
    WireReader reader = PayloadReader(datagram);
    tgamesettings settings = reader.GameSettings();
    return Finish(reader, settings);
}
