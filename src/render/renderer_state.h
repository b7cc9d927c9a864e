// Renderer: what the scene renderer owns between frames: the glyph display lists the shell builds
// at start-up and the small models' vertex buffers. The cameras and lights it draws with are the
// game's (game/view_state.h).
#pragma once
#include <cstdint>

#include "render/model_buffers.h"

struct Renderer {
    // First display list of the 18 and 36 pixel glyph sets (codes 0..254), 0 before start-up.
    uint32_t smallFont = 0;
    uint32_t largeFont = 0;
    // Filled as models are drawn; dropped with the GL context, not before.
    ModelBuffers modelBuffers;
};
