// PlainArena: a small arena (support/test_arena.h) written as a map for one test, with every arena
// picture a single flat colour, so a test can tell sky, floor, cylinders and chargers apart by the
// colour of a pixel. The pictures are TGA files in the test's own textures folder.
#pragma once
#include <string>
#include <vector>

#include "support/gl/render_harness.h"
#include "support/picture_files.h"
#include "support/temp_dir.h"
#include "support/test_arena.h"

inline constexpr Rgb kSkyColour{0, 200, 0};
inline constexpr Rgb kFloorColour{100, 100, 100};
inline constexpr Rgb kCylinderColour{0, 0, 200};  // caps and sides alike
inline constexpr Rgb kChargerColour{200, 0, 200};

class PlainArena {
  public:
    // An alpha below 255 makes the whole floor, or every cylinder, see-through.
    explicit PlainArena(uint8_t floorAlpha = 255, uint8_t cylinderAlpha = 255) {
        Picture("skytex", kSkyColour);
        Picture("floortex", kFloorColour, floorAlpha);
        Picture("cylcap", kCylinderColour, cylinderAlpha);
        Picture("cylside", kCylinderColour, cylinderAlpha);
        Picture("chargercap", kChargerColour);
        Picture("charger", kChargerColour);
    }

    // Loads the small arena of these cylinders and chargers into the harness, with its pictures.
    void Load(RenderHarness& harness, const std::vector<test_arena::ArenaCylinder>& cylinders,
              const std::vector<tcharger>& chargers = {}) const {
        dir_.Write("test.map", test_arena::SmallArenaMap(cylinders, chargers));
        harness.world.textures.texturesDir = dir_.path() / "textures";
        harness.LoadMapFile(dir_.path() / "test.map");
    }

  private:
    void Picture(const std::string& name, Rgb colour, uint8_t alpha = 255) const {
        const picture_files::Rgba texel{static_cast<uint8_t>(colour.r),
                                        static_cast<uint8_t>(colour.g),
                                        static_cast<uint8_t>(colour.b), alpha};
        dir_.WriteBytes("textures/" + name + ".tga",
                        picture_files::Tga(4, 4, std::vector<picture_files::Rgba>(16, texel), 32));
    }

    TempDir dir_;
};

// Colours that differ by a few steps are the same colour (filtering, rounding).
inline bool SameColour(Rgb a, Rgb b, int tolerance = 3) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance;
}
