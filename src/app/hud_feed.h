// The one place where the game's state meets the HUD: gathers a frame's HudInput from the
// client, the input, the menus' pictures and language and the HUD's own memory, and steps that
// memory.
#pragma once
#include "game/hud_input.h"

struct Game;

// Once per drawn match frame, before gathering: blink phase and winner.
void StepHudState(Game& game);
// The HudInput of this frame; it points into `game`, so it lives no longer than the frame.
HudInput GatherHudInput(Game& game);
