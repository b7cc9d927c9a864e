#include "net/player_models.h"

#include <array>

#include "base/load_error.h"
#include "game/body_record.h"
#include "net/net_io.h"
#include "net/session.h"
#include "world/animation.h"
#include "world/gpu.h"
#include "world/level_start.h"
#include "world/model_loader.h"

namespace {

bool HasModel(const Session& session, int32_t index) {
    return index >= 0 && static_cast<size_t>(index) < session.play.playerModels.size();
}

// The first texture run of part `name` in both part lists gets `frame` as its restart frame.
void SetSkinFrame(tgeomobject& model, const char* name, int32_t frame) {
    int32_t part = FindPart(model, name);
    if (part < 0) return;
    auto setFirst = [&](std::vector<tmeshpart>& parts) {
        if (static_cast<size_t>(part) >= parts.size()) return;
        std::vector<ttexrun>& runs = parts[static_cast<size_t>(part)].triangleRuns;
        if (!runs.empty()) runs.front().textureRestartFrame = frame;
        std::vector<ttexrun>& quadRuns = parts[static_cast<size_t>(part)].quadRuns;
        if (!quadRuns.empty()) quadRuns.front().textureRestartFrame = frame;
    };
    setFirst(model.triangleParts);
    setFirst(model.quadParts);
}

int32_t SkinFrame(const tgeomobject& model, const char* name) {
    int32_t part = FindPart(model, name);
    if (part < 0) return 0;
    const std::vector<ttexrun>& runs = model.triangleParts[static_cast<size_t>(part)].triangleRuns;
    return runs.empty() ? 0 : runs.front().textureRestartFrame;
}

void ApplySkins(tgeomobject& model, const tplayerpresence& player) {
    SetSkinFrame(model, "head", player.headRestartFrame);
    if (player.bodyRestartFrame == 0) return;
    for (const char* part : {"body", "shaulders", "shaulders2"}) {
        SetSkinFrame(model, part, player.bodyRestartFrame);
    }
}

// Loads player.txt; nullopt without a Gpu or a readable file (the player then has no model).
std::optional<tgeomobject> LoadPlayerModel(Session& session) {
    if (!session.services.gpu) return std::nullopt;
    ModelLoadContext context{session.world.textures, *session.services.gpu,
                             session.world.modelVertexCounters};
    // Every player draws the mesh of the level's player template.
    SharedMesh& shared = session.world.sharedMesh;
    try {
        return LoadModel(session.world.playerModelFile, context, shared.triangles != nullptr,
                         shared);
    } catch (const WorldLoadError&) {
        return std::nullopt;
    }
}

tmuzzlemodels BuildMuzzles(Session& session, const tgeomobject& player) {
    tmuzzlemodels muzzles;
    if (!session.services.gpu) return muzzles;
    muzzles.side = BuildMuzzleModel(player, false, session.world.textures, *session.services.gpu);
    muzzles.top = BuildMuzzleModel(player, true, session.world.textures, *session.services.gpu);
    return muzzles;
}

// The aim pitch on the arm and muzzle parts, the reported animation on every part.
void SetPartPitch(std::vector<tmeshpart>& parts, float pitch, int8_t animation) {
    for (tmeshpart& part : parts) {
        if (part.name == "HAND" || part.name == "BSTART") part.pitch = pitch;
        if (part.currentAnimation == animation) continue;
        part.currentAnimation = animation;
        if (animation >= 0 && static_cast<size_t>(animation) < part.animations.size()) {
            tanimation& chosen = part.animations[static_cast<size_t>(animation)];
            if (chosen.finished) chosen.cursor = 0;
        }
    }
}

}  // namespace

tgeomobject BuildMuzzleModel(const tgeomobject& player, bool top, TextureTable& textures,
                             Gpu& gpu) {
    tgeomobject muzzle;
    int32_t bstart = FindPart(player, "bstart");
    if (bstart < 0) return muzzle;
    const tmeshpart& source = player.triangleParts[static_cast<size_t>(bstart)];
    const size_t frames = source.frames.size();

    muzzle.triangles = std::make_shared<std::vector<tmodelvertex>>();
    muzzle.quads = std::make_shared<std::vector<tmodelvertex>>();
    muzzle.quadCount = static_cast<int32_t>(frames);
    tmeshpart fire;
    fire.name = "fire";
    fire.position = source.position;
    fire.firstElement = 0;
    fire.elementsPerFrame = 1;
    fire.verticesPerFrame = 4;
    fire.currentAnimation = -2;
    const tvec3 normal = top ? tvec3{0, 1, 0} : tvec3{-1, 0, 0};
    const float texture[4][2] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    for (size_t i = 0; i < frames; ++i) {
        const tvec3 f = source.frames[i].shift;
        const std::array<tvec3, 4> corners =
            top ? std::array<tvec3, 4>{tvec3{f.x + 0.5f, f.y, f.z - 1},
                                       {f.x - 0.5f, f.y, f.z - 1},
                                       {f.x - 0.5f, f.y, f.z},
                                       {f.x + 0.5f, f.y, f.z}}
                : std::array<tvec3, 4>{tvec3{f.x, f.y + 0.5f, f.z - 1},
                                       {f.x, f.y - 0.5f, f.z - 1},
                                       {f.x, f.y - 0.5f, f.z},
                                       {f.x, f.y + 0.5f, f.z}};
        for (int c = 0; c < 4; ++c) {
            muzzle.quads->push_back({corners[c], normal, texture[c][0], texture[c][1], 0xFFFFFFFF});
        }
        tpartframe frame;
        frame.vertexOffset = static_cast<int32_t>(4 * i);
        frame.elementCount = 1;
        frame.shift = f;
        frame.delta = f - source.frames.front().shift;
        fire.frames.push_back(frame);
        tanimation animation;
        animation.frames = {static_cast<int32_t>(i)};
        fire.animations.push_back(animation);
    }
    ttexrun run;
    run.textureIndex = 0;
    run.elementCount = 1;
    run.textureFrames = 2;
    run.textureAnimated = 1;
    run.textureInterval = 100;
    fire.quadRuns.push_back(run);
    muzzle.quadParts.push_back(std::move(fire));
    muzzle.textureNames = {"mi_fire"};
    muzzle.textureSlots = {-1};
    LoadTextureOnce(textures, gpu, "mi_fire", 2);
    return muzzle;
}

