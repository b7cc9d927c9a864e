// Menu and loading frames: the whole window as the menus show it (background picture, menu
// entries, open screens) and the loading picture shown while a level loads. The caller swaps the
// buffers, except in PaintMenuAndLoadingFrames, which shows both frames at once before a load.
#pragma once
#include <cstdint>

#include "ui/menus.h"
#include "world/textures.h"

class BitmapFont;

// What a menu frame draws from: the menus, the pictures, the font (none: no captions) and the
// time (blinking carets).
struct MenuScene {
    Menus& menus;
    const TextureTable& textures;
    const BitmapFont* font = nullptr;
    uint32_t now = 0;
};

void DrawMenuFrame(const MenuScene& scene);
void DrawLoadingFrame(const MenuScene& scene);
// One menu frame and one loading frame, each swapped to the window.
void PaintMenuAndLoadingFrames(const MenuScene& scene);
// The loading frame alone, swapped to the window.
void PaintLoadingFrame(const MenuScene& scene);
