#include "game/roster.h"

#include <algorithm>

#include "base/random.h"
#include "game/flags.h"
#include "game/match.h"
#include "game/player_models.h"
#include "game/remote_motion.h"
#include "game/respawn.h"
#include "game/spawn_protection.h"

namespace {

// Heads are drawn from the first six skins.
constexpr int32_t kHeadSkins = 6;

MatchPlayer NewPlayer(Match& match, const tplayerinfo& record) {
    MatchPlayer player;
    player.entry = record;
    player.isBot = record.isBot != 0;
    player.model.position = record.position;
    player.model.yaw = record.yaw;
    // Drawn once and kept with the player, so a departure before it does not change its head.
    player.headSkinFrame = match.random.Below(kHeadSkins);
    if (match.clientSettings.gameType != kDeathMatch) {
        player.bodySkinFrame = record.team == 0 ? 1 : 2;
    }
    return player;
}

}  // namespace

void SeatPlayer(Match& match, const tplayerinfo& record) {
    std::vector<MatchPlayer>& players = match.play.players;
    const auto slot = static_cast<int32_t>(players.size());
    players.push_back(NewPlayer(match, record));
    match.play.muzzleModels.emplace_back();
    CreatePlayerModel(match, slot);
    match.play.events.push_back(PlayerSeated{slot, record.team});
}

void UnseatPlayer(Match& match, int32_t slot) {
    std::vector<MatchPlayer>& players = match.play.players;
    if (slot < 0 || static_cast<size_t>(slot) >= players.size()) return;
    if (slot < match.localPlayerIndex) --match.localPlayerIndex;
    std::vector<tbullet>& bullets = match.play.bullets;
    std::erase_if(bullets, [&](const tbullet& b) { return b.ownerIndex == slot; });
    for (tbullet& bullet : bullets) {
        if (bullet.ownerIndex > slot) --bullet.ownerIndex;
    }
    players.erase(players.begin() + slot);
    std::vector<tmuzzlemodels>& muzzles = match.play.muzzleModels;
    if (static_cast<size_t>(slot) < muzzles.size()) muzzles.erase(muzzles.begin() + slot);
    ShiftFlagCarriers(match.clientSettings, static_cast<size_t>(slot));
    match.play.events.push_back(PlayerUnseated{slot});
}

void UnseatEveryone(Match& match) {
    match.play.players.clear();
    match.play.muzzleModels.clear();
    match.play.bullets.clear();
    match.play.events.push_back(RosterEmptied{});
}

int32_t SeatNewcomers(Match& match, std::span<const tplayerinfo> records) {
    std::vector<MatchPlayer>& players = match.play.players;
    const size_t known = players.size();
    for (size_t i = 0; i < records.size() && i < known; ++i) players[i].entry = records[i];
    for (size_t i = known; i < records.size(); ++i) {
        SeatPlayer(match, records[i]);
        // A newcomer has just been placed; a join's table seats the others long in play.
        if (known > 0 || static_cast<int32_t>(i) == match.localPlayerIndex)
            ProtectSpawn(players.back(), match.now);
    }
    return records.size() > known ? static_cast<int32_t>(records.size() - known) : 0;
}

void ApplyTable(Match& match, std::span<const tplayerinfo> records) {
    std::vector<MatchPlayer>& players = match.play.players;
    for (size_t i = 0; i < records.size() && i < players.size(); ++i) {
        players[i].entry = records[i];
        const bool local = static_cast<int32_t>(i) == match.localPlayerIndex;
        const bool hostRunBot = match.hosting && players[i].isBot;
        if (!local && !hostRunBot) ApplyReportedState(match, static_cast<int32_t>(i), records[i]);
    }
}

void FollowTable(Match& match, std::span<const tplayerinfo> table) {
    std::vector<MatchPlayer>& players = match.play.players;
    // From the first slot that differs on, the slots are seated again in the table's order.
    size_t same = 0;
    while (same < players.size() && same < table.size() &&
           players[same].entry.id == table[same].id) {
        ++same;
    }
    // Those seated again keep their protection; a newcomer has just been placed.
    std::vector<MatchPlayer> reseated(players.begin() + static_cast<std::ptrdiff_t>(same),
                                      players.end());
    while (players.size() > same) UnseatPlayer(match, static_cast<int32_t>(players.size() - 1));
    for (size_t i = same; i < table.size(); ++i) {
        SeatPlayer(match, table[i]);
        const int32_t before = FindPlayerSlot(reseated, table[i].id);
        if (before < 0) {
            ProtectSpawn(players.back(), match.now);
        } else {
            players.back().spawnProtected = reseated[static_cast<size_t>(before)].spawnProtected;
            players.back().protectedSince = reseated[static_cast<size_t>(before)].protectedSince;
        }
    }
    for (size_t i = 0; i < table.size(); ++i) {
        players[i].entry = table[i];
        if (!players[i].isBot) ApplyReportedState(match, static_cast<int32_t>(i), table[i]);
    }
}

void ApplyReportedState(Match& match, int32_t slot, const tplayerinfo& record) {
    MatchPlayer* player = match.Player(slot);
    if (!player) return;
    // The looping movement sounds follow the animation a player runs.
    if (record.animation != player->animation)
        match.play.events.push_back(GaitChanged{slot, record.animation});
    // Alive again: its machine placed it at a spawn point.
    if (player->dead && record.dead == 0) ProtectSpawn(*player, match.now);
    // Before the pose takes the report's dead flag: a change of it is a teleport.
    RecordRemoteReport(match, slot, record);
    ShowReportedPose(*player, record);
}

void PlaceAt(MatchPlayer& player, const tvec3& position, float yaw) {
    player.model.position = position;
    player.model.yaw = yaw;
    player.model.velocity = {};
    player.model.frameVelocity = {};
    // A bot placed anew no longer knows which cylinder it stands on.
    player.bot.platformIndex = -1;
    ForgetRemoteMotion(player);
}

bool PlaceById(Match& match, int32_t id, const tvec3& position, float yaw) {
    MatchPlayer* player = match.Player(FindPlayerSlot(match.play.players, id));
    if (!player) return false;
    PlaceAt(*player, position, yaw);
    return true;
}

void ReviveEveryone(PlayState& play, uint32_t now) {
    for (MatchPlayer& player : play.players) {
        Revive(player);
        ProtectSpawn(player, now);
        // Nobody glides from the last level's place into this one.
        ForgetRemoteMotion(player);
    }
}
