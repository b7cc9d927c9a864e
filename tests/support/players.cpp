#include "support/players.h"

#include <stdexcept>

#include "base/file_bytes.h"
#include "game/body_record.h"
#include "sound/player_channels.h"
#include "world/model_file.h"
#include "world/model_loader.h"

tgeomobject BuiltModel(const std::filesystem::path& file) {
    const auto bytes = ReadFileBytes(file, 1 << 20);
    const std::string text = bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
    const std::string name = file.filename().string();
    ModelVertexCounters counters;
    tgeomobject model;
    BuildModel(ParseModelFile(text, name), counters, name, model);
    return model;
}

tgeomobject ShippedModel() {
    return BuiltModel(std::filesystem::path(ZARNOK_SOURCE_DIR) / "data" / "player.txt");
}

tgeomobject LoadedPlayerModel(World& world, Gpu& gpu) {
    const ModelLoadContext context{world.textures, gpu, world.modelVertexCounters};
    auto model = LoadModel(world.playerModelFile, context, true, world.sharedMesh);
    if (!model) throw std::runtime_error("no player model " + world.playerModelFile.string());
    return std::move(*model);
}

int32_t AddPlayer(Session& session, tgeomobject model, uint8_t team) {
    const size_t slot = session.play.playerModels.size();
    tplayerinfo record;
    record.id = 100 + static_cast<int32_t>(slot);
    record.team = team;
    record.isBot = model.isBot ? 1 : 0;
    RecordBody(model, record);
    tplayerpresence presence;
    presence.isBot = model.isBot;
    presence.position = model.position;
    presence.yaw = model.yaw;

    Client& client = session.client;
    client.players.resize(slot);
    client.players.push_back(presence);
    client.clientPlayers.resize(slot);
    client.clientPlayers.push_back(record);
    if (session.state.hosting) {
        Server& server = session.server;
        server.serverPlayers.resize(slot);
        server.serverPlayers.push_back(record);
        server.lastHeard.resize(slot);
        server.lastHeard.push_back(session.frame.now);
    }
    while (session.sound.playerChannels.size() > slot) RemovePlayerChannels(session.sound, slot);
    AddPlayerChannels(session.sound, team);
    session.play.playerModels.push_back(std::move(model));
    return static_cast<int32_t>(slot);
}

void UseShippedContent(World& world) {
    const std::filesystem::path run(ZARNOK_RUN_DIR);
    world.textures.texturesDir = run / "textures";
    world.playerModelFile = run / "player.txt";
    world.bulletModelFile = run / "bullet.txt";
}
