// The statistics table of the match group: the "tra_bk" panel in the middle of the window with
// both teams' names, kills and deaths.
#pragma once

struct RenderScene;
struct HudInput;

void DrawStatistics(const RenderScene& scene, const HudInput& hud);
