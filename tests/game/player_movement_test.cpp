// The local player's own motion: speeds and the sprint budget, jumps, the look limits and the
// aim, the animation and looping sounds that follow the keys (kept crouched under a ceiling),
// gravity and landing through the integration, chargers, and bad models and numbers.
#include "game/player_movement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/random.h"
#include "game/chargers.h"
#include "game/player_physics.h"
#include "sound/match_sounds.h"
#include "sound/player_channels.h"
#include "support/fake_audio.h"
#include "support/players.h"
#include "support/test_arena.h"

namespace {

using namespace test_arena;

float HorizontalSpeed(const tgeomobject& player) {
    return std::hypot(player.velocity.x, player.velocity.z);
}

class Movement : public testing::Test {
  protected:
    void SetUp() override { AddPlayerChannels(sound, 0); }
    // One frame at `now` with the keys of `controls`, as the game step runs it.
    void Frame(MovementControls controls, uint32_t now, float yawDelta = 0, float pitchDelta = 0) {
        tgeomobject& player = players[0];
        MovePlayer(player, controls, yawDelta, pitchDelta, lookPitch, tuning, now, {events, 0});
        PlayMatchSounds(sound, events, 100, 0);
        events.clear();
        StepPlayerPhysics(player, tuning.GRAVITY, 1.0f);
        IntegratePlayer(player, 0, CollisionWorldOf(arena, Seated(players)), 1.0f, random);
    }
    PlayerChannels& Channels() { return sound.playerChannels[0]; }
    int32_t Animation() const { return players[0].triangleParts.front().currentAnimation; }
    bool Stepping() { return IsPlaying(Channels().walk); }
    bool Sprinting() { return IsPlaying(Channels().sprint); }
    // Feet a hair above the ground, at rest.
    void StandOnGround(float x = 0, float z = 0) {
        players[0].position = {x, -kLowestSample + 0.001f, z};
        players[0].velocity = {};
    }

