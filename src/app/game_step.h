// RunGameStep: one step of a running match (bots, flags, the local player, bullets, muzzle
// models, integration), called by the frame loop while a level is played.
#pragma once

struct Game;

void RunGameStep(Game& game);
