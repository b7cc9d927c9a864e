// One picture showing every generated texture with its file name, for reviewing the look at a
// glance. Transparent pictures are shown over a checkerboard.
#pragma once
#include <vector>

#include "image.h"
#include "texture_set.h"

Image ContactSheet(const std::vector<TextureFile>& textures, TextPainter& text);
