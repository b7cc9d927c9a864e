// Arena: everything one level is built of. The map loader fills it from a map file; collision,
// bots, match rules, the server and the renderer read it. It lives until the next level start.
#pragma once
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "world/geom_object.h"
#include "world/shadow.h"

// A cylinder as collision and culling see it. Entry 0 of a level's list is the ground.
struct tcylinderbounds {
    float x = 0, centreY = 0, z = 0, radius = 0, top = 0, bottom = 0;
};
inline constexpr tcylinderbounds kGroundBounds{0, -50, 0, 99999, 0, -100};

// The shadow buffers hold one disc per arena cylinder, in order, then one at the origin. Each lies
// a little above the floor, at its own height up to kShadowDiscRise higher than the lowest.
inline constexpr int32_t kShadowDiscVertices = 16 * 3;
inline constexpr float kShadowDiscLowest = 0.01f;
inline constexpr float kShadowDiscRise = 0.005f;

struct tspawnpoint {
    float x = 0, y = 0, z = 0, angle = 0;
    int32_t team = 0;  // 0 blue, 1 red
};

struct tcharger {
    float x = 0, y = 0, z = 0;
    int32_t respawnInterval = 0;  // ms
    uint32_t lastTaken = 0;
};

struct tcell {
    std::vector<int32_t> cylinders;  // indices into cylinderBounds, ascending, 0 first
    float centreX = 0, centreZ = 0;
};

struct CollisionGrid {
    std::vector<std::vector<tcell>> rows;  // gridRows rows along z of gridColumns cells along x
    int32_t gridColumns = 0, gridRows = 0;
    float gridCellSize = 0, gridOriginX = 0, gridOriginZ = 0;
};

// A run of consecutive arena cylinders that share a texture slot.
struct tdrawbatch {
    int32_t firstVertex = 0;
    int32_t vertexCount = 0;
    int32_t textureSlot = -1;
};

// Six vertex buffer objects: triangle positions, quad positions, triangle normals, quad normals,
// triangle texture coordinates, quad texture coordinates. Names are 0 until uploaded.
enum VertexBufferIndex {
    kTrianglePositions,
    kQuadPositions,
    kTriangleNormals,
    kQuadNormals,
    kTriangleTexCoords,
    kQuadTexCoords,
    kVertexBufferCount
};
struct VertexBufferSet {
    std::array<uint32_t, kVertexBufferCount> names{};
    int32_t triangleVertices = 0;
    int32_t quadVertices = 0;
};

// A spawn point the server handed out in the current level, and to whom: the level's players
// start apart, and a player asking again gets the same point.
struct SpawnClaim {
    int32_t playerId = 0;
    uint8_t team = 0;
    tvec3 position;
};

// The most spawn points a map may have.
inline constexpr size_t kMaxSpawnPoints = 255;

struct Arena {
    std::string floorTextureName = "floortex";
    std::string skyTextureName = "skytex";
    std::string capTextureName = "cylcap";
    std::string sideTextureName = "cylside";
    int32_t floorTextureSlot = -1, skyTextureSlot = -1;
    int32_t floorExtent = 1000;  // half-size of the drawn floor

    std::vector<tcylinderbounds> cylinderBounds;  // entry k + 1 is arena cylinder k
    std::vector<int32_t> cylinderOrder;           // cylinder indices by descending top
    CollisionGrid collisionGrid;
    std::vector<tgeomobject> arenaCylinders;  // geometry released once in the buffers
    std::vector<tdrawbatch> arenaTriangleBatches, arenaQuadBatches;

    std::vector<tspawnpoint> spawnPoints;
    std::vector<tcharger> chargerPoints;
    tvec3 blueFlagHome, redFlagHome;
    std::vector<SpawnClaim> spawnClaims;  // since the level started

    tgeomobject chargerModel;
    tgeomobject blueFlag, redFlag;
    tgeomobject sideExplosion, topExplosion;
    // Copied for every bullet; loaded on first use (world/bullet_model.h).
    std::optional<tbullet> bulletTemplate;
    bool bulletModelMissing = false;
    tshad playerShadow{16};

    VertexBufferSet arenaBuffers, playerBuffers, shadowBuffers;
    // Per arena cylinder: its shadow disc lies inside it, so a view that shows the cylinder whole
    // hides the disc.
    std::vector<bool> shadowDiscInside;
};

// Whether `position` is one of the level's spawn points (as a placement sent for it would be).
inline bool IsSpawnPoint(const Arena& arena, const tvec3& position) {
    constexpr float kSame = 0.01f;
    for (const tspawnpoint& spawn : arena.spawnPoints) {
        if (std::abs(spawn.x - position.x) < kSame && std::abs(spawn.y - position.y) < kSame &&
            std::abs(spawn.z - position.z) < kSame)
            return true;
    }
    return false;
}
