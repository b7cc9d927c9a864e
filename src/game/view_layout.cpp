#include "game/view_layout.h"

void FormResize(ViewState& view, int32_t width, int32_t height) {
    int32_t half = width / 2;
    view.sideView.x = 0;
    view.sideView.y = 0;
    view.sideView.width = half;
    view.sideView.height = height;
    view.topView.x = half;
    view.topView.y = 0;
    view.topView.width = half;
    view.topView.height = height;
    // A minimised window reports a height of 0; keep the last usable aspect then.
    if (height > 0) {
        float aspect = static_cast<float>(half) / static_cast<float>(height);
        view.sideView.aspect = aspect;
        view.topView.aspect = aspect;
    }
}
