// The player group: kills, deaths, the hidden line and the message lines.
#include <array>
#include <string>

#include "game/spawn_protection.h"
#include "render/hud.h"
#include "render/hud_drawing.h"
#include "render/scene.h"

namespace {

// Stored with every byte raised by 2, so the line does not show up in a plain look at the binary.
constexpr std::array<char, 33> kHiddenLine = {
    '|', 'c', 't', 'p', 'q', 'm', '"', 'y', 'c', 'u', '"', 'd', 'w', 'k', 'n', 'v', '"',
    'd', '{', '"', 'v', 'j', 'g', '"', 'n', 'c', 'p', '"', 'e', 't', 'g', 'y', '0'};

std::string HiddenLine() {
    std::string line;
    for (char raised : kHiddenLine) line += static_cast<char>(raised - 2);
    return line;
}

void DrawMessageLines(const RenderScene& scene, const HudInput& hud) {
    float y = 0.7f;
    for (const std::string& line : hud.messageLines) {
        DrawHudText(scene.renderer.smallFont, -0.97f, y, line, kHudYellow);
        y -= 0.05f;
    }
}

// Under the crosshair while the local player's protection lasts, with a bar that runs out with it.
void DrawSpawnProtection(const RenderScene& scene, const HudInput& hud) {
    if (hud.spawnProtectionMs <= 0) return;
    constexpr HudColour kShieldBlue{0.55f, 0.85f, 1};
    DrawHudText(scene.renderer.smallFont, -0.2f, -0.3f, hud.texts.spawnProtection, kShieldBlue);
    const float share = static_cast<float>(hud.spawnProtectionMs) / kSpawnProtectionMs;
    DrawHudPicture(scene.world.textures, -1, -0.2f, -0.34f, -0.2f + 0.4f * share, -0.36f);
}

}  // namespace

void DrawPlayerHud(const RenderScene& scene) {
    if (!scene.hud) return;
    const HudInput& hud = *scene.hud;
    const HudLayer layer;
    const BitmapFont* large = scene.renderer.largeFont;
    DrawHudText(large, -0.9f, 0.9f, std::string(hud.texts.kills) + std::to_string(hud.kills),
                kHudWhite);
    DrawHudText(large, -0.9f, 0.8f, std::string(hud.texts.deaths) + std::to_string(hud.deaths),
                kHudWhite);
    if (hud.hiddenLineKey) {
        DrawHudText(scene.renderer.smallFont, -0.9f, -0.9f, HiddenLine(), kHudWhite);
    }
    DrawMessageLines(scene, hud);
    DrawSpawnProtection(scene, hud);
}
