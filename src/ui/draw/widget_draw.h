// Widget drawing: each widget as textured quads, triangles and bitmap text in normalised device
// coordinates under the identity matrix, lighting off. Textures are looked up by name on first
// draw; a picture that is not loaded leaves the quad plain.
#pragma once
#include <cstdint>

#include "ui/widgets.h"
#include "world/textures.h"

struct WidgetPainter {
    const TextureTable& textures;
    uint32_t smallFont = 0;  // first glyph display list
    ClientSize client;
    uint32_t now = 0;  // for the caret's blink
};

void Draw(const WidgetPainter& painter, tmenuitem& item);
void Draw(const WidgetPainter& painter, tgbutton& button);
void Draw(const WidgetPainter& painter, tgedit& edit);
void Draw(const tgtriangle& triangle);
void Draw(const WidgetPainter& painter, tglist& list);
void Draw(const WidgetPainter& painter, tselectoption& option);
void Draw(const WidgetPainter& painter, tselect& list);

// Binds the texture's slot (looked up on first use), or no texture while it is unknown.
void BindTexture(const WidgetPainter& painter, TextureRef& texture);
// One blended quad over a widget rectangle, texture (0, 0) at the top left.
void DrawBlendedQuad(float x, float y, float w, float h);
