#include "game/view_cameras.h"

#include <cmath>

namespace {

constexpr float kNearestSideDistance = 100.0f;
constexpr float kFarthestSideDistance = 500.0f;
constexpr float kZoomPerWheelCount = 0.001f;

float VisibleSize(float fovy, float distance) {
    return 2.0f * std::tan(DegToRad(fovy / 2.0f)) * std::fabs(distance);
}

void ApplyWheel(Renderer& renderer, const Tuning& tuning, float distance) {
    if (distance == 0.0f) return;
    const float sideDistance = std::fabs(renderer.sideView.eye.x - distance);
    if (sideDistance <= kNearestSideDistance || sideDistance >= kFarthestSideDistance) return;
    renderer.sideView.eye.x -= distance;
    // Both cameras keep their distances in the configured proportion.
    if (tuning.FROM_X != 0.0f) renderer.topView.eye.y -= distance * tuning.FROM_Y / tuning.FROM_X;
}

}  // namespace

void ResetViewCameras(Renderer& renderer, const Tuning& tuning) {
    renderer.topView.eye.y = tuning.FROM_Y;
    renderer.topView.centre.y = 0;
    renderer.sideView.eye.x = tuning.FROM_X;
    renderer.sideView.centre.x = 0;
}

void UpdateViewCameras(Renderer& renderer, const Tuning& tuning, float wheelDelta) {
    ApplyWheel(renderer, tuning, wheelDelta);

    tviewcamera& top = renderer.topView;
    tviewcamera& side = renderer.sideView;
    renderer.sideLightPosition = {-100, 0, side.eye.x, 1};
    renderer.topLightPosition = {0, top.eye.y, -3, 1};

    top.visibleSize = VisibleSize(top.fovy, top.eye.y - top.centre.y);
    top.eye.x = 0;
    top.eye.z = -tuning.CAM_OFFSET_Z * top.visibleSize;
    top.centre.x = 0;
    top.centre.z = top.eye.z;

    side.visibleSize = VisibleSize(side.fovy, side.eye.x - side.centre.x);
    side.eye.y = tuning.CAM_OFFSET_Y * side.visibleSize;
    side.eye.z = -tuning.CAM_OFFSET_Z * side.visibleSize * side.aspect;
    side.centre.y = side.eye.y;
    side.centre.z = side.eye.z;
}

void ZoomChaseCamera(Renderer& renderer, int32_t wheelCounts) {
    if (wheelCounts == 0) return;
    const float zoom = renderer.cameraZoom + static_cast<float>(wheelCounts) * kZoomPerWheelCount;
    if (zoom >= kMinCameraZoom && zoom <= kMaxCameraZoom) renderer.cameraZoom = zoom;
}

tvec3 ChaseCameraOffset(const Renderer& renderer, const Tuning& tuning) {
    const float zoom = renderer.cameraZoom;
    return {zoom * tuning.FROM2_X, zoom * tuning.FROM2_Y, zoom * tuning.FROM2_Z};
}
