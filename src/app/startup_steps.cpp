#include "app/startup_steps.h"

#include "app/game.h"

void StartSoundDevice(Game&) {}  // sound: InitSound
void ShowMainMenu(Game&) {}      // menus: screen state 1
void BuildMainMenus(Game&) {}    // menus: BuildMenus
void LoadGameSounds(Game&) {}    // sound: the start-up sounds
void PrepareHud(Game&) {}        // HUD: reload bar rate
void ApplySoundVolume(Game&) {}  // sound: volumes after the options changed

void CloseHostedServer(Game&) {}  // net: CloseServer
void DisconnectClient(Game&) {}   // net: Disconnect
void ReleaseSounds(Game&) {}      // sound: release every buffer and the device
