// Draws captions into pictures with FreeType, from a bold sans-serif face that fontconfig finds
// ("Liberation Sans" bold, else "DejaVu Sans" bold), or with the built-in pixel font when neither
// is installed. Glyphs may be stretched horizontally so a caption looks right on a texture that
// the game draws with another aspect ratio.
#pragma once
#include <memory>
#include <string>

#include "image.h"

struct TextStyle {
    float size = 32;       // pixel height of the em square
    float widthScale = 1;  // horizontal stretch of every glyph
    Color color{1, 1, 1, 1};
    float outline = 0;  // dark outline thickness in pixels (0: none)
    Color outlineColor{0, 0, 0, 0.85f};
    float shadow = 0;  // drop shadow offset in pixels (0: none)
};

enum class FontSource { System, BuiltIn };

class TextPainter {
  public:
    // System uses an installed face and falls back to the built-in font when none is found.
    explicit TextPainter(FontSource source = FontSource::System);
    ~TextPainter();
    TextPainter(const TextPainter&) = delete;
    TextPainter& operator=(const TextPainter&) = delete;

    bool usesBuiltInFont() const { return face_ == nullptr; }
    float Width(const std::string& text, const TextStyle& style);
    // Draws UTF-8 text with its baseline at y, starting at x (the pixel font has ASCII only).
    void Draw(Image& image, const std::string& text, float x, float y, const TextStyle& style);
    // Draws text centred horizontally on cx with its capitals centred vertically on cy.
    void DrawCentred(Image& image, const std::string& text, float cx, float cy,
                     const TextStyle& style);

  private:
    void DrawLayer(Image& image, const std::string& text, float x, float y, const TextStyle& style,
                   Color color, float spread);
    struct Face;
    std::unique_ptr<Face> face_;
};
