#include "app/game_step.h"

#include "app/game.h"
#include "app/local_player_step.h"
#include "base/main_window.h"
#include "net/net_frame.h"
#include "net/player_models.h"

namespace {

// Steps of the match that the gameplay rules fill in; each runs at its place in the order below.
void StepBotBullets(Game&) {}
void StepBots(Game&) {}
void StepFlags(Game&) {}
void UpdateRemoteVolumes(Game&) {}
void StepLocalBullets(Game&) {}
void DropDistantBullets(Game&) {}

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
    UpdateRemoteVolumes(game);
    MoveLocalPlayer(game);
    StepLocalBullets(game);
    FollowPlayersWithMuzzles(game);
    DropDistantBullets(game);
    FlyRemoteBullets(game.client, game.frame.speedFactor);
    IntegrateLocalPlayer(game);
}
