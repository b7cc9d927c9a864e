// What both views must show, read back from a real GL frame over a plain-coloured arena: sky and
// floor where they belong, the side view's cut-away, see-through platforms blended once, the
// chase view's dashed aiming line and chargers that wait for their respawn time (and show at a
// level's start), and cylinders outside a view left out of its drawing.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <utility>

#include "platform/sdl_clock.h"
#include "render/floor_rows.h"
#include "render/gl_state.h"
#include "support/gl/gl_queries.h"
#include "support/gl/plain_arena.h"

namespace {

using test_arena::ArenaCylinder;

constexpr int kWidth = 640;
constexpr int kHeight = 512;
constexpr uint32_t kNow = 100000;

// A small cylinder far from everything: every map needs one.
constexpr ArenaCylinder kFarPost{60, 0, 60, 0.5f, 0.5f};

class SceneViews : public testing::Test {
  protected:
    // The local player stands at the origin, facing -z.
    void Load(std::vector<ArenaCylinder> cylinders, std::vector<tcharger> chargers = {}) {
        cylinders.push_back(kFarPost);
        arena.Load(harness, cylinders, chargers);
        harness.AddPlayer({0, 1.2f, 0}, 0, "walk");
    }

    std::vector<Rgb> Frame(int x, int y, int width, int height) const {
        return harness.Colours(x, y, width, height);
    }
    std::vector<Rgb> Whole() const { return Frame(0, 0, kWidth, kHeight); }
    // The side view's half of a split frame over the given cylinders.
    std::vector<Rgb> SideViewOf(std::vector<ArenaCylinder> cylinders) {
        Load(std::move(cylinders));
        harness.DrawSplit(kNow);
        return Frame(0, 0, kWidth / 2, kHeight);
    }
    std::vector<uint8_t> Stencil() const {
        return harness.Pixels(0, 0, kWidth, kHeight, GL_STENCIL_INDEX);
    }

    static size_t Count(const std::vector<Rgb>& pixels, bool (*test)(Rgb)) {
        return static_cast<size_t>(std::count_if(pixels.begin(), pixels.end(), test));
    }

