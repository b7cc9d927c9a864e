#include "render/hud_drawing.h"

#include "platform/bitmap_font.h"
#include "render/gl_state.h"

namespace {

constexpr size_t kMaxTextLength = 64;
constexpr GLfloat kShadowOffsetPixels = 1;
constexpr float kDarkText = 0.3f;

float Luminance(HudColour c) {
    return 0.2126f * c.r + 0.7152f * c.g + 0.0722f * c.b;
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
    glLoadIdentity();
}

HudLayer::~HudLayer() {
    glPopAttrib();
}

void DrawHudText(uint32_t font, float x, float y, std::string_view text, HudColour colour) {
    if (font == 0 || text.empty()) return;
    text = text.substr(0, kMaxTextLength);
    // The raster colour is latched when the position is set, so each copy sets its own. Dark
    // text (the blue score over a blue sky) gets a light edge instead of a dark one.
    const float shade = Luminance(colour) < kDarkText ? 0.9f : 0.0f;
    glColor3f(shade, shade, shade);
    glRasterPos2f(x, y);
    glBitmap(0, 0, 0, 0, kShadowOffsetPixels, -kShadowOffsetPixels, nullptr);
    glListBase(font);
    glCallLists(static_cast<GLsizei>(text.size()), GL_UNSIGNED_BYTE, text.data());
    glColor3f(colour.r, colour.g, colour.b);
    DrawText(font, x, y, text);
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
