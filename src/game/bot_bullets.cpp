#include "game/bot_bullets.h"

#include "app/game.h"
#include "game/bullets.h"
#include "game/frags.h"
#include "net/client_session.h"

namespace {

bool IsBot(const Game& game, int32_t index) {
    const std::vector<tgeomobject>& models = game.play.playerModels;
    return index >= 0 && static_cast<size_t>(index) < models.size() &&
           models[static_cast<size_t>(index)].isBot;
}

uint8_t TeamOf(const Game& game, int32_t index) {
    const std::vector<tplayerinfo>& table = game.server.serverPlayers;
    return static_cast<size_t>(index) < table.size() ? table[static_cast<size_t>(index)].team : 0;
}

// The frag goes into the host's table, which every machine receives; the kill notice makes the
// victim fall everywhere. Until that notice is back the victim counts as just killed.
void ScoreBotKill(Game& game, int32_t shooterIndex, int32_t victimIndex) {
    std::vector<tplayerinfo>& table = game.server.serverPlayers;
    const auto shooter = static_cast<size_t>(shooterIndex);
    const auto victim = static_cast<size_t>(victimIndex);
    if (shooter >= table.size() || victim >= table.size()) return;
    CountOneMore(table[shooter].frags);
    game.play.playerModels[victim].deathTime = game.frame.now;
    SendKill(game, table[shooter].id, table[victim].id);
}

}  // namespace

void UpdateBotBullets(Game& game) {
    std::vector<tbullet>& bullets = game.play.bullets;
    for (size_t i = 0; i < bullets.size();) {
        const int32_t owner = bullets[i].ownerIndex;
        if (!IsBot(game, owner)) {
            ++i;
            continue;
        }
        const CollisionHit hit = MoveBulletThroughWorld(game, bullets[i]);
        const bool onOther = hit.kind == kHitPlayer && hit.index != owner;
        if (hit.kind != kHitCylinder && !onOther) {
            ++i;
            continue;
        }
        const bool kill = onOther && CountsAsKill(game, owner, TeamOf(game, owner), hit.index);
        ReportBulletEnd(game, bullets[i], hit.kind, hit.index);
        // The next bullet moves into this place and is looked at next.
        bullets.erase(bullets.begin() + static_cast<std::ptrdiff_t>(i));
        if (kill) ScoreBotKill(game, owner, hit.index);
    }
}
