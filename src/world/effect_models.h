// The explosion models: one small quad showing the animated "mi_expl" picture, standing upright
// for the side view or lying flat for the top view. The map loader builds both once per level.
#pragma once
#include "world/geom_object.h"
#include "world/textures.h"

class Gpu;

tgeomobject BuildExplosionModel(bool top, TextureTable& textures, Gpu& gpu);
