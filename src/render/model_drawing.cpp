#include "render/model_drawing.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "game/spawn_protection.h"
#include "render/gl_state.h"
#include "render/model_runs.h"

namespace {

constexpr float kNearCylinderDistance = 20.0f;

enum class DrawSource { kModelArrays, kPlayerBuffers };

struct PartList {
    std::vector<tmeshpart>& parts;
    VertexSetHalf half;
};

// Binds the run's texture; a run without a resolvable picture keeps whatever is bound.
void BindRunTexture(tgeomobject& object, const ttexrun& run, const TextureTable& textures) {
    const int32_t slot = RunSlot(object, run, textures);
    if (slot != -1) BindTextureSlot(textures, slot);
}

// The model's place and yaw, then the part's pitch about its pivot in the current pose.
void ApplyPartTransform(const tgeomobject& object, const tmeshpart& part, int32_t frame) {
    glTranslatef(object.position.x, object.position.y, object.position.z);
    glRotatef(object.yaw, 0, 1, 0);
    const tvec3 pivot = part.position + part.frames[static_cast<size_t>(frame)].delta;
    glTranslatef(pivot.x, pivot.y, pivot.z);
    glRotatef(part.pitch, 1, 0, 0);
    glTranslatef(-pivot.x, -pivot.y, -pivot.z);
}

void DrawRunFromBuffers(const tmeshpart& part, int32_t frame, const VertexBufferSet& buffers,
                        VertexSetHalf half) {
    const int64_t first = static_cast<int64_t>(part.vertexStart) +
                          static_cast<int64_t>(frame) * part.verticesPerFrame;
    if (first > INT32_MAX) return;
    DrawVertexRange(buffers, half, static_cast<int32_t>(first), part.verticesPerFrame);
}

// One run of a player in the pose `frame`, from the player buffers, binding the half it needs
// unless `boundHalf` already holds it.
void DrawPlayerRun(const tgeomobject& player, const tmeshpart& part, int32_t frame,
                   VertexSetHalf half, const VertexBufferSet& buffers,
                   std::optional<VertexSetHalf>& boundHalf) {
    if (boundHalf != half) BindVertexSet(buffers, half);
    boundHalf = half;
    glPushMatrix();
    ApplyPartTransform(player, part, frame);
    DrawRunFromBuffers(part, frame, buffers, half);
    glPopMatrix();
}

// Hands `visit` every run whose part has a pose in `look`, with that pose and the half its
// elements are in.
template <typename Visit>
void ForEachPosedRun(tgeomobject& object, PoseLook look, Visit visit) {
    for (PartList list : {PartList{object.triangleParts, VertexSetHalf::kTriangles},
                          PartList{object.quadParts, VertexSetHalf::kQuads}}) {
        for (size_t index = 0; index < list.parts.size(); ++index) {
            tmeshpart& part = list.parts[index];
            auto& runs = list.half == VertexSetHalf::kTriangles ? part.triangleRuns : part.quadRuns;
            const int32_t frame = ShownPose(part, look);
            if (frame < 0) continue;
            for (ttexrun& run : runs) visit(part, frame, run, list.half);
        }
    }
}

void DrawParts(tgeomobject& object, const TextureTable& textures, PoseLook look, DrawSource source,
               const VertexBufferSet* playerBuffers) {
    std::optional<VertexSetHalf> boundHalf;
    ForEachPosedRun(object, look,
                    [&](tmeshpart& part, int32_t frame, ttexrun& run, VertexSetHalf half) {
                        BindRunTexture(object, run, textures);
                        if (source == DrawSource::kPlayerBuffers) {
                            DrawPlayerRun(object, part, frame, half, *playerBuffers, boundHalf);
                            return;
                        }
                        glPushMatrix();
                        ApplyPartTransform(object, part, frame);
                        DrawVertices(RunVertices(object, part, frame, run, half), half);
                        glPopMatrix();
                    });
    glDisable(GL_TEXTURE_2D);
}

// What a recorded player run is drawn with: a texture slot, or one of these.
constexpr int32_t kPictureAsFound = -1;  // texturing as it was when the players began
constexpr int32_t kUntextured = -2;      // after a player ended without a slot of its own

// A player's run as recorded for drawing later: the pose it showed and the picture it was to be
// drawn with.
struct RecordedRun {
    const tgeomobject* player = nullptr;
    const tmeshpart* part = nullptr;
    int32_t frame = 0;
    VertexSetHalf half = VertexSetHalf::kTriangles;
    int32_t picture = kPictureAsFound;
};

std::vector<RecordedRun>& RecordedRunScratch() {
    thread_local std::vector<RecordedRun> runs;
    return runs;
}

void SetPicture(const TextureTable& textures, int32_t picture) {
    if (picture == kUntextured) glDisable(GL_TEXTURE_2D);
    if (picture >= 0) BindTextureSlot(textures, picture);
}

}  // namespace

