#include "game/player_models.h"

#include <array>

#include "base/load_error.h"
#include "game/match.h"
#include "world/animation.h"
#include "world/gpu.h"
#include "world/level_start.h"
#include "world/model_loader.h"

namespace {

MatchPlayer* SlotOf(Match& match, int32_t index) {
    if (index < 0 || static_cast<size_t>(index) >= match.play.players.size()) return nullptr;
    return &match.play.players[static_cast<size_t>(index)];
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

void WearBodySkin(tgeomobject& model, int32_t frame) {
    for (const char* part : {"body", "shaulders", "shaulders2"}) SetSkinFrame(model, part, frame);
}

// A new model's skins; a body skin of 0 leaves the model's own.
void ApplySkins(MatchPlayer& player) {
    SetSkinFrame(player.model, "head", player.headSkinFrame);
    if (player.bodySkinFrame != 0) WearBodySkin(player.model, player.bodySkinFrame);
}

// Loads player.txt; nullopt without a Gpu or a readable file (the player then has no model).
std::optional<tgeomobject> LoadPlayerModel(Match& match) {
    if (!match.gpu) return std::nullopt;
    ModelLoadContext context{match.world.textures, *match.gpu, match.world.modelVertexCounters};
    // Every player draws the mesh of the level's player template.
    SharedMesh& shared = match.world.sharedMesh;
    try {
        return LoadModel(match.world.playerModelFile, context, shared.triangles != nullptr, shared);
    } catch (const WorldLoadError&) {
        return std::nullopt;
    }
}

tmuzzlemodels BuildMuzzles(Match& match, const tgeomobject& player) {
    tmuzzlemodels muzzles;
    if (!match.gpu) return muzzles;
    muzzles.side = BuildMuzzleModel(player, false, match.world.textures, *match.gpu);
    muzzles.top = BuildMuzzleModel(player, true, match.world.textures, *match.gpu);
    return muzzles;
}

void SetAimPitch(std::vector<tmeshpart>& parts, float pitch) {
    for (tmeshpart& part : parts) {
        if (part.name == "HAND" || part.name == "BSTART") part.pitch = pitch;
    }
}

// The reported animation on every part.
void SetPartAnimation(std::vector<tmeshpart>& parts, int8_t animation) {
    for (tmeshpart& part : parts) {
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

void CreatePlayerModel(Match& match, int32_t index) {
    MatchPlayer* player = SlotOf(match, index);
    if (!player) return;
    std::optional<tgeomobject> model = LoadPlayerModel(match);
    if (!model) return;
    model->position = player->model.position;
    model->yaw = player->model.yaw;
    ApplyPlayerColour(*model, index);
    player->model = std::move(*model);
    player->hasModel = true;
    ApplySkins(*player);
    match.play.muzzleModels[static_cast<size_t>(index)] = BuildMuzzles(match, player->model);
}

void ShowReportedPose(MatchPlayer& player, const tplayerinfo& record) {
    player.model.animationPace = record.animationPace;
    player.dead = record.dead != 0;
    player.animation = record.animation;
    SetPartAnimation(player.model.triangleParts, record.animation);
    SetPartAnimation(player.model.quadParts, record.animation);
}

void ShowMotion(MatchPlayer& player, const tvec3& position, float yaw, float aimPitch) {
    player.model.position = position;
    player.model.yaw = yaw;
    player.aimPitch = aimPitch;
    SetAimPitch(player.model.triangleParts, aimPitch);
    SetAimPitch(player.model.quadParts, aimPitch);
}

void SaveModelTextures(Match& match) {
    for (MatchPlayer& player : match.play.players) {
        if (!player.hasModel) continue;
        player.headSkinFrame = SkinFrame(player.model, "head");
        player.bodySkinFrame = SkinFrame(player.model, "body");
    }
}

void ReloadPlayerModels(Match& match) {
    std::vector<MatchPlayer>& players = match.play.players;
    if (!match.gpu) return;
    // The level start replaced the template mesh; the models are reloaded against it.
    std::vector<int32_t> order;
    int32_t local = match.localPlayerIndex;
    if (SlotOf(match, local)) order.push_back(local);
    for (int32_t bots = 0; bots < 2; ++bots) {
        for (size_t i = 0; i < players.size(); ++i) {
            if (static_cast<int32_t>(i) != local && players[i].isBot == (bots == 1)) {
                order.push_back(static_cast<int32_t>(i));
            }
        }
    }
    for (int32_t index : order) {
        MatchPlayer& player = players[static_cast<size_t>(index)];
        if (!player.hasModel) continue;
        std::optional<tgeomobject> model = LoadPlayerModel(match);
        if (!model) continue;
        model->position = player.model.position;
        model->yaw = player.model.yaw;
        ApplyPlayerColour(*model, index);
        player.model = std::move(*model);
    }
    for (size_t i = 0; i < players.size(); ++i) {
        if (players[i].hasModel) match.play.muzzleModels[i] = BuildMuzzles(match, players[i].model);
    }
}

void RestoreModelTextures(Match& match) {
    for (MatchPlayer& player : match.play.players) {
        if (!player.hasModel) continue;
        SetSkinFrame(player.model, "head", player.headSkinFrame);
        WearBodySkin(player.model, player.bodySkinFrame);
    }
}
