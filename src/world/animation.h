// Model animation: choosing an animation on every part, stepping a part's animation by the clock,
// and stepping animated texture runs. The game step steps every model once per frame
// (StepModelPose); drawing only reads the poses; gameplay selects animations by index. Indices and
// cursors outside a part's lists are never read: such a part shows its first pose.
#pragma once
#include <cstdint>

#include "world/geom_object.h"

// Selects animation `index` on every part; a finished play-once animation restarts from its start.
void SelectAnimation(tgeomobject& model, int32_t index);

// The pose `part`'s animation stands on: the one the next step shows (0 without an animation).
int32_t CursorPose(const tmeshpart& part);

// Advances `part`'s current animation at time `now` (ms) and returns the pose to draw now.
int32_t StepAnimation(const tgeomobject& model, tmeshpart& part, uint32_t now);

// Advances an animated run and returns the texture slot to bind: `slot` plus the run's frame.
int32_t StepTextureRun(ttexrun& run, int32_t slot, uint32_t now);
// The texture frame a run shows: its stepped frame when animated, else its restart frame (a skin).
int32_t ShownTextureFrame(const ttexrun& run);

// Advances the whole model at `now`, as one draw of it did: every part's animation and texture
// frame once per texture run, in part order (triangle parts, then quad parts), and the muzzle
// point (bulletStart) from the "BSTART" triangle part's new pose. An unset pace becomes 1.
void StepModelPose(tgeomobject& model, uint32_t now);
