#include "world/picture.h"

AlphaRule AlphaRuleForName(std::string_view textureName) {
    if (textureName.starts_with("tra_")) return AlphaRule::Translucent;
    if (textureName.starts_with("mi_")) return AlphaRule::Masked;
    return AlphaRule::Plain;
}

uint8_t BmpPixelAlpha(AlphaRule rule, uint8_t red, uint8_t green, uint8_t blue) {
    if ((red & green & blue) != blue) return 255;
    switch (rule) {
        case AlphaRule::Translucent: {
            const uint32_t colour = red + 256u * green + 65536u * blue;
            return static_cast<uint8_t>((colour / 4) & 0xFF);
        }
        case AlphaRule::Masked:
            return 0;
        case AlphaRule::Plain:
            break;
    }
    return 175;
}
