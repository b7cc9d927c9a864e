#include "app/game_step.h"

#include "app/game.h"
#include "app/local_player_step.h"
#include "base/main_window.h"
#include "game/bot_bullets.h"
#include "game/bot_physics.h"
#include "game/bots.h"
#include "game/bullets.h"
#include "game/death.h"
#include "game/explosions.h"
#include "game/flags.h"
#include "game/poses.h"
#include "game/weapon.h"
#include "net/distance_volume.h"
#include "net/net_frame.h"
#include "net/player_models.h"

namespace {

void StepFlags(Game& game) {
    if (game.client.clientSettings.gameType != kCaptureTheFlag) return;
    if (game.state.hosting) RunFlagRules(game);
    PlaceFlagModels(game);
}

// Movement and weapon while alive, the death pose once dead.
void StepLocalPlayer(Game& game) {
    MoveLocalPlayer(game);
    const int32_t local = game.state.localPlayerIndex;
    const std::vector<tgeomobject>& models = game.play.playerModels;
    if (local < 0 || static_cast<size_t>(local) >= models.size()) return;
    if (models[static_cast<size_t>(local)].dead) {
        ShowLocalDeathIfPending(game);
    } else {
        UpdateLocalWeapon(game);
    }
}

}  // namespace

void RemoveOldExplosions(Game& game) {
    UpdateExplosions(game);
}

void RunGameStep(Game& game) {
    const ProgramState& state = game.state;
    if (game.services.window) game.services.window->SetCursorVisible(false);
    if (!state.spawnConfirmed) RequestSpawnsUntilConfirmed(game);
    if (state.hosting) {
        StepBotBodies(game);
        UpdateBots(game);
    }
    StepFlags(game);
    SetRemoteVolumesByDistance(game);
    StepLocalPlayer(game);
    // Every animation chosen for this frame is stepped before a bullet moves, so hits are tested
    // against the poses of this frame, drawn or not.
    StepMatchPoses(game.play, game.world.arena, game.frame.now);
    if (state.hosting) UpdateBotBullets(game);
    StepLocalBullets(game);
    DropDistantBullets(game);
    MoveRemoteBullets(game);
    IntegrateLocalPlayer(game);
    FollowPlayersWithMuzzles(game.play, game.frame.now);
}

void StepPosesWithoutPlay(Game& game) {
    StepMatchPoses(game.play, game.world.arena, game.frame.now);
    FollowPlayersWithMuzzles(game.play, game.frame.now);
}
