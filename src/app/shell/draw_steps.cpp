#include "app/shell/draw_steps.h"

#include "app/game.h"
#include "render/views.h"
#include "ui/draw/menu_frame.h"

namespace {

// The match as the game holds it; lists that no subsystem fills yet stay empty.
RenderScene GatherScene(Game& game) {
    return RenderScene{
        .world = game.world,
        .view = game.view,
        .renderer = game.renderer,
        .tuning = game.tuning,
        .windowWidth = game.view.sideView.width + game.view.topView.width,
        .windowHeight = game.view.sideView.height,
        .playerModels = game.play.playerModels,
        .localPlayerIndex = game.state.localPlayerIndex,
        .lookPitch = game.play.lookPitch,
    };
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
            DrawMenuFrame(game);
            break;
        case FrameDraw::Nothing:
            break;
    }
}
