// Menu layout: builds the menu entries and the four screens from the remembered user settings,
// the display modes and the map files (the join screen's rows: ui/server_rows.h). Every screen
// starts closed; the screen state returns to the main menu or stays where the flow left it (see
// BuildMenus). Every text is in the menus' language (ui/menu_phrases.h).
#pragma once
#include <string>
#include <vector>

#include "config/display_modes.h"
#include "config/display_settings.h"
#include "ui/menus.h"

// Everything the screens are filled from.
struct MenuSources {
    MenuVariant variant = MenuVariant::Main;
    ClientSize client;
    int32_t mouseSensitivity = 100;
    tdisplaymode savedResolution;
    int32_t detailLevel = 0;  // 0 high, 1 medium, 2 low
    int32_t soundVolume = 100;
    std::string playerName, serverName, serverAddress;
    std::vector<tdisplaymode> displayModes;
    tdisplaymode currentScreen;
    DisplaySettings display;
    std::vector<std::string> mapNames;
    bool showBots = false;
};

void BuildMenuScreens(Menus& menus, const MenuSources& sources);

// The new-game screen's note: a line, and a second one (may be empty) that says why.
void LayOutNewGameNote(tgnewgame& screen, const std::string& text, const std::string& detail);

// The message box with `text`: the small box for a line alone, a wider one with a `detail` line.
void LayOutMessageBox(tgmes& screen, ClientSize client, const std::string& text,
                      const std::string& detail);