void CreatePlayerModel(Session& session, int32_t index) {
    PlayState& play = session.play;
    const std::vector<tplayerpresence>& players = session.client.players;
    if (index < 0 || static_cast<size_t>(index) >= players.size()) return;
    if (static_cast<size_t>(index) != play.playerModels.size()) return;
    std::optional<tgeomobject> model = LoadPlayerModel(session);
    if (!model) return;
    const tplayerpresence& player = players[static_cast<size_t>(index)];
    model->position = player.position;
    model->yaw = player.yaw;
    model->isBot = player.isBot;
    ApplyPlayerColour(*model, index);
    ApplySkins(*model, player);
    play.muzzleModels.push_back(BuildMuzzles(session, *model));
    play.playerModels.push_back(std::move(*model));
}

void RemovePlayerModel(Session& session, int32_t index) {
    PlayState& play = session.play;
    if (!HasModel(session, index)) return;
    play.playerModels.erase(play.playerModels.begin() + index);
    if (static_cast<size_t>(index) < play.muzzleModels.size()) {
        play.muzzleModels.erase(play.muzzleModels.begin() + index);
    }
}

void ApplyPresenceToModel(Session& session, int32_t index) {
    if (!HasModel(session, index) || static_cast<size_t>(index) >= session.client.players.size())
        return;
    const tplayerpresence& player = session.client.players[static_cast<size_t>(index)];
    tgeomobject& model = session.play.playerModels[static_cast<size_t>(index)];
    model.position = player.position;
    model.yaw = player.yaw;
    model.animationPace = player.animationPace;
    model.dead = player.dead;
    SetPartPitch(model.triangleParts, player.aimPitch, player.animation);
    SetPartPitch(model.quadParts, player.aimPitch, player.animation);
    if (static_cast<size_t>(index) < session.play.muzzleModels.size()) {
        session.play.muzzleModels[static_cast<size_t>(index)].startTime = player.muzzleStartTime;
    }
}

void ReadModelIntoPresence(Session& session, int32_t index) {
    if (!HasModel(session, index) || static_cast<size_t>(index) >= session.client.players.size())
        return;
    const tgeomobject& model = session.play.playerModels[static_cast<size_t>(index)];
    tplayerpresence& player = session.client.players[static_cast<size_t>(index)];
    tplayerinfo body;
    RecordBody(model, body);
    player.position = body.position;
    player.yaw = body.yaw;
    player.animationPace = body.animationPace;
    player.dead = body.dead != 0;
    player.aimPitch = body.aimPitch;
    player.animation = body.animation;
}

void SaveModelTextures(Session& session) {
    std::vector<tplayerpresence>& players = session.client.players;
    for (size_t i = 0; i < players.size() && i < session.play.playerModels.size(); ++i) {
        players[i].headRestartFrame = SkinFrame(session.play.playerModels[i], "head");
        players[i].bodyRestartFrame = SkinFrame(session.play.playerModels[i], "body");
    }
}

void ReloadPlayerModels(Session& session) {
    PlayState& play = session.play;
    const std::vector<tplayerpresence>& players = session.client.players;
    if (!session.services.gpu || play.playerModels.empty()) return;
    // The level start replaced the template mesh; the models are reloaded against it.
    std::vector<int32_t> order;
    int32_t local = session.state.localPlayerIndex;
    if (HasModel(session, local)) order.push_back(local);
    for (int32_t bots = 0; bots < 2; ++bots) {
        for (size_t i = 0; i < play.playerModels.size() && i < players.size(); ++i) {
            if (static_cast<int32_t>(i) != local && players[i].isBot == (bots == 1)) {
                order.push_back(static_cast<int32_t>(i));
            }
        }
    }
    for (int32_t index : order) {
        std::optional<tgeomobject> model = LoadPlayerModel(session);
        if (!model) continue;
        tgeomobject& slot = play.playerModels[static_cast<size_t>(index)];
        model->position = slot.position;
        model->yaw = slot.yaw;
        model->isBot = slot.isBot;
        ApplyPlayerColour(*model, index);
        slot = std::move(*model);
    }
    play.muzzleModels.clear();
    for (const tgeomobject& model : play.playerModels) {
        play.muzzleModels.push_back(BuildMuzzles(session, model));
    }
}

void RestoreModelTextures(Session& session) {
    const std::vector<tplayerpresence>& players = session.client.players;
    for (size_t i = 0; i < players.size() && i < session.play.playerModels.size(); ++i) {
        tgeomobject& model = session.play.playerModels[i];
        SetSkinFrame(model, "head", players[i].headRestartFrame);
        for (const char* part : {"body", "shaulders", "shaulders2"}) {
            SetSkinFrame(model, part, players[i].bodyRestartFrame);
        }
    }
}
