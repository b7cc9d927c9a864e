// Renderer: what the scene renderer owns between frames: the glyph display lists the shell builds
// at start-up and the small models' vertex buffers. The cameras and lights it draws with are the
// game's (game/view_state.h).
#pragma once
#include <cstdint>

#include "render/model_buffers.h"

class BitmapFont;

struct Renderer {
    // The 18 and 36 pixel fonts, null before start-up.
    const BitmapFont* smallFont = nullptr;
    const BitmapFont* largeFont = nullptr;
    // Filled as models are drawn; dropped with the GL context, not before.
    ModelBuffers modelBuffers;
};
