#include "game/bot_physics.h"

#include "game/collision.h"
#include "game/match.h"
#include "game/respawn.h"

namespace {

void CollideBot(Match& match, int32_t index) {
    tgeomobject& bot = match.play.playerModels[static_cast<size_t>(index)];
    bot.airborne = bot.frameVelocity.y > 0;
    const CollisionWorld world = CollisionWorldOf(match.arena, match.play.playerModels);
    CollideMove(world, MoverKind::Player, index, bot.position, bot.frameVelocity,
                bot.extentHalfHeight, bot.extentRadius * kBotCollisionRadiusShare, bot.headroom,
                match.random);
    // What the collision left is the bot's speed from now on (landing stops its fall). Kept per
    // reference frame, so a slow or fast frame does not grow or shrink it.
    const float speedFactor = match.speedFactor;
    if (speedFactor > 0) {
        bot.velocity = {bot.frameVelocity.x / speedFactor, bot.frameVelocity.y / speedFactor,
                        bot.frameVelocity.z / speedFactor};
    }
}

void RespawnBot(Match& match, int32_t index) {
    RespawnBotIfDue(match, index);
    tgeomobject& bot = match.play.playerModels[static_cast<size_t>(index)];
    if (bot.dead) return;
    // A fresh start: no fall carried over from the death, the platform found anew.
    bot.velocity = {};
    bot.frameVelocity = {};
    bot.platformIndex = -1;
}

void Publish(const tgeomobject& bot, tplayerinfo& entry) {
    entry.position = bot.position;
    const int32_t hand = FindPart(bot, "HAND");
    entry.aimPitch = hand >= 0 ? bot.triangleParts[static_cast<size_t>(hand)].pitch : 0;
    entry.yaw = bot.yaw;
    entry.animation = static_cast<int8_t>(
        bot.triangleParts.empty() ? -1 : bot.triangleParts.front().currentAnimation);
    entry.animationPace = bot.animationPace;
    entry.dead = bot.dead ? 1 : 0;
}

}  // namespace

void StepBotBodies(Match& match) {
    std::vector<tgeomobject>& models = match.play.playerModels;
    std::vector<tplayerinfo>& table = match.serverPlayers;
    for (size_t i = 0; i < models.size(); ++i) {
        if (!models[i].isBot) continue;
        if (models[i].dead) {
            RespawnBot(match, static_cast<int32_t>(i));
        } else {
            CollideBot(match, static_cast<int32_t>(i));
        }
        if (i < table.size()) Publish(models[i], table[i]);
    }
    for (tgeomobject& bot : models) {
        if (!bot.isBot || bot.dead) continue;
        bot.position = bot.position + bot.frameVelocity;
        bot.frameVelocity = {};
    }
}
