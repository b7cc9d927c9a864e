#include "net/presence.h"

#include <algorithm>

#include "net/messages.h"
#include "net/server.h"
#include "net/wire_codec.h"

namespace {

// Names are drawn on the join screen: a control character is no honest server's.
template <size_t N>
bool Printable(const tshortstring<N>& text) {
    return std::none_of(text.View().begin(), text.View().end(),
                        [](char c) { return static_cast<uint8_t>(c) < 0x20; });
}

}  // namespace

tserverpresence DescribeHostedGame(const Server& server) {
    tserverpresence presence;
    presence.gameName = server.serverSettings.gameName;
    presence.mapName = server.serverSettings.mapName;
    presence.gameType = server.serverSettings.gameType;
    for (const tplayerinfo& player : server.serverPlayers)
        ++(player.isBot ? presence.bots : presence.players);
    presence.limit = static_cast<uint8_t>(kMaxPlayers);
    // The same rule as the join handler's.
    presence.open = static_cast<int32_t>(server.serverPlayers.size()) < kJoinLimit;
    return presence;
}

std::vector<uint8_t> BuildPresence(const tserverpresence& presence) {
    WireWriter writer;
    for (uint8_t letter : kPresenceBroadcast) writer.U8(letter);
    writer.U8(kPresenceVersion);
    writer.ShortString(presence.gameName);
    writer.ShortString(presence.mapName);
    writer.U8(presence.gameType);
    writer.U8(presence.players);
    writer.U8(presence.bots);
    writer.U8(presence.limit);
    writer.U8(presence.open ? 1 : 0);
    const tdatagram& bytes = writer.datagram();
    return {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(writer.size())};
}

std::optional<tserverpresence> ParsePresence(std::span<const uint8_t> datagram) {
    if (datagram.size() != kPresenceSize || !IsPresenceBroadcast(datagram)) return std::nullopt;
    WireReader reader(datagram);
    reader.Skip(kPresenceBroadcast.size());
    if (reader.U8() != kPresenceVersion) return std::nullopt;
    tserverpresence presence;
    presence.gameName = reader.ShortString<16>();
    presence.mapName = reader.ShortString<16>();
    presence.gameType = reader.U8();
    presence.players = reader.U8();
    presence.bots = reader.U8();
    presence.limit = reader.U8();
    const uint8_t open = reader.U8();
    const bool sane = presence.gameType <= kTeamDeathMatch && presence.limit <= kMaxPlayers &&
                      presence.players + presence.bots <= presence.limit && open <= 1 &&
                      Printable(presence.gameName) && Printable(presence.mapName) &&
                      (presence.mapName.length == 0 || IsBareMapName(presence.mapName.View()));
    if (!reader.ok() || !sane) return std::nullopt;
    presence.open = open == 1;
    return presence;
}