    RenderHarness harness{kWidth, kHeight};
    PlainArena arena;
};

bool IsSky(Rgb p) {
    return SameColour(p, kSkyColour);
}
bool IsFloor(Rgb p) {
    return SameColour(p, kFloorColour);
}
bool IsAimingRed(Rgb p) {
    return p.r > 150 && p.g < 60 && p.b < 60;
}
bool IsCylinderBlue(Rgb p) {
    return p.b > p.r + 40 && p.b > p.g + 40;
}
bool IsChargerLike(Rgb p) {
    return p.r > p.g + 40 && p.b > p.g + 40;
}

TEST_F(SceneViews, SkyFillsTheTopOfTheSideViewAndTheFloorShowsInBothHalves) {
    Load({});
    harness.DrawSplit(kNow);
    const int half = kWidth / 2;
    // The side camera looks level: the upper part of its half is all sky...
    const auto top = Frame(0, kHeight * 2 / 3, half, kHeight / 3);
    EXPECT_EQ(Count(top, IsSky), top.size());
    // ...and the lower part mostly floor; the top view looks down on floor everywhere.
    const auto bottom = Frame(0, 0, half, kHeight / 5);
    EXPECT_GT(Count(bottom, IsFloor), bottom.size() * 3 / 4);
    const auto right = Frame(half, 0, half, kHeight);
    EXPECT_GT(Count(right, IsFloor), right.size() * 3 / 4);
    EXPECT_EQ(Count(right, IsSky), 0u);
}

TEST_F(SceneViews, WithoutPlayersTheSplitViewShowsOnlySkyAndTheChaseViewStaysWhite) {
    Load({});
    harness.players.clear();
    harness.DrawSplit(kNow);
    const auto left = Frame(0, 0, kWidth / 2, kHeight);
    EXPECT_EQ(Count(left, IsSky), left.size());
    harness.DrawChase(kNow);
    const auto whole = Whole();
    EXPECT_EQ(Count(whole, [](Rgb p) { return SameColour(p, {255, 255, 255}, 0); }), whole.size());
}

// The chase camera looks down past the player: sky along the top edge, floor along the bottom.
// An opaque floor hides the sky behind it; a see-through one lets it show through, blended.
TEST_F(SceneViews, ChaseViewShowsSkyAboveTheFloorAndThroughASeeThroughFloor) {
    Load({});
    harness.DrawChase(kNow);
    const auto top = Frame(0, kHeight - 8, kWidth, 8);
    EXPECT_EQ(Count(top, IsSky), top.size());
    const auto bottom = Frame(0, 0, kWidth, kHeight / 5);
    EXPECT_GT(Count(bottom, IsFloor), bottom.size() * 3 / 4);

    PlainArena seeThrough(128);
    seeThrough.Load(harness, {kFarPost});
    harness.AddPlayer({0, 1.2f, 0}, 0, "walk");
    harness.DrawChase(kNow);
    EXPECT_EQ(Count(Frame(0, kHeight - 8, kWidth, 8), IsSky), top.size());
    const auto blended = Frame(0, 0, kWidth, kHeight / 5);
    EXPECT_GT(Count(blended,
                    [](Rgb p) {
                        return SameColour(p, {50, 150, 50}, 4);
                    }),
              blended.size() * 3 / 4);
}

// The sky behind the scene is drawn only on rows the floor fills from edge to edge. Where the
// floor ends below the horizon (a small floor, or the far plane cutting a large one), from any
// heading, every pixel of the chase and side views is still painted, none left white.
TEST_F(SceneViews, TheSkyLeavesNoPixelUnpaintedWhereTheFloorEnds) {
    Load({});
    const auto unpainted = [&](int width) {
        return Count(Frame(0, 0, width, kHeight), [](Rgb p) {
            return SameColour(p, {255, 255, 255}, 0);
        });
    };
    tgeomobject& player = harness.players.front().model;
    for (const int32_t extent : {40, 1000}) {
        harness.world.arena.floorExtent = extent;
        for (const float yaw : {0.0f, 45.0f, 90.0f, 200.0f}) {
            player.yaw = yaw;
            for (const float x : {0.0f, -30.0f}) {
                player.position = {x, 1.2f, x};
                // The chase view leaves the colour uncleared when it paints every pixel.
                glClearColor(1, 1, 1, 1);
                glClear(GL_COLOR_BUFFER_BIT);
                harness.DrawChase(kNow);
                EXPECT_EQ(unpainted(kWidth), 0u) << "chase, floor " << extent << ", yaw " << yaw;
                harness.DrawSplit(kNow);
                EXPECT_EQ(unpainted(kWidth / 2), 0u) << "side, floor " << extent << ", yaw " << yaw;
            }
        }
    }
}

// Rows of a 100-row viewport the floor fills, seen by a camera at height `eyeY` looking towards
// (0, 0, -10) from above the origin.
RowSpan FloorRowsSeenFrom(float eyeY, float lookY) {
    glLoadIdentity();
    gluPerspective(60, 1, 1, 1000);
    gluLookAt(0, eyeY, 0, 0, lookY, -10, 0, 1, 0);
    std::array<float, 16> matrix;
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix.data());
    glLoadIdentity();
    return FloorCoveredRows(matrix, {0, 0, 100, 100}, 1000);
}

TEST_F(SceneViews, TheFloorFillsTheRowsBelowTheHorizonAndNoneSeenFromBelow) {
    // Looking level: the lower half, short of the horizon on the middle row.
    const RowSpan level = FloorRowsSeenFrom(2, 2);
    EXPECT_EQ(level.first, 0);
    EXPECT_GT(level.last, 40);
    EXPECT_LT(level.last, 50);
    const RowSpan sky = SkyRows(level, {0, 0, 100, 100});
    EXPECT_EQ(sky.first, level.last + 1);
    EXPECT_EQ(sky.last, 99);
    // Looking down steeply, the floor fills every row but the margins; no sky is needed.
    const RowSpan down = FloorRowsSeenFrom(50, -200);
    EXPECT_LE(down.first, 2);
    EXPECT_GE(down.last, 97);
    EXPECT_TRUE(SkyRows({0, 99}, {0, 0, 100, 100}).Empty());
    // From below, the floor is culled: it fills nothing, and the sky may need every row.
    EXPECT_TRUE(FloorRowsSeenFrom(-2, -2).Empty());
    EXPECT_EQ(SkyRows({}, {0, 0, 100, 100}).last, 99);
}

