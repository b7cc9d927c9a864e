#include "game/poses.h"

#include "world/animation.h"

void StepPlayerPoses(std::span<MatchPlayer> players, uint32_t now) {
    for (MatchPlayer& player : players) {
        if (player.hasModel) StepModelPose(player.model, now);
    }
}

void StepBulletPoses(std::span<tbullet> bullets, uint32_t now) {
    for (tbullet& bullet : bullets) StepModelPose(bullet, now);
}

void StepArenaModelPoses(Arena& arena, uint32_t now) {
    for (tgeomobject* model : {&arena.chargerModel, &arena.blueFlag, &arena.redFlag,
                               &arena.sideExplosion, &arena.topExplosion}) {
        StepModelPose(*model, now);
    }
}

void StepMatchPoses(PlayState& play, Arena& arena, uint32_t now) {
    StepPlayerPoses(play.players, now);
    StepBulletPoses(play.bullets, now);
    StepArenaModelPoses(arena, now);
}

void FollowPlayersWithMuzzles(PlayState& play, uint32_t now) {
    for (size_t i = 0; i < play.players.size() && i < play.muzzleModels.size(); ++i) {
        const tgeomobject& player = play.players[i].model;
        const int32_t bstart = FindPart(player, "bstart");
        for (tgeomobject* muzzle : {&play.muzzleModels[i].side, &play.muzzleModels[i].top}) {
            muzzle->position = player.position;
            muzzle->yaw = player.yaw;
            if (bstart >= 0 && !muzzle->quadParts.empty()) {
                const tmeshpart& source = player.triangleParts[static_cast<size_t>(bstart)];
                // Animation i shows pose i, so the flash sits on the muzzle's current pose.
                muzzle->quadParts.front().pitch = source.pitch;
                muzzle->quadParts.front().currentAnimation = source.currentFrame;
            }
            StepModelPose(*muzzle, now);
        }
    }
}
