#include "app/shell/draw_steps.h"

#include "app/game.h"
#include "app/hud_feed.h"
#include "render/views.h"
#include "ui/draw/menu_frame.h"

namespace {

// The match as the game holds it; lists that no subsystem fills yet stay empty.
RenderScene GatherScene(Game& game, const HudInput& hud) {
    return RenderScene{
        .world = game.world,
        .view = game.view,
        .renderer = game.renderer,
        .tuning = game.tuning,
        .windowWidth = game.view.sideView.width + game.view.topView.width,
        .windowHeight = game.view.sideView.height,
        .playerModels = game.play.playerModels,
        .localPlayerIndex = game.state.localPlayerIndex,
        .hud = &hud,
    };
}

}  // namespace

void DrawFrame(Game& game, FrameDraw draw) {
    const HudInput hud = GatherHudInput(game);
    switch (draw) {
        case FrameDraw::SplitView:
            DrawSplitView(GatherScene(game, hud), game.frame.now);
            break;
        case FrameDraw::ChaseView:
            DrawChaseView(GatherScene(game, hud), game.frame.now);
            break;
        case FrameDraw::Menus:
            DrawMenuFrame(game);
            break;
        case FrameDraw::Nothing:
            break;
    }
}
