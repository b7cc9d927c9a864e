// The HUD's entry points as the scene renderer calls them, each with an identity matrix and the
// viewport it names already set. Their content (scores, messages, ammunition, reload bar,
// statistics, winner and connection notices) is drawn by the HUD; until it exists they draw
// nothing.
#pragma once

struct RenderScene;

// Side viewport: kills and deaths, the hidden text line, the message lines.
void DrawSideViewHud(const RenderScene& scene);
// Top viewport: ammunition, chargers and the reload bar.
void DrawTopViewHud(const RenderScene& scene);
// Whole window: statistics, winner, connection and team notices.
void DrawWindowHud(const RenderScene& scene);
