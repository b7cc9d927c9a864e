// Builders of the arena's simple objects: upright cylinders (platforms, pillars, the charger) and
// flags. Each returns a tgeomobject with its geometry, parts and texture runs, and loads the
// textures it names (those not yet loaded) with their slots already resolved.
#pragma once
#include <cstdint>
#include <string>

#include "world/geom_object.h"
#include "world/textures.h"

class Gpu;

struct CylinderSpec {
    int32_t segments = 8;  // 0 is taken as 1
    int32_t bands = 1;     // 0 is taken as 1
    uint32_t colour = 0xFFFFFFFF;
    std::string capTexture, sideTexture;
    float radius = 0, height = 0;
    tvec3 centre;
};

// Caps alternate top and bottom by segment (part "cylcap", texture 0); the side runs by segment,
// then band (part "cylside", texture 1), its texture repeating twice around and height/(2 radius)
// times along.
tgeomobject BuildCylinder(const CylinderSpec& spec, TextureTable& textures, Gpu& gpu);

struct FlagSpec {
    uint32_t colour = 255;
    std::string stickTexture = "flstick";
    std::string clothTexture = "flside";
    tvec3 home;
    float stickHeight = 4, stickHalfWidth = 0.05f, clothHeight = 1, clothWidth = 2;
};

// A square stick of four quads and a two-sided cloth at its top, leaning 10 degrees about Z.
tgeomobject BuildFlag(const FlagSpec& spec, TextureTable& textures, Gpu& gpu);
