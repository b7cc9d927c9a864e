// Frontend: a Session with the player's side of a running copy of zarnok: where content is read
// from, the display modes, the views, the menus and the input. The menus and the input handlers
// take it; the Game (app/game.h) adds the drawing.
#pragma once
#include <filesystem>
#include <vector>

#include "config/display_modes.h"
#include "config/display_settings.h"
#include "game/view_state.h"
#include "net/session.h"
#include "ui/input_state.h"
#include "ui/menus.h"

// Where the content loaders look, and the files opened by bare name in the current directory.
struct ContentPaths {
    std::filesystem::path soundDir = "sound/";
    std::filesystem::path mapsDir = "maps/";
    std::filesystem::path texturesDir = "textures/";
    std::filesystem::path configFile = "config.txt";
    std::filesystem::path settingsFile = "conf2.cfg";
    std::filesystem::path displayFile = "display.cfg";
    std::filesystem::path logFile = "log.txt";
};

struct Frontend : Session {
    ContentPaths paths;
    DisplaySettings display;
    std::vector<tdisplaymode> displayModes;
    ViewState view;
    Menus menus;
    InputState input;
};
