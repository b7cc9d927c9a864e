// The HUD's two drawing primitives, in device coordinates of the viewport in force under the
// identity matrix: a line of text in one colour, and a blended picture quad. HudLayer
// sets the flat state they need (no depth test, lighting or culling) for one HUD group and
// restores the scene's state afterwards.
#pragma once
#include <cstdint>
#include <string_view>

#include "platform/bitmap_font.h"
#include "world/textures.h"

struct HudColour {
    float r = 1, g = 1, b = 1;
};

inline constexpr HudColour kHudWhite{1, 1, 1};
inline constexpr HudColour kHudYellow{1, 1, 0};
inline constexpr HudColour kHudBlue{0, 0, 1};
inline constexpr HudColour kHudRed{1, 0, 0};
inline constexpr HudColour kHudDarkRed{0.7f, 0, 0};
// The team colours lightened, to read on the statistics table's dark panel.
inline constexpr HudColour kHudLightBlue{0.5f, 0.7f, 1};
inline constexpr HudColour kHudLightRed{1, 0.45f, 0.4f};

class HudLayer {
  public:
    HudLayer();
    ~HudLayer();
    HudLayer(const HudLayer&) = delete;
    HudLayer& operator=(const HudLayer&) = delete;
};

// Text cut to 64 characters, its first glyph's origin at (x, y), drawn from the font's glyph
// texture with the very pixels glBitmap would set. A copy one pixel down and right, dark under
// light text and light under dark text, keeps it readable on any sky or floor.
void DrawHudText(const BitmapFont* font, float x, float y, std::string_view text, HudColour colour);

// The picture in `slot` (untextured white while it is not loaded) from (x0, yTop) to
// (x1, yBottom), its top left corner at the top left.
void DrawHudPicture(const TextureTable& textures, int32_t slot, float x0, float yTop, float x1,
                    float yBottom);
