// FormResize: keeps the split view's two viewports in step with the window: the side view takes
// the left half, the top view the right half (width W div 2 each), both the full height.
#pragma once
#include <cstdint>

#include "game/view_state.h"

void FormResize(ViewState& view, int32_t width, int32_t height);
