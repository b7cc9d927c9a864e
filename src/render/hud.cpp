#include "render/hud.h"

// The HUD is not drawn yet; the renderer already calls it at its place in each view.
void DrawSideViewHud(const RenderScene&) {}
void DrawTopViewHud(const RenderScene&) {}
void DrawWindowHud(const RenderScene&) {}
