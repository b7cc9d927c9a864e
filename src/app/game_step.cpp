#include "app/game_step.h"

#include "app/frame_steps.h"
#include "app/game.h"
#include "app/local_player_step.h"
#include "app/main_window.h"

void RunGameStep(Game& game) {
    const ProgramState& state = game.state;
    if (game.services.window) game.services.window->SetCursorVisible(false);
    if (!state.spawnConfirmed) RequestPendingRespawns(game);
    if (state.hosting) {
        StepBotBullets(game);
        StepBots(game);
    }
    StepFlags(game);
    UpdateRemoteVolumes(game);
    MoveLocalPlayer(game);
    StepLocalBullets(game);
    PlaceMuzzleModels(game);
    DropDistantBullets(game);
    MoveRemoteBullets(game);
    IntegrateLocalPlayer(game);
}
