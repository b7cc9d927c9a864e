// Whether a box lies wholly outside the view volume of the current matrix (projection and camera
// in one, as the views set it): every triangle in it would be transformed only for the clipper to
// throw it away, so the passes leave such objects out.
#pragma once
#include "render/gl_state.h"

// The cylinder's bounding box lies wholly beyond one plane of the view volume under the
// column-major matrix `m`: beside, above or below the view, nearer than the near plane or beyond
// the far one.
bool OutsideViewVolume(const GLfloat* m, const tcylinderbounds& bounds);
