#include "app/frame_steps.h"

#include "app/game.h"
#include "game/view_cameras.h"
#include "net/client_session.h"
#include "net/net_frame.h"
#include "net/player_models.h"
#include "net/server.h"
#include "ui/input_poll.h"
#include "ui/menu_layout.h"
#include "ui/menu_requests.h"
#include "ui/screen_flow.h"

namespace {

// The join screen lists the servers the client heard; it is rebuilt when that list changes.
void RefreshServerRows(Game& game) {
    Client& client = game.client;
    if (!client.serverListChanged) return;
    client.serverListChanged = false;
    std::vector<std::string> addresses;
    for (const tfoundserver& server : client.foundServers)
        addresses.push_back(server.address.Text());
    SetServerRows(game.menus, addresses);
}

}  // namespace

void DrainReceivedDatagrams(Game& game) {
    DrainNetwork(game);
    RefreshServerRows(game);
}
void RunTwoSecondNetworkDuties(Game& game) {
    RunNetworkHousekeeping(game);
    RefreshServerRows(game);
}
void CheckPlayerTimeouts(Game& game) {
    RunServerTimeoutCheck(game);
}
void ResendServerMessages(Game& game) {
    RunServerFrameDuties(game);
}
void SendTimerStateReport(Game& game) {
    ClientTimerTick(game);
}
// RestartLevel is the client's (net/client_session).
bool LevelOver(const Game& game) {
    return game.client.clientSettings.gameOver != 0;
}

void ApplyPolledInput(Game& game) {
    PollInput(game);
}
void ShowConnectionFailed(Game& game) {
    ShowServerSilentMessage(game);
}
void FocusNextEditField(Game& game) {
    AdvanceFocus(game.menus);
}

// The per-player table the network keeps in step with the player models.
bool PlayerModelsLoaded(const Game& game) {
    return !game.client.players.empty();
}
void RemoveOldExplosions(Game&) {}  // effects: explosion expiry

void RequestPendingRespawns(Game& game) {
    RequestSpawnsUntilConfirmed(game);
}
void StepBotBullets(Game&) {}       // game: UpdateBotBullets
void StepBots(Game&) {}             // game: bot physics, UpdateBots
void StepFlags(Game&) {}            // game: RunFlagRules, flag models
void UpdateRemoteVolumes(Game&) {}  // sound: distance volume
// game: MovePlayer, UpdateLocalWeapon, death pose; until movement exists only the cameras follow.
void StepLocalPlayer(Game& game) {
    UpdateViewCameras(game.renderer, game.tuning, game.input.wheelDelta);
}
void StepLocalBullets(Game&) {}  // game: UpdateLocalBullets, first pass
void PlaceMuzzleModels(Game& game) {
    FollowPlayersWithMuzzles(game);
}
void DropDistantBullets(Game&) {}  // game: UpdateLocalBullets, second pass
void MoveRemoteBullets(Game& game) {
    FlyRemoteBullets(game.client, game.frame.speedFactor);
}
void IntegrateLocalPlayer(Game&) {}  // game: integration and respawn
