// Player and muzzle models made as players appear, removed as they leave, kept through restarts.
#include "game/player_models.h"

#include <gtest/gtest.h>

#include "support/fake_gpu.h"
#include "support/net_harness.h"
#include "support/shipped_content.h"

namespace {

const std::filesystem::path kFigure =
    std::filesystem::path(ZARNOK_SOURCE_DIR) / "fuzz/corpus/model/figure.txt";

}  // namespace

TEST(MuzzleModel, OneFlashQuadPerPoseOfTheMuzzlePart) {
    tgeomobject player = BuiltModel(kFigure);
    int32_t bstart = FindPart(player, "bstart");
    ASSERT_GE(bstart, 0);
    const tmeshpart& source = player.triangleParts[static_cast<size_t>(bstart)];
    TextureTable textures;
    FakeGpu gpu;

    tgeomobject side = BuildMuzzleModel(player, false, textures, gpu);
    ASSERT_EQ(side.quadParts.size(), 1u);
    const tmeshpart& fire = side.quadParts[0];
    EXPECT_EQ(fire.name, "fire");
    EXPECT_EQ(fire.currentAnimation, -2);
    EXPECT_EQ(fire.frames.size(), source.frames.size());
    EXPECT_EQ(fire.animations.size(), source.frames.size());
    ASSERT_EQ(side.quads->size(), 4 * source.frames.size());
    tvec3 f = source.frames[0].shift;
    EXPECT_EQ((*side.quads)[0].position, (tvec3{f.x, f.y + 0.5f, f.z - 1}));
    EXPECT_EQ((*side.quads)[2].position, (tvec3{f.x, f.y - 0.5f, f.z}));
    EXPECT_EQ((*side.quads)[0].normal, (tvec3{-1, 0, 0}));
    ASSERT_EQ(fire.quadRuns.size(), 1u);
    EXPECT_EQ(fire.quadRuns[0].textureFrames, 2);
    EXPECT_EQ(fire.quadRuns[0].textureInterval, 100);

    tgeomobject top = BuildMuzzleModel(player, true, textures, gpu);
    EXPECT_EQ((*top.quads)[1].position, (tvec3{f.x - 0.5f, f.y, f.z - 1}));
    EXPECT_EQ((*top.quads)[1].normal, (tvec3{0, 1, 0}));
    size_t fireTextures = 0;
    for (const tteximage& image : textures.textureList) fireTextures += image.name == "mi_fire";
    EXPECT_EQ(fireTextures, 1u);

    tgeomobject unarmed;
    EXPECT_TRUE(BuildMuzzleModel(unarmed, false, textures, gpu).quadParts.empty());
}

TEST(PlayerModels, AppearWithTheirPlayersFollowReportsAndLeaveWithThem) {
    NetHarness net;
    NetMachine& host = net.AddMachine("10.0.0.1", 1);
    NetMachine& joiner = net.AddMachine("10.0.0.2", 2);
    host.MakeModels(kFigure);
    joiner.MakeModels(kFigure);

    net.Host(host, {.bots = 1, .gameType = kTeamDeathMatch});
    net.Join(joiner, "Joe");
    PlayState& play = host.game.play;
    ASSERT_EQ(play.players.size(), 3u);
    ASSERT_EQ(play.muzzleModels.size(), 3u);
    EXPECT_FALSE(play.muzzleModels[2].side.quadParts.empty());
    EXPECT_EQ(joiner.game.play.players.size(), 3u);

    const tgeomobject& joe = play.players[2].model;
    int32_t body = FindPart(joe, "body");
    ASSERT_GE(body, 0);
    EXPECT_EQ(joe.triangleParts[static_cast<size_t>(body)].triangleRuns.front().textureRestartFrame,
              2);  // red team skin

    joiner.game.play.players[2].model.position = {6, 0, -6};
    net.RunFor(100);
    EXPECT_EQ(play.players[2].model.position, (tvec3{6, 0, -6}));
    // The frame loop keeps the muzzle flashes on their player.
    EXPECT_EQ(play.muzzleModels[2].side.position, (tvec3{6, 0, -6}));
    EXPECT_EQ(play.muzzleModels[2].top.yaw, play.players[2].model.yaw);

    Disconnect(joiner.game);
    joiner.frozen = true;
    net.RunFor(100);
    EXPECT_EQ(play.players.size(), 2u);
    EXPECT_EQ(play.muzzleModels.size(), 2u);
    EXPECT_TRUE(joiner.game.play.players.empty());
}

TEST(PlayerModels, SkinsSurviveTheReloadOfALevelRestart) {
    NetHarness net;
    NetMachine& host = net.AddMachine("10.0.0.1", 1);
    host.MakeModels(kFigure);
    net.Host(host, {.bots = 2});
    std::vector<MatchPlayer>& players = host.game.play.players;
    ASSERT_EQ(players.size(), 3u);
    tgeomobject& bot = players[1].model;
    int32_t head = FindPart(bot, "head");
    ASSERT_GE(head, 0);
    bot.triangleParts[static_cast<size_t>(head)].triangleRuns.front().textureRestartFrame = 4;
    bot.position = {3, 0, 3};

    Match match = MatchOf(host.game);
    SaveModelTextures(match);
    ReloadPlayerModels(match);
    RestoreModelTextures(match);
    EXPECT_EQ(bot.triangleParts[static_cast<size_t>(head)].triangleRuns.front().textureRestartFrame,
              4);
    EXPECT_EQ(bot.position, (tvec3{3, 0, 3}));
    EXPECT_EQ(host.game.play.muzzleModels.size(), 3u);
}
