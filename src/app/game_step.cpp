#include "app/game_step.h"

#include "app/game.h"
#include "base/main_window.h"
#include "game/view_cameras.h"
#include "net/distance_volume.h"
#include "net/net_frame.h"
#include "net/player_models.h"

namespace {

// Steps of the match that the gameplay rules fill in; each runs at its place in the order below.
void StepBotBullets(Game&) {}
void StepBots(Game&) {}
void StepFlags(Game&) {}
// Movement and weapon while alive, the death pose once dead; for now only the cameras follow.
void StepLocalPlayer(Game& game) {
    UpdateViewCameras(game.view, game.tuning, game.input.wheelDelta);
}
void StepLocalBullets(Game&) {}
void DropDistantBullets(Game&) {}
void IntegrateLocalPlayer(Game&) {}

}  // namespace

void RemoveOldExplosions(Game&) {}

void RunGameStep(Game& game) {
    const ProgramState& state = game.state;
    if (game.services.window) game.services.window->SetCursorVisible(false);
    if (!state.spawnConfirmed) RequestSpawnsUntilConfirmed(game);
    if (state.hosting) {
        StepBotBullets(game);
        StepBots(game);
    }
    StepFlags(game);
    SetRemoteVolumesByDistance(game);
    StepLocalPlayer(game);
    StepLocalBullets(game);
    FollowPlayersWithMuzzles(game);
    DropDistantBullets(game);
    FlyRemoteBullets(game.client, game.frame.speedFactor);
    IntegrateLocalPlayer(game);
}
