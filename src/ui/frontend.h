// Frontend: a Session with the player's side of a running copy of zarnok: where content is read
// from, the display modes, the views, the menus and the input. The menus and the input handlers
// take it; the Game (app/game.h) adds the drawing.
#pragma once
#include <vector>

#include "config/content_paths.h"
#include "config/display_modes.h"
#include "config/display_settings.h"
#include "game/view_state.h"
#include "net/session.h"
#include "ui/input_state.h"
#include "ui/menus.h"

struct Frontend : Session {
    ContentPaths paths;
    DisplaySettings display;
    std::vector<tdisplaymode> displayModes;
    ViewState view;
    Menus menus;
    InputState input;
};
