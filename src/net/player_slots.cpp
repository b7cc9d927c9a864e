#include "net/player_slots.h"

#include <algorithm>

#include "game/flags.h"
#include "net/player_models.h"
#include "net/session.h"
#include "sound/player_channels.h"

namespace {

tplayerpresence NewPresence(const Session& session, const tplayerinfo& record, size_t slot) {
    tplayerpresence player;
    player.isBot = record.isBot != 0;
    player.position = record.position;
    player.yaw = record.yaw;
    // Each player slot wears its own colour, so nobody looks like anybody else.
    player.headRestartFrame = static_cast<int32_t>(slot) % kPlayerSkinFrames;
    if (session.client.clientSettings.gameType != kDeathMatch) {
        player.bodyRestartFrame = record.team == 0 ? 1 : 2;
    }
    return player;
}

}  // namespace

void AddPlayerSlot(Session& session, const tplayerinfo& record) {
    Client& client = session.client;
    const size_t slot = client.players.size();
    client.players.push_back(NewPresence(session, record, slot));
    CreatePlayerModel(session, static_cast<int32_t>(slot));
    AddPlayerChannels(session.sound, record.team);
}

void RemovePlayerSlot(Session& session, int32_t slot) {
    Client& client = session.client;
    if (slot < 0 || static_cast<size_t>(slot) >= client.clientPlayers.size()) return;
    if (slot < session.state.localPlayerIndex) --session.state.localPlayerIndex;
    std::erase_if(session.play.bullets, [&](const tbullet& b) { return b.ownerIndex == slot; });
    for (tbullet& bullet : session.play.bullets) {
        if (bullet.ownerIndex > slot) --bullet.ownerIndex;
    }
    RemovePlayerModel(session, slot);
    RemovePlayerChannels(session.sound, static_cast<size_t>(slot));
    if (static_cast<size_t>(slot) < client.players.size())
        client.players.erase(client.players.begin() + slot);
    client.clientPlayers.erase(client.clientPlayers.begin() + slot);
    ShiftFlagCarriers(client.clientSettings, static_cast<size_t>(slot));
}

void ClearPlayerSlots(Session& session) {
    session.client.clientPlayers.clear();
    session.client.players.clear();
    ReleasePlayerChannels(session.sound);
    session.play.playerModels.clear();
    session.play.muzzleModels.clear();
    session.play.bullets.clear();
}
