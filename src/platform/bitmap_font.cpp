#include "platform/bitmap_font.h"

#include <SDL_opengl.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "base/cp1251.h"

namespace {

constexpr int kGlyphCount = 256;
constexpr int32_t kAtlasWidth = 1024;
constexpr int32_t kAtlasGap = 1;  // keeps neighbours out of a glyph's texels
constexpr const char* kFaces[] = {"Liberation Sans", "DejaVu Sans"};

// The file fontconfig resolves `family` to, when that family itself is installed.
std::string MatchFamily(FcConfig* config, const char* family) {
    std::string path;
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(family));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    FcChar8* file = nullptr;
    FcChar8* matchedFamily = nullptr;
    if (match && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch &&
        FcPatternGetString(match, FC_FAMILY, 0, &matchedFamily) == FcResultMatch &&
        std::string_view(reinterpret_cast<const char*>(matchedFamily)) == family) {
        path = reinterpret_cast<const char*>(file);
    }
    if (match) FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    return path;
}

// One rendered glyph: its bits one byte a pixel (0 or 255), bottom row first, and its placement.
struct GlyphPicture {
    GlyphBox box;
    std::vector<uint8_t> coverage;
};

// Renders `code`; nullopt for control codes and glyphs the face cannot render, which draw
// nothing and do not advance.
std::optional<GlyphPicture> RenderGlyph(FT_Face face, uint8_t code) {
    const char32_t codePoint = Cp1251ToCodePoint(code);
    const FT_UInt index = codePoint ? FT_Get_Char_Index(face, codePoint) : 0;
    if (codePoint < 0x20 || FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0)
        return std::nullopt;
    const FT_Bitmap& bitmap = face->glyph->bitmap;
    GlyphPicture glyph;
    glyph.box.width = static_cast<int32_t>(bitmap.width);
    glyph.box.height = static_cast<int32_t>(bitmap.rows);
    glyph.box.originX = static_cast<float>(-face->glyph->bitmap_left);
    glyph.box.originY = static_cast<float>(glyph.box.height - face->glyph->bitmap_top);
    glyph.box.advance = static_cast<float>(face->glyph->advance.x) / 64.0f;
    glyph.coverage.resize(static_cast<size_t>(glyph.box.width) * glyph.box.height);
    for (int32_t row = 0; row < glyph.box.height; ++row) {
        const uint8_t* source = bitmap.buffer + row * bitmap.pitch;
        uint8_t* target = glyph.coverage.data() +
                          static_cast<size_t>(glyph.box.height - 1 - row) * glyph.box.width;
        for (int32_t x = 0; x < glyph.box.width; ++x)
            target[x] = (source[x / 8] & (0x80 >> (x % 8))) ? 255 : 0;
    }
    return glyph;
}

// The glyph as a glBitmap in the current display list: rows bottom first, padded to whole bytes.
void CompileGlyph(const GlyphPicture& glyph) {
    const GlyphBox& box = glyph.box;
    const int32_t rowBytes = (box.width + 7) / 8;
    std::vector<GLubyte> bits(static_cast<size_t>(rowBytes) * box.height);
    for (int32_t row = 0; row < box.height; ++row) {
        for (int32_t x = 0; x < box.width; ++x) {
            if (glyph.coverage[static_cast<size_t>(row) * box.width + x])
                bits[static_cast<size_t>(row) * rowBytes + x / 8] |= 0x80 >> (x % 8);
        }
    }
    glBitmap(box.width, box.height, box.originX, box.originY, box.advance, 0.0f,
             bits.empty() ? nullptr : bits.data());
}

using Glyphs = std::array<std::optional<GlyphPicture>, kGlyphCount>;

