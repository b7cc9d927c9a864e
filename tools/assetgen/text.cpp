#include "text.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <cstdio>
#include <vector>

#include "bitmap_font.h"

struct TextPainter::Face {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
};

// Asks fontconfig for the file of the first face it really has among the wanted ones.
static std::string FindFontFile() {
    std::string found;
    FcConfig* config = FcInitLoadConfigAndFonts();
    for (const char* family : {"Liberation Sans", "DejaVu Sans"}) {
        FcPattern* pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
        FcPatternAddInteger(pattern, FC_WEIGHT, FC_WEIGHT_BOLD);
        FcConfigSubstitute(config, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* match = FcFontMatch(config, pattern, &result);
        FcChar8* file = nullptr;
        FcChar8* matchedFamily = nullptr;
        if (match && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch &&
            FcPatternGetString(match, FC_FAMILY, 0, &matchedFamily) == FcResultMatch &&
            std::string(reinterpret_cast<char*>(matchedFamily)) == family) {
            found = reinterpret_cast<char*>(file);
        }
        if (match) FcPatternDestroy(match);
        FcPatternDestroy(pattern);
        if (!found.empty()) break;
    }
    FcConfigDestroy(config);
    FcFini();
    return found;
}

// The code points of UTF-8 text; a broken sequence yields its bytes one by one.
static std::vector<char32_t> CodePoints(const std::string& text) {
    std::vector<char32_t> points;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = lead < 0x80    ? 1
                              : lead >= 0xF0 ? 4
                              : lead >= 0xE0 ? 3
                              : lead >= 0xC0 ? 2
                                             : 1;
        char32_t point = length == 1 ? lead : lead & (0x3F >> (length - 1));
        bool whole = i + length <= text.size();
        for (size_t k = 1; whole && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            whole = (next & 0xC0) == 0x80;
            point = (point << 6) | (next & 0x3F);
        }
        points.push_back(whole ? point : lead);
        i += whole ? length : 1;
    }
    return points;
}

// Capitals of these faces are about this fraction of the em square.
constexpr float kCapHeight = 0.72f;

TextPainter::TextPainter(FontSource source) {
    if (source == FontSource::BuiltIn) return;
    std::string file = FindFontFile();
    auto face = std::make_unique<Face>();
    if (!file.empty() && FT_Init_FreeType(&face->library) == 0) {
        if (FT_New_Face(face->library, file.c_str(), 0, &face->face) == 0) {
            face_ = std::move(face);
            return;
        }
        FT_Done_FreeType(face->library);
    }
    std::fprintf(stderr,
                 "assetgen: no Liberation Sans or DejaVu Sans face; using the pixel font\n");
}

TextPainter::~TextPainter() {
    if (!face_) return;
    FT_Done_Face(face_->face);
    FT_Done_FreeType(face_->library);
}

static void SetSize(FT_Face face, const TextStyle& style) {
    auto height = static_cast<FT_F26Dot6>(std::lround(style.size * 64));
    auto width = static_cast<FT_F26Dot6>(std::lround(style.size * style.widthScale * 64));
    FT_Set_Char_Size(face, width, height, 72, 72);
}

float TextPainter::Width(const std::string& text, const TextStyle& style) {
    if (!face_) return BitmapTextWidth(text, style.size * kCapHeight, style.widthScale);
    SetSize(face_->face, style);
    float width = 0;
    for (char32_t ch : CodePoints(text)) {
        if (FT_Load_Char(face_->face, ch, FT_LOAD_DEFAULT) == 0)
            width += face_->face->glyph->advance.x / 64.0f;
    }
    return width;
}

void TextPainter::DrawLayer(Image& image, const std::string& text, float x, float y,
                            const TextStyle& style, Color color, float spread) {
    if (!face_) {
        DrawBitmapText(image, text, x, y, style.size * kCapHeight, style.widthScale, color, spread);
        return;
    }
    SetSize(face_->face, style);
    float penX = x;
    for (char32_t ch : CodePoints(text)) {
        if (FT_Load_Char(face_->face, ch, FT_LOAD_RENDER) != 0) continue;
        FT_GlyphSlot glyph = face_->face->glyph;
        const FT_Bitmap& bitmap = glyph->bitmap;
        int left = static_cast<int>(std::lround(penX)) + glyph->bitmap_left;
        int top = static_cast<int>(std::lround(y)) - glyph->bitmap_top;
        int reach = static_cast<int>(std::ceil(spread));
        for (unsigned row = 0; row < bitmap.rows; ++row) {
            for (unsigned col = 0; col < bitmap.width; ++col) {
                float coverage = bitmap.buffer[row * bitmap.pitch + col] / 255.0f;
                if (coverage <= 0) continue;
                if (reach == 0) {
                    image.Blend(left + int(col), top + int(row), color, coverage);
                    continue;
                }
                // An outline: every glyph pixel stamps a small disc of the outline colour.
                for (int dy = -reach; dy <= reach; ++dy)
                    for (int dx = -reach; dx <= reach; ++dx)
                        if (dx * dx + dy * dy <= spread * spread)
                            image.Blend(left + int(col) + dx, top + int(row) + dy, color,
                                        coverage * 0.5f);
            }
        }
        penX += glyph->advance.x / 64.0f;
    }
}

void TextPainter::Draw(Image& image, const std::string& text, float x, float y,
                       const TextStyle& style) {
    if (style.shadow > 0)
        DrawLayer(image, text, x + style.shadow, y + style.shadow, style, {0, 0, 0, 0.6f},
                  std::max(style.outline, 1.0f));
    if (style.outline > 0) DrawLayer(image, text, x, y, style, style.outlineColor, style.outline);
    DrawLayer(image, text, x, y, style, style.color, 0);
}

void TextPainter::DrawCentred(Image& image, const std::string& text, float cx, float cy,
                              const TextStyle& style) {
    Draw(image, text, cx - Width(text, style) / 2, cy + style.size * kCapHeight / 2, style);
}
