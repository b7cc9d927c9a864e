// The window-independent halves of start-up and shutdown. The shell runs, in order: splash,
// LoadSettings (config.txt, conf2.cfg, display mode, sound device, first screen), the window with
// its GL context, lights and fonts, FinishStartUp (menus, sounds, log.txt), then shows the window.
// FormClose is the one graceful close, whatever asked for it (window, signal, the menu's Exit).
#pragma once
#include <string>

struct Game;

// Throws ConfigError for a config.txt value that does not convert or is out of range,
// std::runtime_error when conf2.cfg cannot be created or, damaged, cannot be kept aside.
void LoadSettings(Game& game);
// Builds the menus, checks the content the game cannot run without, loads the sounds, sets
// renderEnabled and writes the start-up notices into the new log.txt. Throws WorldLoadError for
// missing or unreadable required content, std::runtime_error when log.txt cannot be created.
void FinishStartUp(Game& game);
// Creates log.txt with a line for each start-up notice; throws std::runtime_error naming the
// file when it cannot be written.
void StartLogFile(const Game& game);
// Once the window's size is known: the message box tells each start-up notice in turn.
void ShowStartupNotices(Game& game);
// Writes conf2.cfg and log.txt, leaves the network game and releases the sounds. A file that
// cannot be written does not stop the rest; the returned text names what failed (empty when all
// went well).
std::string FormClose(Game& game);
