#include "app/frame_steps.h"

#include "app/game.h"
#include "ui/input_poll.h"
#include "ui/menu_requests.h"
#include "ui/screen_flow.h"

void DrainReceivedDatagrams(Game&) {}     // net: server and client receive handlers
void RunTwoSecondNetworkDuties(Game&) {}  // net: BroadcastPresence, foundServers
void CheckPlayerTimeouts(Game&) {}        // net: server player time-out check
void ResendServerMessages(Game&) {}       // net: departures, pendingMessages
void SendTimerStateReport(Game&) {}       // net: client state report
void RestartLevel(Game&) {}               // net + world: level restart
bool LevelOver(const Game&) {
    return false;
}  // net: clientSettings.gameOver

void ApplyPolledInput(Game& game) {
    PollInput(game);
}
void ShowConnectionFailed(Game& game) {
    ShowServerSilentMessage(game);
}
void FocusNextEditField(Game& game) {
    AdvanceFocus(game.menus);
}

bool PlayerModelsLoaded(const Game&) {
    return false;
}  // game: playerModels
void ExpireOldestMessageLine(Game&) {}  // HUD: DropMessageLine
void RemoveOldExplosions(Game&) {}      // effects: explosion expiry

void RequestPendingRespawns(Game&) {}  // net: SendRespawnRequest
void StepBotBullets(Game&) {}          // game: UpdateBotBullets
void StepBots(Game&) {}                // game: bot physics, UpdateBots
void StepFlags(Game&) {}               // game: RunFlagRules, flag models
void UpdateRemoteVolumes(Game&) {}     // sound: distance volume
void StepLocalPlayer(Game&) {}         // game: MovePlayer, UpdateLocalWeapon, death pose
void StepLocalBullets(Game&) {}        // game: UpdateLocalBullets, first pass
void PlaceMuzzleModels(Game&) {}       // effects: muzzle models
void DropDistantBullets(Game&) {}      // game: UpdateLocalBullets, second pass
void MoveRemoteBullets(Game&) {}       // game: UpdateLocalBullets, third pass
void IntegrateLocalPlayer(Game&) {}    // game: integration and respawn
