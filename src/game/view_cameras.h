// The split view's two cameras, kept in the local player's frame: reset when a match starts and
// recomputed by every movement step (wheel distance, lights, framing). Pure arithmetic on the
// ViewState record; the scene renderer reads the result.
#pragma once
#include <cstdint>

#include "config/tuning.h"
#include "game/view_state.h"

// Top camera FROM_Y above the player, side camera FROM_X beside it, both looking at the player.
void ResetViewCameras(ViewState& view, const Tuning& tuning);

// One movement step: the wheel moves both cameras together while the side camera stays between
// 100 and 500 units away, the lights follow the cameras, and each camera is framed so the player
// sits near one edge of its view, looking across it.
void UpdateViewCameras(ViewState& view, const Tuning& tuning, float wheelDelta);

// The wheel's effect on the chase camera: each count moves the zoom by 0.001, and a step that
// would leave [kMinCameraZoom, kMaxCameraZoom] is dropped whole.
void ZoomChaseCamera(ViewState& view, int32_t wheelCounts);
// Where the chase camera sits in the player's frame: the zoom times (FROM2_X, FROM2_Y, FROM2_Z).
tvec3 ChaseCameraOffset(const ViewState& view, const Tuning& tuning);
