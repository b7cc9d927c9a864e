// Renderer: what the scene renderer owns between frames: the two fonts the shell builds at
// start-up. The cameras and lights it draws with are the game's (game/view_state.h).
#pragma once

class BitmapFont;

struct Renderer {
    // The 18 and 36 pixel fonts, null before start-up.
    const BitmapFont* smallFont = nullptr;
    const BitmapFont* largeFont = nullptr;
};
