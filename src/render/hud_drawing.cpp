#include "render/hud_drawing.h"

#include <cmath>

#include "platform/bitmap_font.h"
#include "render/gl_state.h"

namespace {

constexpr size_t kMaxTextLength = 64;
constexpr float kEdgeOffsetPixels = 1;
constexpr float kDarkText = 0.3f;
// The GL's own bitmaps round a glyph's corner down after adding this; so do the quads.
constexpr float kBitmapEpsilon = 0.0001f;

float Luminance(HudColour c) {
    return 0.2126f * c.r + 0.7152f * c.g + 0.0722f * c.b;
}

// The viewport transform from device coordinates to window pixels.
struct WindowMap {
    float scale[2];
    float translate[2];
};

// One textured quad per glyph, covering exactly the window pixels glBitmap would set from the
// pen at (penX, penY): the quads' edges lie on pixel edges and each pixel samples one texel.
void AddGlyphQuads(const BitmapFont& font, const WindowMap& map, float penX, float penY,
                   std::string_view text) {
    const float texelS = 1.0f / static_cast<float>(font.AtlasWidth());
    const float texelT = 1.0f / static_cast<float>(font.AtlasHeight());
    for (const char c : text) {
        const GlyphBox& glyph = font.Glyph(static_cast<uint8_t>(c));
        if (glyph.width > 0 && glyph.height > 0) {
            const float left = std::floor(penX + kBitmapEpsilon - glyph.originX);
            const float bottom = std::floor(penY + kBitmapEpsilon - glyph.originY);
            const float x0 = (left - map.translate[0]) / map.scale[0];
            const float x1 =
                (left + static_cast<float>(glyph.width) - map.translate[0]) / map.scale[0];
            const float y0 = (bottom - map.translate[1]) / map.scale[1];
            const float y1 =
                (bottom + static_cast<float>(glyph.height) - map.translate[1]) / map.scale[1];
            const float s0 = static_cast<float>(glyph.atlasX) * texelS;
            const float s1 = static_cast<float>(glyph.atlasX + glyph.width) * texelS;
            const float t0 = static_cast<float>(glyph.atlasY) * texelT;
            const float t1 = static_cast<float>(glyph.atlasY + glyph.height) * texelT;
            glTexCoord2f(s0, t0);
            glVertex2f(x0, y0);
            glTexCoord2f(s1, t0);
            glVertex2f(x1, y0);
            glTexCoord2f(s1, t1);
            glVertex2f(x1, y1);
            glTexCoord2f(s0, t1);
            glVertex2f(x0, y1);
        }
        penX += glyph.advance;
    }
}

}  // namespace

HudLayer::HudLayer() {
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_COLOR_BUFFER_BIT | GL_TEXTURE_BIT);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glDisable(GL_STENCIL_TEST);
    // The text colours would go into the material the 3D views light.
    glDisable(GL_COLOR_MATERIAL);
    glLoadIdentity();
}

HudLayer::~HudLayer() {
    glPopAttrib();
}

void DrawHudText(const BitmapFont* font, float x, float y, std::string_view text,
                 HudColour colour) {
    if (!font || font->AtlasTexture() == 0 || text.empty()) return;
    text = text.substr(0, kMaxTextLength);
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    // Where glRasterPos2f(x, y) puts the pen under identity matrices, in window pixels.
    const float penX = x * (viewport[2] * 0.5f) + (viewport[0] + viewport[2] * 0.5f);
    const float penY = y * (viewport[3] * 0.5f) + (viewport[1] + viewport[3] * 0.5f);
    // Bitmaps are not clipped to the viewport, only to the window: the quads are drawn in a
    // viewport as large as the GL allows, from the window's corner.
    GLint largest[2] = {};
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, largest);
    glViewport(0, 0, largest[0], largest[1]);
    const WindowMap map{.scale = {largest[0] * 0.5f, largest[1] * 0.5f},
                        .translate = {largest[0] * 0.5f, largest[1] * 0.5f}};
    // Dark text (the blue score over a blue sky) gets a light edge instead of a dark one.
    const float shade = Luminance(colour) < kDarkText ? 0.9f : 0.0f;
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, font->AtlasTexture());
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    // Only the glyphs' set pixels, opaque, as glBitmap draws them.
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0.5f);
    glBegin(GL_QUADS);
    glColor3f(shade, shade, shade);
    AddGlyphQuads(*font, map, penX + kEdgeOffsetPixels, penY - kEdgeOffsetPixels, text);
    glColor3f(colour.r, colour.g, colour.b);
    AddGlyphQuads(*font, map, penX, penY, text);
    glEnd();
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_TEXTURE_2D);
    glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
}

void DrawHudPicture(const TextureTable& textures, int32_t slot, float x0, float yTop, float x1,
                    float yBottom) {
    BindTextureSlot(textures, slot);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor3f(1, 1, 1);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex3f(x0, yTop, 0);
    glTexCoord2f(0, 1);
    glVertex3f(x0, yBottom, 0);
    glTexCoord2f(1, 1);
    glVertex3f(x1, yBottom, 0);
    glTexCoord2f(1, 0);
    glVertex3f(x1, yTop, 0);
    glEnd();
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}
