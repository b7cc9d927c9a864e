// The bullet model every machine shows for every bullet: a copy of the level's model from the
// bullet model file, loaded on first use after a level start (the level start empties the texture
// table the model's texture lives in). Without a Gpu or a readable file a bullet still gets the
// usual size, so it collides and flies like any other; it is only not drawn.
#pragma once
#include "world/world.h"

class Gpu;

tbullet NewBulletModel(World& world, Gpu* gpu);
