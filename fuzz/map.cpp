// Fuzzes the map reader and the level built from what it accepts: no map may make the loader
// index outside its lists or ask for unbounded memory.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/load_error.h"
#include "base/random.h"
#include "world/map_loader.h"
#include "world/null_gpu.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const MapDescription map = ParseMapFile(text, "fuzz.map");
        NullGpu gpu;
        Random random;
        World world;
        world.textures.texturesDir = "/nonexistent";
        world.playerModelFile = "/nonexistent/player.txt";
        ResetTextureSlots(world.textures, gpu);
        LoadMap(world, gpu, random, {2, 8}, map, "fuzz.map");
        for (const auto& row : world.arena.collisionGrid.rows) {
            for (const tcell& cell : row) {
                if (cell.cylinders.empty() || cell.cylinders[0] != 0) __builtin_trap();
            }
        }
    } catch (const WorldLoadError&) {
    }
    return 0;
}
