#include "game/match_step.h"

#include "game/bot_bullets.h"
#include "game/bots.h"
#include "game/bullets.h"
#include "game/flags.h"
#include "game/match.h"
#include "game/player_bodies.h"
#include "game/poses.h"
#include "game/remote_motion.h"

void StepMatch(Match& match, const std::function<void(Match&)>& stepLocalPlayer) {
    // The host runs the bots and the flag rules; everybody else sees their results reported.
    if (match.hosting) UpdateBots(match);
    if (match.clientSettings.gameType == kCaptureTheFlag) {
        if (match.hosting) RunFlagRules(match);
        PlaceFlagModels(match);
    }
    // Other machines' players move along their reported paths before anything meets them.
    StepRemotePlayers(match);
    if (stepLocalPlayer) stepLocalPlayer(match);
    StepMatchPoses(match.play, match.arena, match.now);
    if (match.hosting) UpdateBotBullets(match);
    StepLocalBullets(match);
    DropDistantBullets(match);
    MoveRemoteBullets(match);
    StepPlayerBodies(match);
    FollowPlayersWithMuzzles(match.play, match.now);
}
