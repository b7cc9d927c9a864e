// Drawing one frame of what RunFrame asked for: the 3D view (split or chase) or the menus. The
// renderer and the menus fill these; the shell swaps the buffers afterwards.
#pragma once
#include "app/frame_loop.h"
#include "ui/draw/menu_frame.h"

struct Game;

void DrawFrame(Game& game, FrameDraw draw);
// The menus as the Game holds them, for a menu or loading frame now.
MenuScene MenuSceneOf(Game& game);
