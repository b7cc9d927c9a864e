// Model animation: choosing an animation on every part, stepping a part's animation by the clock,
// and stepping animated texture runs. The model drawing calls the steppers each time it draws a
// model; gameplay selects animations by index. Indices and cursors outside a part's lists are
// never read: such a part shows its first pose.
#pragma once
#include <cstdint>

#include "world/geom_object.h"

// Selects animation `index` on every part; a finished play-once animation restarts from its start.
void SelectAnimation(tgeomobject& model, int32_t index);

// Advances `part`'s current animation at time `now` (ms) and returns the pose to draw now.
int32_t StepAnimation(const tgeomobject& model, tmeshpart& part, uint32_t now);

// Advances an animated run and returns the texture slot to bind: `slot` plus the run's frame.
int32_t StepTextureRun(ttexrun& run, int32_t slot, uint32_t now);