    Sound sound;
    TestSounds sounds{sound};
    Tuning tuning;
    Random random{3};
    // Open ground, and a slab whose underside is 1.9 above it (too low to stand under) at x 10.
    Arena arena = SmallArena({{10, 1.9f, 0, 3, 0.5f}});
    std::vector<tgeomobject> players = {StickFigure()};
    float lookPitch = 0;
    MatchEvents events;
};

MovementControls Keys(bool forward, bool run = false, bool crouch = false) {
    MovementControls controls;
    controls.forward = forward;
    controls.forwardAxis = forward ? -1.0f : 0.0f;
    controls.run = run;
    controls.crouch = crouch;
    return controls;
}

TEST_F(Movement, WalkSprintAndCrouchSpeedsAndDirections) {
    StandOnGround();
    MovementControls walk = Keys(true);
    MovePlayer(players[0], walk, 0, 0, lookPitch, tuning, 50000, {events, 0});
    EXPECT_NEAR(players[0].velocity.z, -0.1f, 1e-6f);  // yaw 0 looks along -z
    EXPECT_NEAR(players[0].velocity.x, 0.0f, 1e-6f);
    MovementControls sprint = Keys(true, true);
    MovePlayer(players[0], sprint, 0, 0, lookPitch, tuning, 50015, {events, 0});
    EXPECT_NEAR(HorizontalSpeed(players[0]), 0.3f, 1e-6f);
    EXPECT_EQ(players[0].animationPace, 0.25f);
    MovementControls crouch = Keys(true, true, true);  // Ctrl wins over Shift
    MovePlayer(players[0], crouch, 0, 0, lookPitch, tuning, 50030, {events, 0});
    EXPECT_NEAR(HorizontalSpeed(players[0]), 0.05f, 1e-6f);
    EXPECT_EQ(players[0].animationPace, 1.0f);
    // Turned a quarter, strafing runs along z.
    MovementControls strafe;
    strafe.right = true;
    strafe.strafeAxis = 1;
    MovePlayer(players[0], strafe, -90, 0, lookPitch, tuning, 50045, {events, 0});
    EXPECT_EQ(players[0].yaw, 90.0f);
    EXPECT_NEAR(players[0].velocity.x, 0.0f, 1e-6f);
    EXPECT_NEAR(std::fabs(players[0].velocity.z), 0.1f, 1e-6f);
}

TEST_F(Movement, TheSprintBudgetLastsFiveSecondsThenRestsTen) {
    StandOnGround();
    uint32_t now = 20000;
    const auto holdFor = [&](uint32_t ms, MovementControls keys) {
        float fastest = 0, slowest = 1;
        for (uint32_t end = now + ms; now < end; now += 15) {
            MovementControls copy = keys;
            MovePlayer(players[0], copy, 0, 0, lookPitch, tuning, now, {events, 0});
            fastest = std::max(fastest, HorizontalSpeed(players[0]));
            slowest = std::min(slowest, HorizontalSpeed(players[0]));
        }
        return std::pair{fastest, slowest};
    };
    // Six seconds of Shift and W: five of sprint, then a walk.
    auto [fastest, slowest] = holdFor(4990, Keys(true, true));
    EXPECT_NEAR(slowest, 0.3f, 1e-6f);
    holdFor(30, Keys(true, true));
    std::tie(fastest, slowest) = holdFor(980, Keys(true, true));
    EXPECT_NEAR(fastest, 0.1f, 1e-6f);
    // Released and pressed again within the rest: still a walk at the walking pace, though Shift
    // shows the sprint.
    holdFor(3000, Keys(false));
    std::tie(fastest, slowest) = holdFor(5000, Keys(true, true));
    EXPECT_NEAR(fastest, 0.1f, 1e-6f);
    EXPECT_EQ(Animation(), kSprintAnimation);
    EXPECT_EQ(players[0].animationPace, 1.0f);
    // Ten seconds after the budget ran out, a fresh sprint.
    holdFor(2000, Keys(false));
    std::tie(fastest, slowest) = holdFor(100, Keys(true, true));
    EXPECT_NEAR(slowest, 0.3f, 1e-6f);
    EXPECT_EQ(Animation(), kSprintAnimation);
}

TEST_F(Movement, AnEarlyReleasedSprintResumesItsBudgetOnlyWhenTakenUpSoon) {
    StandOnGround();
    MovementControls keys = Keys(true, true);
    MovePlayer(players[0], keys, 0, 0, lookPitch, tuning, 30000, {events, 0});
    keys = Keys(false);
    MovePlayer(players[0], keys, 0, 0, lookPitch, tuning, 30500, {events, 0});
    keys = Keys(true, true);
    MovePlayer(players[0], keys, 0, 0, lookPitch, tuning, 31000, {events, 0});
    EXPECT_EQ(players[0].runStartTime, 30000u);  // within 1250 ms of its start: the same budget
    keys = Keys(false);
    MovePlayer(players[0], keys, 0, 0, lookPitch, tuning, 31300, {events, 0});
    keys = Keys(true, true);
    MovePlayer(players[0], keys, 0, 0, lookPitch, tuning, 31400, {events, 0});
    EXPECT_EQ(players[0].runStartTime, 31400u);  // later: a fresh one
}

TEST_F(Movement, AJumpStartsOnlyFromRestAndNotTooSoonAfterTheLast) {
    StandOnGround();
    MovementControls space;
    uint32_t now = 40000;
    int risingFrames = 0;
    float highest = 0, previousSpeed = 0;
    // Space held all the way: one jump, then nothing until it has landed and the timeout passed.
    for (int frame = 0; frame < 50; ++frame) {
        space.jump = true;
        Frame(space, now += 15);
        if (players[0].velocity.y > 0) ++risingFrames;
        if (frame > 0) {
            EXPECT_TRUE(players[0].velocity.y <= previousSpeed || players[0].velocity.y == 0);
        }
        if (frame == 1) {
            EXPECT_EQ(Animation(), kJumpAnimation);
        }
        previousSpeed = players[0].velocity.y;
        highest = std::max(highest, players[0].position.y + kLowestSample);
    }
    EXPECT_NEAR(risingFrames, 17, 1);
    EXPECT_NEAR(highest, 12.5f, 0.3f);
    for (int frame = 0; frame < 30; ++frame) Frame({}, now += 15);
    EXPECT_GE(players[0].position.y + kLowestSample, 0.0f);
    EXPECT_LT(players[0].position.y + kLowestSample, 0.1f);
    space.jump = true;
    Frame(space, now += 15);
    EXPECT_GT(players[0].velocity.y, 1.0f);

    // Back on the ground within the timeout: no jump.
    StandOnGround();
    space.jump = true;
    MovePlayer(players[0], space, 0, 0, lookPitch, tuning, now + 500, {events, 0});
    EXPECT_EQ(players[0].velocity.y, 0.0f);
    EXPECT_FALSE(space.jump);  // the request is used up either way
    // Airborne (still moving up in the last integration): no jump either.
    players[0].airborne = true;
    space.jump = true;
    MovePlayer(players[0], space, 0, 0, lookPitch, tuning, now + 5000, {events, 0});
    EXPECT_EQ(players[0].velocity.y, 0.0f);
}

TEST_F(Movement, TheLookStaysWithinItsLimitsAndTiltsArmAndMuzzle) {
    MovementControls none;
    lookPitch = 44;
    MovePlayer(players[0], none, 0, 2, lookPitch, tuning, 1000, {events, 0});
    EXPECT_EQ(lookPitch, 44.0f);
    MovePlayer(players[0], none, 0, -10, lookPitch, tuning, 1015, {events, 0});
    EXPECT_EQ(lookPitch, 34.0f);
    lookPitch = -44.5f;
    MovePlayer(players[0], none, 0, -0.5f, lookPitch, tuning, 1030, {events, 0});
    EXPECT_EQ(lookPitch, -44.5f);
    for (const auto* parts : {&players[0].triangleParts, &players[0].quadParts}) {
        for (const tmeshpart& part : *parts) {
            const bool aims = part.name == "HAND" || part.name == "BSTART";
            EXPECT_EQ(part.pitch, aims ? -44.5f : 0.0f) << part.name;
        }
    }
}

TEST_F(Movement, AnimationAndLoopingSoundsFollowTheKeys) {
    StandOnGround();
    uint32_t now = 60000;
    Frame(Keys(true), now += 15);
    EXPECT_EQ(Animation(), kWalkAnimation);
    EXPECT_TRUE(Stepping());
    Frame(Keys(true, true), now += 15);
    EXPECT_EQ(Animation(), kSprintAnimation);
    EXPECT_FALSE(Stepping());
    EXPECT_TRUE(Sprinting());
    // Standing with Shift still held: standing, silent (the sprint stops a frame later).
    Frame(Keys(false, true), now += 15);
    EXPECT_EQ(Animation(), kStandAnimation);
    Frame(Keys(false, true), now += 15);
    EXPECT_FALSE(Stepping());
    EXPECT_FALSE(Sprinting());
    Frame(Keys(false, false, true), now += 15);
    EXPECT_EQ(Animation(), kCrouchStillAnimation);
    MovementControls left;
    left.left = true;
    left.strafeAxis = -1;
    Frame(left, now += 15);
    EXPECT_EQ(Animation(), kStrafeLeftAnimation);
    EXPECT_TRUE(Stepping());
    // Forward and left together keep what runs.
    left.forward = true;
    Frame(left, now += 15);
    EXPECT_EQ(Animation(), kStrafeLeftAnimation);
    // A play-once animation is rewound when the animation changes.
    players[0].triangleParts[1].animations[kJumpAnimation].cursor = 3;
    Frame(Keys(false), now += 15);
    EXPECT_EQ(players[0].triangleParts[1].animations[kJumpAnimation].cursor, 0);
}

TEST_F(Movement, APlayerCrouchedUnderALowCeilingStaysCrouched) {
    StandOnGround(10, 0);
    uint32_t now = 70000;
    MovementControls crouched = Keys(false, false, true);
    for (int frame = 0; frame < 3; ++frame) Frame(crouched, now += 15);
    ASSERT_EQ(Animation(), kCrouchStillAnimation);
    ASSERT_LT(players[0].headroom, kSeatDrop);
    // Ctrl released: still down, and walking means crawling.
    Frame(Keys(false), now += 15);
    EXPECT_EQ(Animation(), kCrouchStillAnimation);
    MovementControls forward = Keys(true);
    forward.right = false;
    Frame(forward, now += 15);
    EXPECT_EQ(Animation(), kCrouchForwardAnimation);
    // Out in the open it stands up again.
    StandOnGround(-10, 0);
    for (int frame = 0; frame < 3; ++frame) Frame(Keys(false), now += 15);
    EXPECT_EQ(Animation(), kStandAnimation);
}

TEST_F(Movement, ModelsWithoutTheNamedPartsAndBadNumbersDoNoHarm) {
    tgeomobject bare;
    bare.position = {0, 5, 0};
    bare.extentRadius = 0.5f;
    bare.extentHalfHeight = 1;
    players = {bare};
    MovementControls keys = Keys(true, true);
    keys.jump = true;
    Frame(keys, 80000, 5, 5);
    EXPECT_TRUE(std::isfinite(players[0].position.y));

    // A kept velocity gone bad (a NaN or an infinity from anywhere) is dropped, not kept.
    players = {StickFigure({0, 5, 0})};
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const tvec3 bad :
         {tvec3{nan, nan, nan}, tvec3{0, std::numeric_limits<float>::infinity(), 0}}) {
        players[0].velocity = bad;
        players[0].frameVelocity = bad;
        IntegratePlayer(players[0], 0, CollisionWorldOf(arena, Seated(players)), 1.0f, random);
        EXPECT_EQ(players[0].position, (tvec3{0, 5, 0}));
        StepPlayerPhysics(players[0], tuning.GRAVITY, 1.0f);
        EXPECT_TRUE(std::isfinite(players[0].velocity.y));
    }
}

TEST(Chargers, TakenWithinReachWhenNotFullAndBackAfterTheirInterval) {
    std::vector<tcharger> chargers = {{10, 1, 0, 5000, 0}, {0, 1, 0, 5000, 0}};
    int32_t spare = 5;
    EXPECT_FALSE(PickUpCharger(chargers, {0.5f, 2, 0}, 1000, spare));  // full: left in place
    EXPECT_TRUE(ChargerAvailable(chargers[1], 1000));
    spare = 2;
    EXPECT_FALSE(PickUpCharger(chargers, {2.5f, 1, 0}, 1000, spare));  // out of reach
    EXPECT_TRUE(PickUpCharger(chargers, {1.9f, 2.9f, -1.9f}, 1000, spare));
    EXPECT_EQ(spare, 5);
    EXPECT_FALSE(ChargerAvailable(chargers[1], 6000));
    EXPECT_TRUE(ChargerAvailable(chargers[0], 6000));
    spare = 0;
    EXPECT_FALSE(PickUpCharger(chargers, {0, 1, 0}, 6000, spare));
    EXPECT_TRUE(PickUpCharger(chargers, {0, 1, 0}, 6001, spare));
}

}  // namespace
