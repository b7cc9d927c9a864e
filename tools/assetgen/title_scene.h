// The title picture: an arena of pillars at dusk with the game's name. It is the menu background
// ("gamelogo") and, at 640 x 480, the splash shown while the game starts.
#pragma once
#include <string>

#include "image.h"

class TextPainter;

// glyphStretch widens the captions for a picture that is shown squeezed (the menu background is
// 2:1 but covers a screen of about 16:9).
Image TitleScene(int width, int height, TextPainter& text, const std::string& subtitle,
                 float glyphStretch);
