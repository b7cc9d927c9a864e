// Renderer: the view cameras and render mode the scene renderer draws with (no GL headers here).
// FormResize keeps the split view's two viewports in step with the window.
#pragma once
#include <cstdint>

struct tviewcamera {
    int32_t x = 0;  // viewport rectangle in window pixels
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    float aspect = 1.0f;
};

struct Renderer {
    tviewcamera topView;
    tviewcamera sideView;
    bool chaseView = false;  // draw the chase view instead of the split view
    // First display list of the 18 and 36 pixel glyph sets (codes 0..254), 0 before start-up.
    uint32_t smallFont = 0;
    uint32_t largeFont = 0;
};
