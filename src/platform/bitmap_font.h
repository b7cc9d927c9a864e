// BitmapFont: 256 GL display lists of glBitmap glyphs for the Windows-1251 codes 0..254 at one
// pixel height, rasterised with FreeType from the fontconfig face "Liberation Sans" (metric twin
// of Arial, has Cyrillic), falling back to "DejaVu Sans". Needs a current GL context; owns its
// lists. DrawText draws Windows-1251 text with a font's lists at a raster position.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

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

  private:
    uint32_t listBase_ = 0;
    std::string facePath_;
};

// The font file of the first installed face among the preferred ones; empty when none.
std::string FindFontFile();

// Draws `text` (Windows-1251) with the glyph lists starting at `listBase`, the first glyph's
// origin at (x, y) as transformed by the current matrix (identity: normalised device coordinates).
void DrawText(uint32_t listBase, float x, float y, std::string_view text);