// The side camera stands 280 units to the player's left (-x) looking right; its view centre
// lies 13.8 units ahead (-z) of the player at the player's height plus 19.6.
TEST_F(SceneViews, SideViewCutsAwayACylinderBetweenCameraAndPlayer) {
    const auto empty = SideViewOf({});
    EXPECT_EQ(SideViewOf({{-20, 0, -14, 4, 40}}), empty) << "a cylinder on the camera's side shows";
    const auto behind = SideViewOf({{20, 0, -14, 4, 40}});
    size_t changed = 0;
    for (size_t i = 0; i < empty.size(); ++i) changed += behind[i] == empty[i] ? 0 : 1;
    EXPECT_GT(changed, empty.size() / 20) << "a cylinder behind the player is missing";
}

// A cylinder across the cut-away plane loses its near half: the far half's inside must show,
// not the sky and floor behind it.
TEST_F(SceneViews, SideViewShowsTheInsideOfACylinderTheCutAwayOpens) {
    const auto empty = SideViewOf({});
    const auto opened = SideViewOf({{-5, 0, -14, 4, 40}});
    size_t inside = 0;
    for (size_t i = 0; i < empty.size(); ++i) {
        const Rgb p = opened[i];
        inside += p != empty[i] && p.b > p.r + 40 && p.b > p.g + 40 ? 1 : 0;
    }
    EXPECT_GT(inside, empty.size() / 20) << "the cut-open cylinder shows no inside";
}

// What a split-view frame hands the GL to rasterise, counted by the GL itself: a cylinder left out
// of the drawing adds nothing, one drawn adds its triangles even where the clipper then drops them.
GLuint PrimitivesGenerated(RenderHarness& harness) {
    return static_cast<GLuint>(
        CountDuring(GL_PRIMITIVES_GENERATED, [&] { harness.DrawSplit(kNow); }).value_or(0));
}

// The side camera sees about 15 units either side of its view centre (z = -13.8) and nothing
// nearer than its cut-away plane (x = -5); the top camera sees a square around the player.
TEST_F(SceneViews, CylindersOutsideEveryViewAreNotDrawnAndOnesReachingIntoAViewShow) {
    const int half = kWidth / 2;
    Load({});
    const GLuint emptyPrimitives = PrimitivesGenerated(harness);
    ASSERT_GT(emptyPrimitives, 0u) << "no primitives query";
    const auto empty = Whole();
    const auto added = [&] { return PrimitivesGenerated(harness) - emptyPrimitives; };

    // Beyond the player, in the middle of the side view only.
    Load({{100, 0, -14, 3, 30}});
    const GLuint drawnOnce = added();
    EXPECT_GT(Count(Frame(0, 0, half, kHeight), IsCylinderBlue), 500u);

    // Standing on the floor like that one, so that they add the same shadow disc.
    const ArenaCylinder beside{20, 0, -80, 3, 30};
    const ArenaCylinder cutAway{-100, 0, -14, 3, 30};
    for (const ArenaCylinder& cylinder : {beside, cutAway}) {
        Load({cylinder});
        // Drawn, it would add at least what the first one added.
        EXPECT_LT(added() * 2, drawnOnce) << "the cylinder at x " << cylinder.x << " is drawn";
        EXPECT_EQ(Whole(), empty) << "the cylinder at x " << cylinder.x << " shows";
    }

    // Its centre beside the side view, one unit of its rim inside: the rim must show.
    Load({{20, 0, -31.5f, 3, 40}});
    harness.DrawSplit(kNow);
    EXPECT_GT(Count(Frame(0, 0, half, kHeight), IsCylinderBlue), 500u)
        << "the cylinder's rim is missing from the side view";
}

// A small cylinder slides sideways behind a wide one, from hidden to in full view. Cylinders a step
// short of opaque are drawn one and all, so they give the picture to match: leaving out the hidden
// one must not change a pixel, and it must be left out somewhere on the way.
TEST_F(SceneViews, ChaseViewLeavesOutCylindersHiddenBehindNearerOnesWithoutChangingAPixel) {
    const PlainArena allDrawn(255, 254);
    SceneCounts counts;
    harness.counts = &counts;
    int32_t hidden = 0;
    for (float x = 0; x <= 12; x += 0.5f) {
        const std::vector<ArenaCylinder> cylinders = {
            {0, 0, -8, 3, 6}, {x, 0, -20, 1, 3}, kFarPost};
        std::array<std::vector<Rgb>, 2> frames;
        for (const PlainArena* plain : {static_cast<const PlainArena*>(&arena), &allDrawn}) {
            counts = {};
            plain->Load(harness, cylinders);
            harness.AddPlayer({0, 1.2f, 0}, 0, "walk");
            harness.DrawChase(kNow);
            frames[plain == &allDrawn] = Whole();
            if (plain == &arena) hidden += counts.cylindersHidden;
        }
        size_t differing = 0;
        for (size_t i = 0; i < frames[0].size(); ++i)
            differing += SameColour(frames[0][i], frames[1][i]) ? 0 : 1;
        EXPECT_EQ(differing, 0u) << "the small cylinder at x " << x;
    }
    EXPECT_GT(hidden, 0);
}

