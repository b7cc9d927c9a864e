// The program's icon for desktop menus: a rounded tile with pillars at dusk, a bullet's trail
// and a large "Z", drawn plainly enough to read at 32 pixels.
#pragma once
#include "image.h"

class TextPainter;

Image GameIcon(int size, TextPainter& text);
