#include <cmath>

#include "game/view_cameras.h"
#include "platform/gl_setup.h"
#include "render/gl_state.h"
#include "render/hud.h"
#include "render/scene_passes.h"
#include "render/views.h"

namespace {

constexpr float kChaseFovy = 60.0f;
constexpr float kChaseSkyFovy = 6.0f;
constexpr float kNearPlane = 1.0f;
constexpr float kFarPlane = 1000.0f;
constexpr float kShadowAlpha = 0.4f;
constexpr float kPlayerShadowHeight = 0.01f;
constexpr float kAimingLineLength = 100.0f;
constexpr GLushort kAimingLineDashes = 0x00FF;

constexpr GLfloat kChaseLightAmbient[] = {2, 2, 2, 2};
constexpr GLfloat kChaseLightPosition[] = {0, -5000, 5000, 1};

float WindowAspect(const RenderScene& scene) {
    return scene.windowHeight > 0
               ? static_cast<float>(scene.windowWidth) / static_cast<float>(scene.windowHeight)
               : 1.0f;
}

// The chase camera's own light, set under the projection so it stays put on screen.
void SetChaseLight() {
    glDisable(GL_LIGHT1);
    glDisable(GL_LIGHT2);
    glEnable(GL_LIGHT3);
    glLightfv(GL_LIGHT3, GL_AMBIENT, kChaseLightAmbient);
    glLightfv(GL_LIGHT3, GL_POSITION, kChaseLightPosition);
}

// A red dashed line from the muzzle along the player's heading and look pitch.
void DrawAimingLine(const tgeomobject& player, float lookPitch) {
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_LINE_STIPPLE);
    glEnable(GL_DEPTH_TEST);
    glLineStipple(1, kAimingLineDashes);
    glColor3f(1, 0, 0);
    const tvec3 from = player.position + player.bulletStart;
    const float yaw = DegToRad(-player.yaw);
    const float pitch = DegToRad(lookPitch);
    const tvec3 direction{std::sin(yaw) * std::cos(pitch), std::sin(pitch),
                          -std::cos(yaw) * std::cos(pitch)};
    glBegin(GL_LINES);
    glVertex3f(from.x, from.y, from.z);
    glVertex3f(from.x + kAimingLineLength * direction.x, from.y + kAimingLineLength * direction.y,
               from.z + kAimingLineLength * direction.z);
    glEnd();
}

void DrawChaseScene(const RenderScene& scene, const tgeomobject& player, uint32_t now) {
    const ViewState& view = scene.view;
    glViewport(view.sideView.x, view.sideView.y, 2 * view.sideView.width, view.sideView.height);
    glEnable(GL_CULL_FACE);
    glFrontFace(GL_CCW);
    const float u0 = -player.yaw * kChaseSkyFovy / 360.0f;
    const float u1 = u0 + WindowAspect(scene);
    const bool skyBehind = SkyCanGoBehind(scene);
    if (!skyBehind) DrawSkyPanorama(scene, u0, u1);

    glLoadIdentity();
    glEnable(GL_LIGHTING);
    gluPerspective(kChaseFovy, WindowAspect(scene), kNearPlane, kFarPlane);
    const tvec3 offset = ChaseCameraOffset(view, scene.tuning);
    SetChaseLight();
    gluLookAt(offset.x, offset.y, offset.z, offset.x, 0, 0, 0, 0, -1);
    ApplyPlayerFrame(player);

    glEnable(GL_BLEND);
    if (!skyBehind) DrawFloor(scene);
    glEnable(GL_LIGHTING);
    SetLitWhite();
    glEnable(GL_CULL_FACE);
    glEnable(GL_DEPTH_TEST);
    EnableVertexArrays();
    DrawSolidCylindersAndModels(scene, kNearPlane, skyBehind, SkyColumns{u0, u1},
                                PoseLook::kStepped);
    DisableVertexArrays();
    DrawChargers(scene, now);

    DrawAimingLine(player, scene.lookPitch);
    DrawShadowPass(scene, kShadowAlpha, kNearPlane, kPlayerShadowHeight);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_LIGHTING);
    glColor4f(1, 1, 1, 1);
    DrawMuzzleFlashes(scene, now, EffectVariant::kTop);
    DrawExplosions(scene, EffectVariant::kTop);
    DrawSeeThroughCylinders(scene);
    glEnable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
}

// Whether the scene paints every pixel of the window: the sky fills whatever nothing else does,
// across a viewport the size of the window.
bool ScenePaintsWholeWindow(const RenderScene& scene) {
    const tviewcamera& side = scene.view.sideView;
    return scene.LocalPlayer() && side.x == 0 && side.y == 0 &&
           2 * side.width == scene.windowWidth && side.height == scene.windowHeight;
}

}  // namespace

void DrawChaseView(const RenderScene& scene, uint32_t now) {
    // Clearing the colour of a window the scene paints anyway would write every pixel twice.
    glClearColor(1, 1, 1, 1);
    ClearDepthAndStencil(!ScenePaintsWholeWindow(scene));
    if (const tgeomobject* player = scene.LocalPlayer()) DrawChaseScene(scene, *player, now);
    glLoadIdentity();
    DrawAmmunitionHud(scene, now);
    DrawPlayerHud(scene);
    DrawMatchHud(scene);
    glDisable(GL_LIGHT3);
}
