// The frame loop's calls into other subsystems (network, menus, game rules, effects). Each is a
// small named step so the loop's order reads in one place; the owning subsystem fills its body.
// Until then a step does nothing and a query answers "no".
#pragma once

struct Game;

// Network.
void DrainReceivedDatagrams(Game& game);     // every datagram that arrived since the last frame
void RunTwoSecondNetworkDuties(Game& game);  // presence broadcast, found-server expiry
void CheckPlayerTimeouts(Game& game);        // the host drops players that fell silent
void ResendServerMessages(Game& game);       // departures and unacknowledged messages
void SendTimerStateReport(Game& game);       // the 50 ms state report, when switched on
void RestartLevel(Game& game);               // the next map after a level's end
bool LevelOver(const Game& game);            // the client's copy of the settings says game over

// Input and menus.
void ApplyPolledInput(Game& game);      // key and mouse state -> movement inputs and edit keys
void ShowConnectionFailed(Game& game);  // the server did not answer the connection request
void FocusNextEditField(Game& game);    // Tab on the join and new-game screens

// Game state.
bool PlayerModelsLoaded(const Game& game);
void RemoveOldExplosions(Game& game);

// The game step, in order.
void RequestPendingRespawns(Game& game);  // spawn not yet confirmed: ask again
void StepBotBullets(Game& game);
void StepBots(Game& game);
void StepFlags(Game& game);
void UpdateRemoteVolumes(Game& game);
void StepLocalPlayer(Game& game);  // movement and weapon while alive, the death pose once dead
void StepLocalBullets(Game& game);
void PlaceMuzzleModels(Game& game);
void DropDistantBullets(Game& game);
void MoveRemoteBullets(Game& game);
void IntegrateLocalPlayer(Game& game);
