// Drawing single models: a draw shows the stepped pose and moves nothing, the muzzle point follows
// the stepped pose, which platforms count
// as hanging over the player, the side camera's cut-away plane, the player's shadow disc, and
// bullets drawn together, and players drawn by picture, looking as they do one at a time.
#include "render/model_drawing.h"

#include "render/model_copies.h"

#include <gtest/gtest.h>

#include <GL/glu.h>

#include <algorithm>
#include <limits>
#include <memory>

#include "render/gl_state.h"
#include "support/gl/plain_arena.h"

namespace {

constexpr float kTolerance = 1e-4f;

class ModelDrawing : public testing::Test {
  protected:
    void SetUp() override {
        arena.Load(harness, {{60, 0, 60, 0.5f, 0.5f}});
        harness.AddPlayer({10, 1.2f, 10}, 0, "walk");
    }
    tgeomobject& Player() { return harness.players.front().model; }

    RenderHarness harness{320, 256};
    PlainArena arena;
};

TEST_F(ModelDrawing, DrawingShowsThePoseTheStepGaveAndNeverStepsIt) {
    tgeomobject& player = Player();
    const tanimation& walk =
        player.triangleParts[0]
            .animations[static_cast<size_t>(player.triangleParts[0].currentAnimation)];
    ASSERT_GT(walk.frames.size(), 2u);
    StepModelPose(player, 10000);
    const int32_t cursor = walk.cursor;
    const int32_t pose = player.triangleParts[0].currentFrame;
    DrawModel(player, harness.world.textures);
    EnableVertexArrays();
    DrawPlayerModel(player, harness.world.textures, harness.world.arena.playerBuffers,
                    PoseLook::kCursor);
    DisableVertexArrays();
    EXPECT_EQ(walk.cursor, cursor);
    EXPECT_EQ(player.triangleParts[0].currentFrame, pose);
    StepModelPose(player, 10000);
    EXPECT_EQ(walk.cursor, cursor) << "a second step in the same frame moved the animation on";
    EXPECT_EQ(player.animationPace, 1.0f) << "an unset pace is read as 1";
}

TEST_F(ModelDrawing, BulletStartFollowsTheLatestYawAndPitch) {
    tgeomobject& player = Player();
    SelectAnimation(player, -1);  // every part keeps its first pose
    const auto bstart = static_cast<size_t>(FindPart(player, "BSTART"));
    ASSERT_LT(bstart, player.triangleParts.size());
    StepModelPose(player, 10000);
    const tvec3 facingNorth = player.bulletStart;
    EXPECT_LT(facingNorth.z, 0) << "the muzzle is ahead of the player, towards -z";

    player.yaw = 90;
    StepModelPose(player, 10000);
    // Turned a quarter to the left: what was ahead (-z) is now to the left (-x).
    EXPECT_NEAR(player.bulletStart.x, facingNorth.z, kTolerance);
    EXPECT_NEAR(player.bulletStart.z, -facingNorth.x, kTolerance);
    EXPECT_NEAR(player.bulletStart.y, facingNorth.y, kTolerance);

    player.yaw = 0;
    player.triangleParts[bstart].pitch = 30;
    StepModelPose(player, 10000);
    EXPECT_GT(player.bulletStart.y, facingNorth.y) << "looking up raises the muzzle";
}

TEST_F(ModelDrawing, ElementsOutsideTheModelAreNotDrawn) {
    tgeomobject broken = Player();
    broken.triangleParts[0].firstElement = broken.triangleCount;  // past the end
    broken.quadParts[0].triangleRuns.clear();
    broken.quadParts[0].quadRuns = {
        ttexrun{.textureIndex = 0, .elementOffset = -5, .elementCount = 3}};
    while (glGetError() != GL_NO_ERROR) {
    }
    DrawModel(broken, harness.world.textures);
    EnableVertexArrays();
    broken.triangleParts[1].vertexStart = 1 << 30;
    DrawPlayerModel(broken, harness.world.textures, harness.world.arena.playerBuffers,
                    PoseLook::kStepped);
    DisableVertexArrays();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(ModelDrawing, PartsWithoutAPoseDrawNothing) {
    const auto chaseFrame = [&] {
        harness.DrawChase(10000);
        return harness.Pixels(0, 0, harness.Width(), harness.Height(), GL_RGB);
    };
    tgeomobject& player = Player();
    for (auto* parts : {&player.triangleParts, &player.quadParts}) {
        for (tmeshpart& part : *parts) part.frames.clear();
    }
    const auto posedLess = chaseFrame();
    player.triangleParts.clear();
    player.quadParts.clear();
    EXPECT_TRUE(posedLess == chaseFrame()) << "a part without a pose showed up";
}

TEST(IsNearCylinder, APlatformHangsOverThePlayerWhenItsBottomIsAboveAndItsAxisIsNear) {
    const std::vector<tcylinderbounds> bounds = {
        kGroundBounds,
        {0, 6, 0, 3, 7, 5},  // platform from 5 to 7 over the origin
        {0, 2, 0, 3, 4, 0},  // pillar standing on the floor
    };
    EXPECT_TRUE(IsNearCylinder(bounds, 0, {19.9f, 1, 0}));
    EXPECT_FALSE(IsNearCylinder(bounds, 0, {20, 1, 0}));
    EXPECT_FALSE(IsNearCylinder(bounds, 0, {0, 5, 0})) << "at the bottom is not below it";
    EXPECT_FALSE(IsNearCylinder(bounds, 0, {0, 8, 0}));
    EXPECT_FALSE(IsNearCylinder(bounds, 1, {0, 1, 0})) << "a pillar on the floor";
    EXPECT_FALSE(IsNearCylinder(bounds, 2, {0, 1, 0})) << "no such cylinder";
    EXPECT_FALSE(IsNearCylinder(bounds, -1, {0, 1, 0}));
}

TEST(SideViewNearPlane, SitsFiveUnitsInFrontOfThePlayerFromEitherSide) {
    tviewcamera side;
    side.eye.x = -280;
    EXPECT_FLOAT_EQ(SideViewNearPlane(side), 275);
    side.eye.x = 280;
    EXPECT_FLOAT_EQ(SideViewNearPlane(side), 275);
    side.eye.x = -3;
    EXPECT_FLOAT_EQ(SideViewNearPlane(side), 1) << "the near plane stays in front of the camera";
}

TEST_F(ModelDrawing, APlayerInTheAirCastsHisShadowOnTheFloorInTheChaseView) {
    Player().position.y = 3;
    const auto darkPixels = [&] {
        harness.DrawChase(10000);
        const auto rgb = harness.Pixels(0, 0, harness.Width(), harness.Height(), GL_RGB);
        size_t dark = 0;
        for (size_t i = 0; i + 2 < rgb.size(); i += 3) {
            const Rgb p{rgb[i], rgb[i + 1], rgb[i + 2]};
            // 40 % black over the grey floor.
            if (SameColour(p, {60, 60, 60}, 4)) ++dark;
        }
        return dark;
    };
    const size_t withShadow = darkPixels();
    Player().extentRadius = 0;  // a disc of no size
    const size_t without = darkPixels();
    EXPECT_GT(withShadow, without + 20);
}

// Pixels apart by more than the last bit of rounding in a channel.
size_t DifferingPixels(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
    size_t count = 0;
    for (size_t i = 0; i + 2 < a.size() && i + 2 < b.size(); i += 3)
        count += !SameColour({a[i], a[i + 1], a[i + 2]}, {b[i], b[i + 1], b[i + 2]}, 1);
    return count;
}

// Five players in their own colours, walking in a huddle that hides parts of one behind another.
TEST(PlayerModels, DrawnByPictureTheyLookAsDrawnOneByOne) {
    RenderHarness harness{320, 256};
    harness.LoadMap("ctf.map");
    for (int i = 0; i < 5; ++i) {
        const float along = static_cast<float>(i);
        harness.AddPlayer({0.4f * along - 1, 1.2f, -0.5f * along}, along * 70);
    }
    const std::vector<MatchPlayer> standing = harness.players;
    const auto frame = [&](auto drawPlayers) {
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glViewport(0, 0, harness.Width(), harness.Height());
        glLoadIdentity();
        gluPerspective(60, 1.25, 1, 100);
        gluLookAt(0, 3, 6, 0, 1, -1, 0, 1, 0);
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_CULL_FACE);
        glEnable(GL_LIGHTING);
        glColor4f(1, 1, 1, 1);
        EnableVertexArrays();
        for (const uint32_t now : {10000u, 10150u}) {
            StepPlayerPoses(harness.players, now);
            drawPlayers();
        }
        DisableVertexArrays();
        return harness.Pixels(0, 0, harness.Width(), harness.Height(), GL_RGB);
    };
    const TextureTable& textures = harness.world.textures;
    const VertexBufferSet& buffers = harness.world.arena.playerBuffers;
    const auto byPicture = frame([&] {
        DrawPlayerModelsByPicture(harness.players, std::numeric_limits<size_t>::max(), textures,
                                  buffers, PoseLook::kStepped, 0);
    });
    harness.players = standing;
    const auto oneByOne = frame([&] {
        for (MatchPlayer& player : harness.players)
            DrawPlayerModel(player.model, textures, buffers, PoseLook::kStepped);
    });
    harness.players.clear();
    EXPECT_GT(DifferingPixels(oneByOne, frame([] {})), 3000u) << "no players in sight";
    // Where two surfaces meet at the same depth, the one drawn first shows.
    EXPECT_LE(DifferingPixels(byPicture, oneByOne), 3u);
}

// On a shipped map, lit and textured as in a match.
TEST(BulletCopies, DrawnTogetherTheyLookAsDrawnOneByOne) {
    RenderHarness harness{640, 512};
    harness.LoadMap("towers.map");
    const tspawnpoint spawn = harness.world.arena.spawnPoints.front();
    const tvec3 at{spawn.x, spawn.y, spawn.z};
    harness.AddPlayer(at, 0, "walk");
    // Scattered between the player and the chase camera at all headings, one pitched up.
    for (int i = 0; i < 12; ++i) {
        const float along = static_cast<float>(i);
        harness.AddBullet(
            {at.x - 3 + 0.6f * along, at.y + 0.5f + 0.05f * along, at.z + 3.5f - 0.5f * along},
            along * 33);
    }
    for (auto* parts : {&harness.bullets[3].triangleParts, &harness.bullets[3].quadParts}) {
        for (tmeshpart& part : *parts) part.pitch = 40;
    }
    const auto frames = [&] {
        harness.DrawSplit(10000);
        auto pixels = harness.Pixels(0, 0, harness.Width(), harness.Height(), GL_RGB);
        harness.DrawChase(10000);
        const auto chase = harness.Pixels(0, 0, harness.Width(), harness.Height(), GL_RGB);
        pixels.insert(pixels.end(), chase.begin(), chase.end());
        return pixels;
    };
    frames();  // the views' first frames set up state that later ones find
    const auto together = frames();
    // A mesh of its own makes each bullet draw alone.
    for (tbullet& bullet : harness.bullets) {
        bullet.triangles = std::make_shared<std::vector<tmodelvertex>>(*bullet.triangles);
        bullet.quads = std::make_shared<std::vector<tmodelvertex>>(*bullet.quads);
    }
    const auto oneByOne = frames();
    harness.bullets.clear();
    EXPECT_GT(DifferingPixels(together, frames()), 500u) << "the bullets are not in sight";
    // Placed on the CPU, a vertex may round differently at an edge.
    EXPECT_LE(DifferingPixels(together, oneByOne), 3u);
}

}  // namespace