// Shelves of glyphs left to right, a new shelf when a row is full; fills in each glyph's atlas
// corner and returns the atlas height.
int32_t PackGlyphs(Glyphs& glyphs) {
    int32_t x = 0, y = 0, shelfHeight = 0;
    for (auto& glyph : glyphs) {
        if (!glyph) continue;
        GlyphBox& box = glyph->box;
        if (x + box.width > kAtlasWidth) {
            x = 0;
            y += shelfHeight + kAtlasGap;
            shelfHeight = 0;
        }
        box.atlasX = x;
        box.atlasY = y;
        x += box.width + kAtlasGap;
        shelfHeight = std::max(shelfHeight, box.height);
    }
    return y + shelfHeight;
}

void CompileLists(uint32_t listBase, const Glyphs& glyphs) {
    GLint alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (int code = 0; code < kGlyphCount; ++code) {
        glNewList(listBase + code, GL_COMPILE);
        if (const auto& glyph = glyphs[static_cast<size_t>(code)]) CompileGlyph(*glyph);
        glEndList();
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
}

// The packed glyphs as one alpha texture `height` texels high.
void UploadAtlas(uint32_t texture, int32_t height, const Glyphs& glyphs) {
    std::vector<uint8_t> texels(static_cast<size_t>(kAtlasWidth) * height);
    for (const auto& packed : glyphs) {
        if (!packed) continue;
        const GlyphPicture& glyph = *packed;
        for (int32_t row = 0; row < glyph.box.height; ++row) {
            std::copy_n(glyph.coverage.begin() + static_cast<ptrdiff_t>(row) * glyph.box.width,
                        glyph.box.width,
                        texels.begin() +
                            static_cast<ptrdiff_t>(glyph.box.atlasY + row) * kAtlasWidth +
                            glyph.box.atlasX);
        }
    }
    GLint alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA8, kAtlasWidth, height, 0, GL_ALPHA, GL_UNSIGNED_BYTE,
                 texels.data());
    // Glyphs land on whole pixels, one texel each.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glBindTexture(GL_TEXTURE_2D, 0);
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
}

}  // namespace

std::string FindFontFile() {
    if (!FcInit()) return {};
    FcConfig* config = FcInitLoadConfigAndFonts();
    std::string path;
    for (const char* family : kFaces) {
        path = MatchFamily(config, family);
        if (!path.empty()) break;
    }
    FcConfigDestroy(config);
    return path;
}

BitmapFont::~BitmapFont() {
    if (listBase_ != 0) glDeleteLists(listBase_, kGlyphCount);
    if (atlasTexture_ != 0) glDeleteTextures(1, &atlasTexture_);
}

bool BitmapFont::Build(int pixelHeight) {
    if (listBase_ == 0) listBase_ = glGenLists(kGlyphCount);
    facePath_ = FindFontFile();
    FT_Library library = nullptr;
    if (facePath_.empty() || FT_Init_FreeType(&library) != 0) return false;
    FT_Face face = nullptr;
    bool loaded = FT_New_Face(library, facePath_.c_str(), 0, &face) == 0 &&
                  FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelHeight)) == 0;
    if (loaded) {
        Glyphs glyphs;
        for (int code = 0; code < kGlyphCount; ++code)
            glyphs[static_cast<size_t>(code)] = RenderGlyph(face, static_cast<uint8_t>(code));
        CompileLists(listBase_, glyphs);
        atlasWidth_ = kAtlasWidth;
        atlasHeight_ = std::max(PackGlyphs(glyphs), 1);
        if (atlasTexture_ == 0) glGenTextures(1, &atlasTexture_);
        UploadAtlas(atlasTexture_, atlasHeight_, glyphs);
        for (size_t code = 0; code < glyphs.size(); ++code)
            glyphs_[code] = glyphs[code] ? glyphs[code]->box : GlyphBox{};
    }
    if (face) FT_Done_Face(face);
    FT_Done_FreeType(library);
    return loaded;
}

void DrawText(uint32_t listBase, float x, float y, std::string_view text) {
    if (listBase == 0 || text.empty()) return;
    glRasterPos2f(x, y);
    glListBase(listBase);
    glCallLists(static_cast<GLsizei>(text.size()), GL_UNSIGNED_BYTE, text.data());
}
