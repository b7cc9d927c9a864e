#include "platform/bitmap_font.h"

#include <SDL_opengl.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <vector>

#include "base/cp1251.h"

namespace {

constexpr int kGlyphCount = 256;
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

// One glyph as glBitmap wants it: rows bottom first, each padded to whole bytes.
void CompileGlyph(FT_Face face, uint8_t code) {
    char32_t codePoint = Cp1251ToCodePoint(code);
    FT_UInt index = codePoint ? FT_Get_Char_Index(face, codePoint) : 0;
    if (codePoint < 0x20 || FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) {
        return;  // control codes draw nothing and do not advance
    }
    const FT_Bitmap& bitmap = face->glyph->bitmap;
    int width = static_cast<int>(bitmap.width);
    int rows = static_cast<int>(bitmap.rows);
    int rowBytes = (width + 7) / 8;
    std::vector<GLubyte> flipped(static_cast<std::size_t>(rowBytes) * rows);
    for (int row = 0; row < rows; ++row) {
        const uint8_t* source = bitmap.buffer + row * bitmap.pitch;
        std::copy_n(source, rowBytes, flipped.begin() + (rows - 1 - row) * rowBytes);
    }
    glBitmap(width, rows, static_cast<GLfloat>(-face->glyph->bitmap_left),
             static_cast<GLfloat>(rows - face->glyph->bitmap_top),
             static_cast<GLfloat>(face->glyph->advance.x) / 64.0f, 0.0f,
             flipped.empty() ? nullptr : flipped.data());
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
        GLint alignment = 4;
        glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        // Code 255 stays an empty list, as the original glyph set stops at 254.
        for (int code = 0; code < kGlyphCount - 1; ++code) {
            glNewList(listBase_ + code, GL_COMPILE);
            CompileGlyph(face, static_cast<uint8_t>(code));
            glEndList();
        }
        glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
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
