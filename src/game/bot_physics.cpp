#include "game/bot_physics.h"

#include "game/body_record.h"
#include "game/match.h"
#include "game/player_physics.h"
#include "game/respawn.h"

namespace {

void RespawnBot(Match& match, int32_t index) {
    RespawnBotIfDue(match, index);
    tgeomobject& bot = match.play.playerModels[static_cast<size_t>(index)];
    if (bot.dead) return;
    // A fresh start: no fall carried over from the death, the platform found anew.
    bot.velocity = {};
    bot.frameVelocity = {};
    bot.platformIndex = -1;
}

}  // namespace

void StepBotBodies(Match& match) {
    std::vector<tgeomobject>& models = match.play.playerModels;
    for (size_t i = 0; i < models.size(); ++i) {
        if (!models[i].isBot) continue;
        const auto index = static_cast<int32_t>(i);
        if (models[i].dead) {
            RespawnBot(match, index);
            continue;
        }
        StepPlayerPhysics(models[i], match.tuning.GRAVITY, match.speedFactor);
        IntegratePlayer(models[i], index, CollisionWorldOf(match.arena, models), match.speedFactor,
                        match.random, kBotCollisionRadiusShare);
    }
    for (size_t i = 0; i < models.size(); ++i) {
        tplayerinfo* entry = match.ServerEntry(static_cast<int32_t>(i));
        if (models[i].isBot && entry) RecordBody(models[i], *entry);
    }
}
