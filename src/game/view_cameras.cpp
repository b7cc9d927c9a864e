#include "game/view_cameras.h"

#include <cmath>

namespace {

constexpr float kNearestSideDistance = 100.0f;
constexpr float kFarthestSideDistance = 500.0f;
constexpr float kZoomPerWheelCount = 0.001f;

float VisibleSize(float fovy, float distance) {
    return 2.0f * std::tan(DegToRad(fovy / 2.0f)) * std::fabs(distance);
}

void ApplyWheel(ViewState& view, const Tuning& tuning, float distance) {
    if (distance == 0.0f) return;
    const float sideDistance = std::fabs(view.sideView.eye.x - distance);
    if (sideDistance <= kNearestSideDistance || sideDistance >= kFarthestSideDistance) return;
    view.sideView.eye.x -= distance;
    // Both cameras keep their distances in the configured proportion.
    if (tuning.FROM_X != 0.0f) view.topView.eye.y -= distance * tuning.FROM_Y / tuning.FROM_X;
}

}  // namespace

void ResetViewCameras(ViewState& view, const Tuning& tuning) {
    view.topView.eye.y = tuning.FROM_Y;
    view.topView.centre.y = 0;
    view.sideView.eye.x = tuning.FROM_X;
    view.sideView.centre.x = 0;
}

void UpdateViewCameras(ViewState& view, const Tuning& tuning, float wheelDelta) {
    ApplyWheel(view, tuning, wheelDelta);

    tviewcamera& top = view.topView;
    tviewcamera& side = view.sideView;
    view.sideLightPosition = {-100, 0, side.eye.x, 1};
    view.topLightPosition = {0, top.eye.y, -3, 1};

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

void ZoomChaseCamera(ViewState& view, int32_t wheelCounts) {
    if (wheelCounts == 0) return;
    const float zoom = view.cameraZoom + static_cast<float>(wheelCounts) * kZoomPerWheelCount;
    if (zoom >= kMinCameraZoom && zoom <= kMaxCameraZoom) view.cameraZoom = zoom;
}

tvec3 ChaseCameraOffset(const ViewState& view, const Tuning& tuning) {
    const float zoom = view.cameraZoom;
    return {zoom * tuning.FROM2_X, zoom * tuning.FROM2_Y, zoom * tuning.FROM2_Z};
}
