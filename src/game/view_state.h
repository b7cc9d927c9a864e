// ViewState: the view cameras, the render mode, the chase camera zoom and the light positions.
// The game writes them (FormResize on window changes, the movement step every frame, the wheel);
// the scene renderer only reads them.
#pragma once
#include <array>
#include <cstdint>

#include "world/vec_math.h"

// One camera of the split view. Eye and centre are in the local player's frame.
struct tviewcamera {
    int32_t x = 0;  // viewport rectangle in window pixels
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    float aspect = 1.0f;
    float fovy = 0;  // vertical field of view, degrees
    tvec3 eye;
    tvec3 centre;
    float visibleSize = 0;  // height of the world strip that fills the view at the player
};

inline constexpr float kTopViewFovy = 5.0f;
inline constexpr float kSideViewFovy = 10.0f;
inline constexpr float kMinCameraZoom = 1.0f;
inline constexpr float kMaxCameraZoom = 3.0f;

inline tviewcamera CameraWithLens(float fovy) {
    tviewcamera camera;
    camera.fovy = fovy;
    return camera;
}

struct ViewState {
    tviewcamera topView = CameraWithLens(kTopViewFovy);
    tviewcamera sideView = CameraWithLens(kSideViewFovy);
    bool chaseView = false;  // the render mode: chase view instead of the split view (Q)
    float cameraZoom =
        1.0f;  // scales the chase camera's offset; the wheel moves it (ZoomChaseCamera)
    // Positions the two camera lights take when a view is drawn; they follow the cameras.
    std::array<float, 4> topLightPosition{0, 1000, -3, 1};  // GL_LIGHT0
    std::array<float, 4> sideLightPosition{-100, 0, 0, 1};  // GL_LIGHT1
};
