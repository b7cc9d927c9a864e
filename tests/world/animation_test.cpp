#include "world/animation.h"

#include <gtest/gtest.h>

namespace {

// A model of one part with three poses and one animation over them.
tgeomobject Animated(const std::string& name, int32_t interval) {
    tgeomobject model;
    tmeshpart part;
    part.frames.resize(3);
    tanimation animation;
    animation.name = name;
    animation.frames = {0, 1, 2};
    animation.interval = interval;
    animation.playOnce = name == "death" || name == "jump";
    part.animations.push_back(animation);
    model.triangleParts.push_back(part);
    model.quadParts.push_back(part);
    SelectAnimation(model, 0);
    return model;
}

int32_t Draw(tgeomobject& model, uint32_t now) {
    return StepAnimation(model, model.triangleParts[0], now);
}

TEST(StepAnimation, FollowsTheClockDrawnEvery16Ms) {
    tgeomobject model = Animated("walk", 100);
    EXPECT_EQ(Draw(model, 10000), 0);  // the first draw after loading always steps
    for (uint32_t now = 10016; now <= 10112; now += 16) EXPECT_EQ(Draw(model, now), 1) << now;
    EXPECT_EQ(Draw(model, 10128), 2);
    for (uint32_t now = 10144; now <= 10224; now += 16) EXPECT_EQ(Draw(model, now), 2) << now;
    EXPECT_EQ(Draw(model, 10240), 0);  // looped back
}

TEST(StepAnimation, PlayOnceStopsOnItsLastPoseUntilSelectedAgain) {
    tgeomobject model = Animated("death", 100);
    uint32_t now = 10000;
    for (int i = 0; i < 10; ++i, now += 100) Draw(model, now);
    EXPECT_EQ(Draw(model, now), 2);
    EXPECT_TRUE(model.triangleParts[0].animations[0].finished);
    SelectAnimation(model, 0);
    EXPECT_FALSE(model.triangleParts[0].animations[0].finished);
    EXPECT_EQ(Draw(model, now + 100), 0);
}

TEST(StepAnimation, SelectingALoopAgainContinuesWhereItWas) {
    tgeomobject model = Animated("walk", 100);
    Draw(model, 10000);
    SelectAnimation(model, 0);
    EXPECT_EQ(Draw(model, 10001), 1);
}

TEST(StepAnimation, PaceScalesTheInterval) {
    tgeomobject model = Animated("run", 100);
    model.animationPace = 0.25f;
    Draw(model, 10000);
    EXPECT_EQ(Draw(model, 10024), 1);
    EXPECT_EQ(Draw(model, 10025), 1);  // steps now
    EXPECT_EQ(Draw(model, 10026), 2);
}

TEST(StepAnimation, ZeroIntervalStepsOnEveryDraw) {
    tgeomobject model = Animated("spin", 0);
    EXPECT_EQ(Draw(model, 5), 0);
    EXPECT_EQ(Draw(model, 5), 1);
    EXPECT_EQ(Draw(model, 5), 2);
}

TEST(StepAnimation, WithoutAnimationShowsTheFirstPose) {
    tgeomobject model = Animated("walk", 100);
    model.triangleParts[0].currentFrame = 2;
    SelectAnimation(model, -1);
    EXPECT_EQ(Draw(model, 10000), 0);
    tmeshpart bare;  // no poses at all
    bare.currentAnimation = 0;
    EXPECT_EQ(StepAnimation(model, bare, 10000), 0);
}

TEST(StepAnimation, NeverReadsOutsideTheLists) {
    tgeomobject model = Animated("walk", 100);
    tmeshpart& part = model.triangleParts[0];
    SelectAnimation(model, 3);  // an index the part lacks
    EXPECT_EQ(Draw(model, 10000), 0);
    SelectAnimation(model, 0);
    part.animations[0].cursor = 7;
    EXPECT_EQ(Draw(model, 20000), 0);
    EXPECT_EQ(part.animations[0].cursor, 1);
    part.animations[0].frames = {9};
    EXPECT_EQ(Draw(model, 30000), 0);
    part.animations[0].frames.clear();
    EXPECT_EQ(Draw(model, 40000), 0);
}

TEST(StepTextureRun, AnimatedRunAlternatesItsFramesByInterval) {
    ttexrun run;
    run.textureAnimated = 1;
    run.textureFrames = 2;
    run.textureInterval = 100;
    run.textureLastSwitch = 1000;
    EXPECT_EQ(StepTextureRun(run, 10, 1050), 10);
    EXPECT_EQ(StepTextureRun(run, 10, 1100), 11);
    EXPECT_EQ(StepTextureRun(run, 10, 1199), 11);
    EXPECT_EQ(StepTextureRun(run, 10, 1200), 10);
    EXPECT_EQ(StepTextureRun(run, 10, 1300), 11);
}

TEST(StepTextureRun, StillRunShowsItsRestartFrame) {
    ttexrun run;
    run.textureFrame = 4;
    run.textureRestartFrame = 2;  // a player's skin
    EXPECT_EQ(StepTextureRun(run, 20, 0), 22);
    EXPECT_EQ(run.textureFrame, 2);
}

}  // namespace
