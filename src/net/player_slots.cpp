#include "net/player_slots.h"

#include <algorithm>

#include "game/flags.h"
#include "net/player_models.h"
#include "net/session.h"
#include "sound/player_channels.h"

namespace {

// Heads are drawn from the first six skins.
constexpr int32_t kHeadSkins = 6;

MatchPlayer NewPlayer(Session& session, const tplayerinfo& record) {
    MatchPlayer player;
    player.entry = record;
    player.isBot = record.isBot != 0;
    player.model.position = record.position;
    player.model.yaw = record.yaw;
    // Drawn once and kept with the player, so a departure before it does not change its head.
    player.headSkinFrame = session.random.Below(kHeadSkins);
    if (session.client.clientSettings.gameType != kDeathMatch) {
        player.bodySkinFrame = record.team == 0 ? 1 : 2;
    }
    return player;
}

}  // namespace

void AddPlayerSlot(Session& session, const tplayerinfo& record) {
    std::vector<MatchPlayer>& players = session.play.players;
    const size_t slot = players.size();
    players.push_back(NewPlayer(session, record));
    session.play.muzzleModels.emplace_back();
    CreatePlayerModel(session, static_cast<int32_t>(slot));
    AddPlayerChannels(session.sound, record.team);
}

void RemovePlayerSlot(Session& session, int32_t slot) {
    std::vector<MatchPlayer>& players = session.play.players;
    if (slot < 0 || static_cast<size_t>(slot) >= players.size()) return;
    if (slot < session.state.localPlayerIndex) --session.state.localPlayerIndex;
    std::erase_if(session.play.bullets, [&](const tbullet& b) { return b.ownerIndex == slot; });
    for (tbullet& bullet : session.play.bullets) {
        if (bullet.ownerIndex > slot) --bullet.ownerIndex;
    }
    players.erase(players.begin() + slot);
    std::vector<tmuzzlemodels>& muzzles = session.play.muzzleModels;
    if (static_cast<size_t>(slot) < muzzles.size()) muzzles.erase(muzzles.begin() + slot);
    RemovePlayerChannels(session.sound, static_cast<size_t>(slot));
    ShiftFlagCarriers(session.client.clientSettings, static_cast<size_t>(slot));
}

void ClearPlayerSlots(Session& session) {
    session.play.players.clear();
    session.play.muzzleModels.clear();
    ReleasePlayerChannels(session.sound);
    session.play.bullets.clear();
}
