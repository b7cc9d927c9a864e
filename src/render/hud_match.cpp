// The match group over the whole window: the key hint, statistics, the winner, the connection
// notice, and in team games the scores with their icons and the blinking flag warnings.
#include <algorithm>
#include <string>

#include "render/hud.h"
#include "render/hud_drawing.h"
#include "render/hud_statistics.h"
#include "render/scene.h"

namespace {

constexpr float kIconTop = 0.97f;
constexpr float kIconBottom = 0.87f;
// A line of the small font with room between lines.
constexpr float kHintLinePixels = 22.0f;

void DrawTeamScores(const RenderScene& scene, const HudInput& hud) {
    const bool flags = hud.gameType == kCaptureTheFlag;
    const TextureTable& textures = scene.world.textures;
    DrawHudPicture(textures, flags ? hud.pictures.blueFlag : hud.pictures.blueTeam, -0.1f, kIconTop,
                   -0.02f, kIconBottom);
    DrawHudPicture(textures, flags ? hud.pictures.redFlag : hud.pictures.redTeam, 0.02f, kIconTop,
                   0.1f, kIconBottom);
    const BitmapFont* large = scene.renderer.largeFont;
    DrawHudText(large, -0.15f, 0.89f, std::to_string(hud.blueScore), kHudBlue);
    DrawHudText(large, 0.12f, 0.89f, std::to_string(hud.redScore), kHudRed);
}

// Each team is warned only about its own flag.
void DrawFlagWarnings(const RenderScene& scene, const HudInput& hud) {
    if (hud.gameType != kCaptureTheFlag || !hud.blinkOn) return;
    const BitmapFont* large = scene.renderer.largeFont;
    if (hud.blueFlagTaken && hud.team == 0) {
        DrawHudText(large, -0.5f, 0.7f, hud.texts.blueFlagTaken, kHudWhite);
    }
    if (hud.redFlagTaken && hud.team == 1) {
        DrawHudText(large, -0.2f, 0.8f, hud.texts.redFlagTaken, kHudDarkRed);
    }
}

// Low on the left, clear of the message lines above, the statistics panel in the middle and the
// ammunition at the right; in a low window the lines keep apart by the small font's height.
void DrawKeyHint(const RenderScene& scene, const HudInput& hud) {
    const float fontStep = scene.windowHeight > 0
                               ? 2.0f * kHintLinePixels / static_cast<float>(scene.windowHeight)
                               : 0.0f;
    const float step = std::max(0.05f, fontStep);
    float y = -0.7f;
    for (const std::string& line : hud.keyHint) {
        DrawHudText(scene.renderer.smallFont, -0.97f, y, line, kHudWhite);
        y -= step;
    }
}

}  // namespace

void DrawMatchHud(const RenderScene& scene) {
    if (!scene.hud) return;
    const HudInput& hud = *scene.hud;
    const HudLayer layer;
    const BitmapFont* large = scene.renderer.largeFont;
    DrawKeyHint(scene, hud);
    if (hud.StatisticsShown()) DrawStatistics(scene, hud);
    if (hud.gameOver && !hud.winnerLine.empty()) {
        DrawHudText(large, -0.4f, 0.6f, hud.winnerLine, kHudWhite);
    }
    if (!hud.connected) DrawHudText(large, -0.5f, 0.6f, hud.texts.connectionLost, kHudWhite);
    if (hud.gameType == kDeathMatch) return;
    DrawTeamScores(scene, hud);
    DrawFlagWarnings(scene, hud);
}
