#include "app/view_layout.h"

void FormResize(Renderer& renderer, int32_t width, int32_t height) {
    int32_t half = width / 2;
    renderer.sideView.x = 0;
    renderer.sideView.y = 0;
    renderer.sideView.width = half;
    renderer.sideView.height = height;
    renderer.topView.x = half;
    renderer.topView.y = 0;
    renderer.topView.width = half;
    renderer.topView.height = height;
    // A minimised window reports a height of 0; keep the last usable aspect then.
    if (height > 0) {
        float aspect = static_cast<float>(half) / static_cast<float>(height);
        renderer.sideView.aspect = aspect;
        renderer.topView.aspect = aspect;
    }
}
