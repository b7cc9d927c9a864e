// BuildMenus: loads the menu pictures into fresh texture slots and builds the menu entries and
// screens of a running game from its user settings, display modes and map files. Called at
// start-up (main-menu variant) and at every level start (in-game variant, as the level start's
// menu rebuild); the screens' contents return to what the settings say. The join screen's server
// rows are the client's found servers, at a rebuild as whenever that list changes
// (ui/server_rows.h).
#pragma once
#include "ui/menus.h"

struct Frontend;

void BuildMenus(Frontend& frontend, MenuVariant variant);
// The menus in `language` from now on: its pictures and the screens worded anew from the
// settings (a screen's typed texts return to them, as at a rebuild); the screen state stays.
void ShowLanguage(Frontend& frontend, Language language);
