#include "app/game_step.h"

#include "app/game.h"
#include "app/local_player_step.h"
#include "base/main_window.h"
#include "game/death.h"
#include "game/explosions.h"
#include "game/match_step.h"
#include "game/poses.h"
#include "game/weapon.h"
#include "net/client_session.h"
#include "net/net_frame.h"
#include "sound/distance_volume.h"
#include "sound/match_sounds.h"

namespace {

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
    PlayMatchSounds(game.sound, events, game.userSettings.soundVolume, game.state.localPlayerIndex);
    events.clear();
}

void RunGameStep(Game& game) {
    const ProgramState& state = game.state;
    if (game.services.window) game.services.window->SetCursorVisible(false);
    if (!state.spawnConfirmed) RequestSpawnsUntilConfirmed(game);
    SetRemoteVolumesByDistance(game.sound, game.play.players, state.localPlayerIndex,
                               game.userSettings.soundVolume);
    Match match = MatchOf(game);
    StepMatch(match, [&game](Match& m) { StepLocalPlayer(game, m); });
    DeliverMatchEvents(game);
}

void StepPosesWithoutPlay(Game& game) {
    StepMatchPoses(game.play, game.world.arena, game.frame.now);
    FollowPlayersWithMuzzles(game.play, game.frame.now);
}
