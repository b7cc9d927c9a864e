#include <algorithm>
#include <cmath>

#include "platform/gl_setup.h"
#include "render/gl_state.h"
#include "render/hud.h"
#include "render/scene_passes.h"
#include "render/views.h"

namespace {

constexpr float kFarPlane = 1000.0f;
constexpr float kNearPlane = 1.0f;
constexpr float kCutAwayMargin = 5.0f;
constexpr float kSideShadowAlpha = 0.8f;
constexpr float kTopShadowAlpha = 0.4f;

void Viewport(const tviewcamera& camera) {
    glViewport(camera.x, camera.y, camera.width, camera.height);
}

void LookFromSide(const tviewcamera& side, float nearPlane, const tgeomobject& player) {
    gluPerspective(side.fovy, side.aspect, nearPlane, kFarPlane);
    gluLookAt(side.eye.x, side.eye.y, side.eye.z, side.centre.x, side.centre.y, side.centre.z, 0, 1,
              0);
    ApplyPlayerFrame(player);
}

// The panorama turns with the player: a full turn scrolls it by 360 / fovy view widths.
SkyColumns SideSky(const RenderScene& scene, const tgeomobject* player) {
    const tviewcamera& side = scene.view.sideView;
    const float u0 = -(player ? player->yaw : 0.0f) * side.fovy / 360.0f;
    return {u0, u0 + side.aspect};
}

void DrawSideView(const RenderScene& scene, const tgeomobject& player, uint32_t now,
                  bool skyBehind) {
    const tviewcamera& side = scene.view.sideView;
    // First pass: the floor only, seen through the whole depth range (with an opaque scene it
    // waits for the cylinders, to fill only what they leave).
    LookFromSide(side, kNearPlane, player);
    glEnable(GL_DEPTH_TEST);
    glCullFace(GL_BACK);
    if (!skyBehind) DrawFloor(scene);

    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT1);
    glDisable(GL_LIGHT0);
    glLoadIdentity();
    // Under the identity the light stays fixed to the camera.
    glLightfv(GL_LIGHT1, GL_POSITION, scene.view.sideLightPosition.data());

    // Second pass: everything nearer than the cut-away plane is clipped.
    LookFromSide(side, SideViewNearPlane(side), player);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glLightModelf(GL_LIGHT_MODEL_TWO_SIDE, 1);
    SetLitWhite();
    EnableVertexArrays();
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    if (skyBehind) {
        // The opaque cylinders first, then the floor of the first pass and the sky where
        // nothing stands.
        DrawArenaBatches(scene, SideViewNearPlane(side));
        glPushMatrix();
        glLoadIdentity();
        LookFromSide(side, kNearPlane, player);
        const RowSpan floorRows = DrawFloor(scene, FloorDepth::kBehindScene);
        glPopMatrix();
        glDisable(GL_CULL_FACE);  // the floor culls; this pass shows both faces
        const SkyColumns sky = SideSky(scene, &player);
        DrawSkyBehindScene(scene, sky.u0, sky.u1, floorRows);
        glEnable(GL_LIGHTING);
        glColor4f(1, 1, 1, 1);
        DrawMovingModels(scene, FlagLighting::kLit, PoseLook::kStepped);
    } else {
        DrawMovingModels(scene, FlagLighting::kLit, PoseLook::kStepped);
        DrawArenaBatches(scene, SideViewNearPlane(side));
    }
    DisableVertexArrays();
    DrawChargers(scene, now);

    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_LIGHTING);
    DrawMuzzleFlashes(scene, now, EffectVariant::kSide);
    DrawExplosions(scene, EffectVariant::kSide);
    DrawShadowPass(scene, kSideShadowAlpha, SideViewNearPlane(side), std::nullopt);
}

void DrawTopView(const RenderScene& scene, const tgeomobject& player, uint32_t now) {
    const tviewcamera& top = scene.view.topView;
    Viewport(top);
    glLoadIdentity();
    glEnable(GL_LIGHTING);
    glLightfv(GL_LIGHT0, GL_POSITION, scene.view.topLightPosition.data());
    gluPerspective(top.fovy, top.aspect, kNearPlane, kFarPlane);
    gluLookAt(top.eye.x, top.eye.y, top.eye.z, top.centre.x, top.centre.y, top.eye.z, 0, 0, -1);
    ApplyPlayerFrame(player);
    glEnable(GL_BLEND);
    const bool floorBehind = SkyCanGoBehind(scene);
    // The depth test is still off: the floor writes no depth here.
    if (!floorBehind) DrawFloor(scene);

    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glDisable(GL_LIGHT1);
    SetLitWhite();
    glEnable(GL_CULL_FACE);
    glEnable(GL_DEPTH_TEST);
    EnableVertexArrays();
    DrawSolidCylindersAndModels(scene, std::nullopt, floorBehind, std::nullopt, PoseLook::kCursor);
    DisableVertexArrays();
    DrawChargers(scene, now);
    DrawShadowPass(scene, kTopShadowAlpha, kNearPlane, 0.0f);

    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_LIGHTING);
    glColor4f(1, 1, 1, 1);
    DrawMuzzleFlashes(scene, now, EffectVariant::kTop);
    DrawExplosions(scene, EffectVariant::kTop);
    DrawSeeThroughCylinders(scene);
}

}  // namespace

float SideViewNearPlane(const tviewcamera& side) {
    // A camera configured on the other side of the player keeps a valid (positive) near plane.
    return std::max(std::fabs(side.eye.x - side.centre.x) - kCutAwayMargin, kNearPlane);
}

void DrawSplitView(const RenderScene& scene, uint32_t now) {
    const ViewState& view = scene.view;
    const tgeomobject* player = scene.LocalPlayer();

    glClearColor(1, 1, 1, 1);
    Viewport(view.sideView);
    ClearDepthAndStencil(true);
    glLoadIdentity();
    glColorMaterial(GL_FRONT, GL_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_CULL_FACE);
    glFrontFace(GL_CCW);

    const bool skyBehind = player && SkyCanGoBehind(scene);
    if (!skyBehind) {
        const SkyColumns sky = SideSky(scene, player);
        DrawSkyPanorama(scene, sky.u0, sky.u1);
    }

    if (player) {
        DrawSideView(scene, *player, now, skyBehind);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_CULL_FACE);
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_BLEND);
        glDisable(GL_LIGHTING);
        glLoadIdentity();
        DrawPlayerHud(scene);
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_LIGHTING);
        DrawTopView(scene, *player, now);
    }

    Viewport(view.topView);
    glLoadIdentity();
    DrawAmmunitionHud(scene, now);
    glViewport(view.sideView.x, view.sideView.y, 2 * view.topView.width, view.topView.height);
    DrawMatchHud(scene);
}
