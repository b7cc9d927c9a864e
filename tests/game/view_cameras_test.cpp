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

// Where a point of the player's frame lands in a camera's view, in normalised device coordinates,
// as the scene's perspective and look-at set the camera up.
struct ScreenPoint {
    float x, y;
};
ScreenPoint Project(const tviewcamera& camera, tvec3 up, tvec3 point) {
    auto minus = [](tvec3 a, tvec3 b) { return tvec3{a.x - b.x, a.y - b.y, a.z - b.z}; };
    auto dot = [](tvec3 a, tvec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; };
    auto cross = [](tvec3 a, tvec3 b) {
        return tvec3{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
    };
    auto unit = [&](tvec3 a) {
        const float length = std::sqrt(dot(a, a));
        return tvec3{a.x / length, a.y / length, a.z / length};
    };
    const tvec3 forward = unit(minus(camera.centre, camera.eye));
    const tvec3 right = unit(cross(forward, up));
    const tvec3 cameraUp = cross(right, forward);
    const tvec3 offset = minus(point, camera.eye);
    const float depth = dot(offset, forward);
    const float focal = 1.0f / std::tan(camera.fovy * 3.14159265f / 360.0f);
    return {dot(offset, right) / depth * focal / camera.aspect,
            dot(offset, cameraUp) / depth * focal};
}

bool OnScreen(ScreenPoint point) {
    return std::fabs(point.x) < 1 && std::fabs(point.y) < 1;
}

TEST_F(ViewCameras, DefaultFramingPutsThePlayerNearOneEdgeOfEachViewLookingAcross) {
    UpdateViewCameras(view, tuning, 0);
    const tvec3 player{0, 0, 0};
    // From above (forward is up the screen): the player near the bottom edge, the ground 30 units
    // ahead still in view.
    const ScreenPoint topPlayer = Project(view.topView, {0, 0, -1}, player);
    EXPECT_NEAR(topPlayer.x, 0, 1e-4);
    EXPECT_NEAR(topPlayer.y, -0.9f, 1e-3);
    EXPECT_TRUE(OnScreen(Project(view.topView, {0, 0, -1}, {0, 0, -30})));
    EXPECT_FALSE(OnScreen(Project(view.topView, {0, 0, -1}, {0, 0, 5})));
    // From the side: the player near one side edge and below the middle, 20 units ahead in view.
    const ScreenPoint sidePlayer = Project(view.sideView, {0, 1, 0}, player);
    EXPECT_NEAR(std::fabs(sidePlayer.x), 0.9f, 1e-3);
    EXPECT_NEAR(sidePlayer.y, -0.8f, 1e-3);
    EXPECT_TRUE(OnScreen(Project(view.sideView, {0, 1, 0}, {0, 0, -20})));
    EXPECT_TRUE(OnScreen(Project(view.sideView, {0, 1, 0}, {0, 12, 0})));  // the top of a jump
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
