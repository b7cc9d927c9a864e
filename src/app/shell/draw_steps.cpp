#include "app/shell/draw_steps.h"

#include <SDL_opengl.h>

#include "app/game.h"
#include "platform/bitmap_font.h"
#include "render/views.h"

namespace {

void ClearWindow(const Game& game) {
    const Renderer& renderer = game.renderer;
    glViewport(0, 0, renderer.sideView.width + renderer.topView.width, renderer.sideView.height);
    glClearColor(0.05f, 0.07f, 0.12f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
}

// The match as the game holds it; lists that no subsystem fills yet stay empty.
RenderScene GatherScene(Game& game) {
    const Renderer& renderer = game.renderer;
    return RenderScene{
        .world = game.world,
        .renderer = renderer,
        .tuning = game.tuning,
        .windowWidth = renderer.sideView.width + renderer.topView.width,
        .windowHeight = renderer.sideView.height,
        .localPlayerIndex = game.state.localPlayerIndex,
    };
}

// menus: DrawMenuFrame. Until then the title shows that the window and fonts are up.
void DrawMenus(Game& game) {
    ClearWindow(game);
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glColor3f(0.9f, 0.8f, 0.3f);
    DrawText(game.renderer.largeFont, -0.1f, 0.0f, "zarnok");
    glEnable(GL_LIGHTING);
}

}  // namespace

void DrawFrame(Game& game, FrameDraw draw) {
    switch (draw) {
        case FrameDraw::SplitView:
            DrawSplitView(GatherScene(game), game.frame.now);
            break;
        case FrameDraw::ChaseView:
            DrawChaseView(GatherScene(game), game.frame.now);
            break;
        case FrameDraw::Menus:
            DrawMenus(game);
            break;
        case FrameDraw::Nothing:
            break;
    }
}
