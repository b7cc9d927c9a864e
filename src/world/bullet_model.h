// The bullet model every machine shows for every bullet: a copy of the level's model from the
// bullet model file, loaded once a level has started (the level start empties the texture table
// the model's texture lives in). Without a Gpu or a readable file a bullet still gets the usual
// size, so it collides and flies like any other; it is only not drawn.
#pragma once
#include "world/world.h"

class Gpu;

// Loads the level's bullet model unless it is loaded or known to be missing.
void PrepareBulletModel(World& world, Gpu* gpu);
// A copy of the level's bullet model, or a bare bullet of the usual size when there is none.
tbullet NewBulletModel(const Arena& arena);
