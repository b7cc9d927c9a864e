#include "app/startup_steps.h"

#include "app/game.h"
#include "sound/sound_buffers.h"
#include "sound/sound_loading.h"
#include "sound/sound_volume.h"
#include "ui/menu_build.h"

void StartSoundDevice(Game& game) {
    InitSound(game.sound, game.services.audio);
}
void ShowMainMenu(Game& game) {
    game.menus.screenState = kMainMenu;
}
void BuildMainMenus(Game& game) {
    BuildMenus(game, MenuVariant::Main);
}
void LoadGameSounds(Game& game) {
    LoadSounds(game.sound, game.paths.soundDir.string(), game.userSettings.soundVolume);
}
void PrepareHud(Game&) {}  // HUD: reload bar rate
void ApplySoundVolume(Game& game) {
    int32_t local = game.sound.playerChannels.empty() ? -1 : game.state.localPlayerIndex;
    ApplySoundVolume(game.sound, game.userSettings.soundVolume, local);
}

void CloseHostedServer(Game&) {}  // net: CloseServer
void DisconnectClient(Game&) {}   // net: Disconnect
void ReleaseSounds(Game& game) {
    ReleaseSounds(game.sound);
}
