#include "render/model_drawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "render/gl_state.h"
#include "render/view_volume.h"
#include "world/animation.h"

namespace {

constexpr float kNearCylinderDistance = 20.0f;

enum class DrawSource { kModelArrays, kPlayerBuffers };

struct PartList {
    std::vector<tmeshpart>& parts;
    VertexSetHalf half;
};

bool HasCurrentPose(const tmeshpart& part) {
    return part.currentFrame >= 0 && static_cast<size_t>(part.currentFrame) < part.frames.size();
}

int32_t VerticesPerElement(VertexSetHalf half) {
    return half == VertexSetHalf::kTriangles ? 3 : 4;
}

// Binds the run's texture (advancing its texture frames); a run without a resolvable picture
// keeps whatever is bound.
void BindRunTexture(tgeomobject& object, ttexrun& run, const TextureTable& textures, uint32_t now) {
    if (run.textureIndex < 0) return;
    const int32_t slot = ResolveTextureSlot(object, textures, run.textureIndex);
    if (slot == -1) return;
    BindTextureSlot(textures, StepTextureRun(run, slot, now));
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

// The run's elements of the part's current pose in the model's own vertex array; none when the
// run names elements outside it.
std::span<const tmodelvertex> RunVertices(const tgeomobject& object, const tmeshpart& part,
                                          const ttexrun& run, VertexSetHalf half) {
    const int32_t perElement = VerticesPerElement(half);
    const int32_t frameOffset =
        part.frames[static_cast<size_t>(part.currentFrame)].vertexOffset / perElement;
    const int64_t first = static_cast<int64_t>(part.firstElement) + run.elementOffset + frameOffset;
    const auto vertices =
        half == VertexSetHalf::kTriangles ? TriangleVertices(object) : QuadVertices(object);
    if (first < 0 || run.elementCount <= 0 ||
        (first + run.elementCount) * perElement > static_cast<int64_t>(vertices.size()))
        return {};
    return vertices.subspan(static_cast<size_t>(first * perElement),
                            static_cast<size_t>(run.elementCount * perElement));
}

// Vertices in client memory, in one call.
void DrawVertices(std::span<const tmodelvertex> vertices, VertexSetHalf half) {
    if (vertices.empty()) return;
    const tmodelvertex* base = vertices.data();
    constexpr GLsizei kStride = sizeof(tmodelvertex);
    glVertexPointer(3, GL_FLOAT, kStride, &base->position);
    glNormalPointer(GL_FLOAT, kStride, &base->normal);
    glTexCoordPointer(2, GL_FLOAT, kStride, &base->s);
    glDrawArrays(half == VertexSetHalf::kTriangles ? GL_TRIANGLES : GL_QUADS, 0,
                 static_cast<GLsizei>(vertices.size()));
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

// Where one copy's part puts its vertices, as ApplyPartTransform's matrices would: turned by the
// part's pitch about its pivot and by the model's yaw (`turn`, by rows), then moved by `shift`.
struct PartPlacement {
    float turn[3][3];
    tvec3 shift;

    tvec3 Turn(tvec3 v) const {
        return {turn[0][0] * v.x + turn[0][1] * v.y + turn[0][2] * v.z,
                turn[1][0] * v.x + turn[1][1] * v.y + turn[1][2] * v.z,
                turn[2][0] * v.x + turn[2][1] * v.y + turn[2][2] * v.z};
    }
};

PartPlacement PlacePart(const tgeomobject& object, const tmeshpart& part) {
    const tvec3 pivot = part.position + part.frames[static_cast<size_t>(part.currentFrame)].delta;
    const float pitch = DegToRad(part.pitch), yaw = DegToRad(object.yaw);
    const float cp = std::cos(pitch), sp = std::sin(pitch);
    const float cy = std::cos(yaw), sy = std::sin(yaw);
    // The yaw about Y times the pitch about X.
    PartPlacement placement{{{cy, sy * sp, sy * cp}, {0, cp, -sp}, {-sy, cy * sp, cy * cp}}, {}};
    const tvec3 yawedPivot{cy * pivot.x + sy * pivot.z, pivot.y, -sy * pivot.x + cy * pivot.z};
    placement.shift = object.position + yawedPivot - placement.Turn(pivot);
    return placement;
}

// Copies that can join the first one's draws: the same mesh, split into the same parts and runs.
bool SharesMesh(const tgeomobject& copy, const tgeomobject& first) {
    const auto sameRuns = [](const std::vector<tmeshpart>& a, const std::vector<tmeshpart>& b) {
        if (a.size() != b.size()) return false;
        for (size_t i = 0; i < a.size(); ++i) {
            if (a[i].triangleRuns.size() != b[i].triangleRuns.size() ||
                a[i].quadRuns.size() != b[i].quadRuns.size())
                return false;
        }
        return true;
    };
    return copy.triangles == first.triangles && copy.quads == first.quads &&
           sameRuns(copy.triangleParts, first.triangleParts) &&
           sameRuns(copy.quadParts, first.quadParts);
}

// The fixed-function lighting turns normals by the inverse transpose of the whole modelview
// matrix, which here holds the projection too. Moving a vertex by t on the CPU instead of by the
// matrix changes what that does to its normal; with the matrix's bottom row (c, d), adding
// (n . t) c / d to the turned normal n gives the light it had. Zero without a projection in it.
struct NormalLean {
    tvec3 perShift;  // c / d

    static std::optional<NormalLean> Of(const std::array<GLfloat, 16>& m) {
        const float d = m[15];
        const float largest = std::max({std::fabs(m[3]), std::fabs(m[7]), std::fabs(m[11])});
        // Near d = 0 the lean cannot be given by a normal at all.
        if (!(std::fabs(d) > 1e-4f * largest)) return std::nullopt;
        return NormalLean{{m[3] / d, m[7] / d, m[11] / d}};
    }
    tvec3 Apply(tvec3 normal, tvec3 shift) const {
        const float along = normal.x * shift.x + normal.y * shift.y + normal.z * shift.z;
        return {normal.x + along * perShift.x, normal.y + along * perShift.y,
                normal.z + along * perShift.z};
    }
};

// The gathered vertices of one run of consecutive copies that show the same picture.
class CopyBatch {
  public:
    CopyBatch(const TextureTable& textures, VertexSetHalf half, NormalLean lean)
        : textures_(textures), half_(half), lean_(lean) {
        vertices_.clear();
    }
    CopyBatch(const CopyBatch&) = delete;
    CopyBatch& operator=(const CopyBatch&) = delete;
    ~CopyBatch() { Draw(); }

    // Adds the run's elements of the copy's current pose, placed in the world, drawing what was
    // gathered first if the copy shows another picture (-1: none).
    void Add(const tgeomobject& copy, const tmeshpart& part, const ttexrun& run, int32_t slot) {
        if (slot != slot_) Draw();
        slot_ = slot;
        const PartPlacement placement = PlacePart(copy, part);
        const auto source = RunVertices(copy, part, run, half_);
        const size_t start = vertices_.size();
        vertices_.resize(start + source.size());
        tmodelvertex* placed = vertices_.data() + start;
        for (const tmodelvertex& vertex : source) {
            placed->position = placement.Turn(vertex.position) + placement.shift;
            placed->normal = lean_.Apply(placement.Turn(vertex.normal), placement.shift);
            placed->s = vertex.s;
            placed->t = vertex.t;
            ++placed;
        }
    }

  private:
    void Draw() {
        if (vertices_.empty()) return;
        if (slot_ == -1) {
            glDisable(GL_TEXTURE_2D);
        } else {
            BindTextureSlot(textures_, slot_);
        }
        DrawVertices(vertices_, half_);
        vertices_.clear();
    }

    // One list serves every frame, so drawing allocates nothing once it has grown.
    static inline thread_local std::vector<tmodelvertex> vertices_;
    const TextureTable& textures_;
    VertexSetHalf half_;
    NormalLean lean_;
    int32_t slot_ = -1;
};

// The picture a copy's run shows now, advancing the run's texture frames; -1 for none.
int32_t RunSlot(tgeomobject& copy, ttexrun& run, const TextureTable& textures, uint32_t now) {
    if (run.textureIndex < 0) return -1;
    const int32_t slot = ResolveTextureSlot(copy, textures, run.textureIndex);
    return slot == -1 ? -1 : StepTextureRun(run, slot, now);
}

// Every copy's run `runIndex` of its triangle or quad part `partIndex`, drawn in as few calls as
// the copies' pictures allow.
// How far from its position any vertex of the model can reach, in any pose and pitch: a vertex v
// pitched about a pivot p lands within |v| + 2 |p| of the position.
float ModelReach(const tgeomobject& model) {
    float vertexReach = 0, pivotReach = 0;
    for (const auto vertices : {TriangleVertices(model), QuadVertices(model)}) {
        for (const tmodelvertex& vertex : vertices)
            vertexReach = std::max(
                vertexReach, std::hypot(vertex.position.x, vertex.position.y, vertex.position.z));
    }
    for (const auto* parts : {&model.triangleParts, &model.quadParts}) {
        for (const tmeshpart& part : *parts) {
            for (const tpartframe& frame : part.frames) {
                const tvec3 pivot = part.position + frame.delta;
                pivotReach = std::max(pivotReach, std::hypot(pivot.x, pivot.y, pivot.z));
            }
        }
    }
    return vertexReach + 2 * pivotReach;
}

// What every copy's run is drawn with.
struct CopiesView {
    std::array<GLfloat, 16> matrix;  // the current modelview, projection included
    NormalLean lean;
    float reach;  // ModelReach of the copies' mesh
};

// Every copy's run `runIndex` of its triangle or quad part `partIndex`, drawn in as few calls as
// the copies' pictures allow. Copies wholly out of sight still step their animation and pictures.
void DrawRunOfCopies(std::span<tbullet> copies, bool triangles, size_t partIndex, size_t runIndex,
                     const TextureTable& textures, uint32_t now, const CopiesView& view) {
    CopyBatch batch(textures, triangles ? VertexSetHalf::kTriangles : VertexSetHalf::kQuads,
                    view.lean);
    for (tbullet& copy : copies) {
        if (!SharesMesh(copy, copies.front())) continue;
        tmeshpart& part = (triangles ? copy.triangleParts : copy.quadParts)[partIndex];
        ttexrun& run = (triangles ? part.triangleRuns : part.quadRuns)[runIndex];
        StepAnimation(copy, part, now);
        if (!HasCurrentPose(part)) continue;
        if (triangles && part.name == "BSTART")
            copy.bulletStart = BulletStartOffset(copy, static_cast<int32_t>(partIndex));
        const int32_t slot = RunSlot(copy, run, textures, now);
        const tvec3 at = copy.position;
        const tcylinderbounds box{
            at.x, at.y, at.z, view.reach, at.y + view.reach, at.y - view.reach};
        if (!OutsideViewVolume(view.matrix.data(), box)) batch.Add(copy, part, run, slot);
    }
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

void DrawModelCopies(std::span<tbullet> copies, const TextureTable& textures, uint32_t now) {
    std::array<GLfloat, 16> matrix;
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix.data());
    const std::optional<NormalLean> lean = NormalLean::Of(matrix);
    if (copies.empty() || !lean) {
        for (tbullet& copy : copies) DrawModel(copy, textures, now);
        return;
    }
    for (tbullet& copy : copies) {
        if (copy.animationPace == 0) copy.animationPace = 1;
    }
    const GLboolean arraysOn = glIsEnabled(GL_VERTEX_ARRAY);
    ArbBuffers().glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
    if (!arraysOn) EnableVertexArrays();
    const tgeomobject& first = copies.front();
    const CopiesView view{matrix, *lean, ModelReach(first)};
    for (const bool triangles : {true, false}) {
        const auto& parts = triangles ? first.triangleParts : first.quadParts;
        for (size_t part = 0; part < parts.size(); ++part) {
            const size_t runs =
                (triangles ? parts[part].triangleRuns : parts[part].quadRuns).size();
            for (size_t run = 0; run < runs; ++run)
                DrawRunOfCopies(copies, triangles, part, run, textures, now, view);
        }
    }
    if (!arraysOn) DisableVertexArrays();
    glDisable(GL_TEXTURE_2D);
    // Copies of another mesh, one model at a time.
    for (tbullet& copy : copies) {
        if (!SharesMesh(copy, first)) DrawModel(copy, textures, now);
    }
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