void DrawModel(tgeomobject& object, const TextureTable& textures) {
    // The arrays point into the model, not into a buffer, and are switched on only for this
    // model: callers draw small models with the arrays on or off.
    const GLboolean arraysOn = glIsEnabled(GL_VERTEX_ARRAY);
    ArbBuffers().glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
    if (!arraysOn) EnableVertexArrays();
    DrawParts(object, textures, PoseLook::kStepped, DrawSource::kModelArrays, nullptr);
    if (!arraysOn) DisableVertexArrays();
}

void DrawPlayerModel(tgeomobject& object, const TextureTable& textures,
                     const VertexBufferSet& playerBuffers, PoseLook look) {
    DrawParts(object, textures, look, DrawSource::kPlayerBuffers, &playerBuffers);
}

void DrawPlayerModelsByPicture(std::span<MatchPlayer> players, size_t skipped,
                               const TextureTable& textures, const VertexBufferSet& playerBuffers,
                               PoseLook look, uint32_t now) {
    std::vector<RecordedRun>& runs = RecordedRunScratch();
    runs.clear();
    // The picture each run would show drawn player by player: a run without a slot of its own
    // keeps the one before it, and each player ends with texturing off.
    int32_t picture = kPictureAsFound;
    bool allOpaque = true;
    for (size_t i = 0; i < players.size(); ++i) {
        if (i == skipped || !players[i].hasModel || PlayerBlinkedOut(players[i], now)) continue;
        tgeomobject& player = players[i].model;
        ForEachPosedRun(player, look,
                        [&](tmeshpart& part, int32_t frame, ttexrun& run, VertexSetHalf half) {
                            const int32_t slot = RunSlot(player, run, textures);
                            if (slot >= 0 && slot < kTextureSlotCount) picture = slot;
                            allOpaque = allOpaque && IsOpaqueSlot(textures, picture);
                            runs.push_back({&player, &part, frame, half, picture});
                        });
        picture = kUntextured;
    }
    // Opaque pictures hide what they cover whatever the order, so runs that share a buffer half
    // and a picture are drawn together. Anything see-through keeps the order.
    if (allOpaque) {
        std::stable_sort(runs.begin(), runs.end(), [](const RecordedRun& a, const RecordedRun& b) {
            return std::pair(a.half, a.picture) < std::pair(b.half, b.picture);
        });
    }
    std::optional<VertexSetHalf> boundHalf;
    std::optional<int32_t> shownPicture;
    for (const RecordedRun& run : runs) {
        if (shownPicture != run.picture) SetPicture(textures, run.picture);
        shownPicture = run.picture;
        DrawPlayerRun(*run.player, *run.part, run.frame, run.half, playerBuffers, boundHalf);
    }
    glDisable(GL_TEXTURE_2D);
}

bool PlayerBlinkedOut(const MatchPlayer& player, uint32_t now) {
    constexpr int32_t kBlinkHalfMs = 125;
    const int32_t left = SpawnProtectionLeft(player, now);
    return left > 0 && (left / kBlinkHalfMs) % 2 == 1;
}

void DrawCylinder(const tgeomobject& cylinder, const TextureTable& textures,
                  const VertexBufferSet& arenaBuffers, int32_t capSlot, int32_t sideSlot) {
    BindTextureSlot(textures, capSlot);
    BindVertexSet(arenaBuffers, VertexSetHalf::kTriangles);
    DrawVertexRange(arenaBuffers, VertexSetHalf::kTriangles, cylinder.arenaTriangleStart,
                    cylinder.arenaTriangleVertices);
    BindTextureSlot(textures, sideSlot);
    BindVertexSet(arenaBuffers, VertexSetHalf::kQuads);
    DrawVertexRange(arenaBuffers, VertexSetHalf::kQuads, cylinder.arenaQuadStart,
                    cylinder.arenaQuadVertices);
}

bool IsNearCylinder(std::span<const tcylinderbounds> cylinderBounds, int32_t k, tvec3 player) {
    if (k < 0 || static_cast<size_t>(k) + 1 >= cylinderBounds.size()) return false;
    const tcylinderbounds& bounds = cylinderBounds[static_cast<size_t>(k) + 1];
    if (!(player.y < bounds.bottom)) return false;
    return std::hypot(player.x - bounds.x, player.z - bounds.z) < kNearCylinderDistance;
}
