// Both views of every shipped map with players and bullets in play: each picture shows sky,
// floor, arena and players (more than a handful of colours in each half). With
// ZARNOK_SCREENSHOT_DIR set the pictures are kept there for a person to look at, HUD text over
// each map's sky and floor included.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "app/hud_words.h"
#include "support/gl/render_harness.h"

namespace {

size_t DistinctColours(const std::vector<uint8_t>& rgb) {
    std::set<uint32_t> colours;
    for (size_t i = 0; i + 2 < rgb.size(); i += 3)
        colours.insert(rgb[i] << 16 | rgb[i + 1] << 8 | rgb[i + 2]);
    return colours.size();
}

void PlaceCrowd(RenderHarness& harness) {
    const tspawnpoint spawn = harness.world.arena.spawnPoints.front();
    harness.AddPlayer({spawn.x, spawn.y, spawn.z}, spawn.angle);
    for (int i = 1; i < 4; ++i) {
        const auto& other =
            harness.world.arena
                .spawnPoints[static_cast<size_t>(i) % harness.world.arena.spawnPoints.size()];
        harness.AddPlayer({spawn.x - 3.0f * static_cast<float>(i), spawn.y, spawn.z - 4.0f},
                          other.angle);
    }
    for (int i = 0; i < 6; ++i)
        harness.AddBullet({spawn.x - static_cast<float>(i), spawn.y + 0.5f, spawn.z - 6.0f}, 0);
}

}  // namespace

TEST(MapScreenshots, BothViewsOfEveryShippedMapShowAScene) {
    RenderHarness harness(1280, 1024);
    const char* keep = std::getenv("ZARNOK_SCREENSHOT_DIR");
    const std::vector<std::string> lines = {"Grinder killed Player1", "Ferrum joined the game"};
    HudInput hud;
    hud.texts = HudTextsIn(Language::kEnglish);
    hud.kills = 3;
    hud.gameType = kTeamDeathMatch;
    hud.messageLines = lines;
    for (const std::filesystem::path& file : ShippedMaps()) {
        const std::string map = file.filename().string();
        SCOPED_TRACE(map);
        harness.LoadMap(map);
        harness.ShowHud(hud);
        harness.captureTheFlag = true;
        PlaceCrowd(harness);
        const int half = harness.Width() / 2;
        harness.DrawSplit(10000);
        EXPECT_GT(DistinctColours(harness.Pixels(0, 0, half, harness.Height(), GL_RGB)), 50u);
        EXPECT_GT(DistinctColours(harness.Pixels(half, 0, half, harness.Height(), GL_RGB)), 50u);
        if (keep) harness.SavePicture(std::filesystem::path(keep) / (map + "-split.ppm"));
        harness.DrawChase(10000);
        EXPECT_GT(DistinctColours(harness.Pixels(0, 0, harness.Width(), harness.Height(), GL_RGB)),
                  50u);
        if (keep) harness.SavePicture(std::filesystem::path(keep) / (map + "-chase.ppm"));
    }
}
