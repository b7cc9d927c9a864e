#include "ui/draw/menu_frame.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include "platform/bitmap_font.h"
#include "platform/gl_setup.h"
#include "ui/draw/widget_draw.h"

namespace {

// How much of the window's light an open screen takes away around it.
constexpr float kDimmedBehindPanel = 0.6f;
// The darkest colour of the panel picture.
constexpr float kPanelBacking[3] = {0.055f, 0.07f, 0.125f};

WidgetPainter PainterFor(const MenuScene& scene) {
    return {scene.textures, scene.font ? scene.font->ListBase() : 0, scene.menus.client, scene.now};
}

void BindSlot(const MenuScene& scene, int32_t slot) {
    glBindTexture(GL_TEXTURE_2D, slot >= 0 ? TextureNameForSlot(scene.textures, slot) : 0);
}

// A full-window picture that is missing would be a glaring white quad; the black clear shows.
bool PictureLoaded(const MenuScene& scene, int32_t slot) {
    for (const tteximage& image : scene.textures.textureList) {
        if (image.firstSlot == slot) return image.width > 0;
    }
    return false;
}

// An open screen hides what lies under it (the menu's entries, the screen it opened over): the
// window around it is dimmed, and its picture lies on an opaque backing in its own dark colour.
void DrawPanel(const WidgetPainter& painter, tgform& form) {
    glDisable(GL_TEXTURE_2D);
    glColor4f(0, 0, 0, kDimmedBehindPanel);
    DrawBlendedQuad(-1, 1, 2, 2);
    glColor4f(kPanelBacking[0], kPanelBacking[1], kPanelBacking[2], 1);
    DrawBlendedQuad(form.x, form.y, form.w, form.h);
    glEnable(GL_TEXTURE_2D);
    glColor3f(1, 1, 1);
    BindTexture(painter, form.background);
    DrawBlendedQuad(form.x, form.y, form.w, form.h);
}

void DrawOptions(const WidgetPainter& painter, tgoptions& screen) {
    DrawPanel(painter, screen);
    for (tglist* list : screen.Lists()) Draw(painter, *list);
    Draw(painter, screen.ok);
    Draw(painter, screen.cancel);
}

void DrawJoin(const WidgetPainter& painter, tgnetwork& screen) {
    DrawPanel(painter, screen);
    Draw(painter, screen.playerName);
    Draw(painter, screen.address);
    Draw(painter, screen.playerLabel);
    Draw(painter, screen.addressLabel);
    Draw(painter, screen.team);
    Draw(painter, screen.servers);
    if (screen.servers.items.empty()) {
        for (tselectoption& line : screen.silenceLines) Draw(painter, line);
    }
    Draw(painter, screen.connect);
    Draw(painter, screen.cancel);
}

void DrawNewGame(const WidgetPainter& painter, tgnewgame& screen) {
    DrawPanel(painter, screen);
    Draw(painter, screen.serverName);
    if (screen.showBots) Draw(painter, screen.bots);
    Draw(painter, screen.playerName);
    Draw(painter, screen.fragLimit);
    Draw(painter, screen.serverLabel);
    Draw(painter, screen.playerLabel);
    Draw(painter, screen.fragLabel);
    if (screen.showBots) Draw(painter, screen.botsLabel);
    if (screen.showBots) Draw(painter, screen.botSkill);
    Draw(painter, screen.available);
    Draw(painter, screen.chosen);
    Draw(painter, screen.gameType);
    Draw(painter, screen.team);
    for (tgbutton* button : {&screen.start, &screen.cancel, &screen.add, &screen.remove})
        Draw(painter, *button);
    for (tselectoption* line : {&screen.note, &screen.noteDetail})
        if (!line->label.empty()) Draw(painter, *line);
}

void DrawMessage(const WidgetPainter& painter, tgmes& screen) {
    DrawPanel(painter, screen);
    Draw(painter, screen.message);
    for (tselectoption* line : {&screen.detail, &screen.detailRest})
        if (!line->label.empty()) Draw(painter, *line);
    Draw(painter, screen.ok);
}

void DrawFootLines(const WidgetPainter& painter, const std::vector<FootLine>& lines,
                   Language language) {
    constexpr float kLineHeight = 0.06f;
    float top = -1 + kLineHeight * static_cast<float>(lines.size());
    for (const FootLine& told : lines) {
        tselectoption line;
        line.x = -1;
        line.y = top;
        line.w = 2;
        line.h = kLineHeight;
        line.label = FootLineText(told, language);
        Draw(painter, line);
        top -= kLineHeight;
    }
}

void SwapWindow() {
    if (SDL_Window* window = SDL_GL_GetCurrentWindow()) SDL_GL_SwapWindow(window);
}

}  // namespace

void DrawMenuFrame(const MenuScene& scene) {
    Menus& menus = scene.menus;
    glClearColor(0, 0, 0, 1);
    glViewport(0, 0, menus.client.width, menus.client.height);
    ClearDepthAndStencil(true);
    glLoadIdentity();
    // Everything lies at z = 0 and is drawn in order; the scene's depth test would drop it.
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glFrontFace(GL_CCW);
    glDisable(GL_LIGHTING);
    glColor3f(1, 1, 1);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);

    if (scene.textures.nextTextureSlot > 0 && PictureLoaded(scene, menus.pictures.gameLogo)) {
        BindSlot(scene, menus.pictures.gameLogo);
        glBegin(GL_QUADS);
        glNormal3f(0, 1, 0);
        glTexCoord2f(1, 1);
        glVertex3f(1, -1, 0);
        glTexCoord2f(1, 0);
        glVertex3f(1, 1, 0);
        glTexCoord2f(0, 0);
        glVertex3f(-1, 1, 0);
        glTexCoord2f(0, 1);
        glVertex3f(-1, -1, 0);
        glEnd();
    }

    const WidgetPainter painter = PainterFor(scene);
    for (tmenuitem& entry : menus.entries) Draw(painter, entry);
    if (menus.options.open) DrawOptions(painter, menus.options);
    if (menus.join.open) DrawJoin(painter, menus.join);
    if (menus.newGame.open) DrawNewGame(painter, menus.newGame);
    if (menus.message.open) DrawMessage(painter, menus.message);
    DrawFootLines(painter, menus.footLines, menus.language);
}

void DrawLoadingFrame(const MenuScene& scene) {
    const ClientSize client = scene.menus.client;
    glClearColor(0, 0, 0, 0);
    ClearDepthAndStencil(true);
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glColor3f(1, 1, 1);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    if (scene.textures.nextTextureSlot > 0) BindSlot(scene, scene.menus.pictures.loadLogo);
    // The picture keeps a 5:4 shape whatever the window's.
    const float halfHeight = 0.25f;
    const float halfWidth =
        0.25f * 1.25f * static_cast<float>(client.height) / static_cast<float>(client.width);
    glBegin(GL_QUADS);
    glTexCoord2f(1, 1);
    glVertex3f(halfWidth, -halfHeight, 0);
    glTexCoord2f(1, 0);
    glVertex3f(halfWidth, halfHeight, 0);
    glTexCoord2f(0, 0);
    glVertex3f(-halfWidth, halfHeight, 0);
    glTexCoord2f(0, 1);
    glVertex3f(-halfWidth, -halfHeight, 0);
    glEnd();
}

void PaintMenuAndLoadingFrames(const MenuScene& scene) {
    DrawMenuFrame(scene);
    SwapWindow();
    PaintLoadingFrame(scene);
}

void PaintLoadingFrame(const MenuScene& scene) {
    DrawLoadingFrame(scene);
    SwapWindow();
}
