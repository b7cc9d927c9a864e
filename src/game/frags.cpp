#include "game/frags.h"

#include "base/clock.h"
#include "game/match.h"
#include "game/spawn_protection.h"

namespace {

// Killed by this machine and not yet shown dead by the victim's own report: the rest of a burst
// already on its way would score that one death again.
bool JustKilled(const MatchPlayer& victim, uint32_t now) {
    return victim.deathTime != 0 && Elapsed(now, victim.deathTime) < victim.respawnDelay;
}

}  // namespace

bool CountsAsKill(Match& match, int32_t shooterIndex, uint8_t shooterTeam, int32_t victimIndex) {
    if (victimIndex == shooterIndex) return false;
    const MatchPlayer* victim = match.Playing(victimIndex);
    if (!victim || victim->dead || JustKilled(*victim, match.now)) return false;
    // Just come into play: the bullet bursts on it and does no harm.
    if (SpawnProtected(*victim, match.now)) return false;
    // In team games friendly fire neither kills nor scores.
    return match.clientSettings.gameType == kDeathMatch || victim->entry.team != shooterTeam;
}

void ScoreKill(Match& match, tplayerinfo& shooter, int32_t victimId, int32_t victimIndex) {
    MatchPlayer* victim = match.Playing(victimIndex);
    if (!victim) return;
    CountOneMore(shooter.frags);
    victim->deathTime = match.now;
    match.play.events.push_back(PlayerKilled{shooter.id, victimId});
}

void ScoreLocalKill(Match& match, int32_t victimIndex) {
    const tplayerinfo* victim = match.Entry(victimIndex);
    if (victim) ScoreKill(match, match.localPlayer, victim->id, victimIndex);
}