// Two stacked platforms hang over the player. Seen from the chase camera below them, both bottom
// caps cover the same pixels; each pixel must still be blended exactly once: half platform,
// half what lies behind (the sky there).
TEST_F(SceneViews, PlatformsOverThePlayerAreBlendedOnceInTheChaseView) {
    Load({{2, 5, -12, 9, 1}, {2, 6.5f, -12, 9, 1}});
    harness.DrawChase(kNow);
    const auto pixels = Whole();
    const auto stencil = Stencil();
    const Rgb halfOverSky{(kCylinderColour.r + kSkyColour.r) / 2,
                          (kCylinderColour.g + kSkyColour.g) / 2,
                          (kCylinderColour.b + kSkyColour.b) / 2};
    size_t seeThrough = 0, overSky = 0;
    for (size_t i = 0; i < pixels.size(); ++i) {
        if (stencil[i] != 0) continue;
        ++seeThrough;
        if (!SameColour(pixels[i], halfOverSky, 4)) continue;
        ++overSky;
    }
    EXPECT_GT(seeThrough, 1000u);
    // Blended twice, a pixel would be three quarters platform, one quarter sky.
    EXPECT_EQ(Count(pixels, [](Rgb p) { return SameColour(p, {0, 50, 150}, 4); }), 0u);
    EXPECT_GT(overSky, 500u);
    // Nothing of the platforms is drawn solid.
    EXPECT_EQ(Count(pixels, [](Rgb p) { return p.b > 150 && p.g < 30; }), 0u);
}

TEST_F(SceneViews, APlatformOverThePlayerIsHalfTransparentInTheTopView) {
    Load({{3, 5, -8, 6, 1}});
    harness.DrawSplit(kNow);
    const auto pixels = Whole();
    const auto stencil = Stencil();
    size_t seeThrough = 0;
    for (size_t i = 0; i < pixels.size(); ++i) {
        if (stencil[i] != 0) continue;
        ++seeThrough;
        const Rgb p = pixels[i];
        // Half the blue cap over the grey floor (shadowed or not): the floor's grey shows
        // through and the cap adds half its blue.
        EXPECT_NEAR(p.b - p.r, kCylinderColour.b / 2, 4) << "pixel " << i;
        EXPECT_EQ(p.r, p.g) << "pixel " << i;
        EXPECT_GT(p.r, 10) << "nothing of the floor shows through at pixel " << i;
        if (HasFailure()) break;
    }
    EXPECT_GT(seeThrough, 1000u);
    // The same platform far from the player is an ordinary solid cylinder.
    Load({{3, 5, -40, 6, 1}});
    harness.DrawSplit(kNow);
    const auto solid = Stencil();
    EXPECT_EQ(std::count(solid.begin(), solid.end(), 0), 0);
}

// Every cylinder has a shadow disc on the floor under it, as wide as it is. Under a platform the
// disc shows; inside a cylinder it shows only where the cylinder does not hide it: around a chase
// camera standing inside one, and not at all through one seen whole.
TEST_F(SceneViews, ShadowDiscsShowUnderPlatformsAndInsideCylindersTheCameraStandsIn) {
    // The chase view's shadows darken the grey floor by 0.4. The player casts one of his own.
    const auto shadowed = [&](std::vector<ArenaCylinder> cylinders) {
        Load(std::move(cylinders));
        harness.DrawChase(kNow);
        return Count(Whole(), [](Rgb p) { return SameColour(p, {60, 60, 60}, 4); });
    };
    const size_t playersOwn = shadowed({});
    EXPECT_GT(shadowed({{0, 4, -12, 3, 1}}), playersOwn + 1000) << "no shadow under the platform";
    EXPECT_GT(shadowed({{0, 0, 0, 60, 60}}), static_cast<size_t>(kWidth * kHeight / 4))
        << "no shadow inside";
    EXPECT_EQ(shadowed({{0, 0, -30, 6, 3}}), playersOwn) << "a shadow shows through its cylinder";
}

