#include "render/model_drawing.h"

#include <cmath>
#include <vector>

#include "render/gl_state.h"
#include "render/model_runs.h"
#include "world/animation.h"

namespace {

constexpr float kNearCylinderDistance = 20.0f;

enum class DrawSource { kModelArrays, kPlayerBuffers };

struct PartList {
    std::vector<tmeshpart>& parts;
    VertexSetHalf half;
};

// Binds the run's texture (advancing its texture frames); a run without a resolvable picture
// keeps whatever is bound.
void BindRunTexture(tgeomobject& object, ttexrun& run, const TextureTable& textures, uint32_t now) {
    const int32_t slot = RunSlot(object, run, textures, now);
    if (slot != -1) BindTextureSlot(textures, slot);
}

// The model's place and yaw, then the part's pitch about its pivot in the current pose.
void ApplyPartTransform(const tgeomobject& object, const tmeshpart& part) {
    glTranslatef(object.position.x, object.position.y, object.position.z);
    glRotatef(object.yaw, 0, 1, 0);
    const tvec3 pivot = part.position + part.frames[static_cast<size_t>(part.currentFrame)].delta;
    glTranslatef(pivot.x, pivot.y, pivot.z);
    glRotatef(part.pitch, 1, 0, 0);
    glTranslatef(-pivot.x, -pivot.y, -pivot.z);
}

void DrawRunFromBuffers(const tmeshpart& part, const VertexBufferSet& buffers, VertexSetHalf half) {
    const int64_t first = static_cast<int64_t>(part.vertexStart) +
                          static_cast<int64_t>(part.currentFrame) * part.verticesPerFrame;
    if (first > INT32_MAX) return;
    DrawVertexRange(buffers, half, static_cast<int32_t>(first), part.verticesPerFrame);
}

void DrawParts(tgeomobject& object, const TextureTable& textures, uint32_t now, DrawSource source,
               const VertexBufferSet* playerBuffers) {
    if (object.animationPace == 0) object.animationPace = 1;
    for (PartList list : {PartList{object.triangleParts, VertexSetHalf::kTriangles},
                          PartList{object.quadParts, VertexSetHalf::kQuads}}) {
        if (source == DrawSource::kPlayerBuffers) BindVertexSet(*playerBuffers, list.half);
        for (size_t index = 0; index < list.parts.size(); ++index) {
            tmeshpart& part = list.parts[index];
            auto& runs = list.half == VertexSetHalf::kTriangles ? part.triangleRuns : part.quadRuns;
            for (ttexrun& run : runs) {
                StepAnimation(object, part, now);
                // A part of a damaged file may have no pose: its elements would be the next part's.
                if (!HasCurrentPose(part)) continue;
                BindRunTexture(object, run, textures, now);
                glPushMatrix();
                ApplyPartTransform(object, part);
                if (list.half == VertexSetHalf::kTriangles && part.name == "BSTART")
                    object.bulletStart = BulletStartOffset(object, static_cast<int32_t>(index));
                if (source == DrawSource::kModelArrays) {
                    DrawVertices(RunVertices(object, part, run, list.half), list.half);
                } else {
                    DrawRunFromBuffers(part, *playerBuffers, list.half);
                }
                glPopMatrix();
            }
        }
    }
    glDisable(GL_TEXTURE_2D);
}

}  // namespace

void DrawModel(tgeomobject& object, const TextureTable& textures, uint32_t now) {
    // The arrays point into the model, not into a buffer, and are switched on only for this
    // model: callers draw small models with the arrays on or off.
    const GLboolean arraysOn = glIsEnabled(GL_VERTEX_ARRAY);
    ArbBuffers().glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
    if (!arraysOn) EnableVertexArrays();
    DrawParts(object, textures, now, DrawSource::kModelArrays, nullptr);
    if (!arraysOn) DisableVertexArrays();
}

void DrawPlayerModel(tgeomobject& object, const TextureTable& textures,
                     const VertexBufferSet& playerBuffers, uint32_t now) {
    DrawParts(object, textures, now, DrawSource::kPlayerBuffers, &playerBuffers);
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
