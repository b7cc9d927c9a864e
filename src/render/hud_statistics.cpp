// The statistics table: both teams side by side on a dark panel, each ordered by kills.
#include <string>
#include <vector>

#include "game/match_statistics.h"
#include "render/hud_drawing.h"
#include "render/hud_statistics.h"
#include "render/scene.h"

namespace {

constexpr float kHeaderY = 0.4f;
constexpr float kFirstRowY = 0.35f;
constexpr float kRowStep = 0.05f;

// Where one team's columns start, and the colour of its rows.
struct TeamColumns {
    float name, kills, deaths;  // row columns
    float killsHeader, deathsHeader;
    HudColour colour;
};

constexpr TeamColumns kBlueColumns{-0.47f, -0.17f, -0.07f, -0.2f, -0.1f, kHudLightBlue};
constexpr TeamColumns kRedColumns{0.03f, 0.33f, 0.43f, 0.3f, 0.4f, kHudLightRed};

void DrawTeam(const BitmapFont* font, const HudTexts& texts, const TeamColumns& at,
              const std::vector<tstatisticsrow>& rows) {
    DrawHudText(font, at.name, kHeaderY, texts.nameHeader, kHudWhite);
    DrawHudText(font, at.killsHeader, kHeaderY, texts.killsHeader, kHudWhite);
    DrawHudText(font, at.deathsHeader, kHeaderY, texts.deathsHeader, kHudWhite);
    float y = kFirstRowY;
    for (const tstatisticsrow& row : rows) {
        DrawHudText(font, at.name, y, row.name, at.colour);
        DrawHudText(font, at.kills, y, std::to_string(row.kills), at.colour);
        DrawHudText(font, at.deaths, y, std::to_string(row.deaths), at.colour);
        y -= kRowStep;
    }
}

}  // namespace

void DrawStatistics(const RenderScene& scene, const HudInput& hud) {
    DrawHudPicture(scene.world.textures, hud.pictures.statisticsBackground, -0.5f, 0.5f, 0.5f,
                   -0.5f);
    DrawHudText(scene.renderer.largeFont, -0.2f, 0.45f, hud.texts.statistics, kHudWhite);
    const tstatisticstable table = BuildStatisticsTable(hud.players);
    DrawTeam(scene.renderer.smallFont, hud.texts, kBlueColumns, table.blue);
    DrawTeam(scene.renderer.smallFont, hud.texts, kRedColumns, table.red);
}
