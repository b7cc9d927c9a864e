// Mouse on the menus: hover, click, press, release and double-click for whatever screen is shown.
// Clicks use the pointer stored by the last move; press and release use their event's position.
// Anything beyond the menus comes back as a MenuRequest (see ui/screen_flow.h).
#pragma once
#include <cstdint>

#include "ui/menus.h"
#include "ui/screen_flow.h"

void MenuMouseMove(Menus& menus, PixelPoint pointer);
MenuRequest MenuClick(Menus& menus, int32_t& playState);
void MenuMouseDown(Menus& menus, PixelPoint pointer);
void MenuMouseUp(Menus& menus, PixelPoint pointer);
void MenuDoubleClick(Menus& menus, PixelPoint pointer);
