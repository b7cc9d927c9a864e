#include "render/model_copies.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "render/model_drawing.h"
#include "render/model_runs.h"
#include "render/view_volume.h"

namespace {

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

PartPlacement PlacePart(const tgeomobject& object, const tmeshpart& part, int32_t frame) {
    const tvec3 pivot = part.position + part.frames[static_cast<size_t>(frame)].delta;
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
    void Add(const tgeomobject& copy, const tmeshpart& part, int32_t frame, const ttexrun& run,
             int32_t slot) {
        if (slot != slot_) Draw();
        slot_ = slot;
        const PartPlacement placement = PlacePart(copy, part, frame);
        const auto source = RunVertices(copy, part, frame, run, half_);
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

// What each copy is, decided once a call: of another mesh than the first (drawn alone), wholly
// out of sight, or to be batched.
enum class CopyFate : uint8_t { kOtherMesh, kOutOfSight, kBatched };

// One list serves every frame, so drawing allocates nothing once it has grown.
std::vector<CopyFate>& FateScratch() {
    thread_local std::vector<CopyFate> fates;
    return fates;
}

const std::vector<CopyFate>& DecideFates(std::span<const tbullet> copies,
                                         const std::array<GLfloat, 16>& matrix) {
    const float reach = ModelReach(copies.front());
    std::vector<CopyFate>& fates = FateScratch();
    fates.clear();
    for (const tbullet& copy : copies) {
        const tvec3 at = copy.position;
        const tcylinderbounds box{at.x, at.y, at.z, reach, at.y + reach, at.y - reach};
        fates.push_back(!SharesMesh(copy, copies.front())       ? CopyFate::kOtherMesh
                        : OutsideViewVolume(matrix.data(), box) ? CopyFate::kOutOfSight
                                                                : CopyFate::kBatched);
    }
    return fates;
}

// Every copy's run `runIndex` of its triangle or quad part `partIndex`, drawn in as few calls as
// the copies' pictures allow.
void DrawRunOfCopies(std::span<tbullet> copies, const std::vector<CopyFate>& fates, bool triangles,
                     size_t partIndex, size_t runIndex, const TextureTable& textures,
                     NormalLean lean) {
    const VertexSetHalf half = triangles ? VertexSetHalf::kTriangles : VertexSetHalf::kQuads;
    CopyBatch batch(textures, half, lean);
    for (size_t i = 0; i < copies.size(); ++i) {
        if (fates[i] != CopyFate::kBatched) continue;
        tbullet& copy = copies[i];
        const tmeshpart& part = (triangles ? copy.triangleParts : copy.quadParts)[partIndex];
        const ttexrun& run = (triangles ? part.triangleRuns : part.quadRuns)[runIndex];
        const int32_t frame = ShownPose(part, PoseLook::kStepped);
        if (frame >= 0) batch.Add(copy, part, frame, run, RunSlot(copy, run, textures));
    }
}

}  // namespace

void DrawModelCopies(std::span<tbullet> copies, const TextureTable& textures) {
    std::array<GLfloat, 16> matrix;
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix.data());
    const std::optional<NormalLean> lean = NormalLean::Of(matrix);
    if (copies.empty() || !lean) {
        for (tbullet& copy : copies) DrawModel(copy, textures);
        return;
    }
    const GLboolean arraysOn = glIsEnabled(GL_VERTEX_ARRAY);
    ArbBuffers().glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
    if (!arraysOn) EnableVertexArrays();
    const tgeomobject& first = copies.front();
    const std::vector<CopyFate>& fates = DecideFates(copies, matrix);
    for (const bool triangles : {true, false}) {
        const auto& parts = triangles ? first.triangleParts : first.quadParts;
        for (size_t part = 0; part < parts.size(); ++part) {
            const size_t runs =
                (triangles ? parts[part].triangleRuns : parts[part].quadRuns).size();
            for (size_t run = 0; run < runs; ++run)
                DrawRunOfCopies(copies, fates, triangles, part, run, textures, *lean);
        }
    }
    if (!arraysOn) DisableVertexArrays();
    glDisable(GL_TEXTURE_2D);
    // Copies of another mesh, one model at a time.
    for (size_t i = 0; i < copies.size(); ++i) {
        if (fates[i] == CopyFate::kOtherMesh) DrawModel(copies[i], textures);
    }
}
