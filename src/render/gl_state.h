// The small GL helpers every pass shares: binding a texture slot, binding one half (triangles or
// quads) of a vertex buffer set to the fixed-function arrays, and switching those arrays on and
// off. Include this instead of the GL headers in render/.
#pragma once
#include <GL/glu.h>

#include "platform/gl_extensions.h"
#include "world/arena.h"
#include "world/textures.h"

// Binds the picture in `slot` with 2D texturing on; a slot outside the table binds nothing and
// leaves the texturing state alone.
void BindTextureSlot(const TextureTable& textures, int32_t slot);

enum class VertexSetHalf { kTriangles, kQuads };

// Points the vertex, normal and texture-coordinate arrays at one half of `buffers`.
void BindVertexSet(const VertexBufferSet& buffers, VertexSetHalf half);

// Vertices the half holds: a draw must stay inside them.
int32_t VertexSetCount(const VertexBufferSet& buffers, VertexSetHalf half);

// glDrawArrays on the bound half, skipped when [first, first + count) leaves it.
void DrawVertexRange(const VertexBufferSet& buffers, VertexSetHalf half, int32_t first,
                     int32_t count);

void EnableVertexArrays();
void DisableVertexArrays();

// Lit surfaces in white: the current colour white, and the material's diffuse colour tracking it.
// Switching the tracking on copies the colour into the material at once: a colour drawn with
// before (the HUD's text) can otherwise stay in the material when the current colour is
// restored to white without a glColor call.
void SetLitWhite();
