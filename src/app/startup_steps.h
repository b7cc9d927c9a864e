// Start-up and shutdown calls into other subsystems (sound, menus, HUD, network). Each is a small
// named step so the order reads in one place; the owning subsystem fills its body.
#pragma once

struct Game;

void StartSoundDevice(Game& game);
void ShowMainMenu(Game& game);    // the screen state the program opens with
void BuildMainMenus(Game& game);  // menu screens and their textures
void LoadGameSounds(Game& game);
void PrepareHud(Game& game);        // reload bar rate
void ApplySoundVolume(Game& game);  // flag channels and the local player's channels

void CloseHostedServer(Game& game);  // tells the clients the server is gone
void DisconnectClient(Game& game);
void ReleaseSounds(Game& game);
