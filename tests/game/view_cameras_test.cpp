// The split view's cameras: reset at a match start, moved together by the wheel within the side
// camera's range, framed so the player sits near one edge, with the lights following them.
#include "game/view_cameras.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class ViewCameras : public testing::Test {
  protected:
    void SetUp() override {
        renderer.sideView.aspect = renderer.topView.aspect = 0.625f;
        ResetViewCameras(renderer, tuning);
    }
    Tuning tuning;
    Renderer renderer;
};

TEST_F(ViewCameras, DefaultFramingPutsThePlayerNearOneEdgeOfEachView) {
    UpdateViewCameras(renderer, tuning, 0);
    const float topSize = 2 * std::tan(2.5f * 3.14159265f / 180) * 400;
    const float sideSize = 2 * std::tan(5.0f * 3.14159265f / 180) * 280;
    EXPECT_NEAR(renderer.topView.visibleSize, topSize, 1e-3);
    EXPECT_NEAR(renderer.topView.eye.z, -0.45f * topSize, 1e-3);
    EXPECT_EQ(renderer.topView.centre.z, renderer.topView.eye.z);
    EXPECT_EQ(renderer.topView.eye.x, 0);
    EXPECT_NEAR(renderer.sideView.visibleSize, sideSize, 1e-3);
    EXPECT_NEAR(renderer.sideView.eye.y, 0.4f * sideSize, 1e-3);
    EXPECT_NEAR(renderer.sideView.eye.z, -0.45f * sideSize * 0.625f, 1e-3);
    EXPECT_EQ(renderer.sideView.centre.y, renderer.sideView.eye.y);
    EXPECT_EQ(renderer.sideView.centre.z, renderer.sideView.eye.z);
    EXPECT_EQ(renderer.topView.fovy, 5);
    EXPECT_EQ(renderer.sideView.fovy, 10);
}

TEST_F(ViewCameras, WheelMovesBothCamerasTogetherWhileTheSideCameraStaysInRange) {
    UpdateViewCameras(renderer, tuning, 20);
    EXPECT_FLOAT_EQ(renderer.sideView.eye.x, -300);
    EXPECT_FLOAT_EQ(renderer.topView.eye.y, 400 + 20 * 400.0f / 280);
    // Farther or nearer than the range: nothing moves.
    renderer.sideView.eye.x = -490;
    const float topHeight = renderer.topView.eye.y;
    UpdateViewCameras(renderer, tuning, 10);
    EXPECT_FLOAT_EQ(renderer.sideView.eye.x, -490);
    EXPECT_FLOAT_EQ(renderer.topView.eye.y, topHeight);
    renderer.sideView.eye.x = -110;
    UpdateViewCameras(renderer, tuning, -10);
    EXPECT_FLOAT_EQ(renderer.sideView.eye.x, -110);
    UpdateViewCameras(renderer, tuning, -9);
    EXPECT_FLOAT_EQ(renderer.sideView.eye.x, -101);
}

TEST_F(ViewCameras, LightsFollowTheCamerasAndAMatchStartResetsThem) {
    UpdateViewCameras(renderer, tuning, 20);
    EXPECT_EQ(renderer.sideLightPosition, (std::array<float, 4>{-100, 0, -300, 1}));
    EXPECT_EQ(renderer.topLightPosition[1], renderer.topView.eye.y);
    EXPECT_EQ(renderer.topLightPosition[2], -3);
    ResetViewCameras(renderer, tuning);
    EXPECT_EQ(renderer.sideView.eye.x, -280);
    EXPECT_EQ(renderer.topView.eye.y, 400);
}

}  // namespace
