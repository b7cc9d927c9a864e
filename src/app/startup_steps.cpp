#include "app/startup_steps.h"

#include "app/game.h"
#include "net/client_session.h"
#include "net/server.h"
#include "ui/menu_build.h"

void StartSoundDevice(Game&) {}  // sound: InitSound
void ShowMainMenu(Game& game) {
    game.menus.screenState = kMainMenu;
}
void BuildMainMenus(Game& game) {
    BuildMenus(game, MenuVariant::Main);
}
void LoadGameSounds(Game&) {}    // sound: the start-up sounds
void PrepareHud(Game&) {}        // HUD: reload bar rate
void ApplySoundVolume(Game&) {}  // sound: volumes after the options changed

void CloseHostedServer(Game& game) {
    CloseServer(game);
}
void DisconnectClient(Game& game) {
    Disconnect(game);
}
void ReleaseSounds(Game&) {}  // sound: release every buffer and the device
