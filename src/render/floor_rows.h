// The window rows the floor square fills from one side of the viewport to the other, as the
// current matrix and viewport show it: the sky drawn behind the scene cannot show there, so it is
// scissored to the rows outside them instead of testing every pixel of the window.
#pragma once
#include <array>
#include <cstdint>

// Window rows first..last (bottom-up, as glScissor counts them); empty when last < first.
struct RowSpan {
    int32_t first = 0;
    int32_t last = -1;
    bool Empty() const { return last < first; }
};

// Rows the floor square of half-size `extent` at y = 0 fills edge to edge under the column-major
// matrix `m` (projection and camera in one, as the views set it) in `viewport` (x, y, width,
// height). Leaves a margin of a pixel or two at both ends, and gives none when the floor is seen
// from below (culled).
RowSpan FloorCoveredRows(const std::array<float, 16>& m, const std::array<int32_t, 4>& viewport,
                         float extent);

// The rows of `viewport` the sky may still need once `covered` is filled: one band above or
// below it; the whole viewport when the sky could show on both sides.
RowSpan SkyRows(RowSpan covered, const std::array<int32_t, 4>& viewport);
