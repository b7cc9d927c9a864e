#include "app/shell/draw_steps.h"

#include <SDL_opengl.h>

#include "app/game.h"
#include "ui/draw/menu_frame.h"

namespace {

void ClearWindow(const Game& game) {
    const Renderer& renderer = game.renderer;
    glViewport(0, 0, renderer.sideView.width + renderer.topView.width, renderer.sideView.height);
    glClearColor(0.05f, 0.07f, 0.12f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
}

// renderer: DrawSplitView / DrawChaseView.
void DrawScene(Game& game) {
    ClearWindow(game);
}

}  // namespace

void DrawFrame(Game& game, FrameDraw draw) {
    switch (draw) {
        case FrameDraw::SplitView:
        case FrameDraw::ChaseView:
            DrawScene(game);
            break;
        case FrameDraw::Menus:
            DrawMenuFrame(game);
            break;
        case FrameDraw::Nothing:
            break;
    }
}
