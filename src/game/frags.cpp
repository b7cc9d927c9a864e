#include "game/frags.h"

#include "base/clock.h"
#include "game/match.h"

namespace {

bool JustKilled(const tgeomobject& victim, uint32_t now) {
    return victim.deathTime != 0 && Elapsed(now, victim.deathTime) < victim.respawnDelay;
}

}  // namespace

bool CountsAsKill(Match& match, int32_t shooterIndex, uint8_t shooterTeam, int32_t victimIndex) {
    const std::vector<tplayerinfo>& table = match.clientPlayers;
    if (victimIndex == shooterIndex || victimIndex < 0) return false;
    const tgeomobject* victim = match.Model(victimIndex);
    if (!victim || static_cast<size_t>(victimIndex) >= table.size()) return false;
    if (victim->dead || JustKilled(*victim, match.now)) return false;
    // In team games friendly fire neither kills nor scores.
    return match.clientSettings.gameType == kDeathMatch ||
           table[static_cast<size_t>(victimIndex)].team != shooterTeam;
}

void ScoreKill(Match& match, tplayerinfo& shooter, int32_t victimId, int32_t victimIndex) {
    tgeomobject* victim = match.Model(victimIndex);
    if (!victim) return;
    CountOneMore(shooter.frags);
    victim->deathTime = match.now;
    match.play.events.push_back(PlayerKilled{shooter.id, victimId});
}

void ScoreLocalKill(Match& match, int32_t victimIndex) {
    const auto victim = static_cast<size_t>(victimIndex);
    if (victim >= match.clientPlayers.size()) return;
    ScoreKill(match, match.localPlayer, match.clientPlayers[victim].id, victimIndex);
}
