// A built-in 5 x 7 pixel font: captions still come out readable when no FreeType face is
// installed. Lower-case letters are drawn as small capitals; characters it lacks leave a gap.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "image.h"

// Rows top to bottom, bit 4 the leftmost pixel; nullptr for a character the font lacks.
const std::array<uint8_t, 7>* BitmapGlyph(char ch);

// Width in pixels of text whose capitals are capHeight pixels tall.
float BitmapTextWidth(const std::string& text, float capHeight, float widthScale);
// Draws text with its baseline at y; every lit font pixel is widened by `spread` (for outlines).
void DrawBitmapText(Image& image, const std::string& text, float x, float y, float capHeight,
                    float widthScale, Color color, float spread);
