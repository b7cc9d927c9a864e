// The ammunition group: rounds left in the magazine, spare magazines and the reload bar.
#include <algorithm>
#include <string>

#include "render/gl_state.h"
#include "render/hud.h"
#include "render/hud_drawing.h"
#include "render/scene.h"

namespace {

constexpr float kIconTop = -0.83f;
constexpr float kIconBottom = -0.9f;
constexpr float kBarLeft = 0.52f;
constexpr float kBarWidth = 0.21f;
constexpr float kBarTop = -0.76f;
constexpr float kBarBottom = -0.8f;

void Rectangle(GLenum mode, float x0, float yTop, float x1, float yBottom) {
    glBegin(mode);
    glVertex3f(x0, yTop, 0);
    glVertex3f(x0, yBottom, 0);
    glVertex3f(x1, yBottom, 0);
    glVertex3f(x1, yTop, 0);
    glEnd();
}

// The bar fills its outline exactly when the reload ends.
void DrawReloadBar(const HudWeapon& weapon, uint32_t now) {
    if (weapon.reloadDuration == 0) return;
    const auto elapsed = static_cast<float>(static_cast<int32_t>(now - weapon.reloadStart));
    const float progress =
        std::clamp(elapsed / static_cast<float>(weapon.reloadDuration), 0.0f, 1.0f);
    glColor3f(0.8f, 0.5f, 0);
    Rectangle(GL_QUADS, kBarLeft, kBarTop, kBarLeft + kBarWidth * progress, kBarBottom);
    glColor3f(1, 1, 1);
    Rectangle(GL_LINE_LOOP, kBarLeft, kBarTop, kBarLeft + kBarWidth, kBarBottom);
}

}  // namespace

void DrawAmmunitionHud(const RenderScene& scene, uint32_t now) {
    if (!scene.hud) return;
    const HudInput& hud = *scene.hud;
    const HudLayer layer;
    const TextureTable& textures = scene.world.textures;
    const BitmapFont* large = scene.renderer.largeFont;
    DrawHudPicture(textures, hud.pictures.bullet, 0.52f, kIconTop, 0.63f, kIconBottom);
    DrawHudText(large, 0.65f, kIconBottom, std::to_string(hud.weapon.roundsLeft), kHudWhite);
    DrawHudPicture(textures, hud.pictures.magazine, 0.32f, kIconTop, 0.43f, kIconBottom);
    DrawHudText(large, 0.45f, kIconBottom, std::to_string(hud.weapon.spareMagazines), kHudWhite);
    DrawReloadBar(hud.weapon, now);
}
