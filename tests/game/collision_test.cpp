// Collision on small arenas built here: players land on tops and on the ground, stop at the
// grid's edge and at other players; bullets stop at a cylinder's side and may fly between a
// player's legs; bad positions, speeds and models are refused without harm.
#include "game/collision.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/random.h"
#include "game/player_physics.h"
#include "support/players.h"
#include "support/test_arena.h"

namespace {

using namespace test_arena;

constexpr float kGravity = -0.085f;

class Collision : public testing::Test {
  protected:
    CollisionWorld World() {
        seated = Seated(players);
        return CollisionWorldOf(arena, seated);
    }
    // One frame of player `index` moving by its kept velocity under gravity, as the game steps it.
    CollisionHit Fall(size_t index, float speedFactor = 1.0f) {
        StepPlayerPhysics(players[index], kGravity, speedFactor);
        return IntegratePlayer(players[index], static_cast<int32_t>(index), World(), speedFactor,
                               random);
    }
    CollisionHit Move(size_t index, tvec3& velocity) {
        tgeomobject& player = players[index];
        return CollideMove(World(), MoverKind::Player, static_cast<int32_t>(index), player.position,
                           velocity, kHalfHeight, kRadius, player.headroom, random);
    }
    CollisionHit Shoot(tvec3 from, tvec3& velocity, float radius = 0.05f) {
        float scratch = 0;
        return CollideMove(World(), MoverKind::Bullet, -1, from, velocity, radius, radius, scratch,
                           random);
    }

