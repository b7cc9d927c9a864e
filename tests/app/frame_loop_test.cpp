#include "app/frame_loop.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/game.h"
#include "support/fake_main_window.h"

namespace {

struct FrameLoopTest : ::testing::Test {
    FrameLoopTest() {
        game.services.clock = &clock;
        game.services.window = &window;
        game.state.startupComplete = true;
        game.state.renderEnabled = true;
    }
    FrameDraw FrameAt(uint32_t ms) {
        clock.now = ms;
        return RunFrame(game);
    }
    ManualClock clock{0};
    FakeMainWindow window;
    Game game;
};

TEST_F(FrameLoopTest, NothingHappensBeforeStartUpCompletes) {
    game.state.startupComplete = false;
    game.input.forwardAxis = 1.0f;
    EXPECT_EQ(FrameAt(5000), FrameDraw::Nothing);
    EXPECT_EQ(game.frame.frameCounter, 0);
    EXPECT_EQ(game.frame.lastFrameTime, 0u);
    EXPECT_FLOAT_EQ(game.input.forwardAxis, 1.0f);
    EXPECT_FALSE(RunTimerIfDue(game));
}

TEST_F(FrameLoopTest, DrawsMenusOrTheChosenViewOnlyWhileRenderingIsEnabled) {
    EXPECT_EQ(FrameAt(10), FrameDraw::Menus);
    game.state.playState = 1;
    EXPECT_EQ(FrameAt(20), FrameDraw::SplitView);
    game.view.chaseView = true;
    EXPECT_EQ(FrameAt(30), FrameDraw::ChaseView);
    game.state.renderEnabled = false;
    EXPECT_EQ(FrameAt(40), FrameDraw::Nothing);
    game.state.playState = 0;
    EXPECT_EQ(FrameAt(50), FrameDraw::Nothing);
}

TEST_F(FrameLoopTest, SpeedFactorIsTheAverageFrameOver15Milliseconds) {
    game.frame.lastSpeedSample = 1000;
    uint32_t t = 1000;
    for (int i = 0; i < 40; ++i) FrameAt(t += 15);
    EXPECT_FLOAT_EQ(game.frame.speedFactor, 1.0f);
    EXPECT_EQ(game.frame.frameCounter, 0);
    for (int i = 0; i < 39; ++i) FrameAt(t += 1);
    EXPECT_FLOAT_EQ(game.frame.speedFactor, 1.0f);  // not sampled before the 40th frame
    FrameAt(t += 21);                               // 40 frames in 60 ms
    EXPECT_FLOAT_EQ(game.frame.speedFactor, 0.1f);
}

TEST_F(FrameLoopTest, ImplausibleSpeedFactorFallsBackToOne) {
    FrameTiming timing;
    timing.speedFactor = 0.5f;
    timing.frameCounter = 39;
    UpdateSpeedFactor(timing, 0);  // 40 frames in no time
    EXPECT_FLOAT_EQ(timing.speedFactor, 1.0f);
    timing.frameCounter = 39;
    UpdateSpeedFactor(timing, 70000);  // over 100 times too slow
    EXPECT_FLOAT_EQ(timing.speedFactor, 1.0f);
    EXPECT_EQ(timing.lastSpeedSample, 70000u);
}

TEST_F(FrameLoopTest, ReleasedAxisDecaysToZeroWithoutOvershooting) {
    EXPECT_FLOAT_EQ(DecayAxis(0.5f, 0.2f), 0.3f);
    EXPECT_FLOAT_EQ(DecayAxis(0.1f, 0.2f), 0.0f);
    EXPECT_FLOAT_EQ(DecayAxis(-0.5f, 0.2f), -0.3f);
    EXPECT_FLOAT_EQ(DecayAxis(-0.1f, 0.2f), 0.0f);
    EXPECT_FLOAT_EQ(DecayAxis(0.0f, 0.2f), 0.0f);

    game.tuning.INERTION = 0.1f;
    game.tuning.WALK_SPEED = 0.1f;
    game.input.forwardAxis = 1.0f;
    game.input.strafeAxis = -1.0f;
    int frames = 0;
    while (game.input.forwardAxis != 0.0f && frames < 200) {
        FrameAt(static_cast<uint32_t>(++frames));
        EXPECT_GE(game.input.forwardAxis, 0.0f);
        EXPECT_LE(game.input.strafeAxis, 0.0f);
    }
    // 100 steps of 0.01 from 1; float rounding may leave one last crumb for a 101st frame.
    EXPECT_GE(frames, 100);
    EXPECT_LE(frames, 101);
    EXPECT_EQ(game.input.strafeAxis, 0.0f);
}

TEST_F(FrameLoopTest, MouseDeltasLastOneFrame) {
    game.input.yawDelta = 3.0f;
    game.input.pitchDelta = -2.0f;
    game.input.wheelDelta = 120.0f;
    FrameAt(1);
    EXPECT_EQ(game.input.yawDelta, 0.0f);
    EXPECT_EQ(game.input.pitchDelta, 0.0f);
    EXPECT_EQ(game.input.wheelDelta, 0.0f);
}

TEST_F(FrameLoopTest, WrappedTickCounterSkipsTheFrameBody) {
    game.frame.lastFrameTime = 0xFFFFFF00u;
    game.input.forwardAxis = 1.0f;
    EXPECT_EQ(FrameAt(0x10), FrameDraw::Menus);  // forward across the wrap: a normal frame
    EXPECT_LT(game.input.forwardAxis, 1.0f);
    game.input.forwardAxis = 1.0f;
    EXPECT_EQ(FrameAt(0x08), FrameDraw::Nothing);  // backwards: skipped
    EXPECT_FLOAT_EQ(game.input.forwardAxis, 1.0f);
    EXPECT_EQ(game.frame.lastFrameTime, 0x10u);
}

TEST_F(FrameLoopTest, WatchdogFiresAtExactlyTwoSecondsAndDropsASilentServer) {
    game.state.playState = 1;
    game.state.connected = true;
    game.state.heardFromServer = true;
    FrameAt(1999);
    EXPECT_TRUE(game.state.heardFromServer);
    FrameAt(2000);  // heard in the last period: still connected, but the flag is spent
    EXPECT_TRUE(game.state.connected);
    EXPECT_FALSE(game.state.heardFromServer);
    FrameAt(3999);
    EXPECT_TRUE(game.state.connected);
    FrameAt(4000);
    EXPECT_FALSE(game.state.connected);
}

TEST_F(FrameLoopTest, WatchdogSparesAPendingConnection) {
    game.state.playState = 1;
    game.state.connected = true;
    game.state.connecting = true;
    game.state.heardFromServer = true;
    FrameAt(2000);
    EXPECT_TRUE(game.state.connected);
    EXPECT_TRUE(game.state.heardFromServer);
}

TEST_F(FrameLoopTest, WatchdogOnlyRunsWhilePlaying) {
    game.state.connected = true;
    FrameAt(2000);
    FrameAt(4000);
    EXPECT_TRUE(game.state.connected);
}

TEST_F(FrameLoopTest, TwoSecondChecksWaitForMoreThanTwoSeconds) {
    game.state.playState = 1;
    game.state.hosting = true;
    FrameAt(2000);
    EXPECT_EQ(game.frame.networkCheckTime, 0u);
    EXPECT_EQ(game.frame.timeoutCheckTime, 2000u);  // the server's check fires at exactly 2000
    FrameAt(2001);
    EXPECT_EQ(game.frame.networkCheckTime, 2001u);
    FrameAt(4000);
    EXPECT_EQ(game.frame.networkCheckTime, 2001u);
    EXPECT_EQ(game.frame.timeoutCheckTime, 4000u);
}

TEST_F(FrameLoopTest, ServerTimeoutCheckOnlyOnTheHost) {
    game.state.playState = 1;
    FrameAt(5000);
    EXPECT_EQ(game.frame.timeoutCheckTime, 0u);
}

TEST_F(FrameLoopTest, UnansweredConnectionTimesOutAfterOneSecond) {
    game.state.connecting = true;
    game.state.connectionStartTime = 500;
    FrameAt(1500);
    EXPECT_TRUE(game.state.connecting);
    FrameAt(1501);
    EXPECT_FALSE(game.state.connecting);
}

TEST_F(FrameLoopTest, TabMovesFocusOncePerPressAndRepeatsWhileHeld) {
    game.input.keys[DIK_TAB] = kKeyHeld;
    FrameAt(1000);
    EXPECT_FALSE(game.frame.tabArmed);
    EXPECT_EQ(game.frame.tabDisarmTime, 1000u);
    FrameAt(1200);  // held, not yet more than 200 ms
    EXPECT_EQ(game.frame.tabDisarmTime, 1000u);
    FrameAt(1201);  // repeat
    EXPECT_EQ(game.frame.tabDisarmTime, 1201u);
    game.input.keys[DIK_TAB] = 0;
    FrameAt(1210);
    EXPECT_TRUE(game.frame.tabArmed);
    game.input.keys[DIK_TAB] = kKeyHeld;
    FrameAt(1220);  // a fresh press fires at once
    EXPECT_EQ(game.frame.tabDisarmTime, 1220u);
}

TEST_F(FrameLoopTest, TimerFiresEvery50MillisecondsWithoutCatchingUp) {
    clock.now = 49;
    EXPECT_FALSE(RunTimerIfDue(game));
    clock.now = 50;
    EXPECT_TRUE(RunTimerIfDue(game));
    EXPECT_FALSE(RunTimerIfDue(game));
    clock.now = 400;  // a long stall fires once, then waits a full period
    EXPECT_TRUE(RunTimerIfDue(game));
    clock.now = 449;
    EXPECT_FALSE(RunTimerIfDue(game));
    clock.now = 450;
    EXPECT_TRUE(RunTimerIfDue(game));
}

TEST_F(FrameLoopTest, TimeRulesHoldAcrossTheTickCounterWrap) {
    game.state.playState = 1;
    game.state.connected = true;
    uint32_t start = 0xFFFFFC00u;
    FrameAt(start);
    game.frame.watchdogTime = start;
    FrameAt(start + 1999);  // wraps past zero
    EXPECT_TRUE(game.state.connected);
    FrameAt(start + 4000);
    EXPECT_FALSE(game.state.connected);
}

}  // namespace
