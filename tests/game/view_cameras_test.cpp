// The split view's cameras: reset at a match start, moved together by the wheel within the side
// camera's range, framed so the player sits near one edge, with the lights following them.
#include "game/view_cameras.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class ViewCameras : public testing::Test {
  protected:
    void SetUp() override {
        view.sideView.aspect = view.topView.aspect = 0.625f;
        ResetViewCameras(view, tuning);
    }
    Tuning tuning;
    ViewState view;
};

TEST_F(ViewCameras, DefaultFramingPutsThePlayerNearOneEdgeOfEachView) {
    UpdateViewCameras(view, tuning, 0);
    const float topSize = 2 * std::tan(2.5f * 3.14159265f / 180) * 400;
    const float sideSize = 2 * std::tan(5.0f * 3.14159265f / 180) * 280;
    EXPECT_NEAR(view.topView.visibleSize, topSize, 1e-3);
    EXPECT_NEAR(view.topView.eye.z, -0.45f * topSize, 1e-3);
    EXPECT_EQ(view.topView.centre.z, view.topView.eye.z);
    EXPECT_EQ(view.topView.eye.x, 0);
    EXPECT_NEAR(view.sideView.visibleSize, sideSize, 1e-3);
    EXPECT_NEAR(view.sideView.eye.y, 0.4f * sideSize, 1e-3);
    EXPECT_NEAR(view.sideView.eye.z, -0.45f * sideSize * 0.625f, 1e-3);
    EXPECT_EQ(view.sideView.centre.y, view.sideView.eye.y);
    EXPECT_EQ(view.sideView.centre.z, view.sideView.eye.z);
    EXPECT_EQ(view.topView.fovy, 5);
    EXPECT_EQ(view.sideView.fovy, 10);
}

TEST_F(ViewCameras, WheelMovesBothCamerasTogetherWhileTheSideCameraStaysInRange) {
    UpdateViewCameras(view, tuning, 20);
    EXPECT_FLOAT_EQ(view.sideView.eye.x, -300);
    EXPECT_FLOAT_EQ(view.topView.eye.y, 400 + 20 * 400.0f / 280);
    // Farther or nearer than the range: nothing moves.
    view.sideView.eye.x = -490;
    const float topHeight = view.topView.eye.y;
    UpdateViewCameras(view, tuning, 10);
    EXPECT_FLOAT_EQ(view.sideView.eye.x, -490);
    EXPECT_FLOAT_EQ(view.topView.eye.y, topHeight);
    view.sideView.eye.x = -110;
    UpdateViewCameras(view, tuning, -10);
    EXPECT_FLOAT_EQ(view.sideView.eye.x, -110);
    UpdateViewCameras(view, tuning, -9);
    EXPECT_FLOAT_EQ(view.sideView.eye.x, -101);
}

TEST_F(ViewCameras, LightsFollowTheCamerasAndAMatchStartResetsThem) {
    UpdateViewCameras(view, tuning, 20);
    EXPECT_EQ(view.sideLightPosition, (std::array<float, 4>{-100, 0, -300, 1}));
    EXPECT_EQ(view.topLightPosition[1], view.topView.eye.y);
    EXPECT_EQ(view.topLightPosition[2], -3);
    ResetViewCameras(view, tuning);
    EXPECT_EQ(view.sideView.eye.x, -280);
    EXPECT_EQ(view.topView.eye.y, 400);
}

}  // namespace
