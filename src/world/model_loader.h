// LoadModel and LoadBulletModel: read a model file (player.txt, bullet.txt), tessellate and bake
// every pose of every part, fill the part lists, extents and seat drop, and load the textures the
// parts name. Called at level start (the player template), when players join, and for bullets.
#pragma once
#include <filesystem>
#include <optional>
#include <string_view>

#include "world/geom_object.h"
#include "world/model_file.h"
#include "world/textures.h"

class Gpu;

struct ModelLoadContext {
    TextureTable& textures;
    Gpu& gpu;
    ModelVertexCounters& counters;
};

// The mesh all player instances draw, received from the template.
struct SharedMesh {
    tvertexarray triangles;
    tvertexarray quads;
};

// Each array may hold at most this many vertices.
inline constexpr int64_t kMaxModelVertices = 1 << 20;

// nullopt when the file does not exist (nothing changes then, the counters included); otherwise
// the new model, which the caller puts in place of the old one. Restarts the vertex counters. With
// `reuseShared` the model draws `shared`'s arrays; without, `shared` receives the model's arrays.
// Throws WorldLoadError for a file that cannot be read.
std::optional<tgeomobject> LoadModel(const std::filesystem::path& fileName,
                                     const ModelLoadContext& context, bool reuseShared,
                                     SharedMesh& shared);

// The same for a bullet, continuing the vertex counters where they stand.
std::optional<tbullet> LoadBulletModel(const std::filesystem::path& fileName,
                                       const ModelLoadContext& context);

// The building half, without files or textures: baked geometry, parts, extents and seat drop.
// Throws WorldLoadError naming `fileName` when the model is too large.
void BuildModel(const ModelDescription& description, ModelVertexCounters& counters,
                std::string_view fileName, tgeomobject& object);
