#include "game/death.h"

#include "game/match.h"
#include "world/animation.h"

bool KillPlayer(Match& match, int32_t index, tplayerinfo& entry) {
    CountOneMore(entry.deaths);
    MatchPlayer* player = match.Playing(index);
    if (!player) return false;
    player->dead = true;
    player->deathTime = match.now;
    return true;
}

bool ShowDeath(Match& match, int32_t index) {
    MatchPlayer* player = match.Playing(index);
    if (!player || !player->dead) return false;
    SelectAnimation(player->model, kDeathAnimation);
    match.play.events.push_back(PlayerSoundCue{index, PlayerSound::kDeath});
    return true;
}

void KillHostedBot(Match& match, int32_t victimId) {
    const int32_t slot = FindPlayerSlot(match.play.players, victimId);
    tplayerinfo* bot = match.ServerEntry(slot);
    if (bot && bot->isBot && KillPlayer(match, slot, *bot))
        SelectAnimation(match.play.players[static_cast<size_t>(slot)].model, kDeathAnimation);
}
