#include "game/player_bodies.h"

#include "game/body_record.h"
#include "game/match.h"
#include "game/player_physics.h"
#include "game/respawn.h"

namespace {

void RespawnBot(Match& match, int32_t index) {
    RespawnBotIfDue(match, index);
    MatchPlayer& bot = match.play.players[static_cast<size_t>(index)];
    if (bot.dead) return;
    // A fresh start: no fall carried over from the death, the platform found anew.
    bot.model.velocity = {};
    bot.model.frameVelocity = {};
    bot.bot.platformIndex = -1;
}

void MoveBody(Match& match, int32_t index, float radiusShare) {
    tgeomobject& body = match.play.players[static_cast<size_t>(index)].model;
    StepPlayerPhysics(body, match.tuning.GRAVITY, match.speedFactor);
    IntegratePlayer(body, index, CollisionWorldOf(match.arena, match.play.players),
                    match.speedFactor, match.random, radiusShare);
}

}  // namespace

void StepPlayerBodies(Match& match) {
    std::vector<MatchPlayer>& players = match.play.players;
    for (size_t i = 0; i < players.size(); ++i) {
        const auto index = static_cast<int32_t>(i);
        const bool hostedBot = match.hosting && players[i].isBot;
        if (!players[i].hasModel || (!hostedBot && index != match.localPlayerIndex)) continue;
        if (hostedBot && players[i].dead) {
            RespawnBot(match, index);
        } else if (hostedBot) {
            MoveBody(match, index, kBotCollisionRadiusShare);
        } else {
            // A dead local player lies still; its kept velocity was spent by the collision.
            if (!players[i].dead) MoveBody(match, index, 1);
            RespawnLocalPlayerIfDue(match);
        }
    }
    for (size_t i = 0; i < players.size(); ++i) {
        tplayerinfo* entry = match.ServerEntry(static_cast<int32_t>(i));
        if (players[i].isBot && players[i].hasModel && entry) RecordBody(players[i], *entry);
    }
}
