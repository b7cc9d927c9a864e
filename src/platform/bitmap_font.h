// BitmapFont: the Windows-1251 codes 0..254 at one pixel height, rasterised with FreeType from the
// fontconfig face "Liberation Sans" (metric twin of Arial, has Cyrillic), falling back to "DejaVu
// Sans". The same glyphs twice: 256 GL display lists of glBitmap glyphs (the menus), and one
// alpha texture holding every glyph with its placement (the HUD draws them as textured quads,
// far cheaper in a software GL than glBitmap). Needs a current GL context; owns its lists and
// texture. DrawText draws Windows-1251 text with a font's lists at a raster position.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Where one glyph lies in the atlas and how glBitmap would place it: its bottom left pixel at
// floor(pen - origin), then the pen moves on by `advance`.
struct GlyphBox {
    int32_t atlasX = 0, atlasY = 0;  // bottom left texel
    int32_t width = 0, height = 0;
    float originX = 0, originY = 0;
    float advance = 0;
};

class BitmapFont {
  public:
    BitmapFont() = default;
    ~BitmapFont();
    BitmapFont(const BitmapFont&) = delete;
    BitmapFont& operator=(const BitmapFont&) = delete;

    // Builds the glyph lists; false when no face could be loaded (the lists stay empty but valid,
    // so text simply does not show).
    bool Build(int pixelHeight);
    uint32_t ListBase() const { return listBase_; }
    const std::string& FacePath() const { return facePath_; }

    // The glyph texture (GL_ALPHA: 255 where a glyph pixel is set), 0 until built.
    uint32_t AtlasTexture() const { return atlasTexture_; }
    int32_t AtlasWidth() const { return atlasWidth_; }
    int32_t AtlasHeight() const { return atlasHeight_; }
    const GlyphBox& Glyph(uint8_t code) const { return glyphs_[code]; }

  private:
    uint32_t listBase_ = 0;
    std::string facePath_;
    uint32_t atlasTexture_ = 0;
    int32_t atlasWidth_ = 0, atlasHeight_ = 0;
    std::array<GlyphBox, 256> glyphs_{};
};

// The font file of the first installed face among the preferred ones; empty when none.
std::string FindFontFile();

// Draws `text` (Windows-1251) with the glyph lists starting at `listBase`, the first glyph's
// origin at (x, y) as transformed by the current matrix (identity: normalised device coordinates).
void DrawText(uint32_t listBase, float x, float y, std::string_view text);