TEST_F(SceneViews, ChaseViewDrawsADashedRedAimingLine) {
    Load({});
    harness.DrawChase(kNow);
    const auto pixels = Whole();
    std::set<int> rows, columns;
    for (size_t i = 0; i < pixels.size(); ++i) {
        if (!IsAimingRed(pixels[i])) continue;
        rows.insert(static_cast<int>(i) / kWidth);
        columns.insert(static_cast<int>(i) % kWidth);
    }
    ASSERT_GT(rows.size() + columns.size(), 20u) << "no aiming line";
    // Along its longer screen extent the line has gaps: it is dashed.
    const std::set<int>& along = rows.size() > columns.size() ? rows : columns;
    const int extent = *along.rbegin() - *along.begin() + 1;
    EXPECT_LT(static_cast<int>(along.size()), extent * 3 / 4);
    EXPECT_GT(static_cast<int>(along.size()), extent / 4);
}

TEST_F(SceneViews, AChargerReappearsOnlyAfterItsRespawnTime) {
    Load({}, {{0, 1, -6, 1000}});
    tcharger& charger = harness.world.arena.chargerPoints.front();
    charger.lastTaken = kNow - 1000;
    harness.DrawSplit(kNow);
    EXPECT_EQ(Count(Whole(), IsChargerLike), 0u) << "shown the moment its time is up";
    charger.lastTaken = kNow - 1001;
    harness.DrawSplit(kNow);
    EXPECT_GT(Count(Frame(kWidth / 2, 0, kWidth / 2, kHeight), IsChargerLike), 20u);
    EXPECT_GT(Count(Frame(0, 0, kWidth / 2, kHeight), IsChargerLike), 5u);
}

TEST_F(SceneViews, AFreshLevelShowsItsChargersOnTheGamesOwnClockAtOnce) {
    Load({}, {{0, 1, -6, 15000}});
    SdlClock clock;  // the program has only just started
    harness.DrawSplit(clock.Ticks());
    EXPECT_GT(Count(Frame(kWidth / 2, 0, kWidth / 2, kHeight), IsChargerLike), 20u);
}

TEST_F(SceneViews, AMuzzleFlashShowsForLessThanFireTimeoutAfterTheShot) {
    Load({});
    // Any small model serves as the flash; the charger's colour makes it easy to find.
    tgeomobject flash = harness.world.arena.chargerModel;
    flash.position = {0, 1.2f, -4};
    harness.muzzleFlashes.push_back({&flash, &flash, 0});
    const int32_t timeout = harness.tuning.FIRE_TIMEOUT;
    harness.muzzleFlashes.front().shotTime = kNow - static_cast<uint32_t>(timeout) + 1;
    harness.DrawSplit(kNow);
    EXPECT_GT(Count(Frame(kWidth / 2, 0, kWidth / 2, kHeight), IsChargerLike), 20u);
    harness.muzzleFlashes.front().shotTime = kNow - static_cast<uint32_t>(timeout);
    harness.DrawSplit(kNow);
    EXPECT_EQ(Count(Whole(), IsChargerLike), 0u);
}

}  // namespace

namespace {

TEST(FloorTexture, RepeatsEveryTenUnitsWhateverTheFloorSize) {
    RenderHarness harness(kWidth, kHeight);
    harness.LoadMap("quarry.map");
    const tspawnpoint spawn = harness.world.arena.spawnPoints.front();
    harness.AddPlayer({spawn.x, spawn.y, spawn.z}, spawn.angle, "no animation: stands still");
    const int half = kWidth / 2;
    harness.DrawSplit(kNow);
    const auto wide = harness.Pixels(half, 0, half, kHeight, GL_RGB);
    harness.world.arena.floorExtent = 500;
    harness.DrawSplit(kNow);
    const auto narrow = harness.Pixels(half, 0, half, kHeight, GL_RGB);
    // Only rounding in the texture coordinates may tell the two floors apart.
    size_t different = 0;
    for (size_t i = 0; i < wide.size(); ++i) different += std::abs(wide[i] - narrow[i]) > 3;
    EXPECT_LT(different, wide.size() / 200);
}

}  // namespace
