// The HUD: the flat layer over the 3D views, drawn from the scene's HudInput (nothing without
// one). The views call the three groups with the viewport each belongs in already set: the
// split view draws the player group in its side (left) viewport, the ammunition group in its
// top (right) viewport and the match group over the whole window; the chase view draws all
// three over the whole window, ammunition first.
#pragma once
#include <cstdint>

struct RenderScene;

// Kills and deaths, the hidden line (Ctrl+I) and the message lines.
void DrawPlayerHud(const RenderScene& scene);
// Rounds left, spare magazines and the reload bar.
void DrawAmmunitionHud(const RenderScene& scene, uint32_t now);
// Key hint, statistics table, winner, connection notice, team scores and flag warnings.
void DrawMatchHud(const RenderScene& scene);
