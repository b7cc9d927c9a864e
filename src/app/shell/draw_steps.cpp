#include "app/shell/draw_steps.h"

#include "app/game.h"
#include "app/hud_feed.h"
#include "render/views.h"
#include "ui/draw/menu_frame.h"

namespace {

// The match as the game holds it; lists that no subsystem fills yet stay empty.
RenderScene GatherScene(Game& game, const HudInput& hud) {
    const Renderer& renderer = game.renderer;
    return RenderScene{
        .world = game.world,
        .renderer = renderer,
        .tuning = game.tuning,
        .windowWidth = renderer.sideView.width + renderer.topView.width,
        .windowHeight = renderer.sideView.height,
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
