#include "platform/fault_screen.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include "platform/bitmap_font.h"
#include "platform/sdl_main_window.h"

namespace {

float TextPixels(const BitmapFont& font, const std::string& text) {
    float width = 0;
    for (char c : text) width += font.Glyph(static_cast<uint8_t>(c)).advance;
    return width;
}

void DrawLines(SdlMainWindow& window, const BitmapFont& font, std::span<const std::string> lines) {
    int width = 0, height = 0;
    window.DrawableSize(width, height);
    if (width <= 0 || height <= 0) return;
    glViewport(0, 0, width, height);
    for (GLenum state : {GL_DEPTH_TEST, GL_STENCIL_TEST, GL_LIGHTING, GL_FOG, GL_TEXTURE_2D})
        glDisable(state);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0.08f, 0.1f, 0.16f, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    const float lineStep = 0.12f;
    float y = lineStep * static_cast<float>(lines.size() - 1) / 2;
    for (size_t i = 0; i < lines.size(); ++i, y -= lineStep) {
        // The first line is what went wrong; the rest explain it.
        if (i == 0) {
            glColor3f(1.0f, 0.75f, 0.3f);
        } else {
            glColor3f(0.9f, 0.92f, 0.96f);
        }
        const float x = -TextPixels(font, lines[i]) / static_cast<float>(width);
        DrawText(font.ListBase(), x, y, lines[i]);
    }
    window.SwapBuffers();
}

}  // namespace

void ShowFaultScreen(SdlMainWindow& window, const BitmapFont& font,
                     std::span<const std::string> lines) {
    window.SetCursorVisible(true);
    for (;;) {
        DrawLines(window, font, lines);
        SDL_Event event;
        // Redrawn now and then: an uncovered window must not stay blank.
        if (!SDL_WaitEventTimeout(&event, 250)) continue;
        if (event.type == SDL_KEYDOWN || event.type == SDL_MOUSEBUTTONDOWN ||
            event.type == SDL_QUIT)
            return;
    }
}
