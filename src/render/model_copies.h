// Many copies of one model's mesh drawn together: the bullets in flight.
#pragma once
#include <cstdint>
#include <span>

#include "world/geom_object.h"
#include "world/textures.h"

// Models that are copies of one mesh (the bullets), looking as DrawModel would draw each: every
// copy's vertices placed in the world here and each run drawn for all copies in one call, those
// wholly outside the view left out. One model at a time, a hundred bullets cost the driver more
// than the rest of a frame's models. Copies of another mesh than the first's are drawn one at a
// time. Leaves the vertex arrays switched as it found them and 2D texturing off.
void DrawModelCopies(std::span<tbullet> copies, const TextureTable& textures);
