// RunGameStep: one step of a running match (bots, flags, the local player, bullets, muzzle
// models, integration), called by the frame loop while a level is played.
#pragma once

struct Game;

void RunGameStep(Game& game);
// Explosions past their lifetime leave; runs every frame, in menus as well as in play.
void RemoveOldExplosions(Game& game);
