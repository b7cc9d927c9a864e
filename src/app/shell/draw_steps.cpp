#include "app/shell/draw_steps.h"

#include <vector>

#include "app/game.h"
#include "app/hud_feed.h"
#include "render/views.h"

namespace {

// The effects of this frame, in the form the renderer reads; the lists live for the draw.
struct SceneEffects {
    std::vector<MuzzleFlash> muzzleFlashes;
    std::vector<ExplosionSite> explosions;
};

SceneEffects GatherEffects(Game& game) {
    SceneEffects effects;
    for (size_t i = 0; i < game.play.muzzleModels.size() && i < game.play.players.size(); ++i) {
        tmuzzlemodels& muzzles = game.play.muzzleModels[i];
        // A player without a muzzle part has empty muzzle models: nothing to flash.
        if (muzzles.side.quadParts.empty()) continue;
        effects.muzzleFlashes.push_back(
            {&muzzles.side, &muzzles.top, game.play.players[i].muzzleStartTime});
    }
    for (const texplpos& explosion : game.play.explosions) {
        effects.explosions.push_back(
            {explosion.position, explosion.pitch, explosion.sideYaw, explosion.topYaw});
    }
    return effects;
}

// The match as the game holds it.
RenderScene GatherScene(Game& game, const SceneEffects& effects, const HudInput& hud) {
    return RenderScene{
        .world = game.world,
        .view = game.view,
        .renderer = game.renderer,
        .tuning = game.tuning,
        .windowWidth = game.view.sideView.width + game.view.topView.width,
        .windowHeight = game.view.sideView.height,
        .players = game.play.players,
        .localPlayerIndex = game.state.localPlayerIndex,
        .lookPitch = game.play.lookPitch,
        .bullets = game.play.bullets,
        .muzzleFlashes = effects.muzzleFlashes,
        .explosions = effects.explosions,
        .captureTheFlag = game.client.clientSettings.gameType == kCaptureTheFlag,
        .hud = &hud,
        .now = game.frame.now,
    };
}

}  // namespace

MenuScene MenuSceneOf(Game& game) {
    return {.menus = game.menus,
            .textures = game.world.textures,
            .font = game.renderer.smallFont,
            .now = game.services.clock ? game.services.clock->Ticks() : 0};
}

void DrawFrame(Game& game, FrameDraw draw) {
    const HudInput hud = GatherHudInput(game);
    switch (draw) {
        case FrameDraw::SplitView: {
            const SceneEffects effects = GatherEffects(game);
            DrawSplitView(GatherScene(game, effects, hud), game.frame.now);
            break;
        }
        case FrameDraw::ChaseView: {
            const SceneEffects effects = GatherEffects(game);
            DrawChaseView(GatherScene(game, effects, hud), game.frame.now);
            break;
        }
        case FrameDraw::Menus:
            DrawMenuFrame(MenuSceneOf(game));
            break;
        case FrameDraw::Nothing:
            break;
    }
}
