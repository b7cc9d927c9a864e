#include "app/game_step.h"

#include "app/game.h"
#include "app/local_player_step.h"
#include "base/main_window.h"
#include "game/bot_bullets.h"
#include "game/bots.h"
#include "game/bullets.h"
#include "game/death.h"
#include "game/explosions.h"
#include "game/flags.h"
#include "game/player_bodies.h"
#include "game/poses.h"
#include "game/weapon.h"
#include "net/client_session.h"
#include "net/distance_volume.h"
#include "net/net_frame.h"
#include "sound/match_sounds.h"

namespace {

void StepFlags(Game& game, Match& match) {
    if (game.client.clientSettings.gameType != kCaptureTheFlag) return;
    if (game.state.hosting) RunFlagRules(match);
    PlaceFlagModels(match);
}

// Movement and weapon while alive, the death pose once dead.
void StepLocalPlayer(Game& game, Match& match) {
    // Until the server has placed us in the new level we stand where the last one left us: a
    // step or a shot there would be on the old map's ground.
    if (!game.state.spawnConfirmed) return;
    MoveLocalPlayer(game, match);
    const MatchPlayer* player = match.Playing(match.localPlayerIndex);
    if (!player) return;
    if (!player->dead) {
        UpdateLocalWeapon(match, game.input.fireHeld);
    } else if (game.state.localDeathPending) {
        // The frame after the kill notice named this machine's player.
        game.state.localDeathPending = !ShowDeath(match, match.localPlayerIndex);
    }
}

}  // namespace

void RemoveOldExplosions(Game& game) {
    // The ends of other machines' bullets, queued by the network, show here.
    for (const tbulletimpact& impact : game.client.impacts) {
        ExplodeBullet(game.play, game.world.arena, impact.bullet, impact.hitKind, impact.hitIndex,
                      game.frame.now);
    }
    game.client.impacts.clear();
    ExpireExplosions(game.play, game.frame.now);
}

void DeliverMatchEvents(Game& game) {
    MatchEvents& events = game.play.events;
    if (events.empty()) return;
    SendMatchEvents(game, events);
    PlayMatchSounds(game.sound, events);
    events.clear();
}

void RunGameStep(Game& game) {
    const ProgramState& state = game.state;
    if (game.services.window) game.services.window->SetCursorVisible(false);
    if (!state.spawnConfirmed) RequestSpawnsUntilConfirmed(game);
    Match match = MatchOf(game);
    // Bots and the local player choose their commands; their bodies move once the bullets have.
    if (state.hosting) UpdateBots(match);
    StepFlags(game, match);
    SetRemoteVolumesByDistance(game);
    StepLocalPlayer(game, match);
    // Every animation chosen for this frame is stepped before a bullet moves, so hits are tested
    // against the poses of this frame, drawn or not.
    StepMatchPoses(game.play, game.world.arena, game.frame.now);
    if (state.hosting) UpdateBotBullets(match);
    StepLocalBullets(match);
    DropDistantBullets(match);
    MoveRemoteBullets(match);
    StepPlayerBodies(match);
    FollowPlayersWithMuzzles(game.play, game.frame.now);
    DeliverMatchEvents(game);
}

void StepPosesWithoutPlay(Game& game) {
    StepMatchPoses(game.play, game.world.arena, game.frame.now);
    FollowPlayersWithMuzzles(game.play, game.frame.now);
}
