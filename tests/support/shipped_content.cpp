#include "support/shipped_content.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "world/model_file.h"
#include "world/model_loader.h"

std::string FileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::filesystem::path> ShippedMaps() {
    std::vector<std::filesystem::path> maps;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(kRunDir / "maps", error)) {
        if (entry.path().extension() == ".map") maps.push_back(entry.path());
    }
    std::sort(maps.begin(), maps.end());
    return maps;
}

void UseShippedContent(World& world) {
    world.textures.texturesDir = kRunDir / "textures";
    world.playerModelFile = kRunDir / "player.txt";
    world.bulletModelFile = kRunDir / "bullet.txt";
}

tgeomobject BuiltModel(const std::filesystem::path& file) {
    const std::string name = file.filename().string();
    ModelVertexCounters counters;
    tgeomobject model;
    BuildModel(ParseModelFile(FileText(file), name), counters, name, model);
    return model;
}

tgeomobject ShippedModel(const char* file) {
    return BuiltModel(kDataDir / file);
}

tgeomobject LoadedPlayerModel(World& world, Gpu& gpu) {
    const ModelLoadContext context{world.textures, gpu, world.modelVertexCounters};
    auto model = LoadModel(world.playerModelFile, context, true, world.sharedMesh);
    if (!model) throw std::runtime_error("no player model " + world.playerModelFile.string());
    return std::move(*model);
}
