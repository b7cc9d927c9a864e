// Menu layout: builds the menu entries and the four screens from the remembered user settings,
// the display modes and the map files (the join screen's rows: ui/server_rows.h). Every screen
// starts closed; the screen state returns to the main menu or stays where the flow left it (see
// BuildMenus).
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

// "Сервер не отвечает" in Windows-1251: the message box's line as BuildMenuScreens lays it out.
inline constexpr const char* kServerSilentText =
    "\xD1\xE5\xF0\xE2\xE5\xF0 \xED\xE5 \xEE\xF2\xE2\xE5\xF7\xE0\xE5\xF2";
// "Карту не удалось загрузить", "Нет ни одной карты" and "В папке maps нет файлов .map" in
// Windows-1251 (worded without the one letter the menus' font lacks).
inline constexpr const char* kMapFailedText =
    "\xCA\xE0\xF0\xF2\xF3 \xED\xE5 \xF3\xE4\xE0\xEB\xEE\xF1\xFC "
    "\xE7\xE0\xE3\xF0\xF3\xE7\xE8\xF2\xFC";
inline constexpr const char* kNoMapsText =
    "\xCD\xE5\xF2 \xED\xE8 \xEE\xE4\xED\xEE\xE9 \xEA\xE0\xF0\xF2\xFB";
inline constexpr const char* kNoMapFilesText =
    "\xC2 \xEF\xE0\xEF\xEA\xE5 maps \xED\xE5\xF2 \xF4\xE0\xE9\xEB\xEE\xE2 .map";
// The message box with `text`: the small box for a line alone, a wider one with a `detail` line.
void LayOutMessageBox(tgmes& screen, ClientSize client, const std::string& text,
                      const std::string& detail);
