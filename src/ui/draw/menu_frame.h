// Menu and loading frames: the whole window as the menus show it (background picture, menu
// entries, open screens) and the loading picture shown while a level loads. The caller swaps the
// buffers, except in PaintMenuAndLoadingFrames, which shows both frames at once before a load.
#pragma once

struct Game;

void DrawMenuFrame(Game& game);
void DrawLoadingFrame(Game& game);
// One menu frame and one loading frame, each swapped to the window.
void PaintMenuAndLoadingFrames(Game& game);
// The loading frame alone, swapped to the window.
void PaintLoadingFrame(Game& game);
