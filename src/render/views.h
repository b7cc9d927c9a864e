// The two in-game views, one whole 3D frame each (the shell swaps the buffers afterwards):
// the split view (side camera on the left half, top camera on the right) and the chase view
// (one perspective camera behind and above the local player, with a dashed aiming line). An
// empty player list draws only the sky (split) or a white window (chase) and the HUD.
#pragma once
#include <cstdint>

#include "render/scene.h"

void DrawSplitView(const RenderScene& scene, uint32_t now);
void DrawChaseView(const RenderScene& scene, uint32_t now);

// Near plane of the side camera's second pass: 5 units in front of the player's plane, so that
// whatever stands between the camera and the player is cut away.
float SideViewNearPlane(const tviewcamera& side);
