#include "game/bot_bullets.h"

#include "game/bullets.h"
#include "game/frags.h"
#include "game/match.h"

namespace {

bool IsBot(Match& match, int32_t index) {
    const MatchPlayer* player = match.Playing(index);
    return player && player->isBot;
}

// The frag goes into the host's table, which every machine receives; the kill notice makes the
// victim fall everywhere. Until that notice is back the victim counts as just killed.
void ScoreBotKill(Match& match, int32_t shooterIndex, int32_t victimIndex) {
    tplayerinfo* shooter = match.ServerEntry(shooterIndex);
    const tplayerinfo* victim = match.Entry(victimIndex);
    if (!shooter || !victim) return;
    ScoreKill(match, *shooter, victim->id, victimIndex);
}

}  // namespace

void UpdateBotBullets(Match& match) {
    std::vector<tbullet>& bullets = match.play.bullets;
    for (size_t i = 0; i < bullets.size();) {
        const int32_t owner = bullets[i].ownerIndex;
        if (!IsBot(match, owner)) {
            ++i;
            continue;
        }
        const CollisionHit hit = MoveBulletThroughWorld(match, bullets[i]);
        const bool onOther = hit.kind == kHitPlayer && hit.index != owner;
        if (hit.kind != kHitCylinder && !onOther) {
            ++i;
            continue;
        }
        const bool kill = onOther && CountsAsKill(match, owner, match.TeamOf(owner), hit.index);
        ReportBulletEnd(match, bullets[i], hit.kind, hit.index);
        // The next bullet moves into this place and is looked at next.
        bullets.erase(bullets.begin() + static_cast<std::ptrdiff_t>(i));
        if (kill) ScoreBotKill(match, owner, hit.index);
    }
}