    // A platform 2 high at the origin; a low slab (a ceiling) far to the side.
    Arena arena = SmallArena({{0, 0, 0, 3, 2}, {10, 1.9f, 0, 3, 0.5f}});
    std::vector<tgeomobject> players;
    std::vector<MatchPlayer> seated;
    Random random{7};
};

TEST_F(Collision, AFallingPlayerLandsOnATopAndKeepsWalking) {
    players = {StickFigure({0, 6, 0})};
    players[0].velocity = {0.01f, 0, 0};
    for (int frame = 0; frame < 120; ++frame) Fall(0);
    const float feet = players[0].position.y + kLowestSample;
    // Resting on the top: never sunk into it, nor hovering above it.
    EXPECT_GE(feet, 2.0f);
    EXPECT_LT(feet, 2.01f);
    EXPECT_EQ(players[0].velocity.y, 0.0f);
    EXPECT_NEAR(players[0].position.x, 1.2f, 1e-4f);  // landing never cut the walk
}

TEST_F(Collision, APlayerWalkingOffATopFallsToTheGround) {
    players = {StickFigure({2.5f, 2.0f - kLowestSample + 0.01f, 0})};
    players[0].velocity = {0.1f, 0, 0};
    bool leftTheTop = false;
    for (int frame = 0; frame < 200; ++frame) {
        Fall(0);
        if (players[0].position.y + kLowestSample < 1.0f) leftTheTop = true;
    }
    EXPECT_TRUE(leftTheTop);
    const float feet = players[0].position.y + kLowestSample;
    EXPECT_GE(feet, 0.0f);
    EXPECT_LT(feet, 0.01f);
    EXPECT_EQ(players[0].velocity.y, 0.0f);  // landed: the vertical speed is gone
}

TEST_F(Collision, AtALowFrameRateAPlayerStillLandsOnTheLowerTopItWalksOnto) {
    // Fifteen reference frames per real frame: a fall covers many units in one step.
    arena = SmallArena({{0, 0, 0, 3, 6}, {6, 0, 0, 3, 3}});
    players = {StickFigure({2.5f, 6.0f - kLowestSample + 0.001f, 0})};
    for (int frame = 0; frame < 6; ++frame) {
        players[0].velocity.x = 0.05f;
        Fall(0, 15.0f);
    }
    ASSERT_GT(players[0].position.x, 3.5f);  // off the high top, over the lower one
    const float feet = players[0].position.y + kLowestSample;
    EXPECT_GE(feet, 3.0f);
    EXPECT_LT(feet, 3.01f);
}

TEST_F(Collision, AFastFallDoesNotTunnelThroughAThinTop) {
    // Faster than the slab is thick: the sub-steps still find it.
    players = {StickFigure({10, 12, 0})};
    players[0].velocity = {0, -1.5f, 0};
    for (int frame = 0; frame < 60; ++frame) Fall(0);
    EXPECT_GE(players[0].position.y + kLowestSample, 2.4f);
}

TEST_F(Collision, AWalkIntoASideStopsTheHorizontalMotion) {
    players = {StickFigure({-4.0f, kHalfHeight + 0.01f, 0})};
    tvec3 velocity{0.3f, 0, 0};
    CollisionHit hit;
    for (int frame = 0; frame < 20; ++frame) {
        tvec3 frameVelocity = velocity;
        hit = Move(0, frameVelocity);
        players[0].position = players[0].position + frameVelocity;
    }
    EXPECT_EQ(hit.kind, kHitCylinder);
    EXPECT_EQ(hit.index, 1);
    // The legs stop outside the side: leg axis + leg radius within the cylinder's reach.
    EXPECT_LT(players[0].position.x, -3.0f + kLegX);
    EXPECT_GT(players[0].position.x, -3.0f - kRadius - 0.3f);
}

TEST_F(Collision, APlayerStopsDeadAtTheGridEdgeAndMayWalkBackFromOutside) {
    const CollisionGrid& grid = arena.collisionGrid;
    const float edge = grid.gridOriginX - grid.gridCellSize / 2 +
                       grid.gridCellSize * static_cast<float>(grid.gridColumns);
    players = {StickFigure({edge - 0.05f, 5, 0})};
    tvec3 velocity{0.1f, -0.2f, 0.1f};
    const CollisionHit hit = Move(0, velocity);
    EXPECT_EQ(hit.kind, kHitNothing);
    EXPECT_EQ(velocity, (tvec3{0, 0, 0}));  // vertically too

    // Pushed outside by a bad spawn: walking further away is refused, walking back is allowed.
    players[0].position = {edge + 30, 5, 0};
    velocity = {0.1f, -0.2f, 0};
    Move(0, velocity);
    EXPECT_EQ(velocity, (tvec3{0, 0, 0}));
    velocity = {-0.1f, -0.2f, 0};
    Move(0, velocity);
    EXPECT_EQ(velocity, (tvec3{-0.1f, 0, 0}));
}

TEST_F(Collision, PlayersTouchOnlyWithinAFifthOfTheirRadii) {
    // 0.2 * (0.5 + 0.5) = 0.2 apart.
    players = {StickFigure({0, 20, 0}), StickFigure({0.25f, 20, 0})};
    tvec3 velocity{0.04f, 0, 0};  // ends 0.21 away
    EXPECT_EQ(Move(0, velocity).kind, kHitNothing);
    EXPECT_EQ(velocity.x, 0.04f);
    velocity = {0.06f, 0, 0};  // ends 0.19 away
    const CollisionHit hit = Move(0, velocity);
    EXPECT_EQ(hit.kind, kHitPlayer);
    EXPECT_EQ(hit.index, 1);
    EXPECT_EQ(velocity, (tvec3{0, 0, 0}));
}

TEST_F(Collision, APlayerInsideAnotherIsNudgedOut) {
    players = {StickFigure({0, 20, 0}), StickFigure({0.05f, 20, 0})};
    for (int attempt = 0; attempt < 8; ++attempt) {
        tvec3 velocity{0.01f, 0, 0};
        EXPECT_EQ(Move(0, velocity).kind, kHitPlayer);
        // The sideways part of the nudge is never zero: the player never stays stuck.
        EXPECT_TRUE(velocity.x == -0.1f || velocity.x == 0.15f) << velocity.x;
        EXPECT_TRUE(velocity.z == 0.0f || velocity.z == 0.25f) << velocity.z;
    }
}

TEST_F(Collision, TheLatestPlayerTouchedIsReported) {
    players = {StickFigure({0, 20, 0}), StickFigure({0, 20, 3}), StickFigure({0.3f, 20, 3})};
    tvec3 velocity{0, 0, 3};
    const CollisionHit hit = Shoot({0, 20, 0}, velocity);
    EXPECT_EQ(hit.kind, kHitPlayer);
    EXPECT_EQ(hit.index, 2);
}

TEST_F(Collision, ABulletStopsJustBeforeACylindersSide) {
    tvec3 velocity{3, 0, 0};
    const float radius = 0.1f;
    const CollisionHit hit = Shoot({-5, 1, 0}, velocity, radius);
    EXPECT_EQ(hit.kind, kHitCylinder);
    EXPECT_EQ(hit.index, 1);
    const float end = -5 + velocity.x;
    const float subStep = 3.0f / 31;  // round(3 / 0.1) + 1 sub-steps
    EXPECT_LE(end + radius, -3.0f);   // outside the side
    EXPECT_GT(end + radius, -3.0f - subStep);
    EXPECT_EQ(velocity.y, 0.0f);
    EXPECT_EQ(velocity.z, 0.0f);
}

TEST_F(Collision, ABulletBetweenTheLegsIsNoHit) {
    players = {StickFigure({0, 20, 0})};
    const tgeomobject& victim = players[0];
    // Through the gap at the legs' height: inside the bounds, so the coarse test reports the
    // player, but no body part is there.
    tvec3 velocity{0, 0, 2};
    const tvec3 start{0, 19.5f, -1};
    EXPECT_EQ(Shoot(start, velocity, 0.02f).kind, kHitPlayer);
    EXPECT_EQ(BulletHitsPart(victim, start, {0, 0, 2}, 0.02f), -1);
    // A little to the side it meets a leg.
    const int32_t leg = BulletHitsPart(victim, {kLegX, 19.5f, -1}, {0, 0, 2}, 0.02f);
    ASSERT_GE(leg, 0);
    EXPECT_EQ(victim.triangleParts[static_cast<size_t>(leg)].name, "rightleg");
    // The head is a sphere part.
    const int32_t head = BulletHitsPart(victim, {0, 20.8f, -1}, {0, 0, 2}, 0.02f);
    ASSERT_GE(head, 0);
    EXPECT_EQ(victim.triangleParts[static_cast<size_t>(head)].name, "HEAD");
    // A turned player is hit where its legs now are: at yaw 90 they lie along z.
    players[0].yaw = 90;
    EXPECT_GE(BulletHitsPart(players[0], {-1, 19.5f, kLegX}, {2, 0, 0}, 0.02f), 0);
    EXPECT_EQ(BulletHitsPart(players[0], {-1, 19.5f, 0}, {2, 0, 0}, 0.02f), -1);
}

TEST_F(Collision, BadNumbersAreRefusedWithoutHarm) {
    players = {StickFigure({0, 20, 0}), StickFigure({1, 20, 0})};
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    for (const tvec3 bad : {tvec3{nan, 0, 0}, tvec3{0, inf, 0}, tvec3{0, 0, -inf}}) {
        tvec3 velocity = bad;
        EXPECT_EQ(Move(0, velocity).kind, kHitNothing);
        EXPECT_EQ(velocity, (tvec3{0, 0, 0}));
        players[0].position = bad;  // a hostile placement
        velocity = {0.1f, 0, 0};
        EXPECT_EQ(Move(0, velocity).kind, kHitNothing);
        EXPECT_EQ(velocity, (tvec3{0, 0, 0}));
        players[0].position = {0, 20, 0};
    }
    // A peer reported at a NaN or infinite place is simply not met.
    players[1].position = {nan, 20, 0};
    tvec3 velocity{0.1f, 0, 0};
    EXPECT_EQ(Move(0, velocity).kind, kHitNothing);
    EXPECT_EQ(velocity.x, 0.1f);
    players[1].position = {inf, inf, inf};
    EXPECT_EQ(Move(0, velocity).kind, kHitNothing);
    // A huge but finite speed costs a bounded number of sub-steps.
    velocity = {1e30f, 0, 0};
    Move(0, velocity);
    EXPECT_TRUE(std::isfinite(velocity.x));
}

TEST_F(Collision, UnknownIndicesAndModelsWithoutPartsAreSkipped) {
    players = {tgeomobject{}, StickFigure({0, 3, 0})};
    players[0].position = {0, 5, 0};
    // A cell listing a cylinder that does not exist.
    arena.collisionGrid.rows[0][0].cylinders.push_back(999);
    arena.collisionGrid.rows[1][1].cylinders.push_back(-3);
    tvec3 velocity{0, -0.5f, 0};
    Move(0, velocity);  // a model without parts meets no top
    EXPECT_EQ(velocity.y, -0.5f);
    velocity = {0, -0.5f, 0};
    CollideMove(World(), MoverKind::Player, 42, {0, 5, 0}, velocity, kHalfHeight, kRadius,
                players[0].headroom, random);
    EXPECT_TRUE(std::isfinite(velocity.y));
    const CollisionGrid& grid = arena.collisionGrid;
    velocity = {0, -0.1f, 0};
    float scratch = 0;
    CollideMove(World(), MoverKind::Bullet, 0, {grid.gridOriginX, 1, grid.gridOriginZ}, velocity,
                0.05f, 0.05f, scratch, random);
    EXPECT_EQ(BulletHitsPart(players[0], {0, 5, 0}, {0, -1, 0}, 0.05f), -1);
}

}  // namespace
