#include "world/model_loader.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "base/file_bytes.h"
#include "base/load_error.h"
#include "world/tessellation.h"

namespace {

constexpr size_t kMaxModelFileBytes = 4 << 20;

PrimitiveShape ShapeOf(const ModelBlock& block) {
    return {std::max(block.around, 1), std::max(block.along, 1), block.radius, block.height,
            block.colour};
}

struct BlockSize {
    int32_t trianglesPerFrame = 0;
    int32_t quadsPerFrame = 0;
};

BlockSize SizeOf(const ModelBlock& block) {
    const PrimitiveShape shape = ShapeOf(block);
    if (block.kind == PartKind::Cylinder)
        return {CylinderTriangleCount(shape), CylinderQuadCount(shape)};
    return {SphereTriangleCount(shape), SphereQuadCount(shape)};
}

// Cylinder blocks in file order, then sphere blocks in file order.
std::vector<const ModelBlock*> PartOrder(const ModelDescription& description) {
    std::vector<const ModelBlock*> order;
    for (PartKind kind : {PartKind::Cylinder, PartKind::Sphere}) {
        for (const ModelBlock& block : description.blocks) {
            if (block.kind == kind) order.push_back(&block);
        }
    }
    return order;
}

tpartframe TrianglePoseRecord(const ModelBlock& block, size_t poseIndex) {
    const ModelBlock::Pose& pose = block.poses[poseIndex];
    tpartframe frame;
    frame.shift = pose.shift;
    frame.radius = block.radius;
    frame.height = block.height;
    if (block.kind == PartKind::Sphere) {
        frame.matrix = IdentityMatrix();
        return frame;
    }
    const tvec3 r = pose.rotation;
    frame.rotation = r;
    frame.matrix = MultiplyMatrix(MultiplyMatrix(RotationY(r.y), RotationZ(r.z)), RotationX(r.x));
    frame.inverse =
        MultiplyMatrix(MultiplyMatrix(RotationX(-r.x), RotationZ(-r.z)), RotationY(-r.y));
    return frame;
}

void AddPart(const ModelBlock& block, int32_t partIndex, ModelVertexCounters& counters,
             tgeomobject& object, int32_t& nextTriangle, int32_t& nextQuad) {
    const BlockSize size = SizeOf(block);
    tmeshpart triangles, quads;
    for (tmeshpart* part : {&triangles, &quads}) {
        part->name = block.name;
        part->position = block.position;
        part->animations = block.animations;
    }
    triangles.sphere = block.kind == PartKind::Sphere;
    triangles.vertexStart = counters.triangleVertices;
    quads.vertexStart = counters.quadVertices;
    triangles.firstElement = nextTriangle;
    quads.firstElement = nextQuad;
    triangles.elementsPerFrame = size.trianglesPerFrame;
    quads.elementsPerFrame = size.quadsPerFrame;
    triangles.verticesPerFrame = size.trianglesPerFrame * 3;
    quads.verticesPerFrame = size.quadsPerFrame * 4;

    const PrimitiveShape shape = ShapeOf(block);
    for (size_t f = 0; f < block.poses.size(); ++f) {
        const auto frameIndex = static_cast<int32_t>(f);
        const tvec3 delta = block.poses[f].shift - block.poses.front().shift;
        tpartframe triangleFrame = TrianglePoseRecord(block, f);
        triangleFrame.vertexOffset = frameIndex * triangles.verticesPerFrame;
        triangleFrame.elementCount = size.trianglesPerFrame;
        triangleFrame.delta = delta;
        tpartframe quadFrame;
        quadFrame.vertexOffset = frameIndex * quads.verticesPerFrame;
        quadFrame.elementCount = size.quadsPerFrame;
        quadFrame.delta = delta;

        const std::span<tmodelvertex> triangleSpan(
            object.triangles->data() + static_cast<size_t>(nextTriangle) * 3,
            static_cast<size_t>(triangles.verticesPerFrame));
        const std::span<tmodelvertex> quadSpan(
            object.quads->data() + static_cast<size_t>(nextQuad) * 4,
            static_cast<size_t>(quads.verticesPerFrame));
        if (block.kind == PartKind::Cylinder) {
            TessellateCylinder(shape, triangleSpan, quadSpan);
        } else {
            TessellateSphere(shape, triangleSpan, quadSpan);
        }
        const tmatrix* rotation =
            block.kind == PartKind::Cylinder ? &triangleFrame.matrix : nullptr;
        BakePose(triangleSpan, rotation, block.poses[f].shift);
        BakePose(quadSpan, rotation, block.poses[f].shift);

        nextTriangle += size.trianglesPerFrame;
        nextQuad += size.quadsPerFrame;
        counters.triangleVertices += triangles.verticesPerFrame;
        counters.quadVertices += quads.verticesPerFrame;
        triangles.frames.push_back(triangleFrame);
        quads.frames.push_back(quadFrame);
    }

    ttexrun run;
    run.textureIndex = partIndex;
    run.elementCount = size.trianglesPerFrame;
    triangles.triangleRuns.push_back(run);
    run.elementCount = size.quadsPerFrame;
    quads.quadRuns.push_back(run);
    object.triangleParts.push_back(std::move(triangles));
    object.quadParts.push_back(std::move(quads));
    object.textureNames.push_back(block.textureName);
    object.textureSlots.push_back(-1);
}

void PlaceRoot(tgeomobject& object) {
    if (object.triangleParts.empty()) return;
    const tvec3 root = object.triangleParts.front().position;
    object.position = root;
    for (auto* parts : {&object.triangleParts, &object.quadParts}) {
        for (tmeshpart& part : *parts) part.position = part.position - root;
    }
}

void MeasureExtents(tgeomobject& object) {
    object.extentRadius = 0;
    object.extentHalfHeight = 0;
    for (const auto* vertices : {object.triangles.get(), object.quads.get()}) {
        for (const tmodelvertex& v : *vertices) {
            object.extentRadius =
                std::max({object.extentRadius, std::fabs(v.position.x), std::fabs(v.position.z)});
            object.extentHalfHeight = std::max(object.extentHalfHeight, std::fabs(v.position.y));
        }
    }
}

// How far the head sinks in the first pose of the SEAT animation.
float MeasureSeatDrop(const tgeomobject& object) {
    const int32_t seat = FindAnimation(object, "SEAT");
    const int32_t head = FindPart(object, "HEAD");
    if (seat < 0 || head < 0) return 0;
    const tmeshpart& part = object.triangleParts[static_cast<size_t>(head)];
    if (static_cast<size_t>(seat) >= part.animations.size() || part.frames.empty()) return 0;
    const auto& seatFrames = part.animations[static_cast<size_t>(seat)].frames;
    if (seatFrames.empty()) return 0;
    const auto first = static_cast<size_t>(seatFrames.front());
    if (first >= part.frames.size()) return 0;
    return part.frames.front().shift.y - part.frames[first].shift.y;
}

int32_t TextureFramesFor(std::string_view name) {
    if (name == "PLTEX1") return kPlayerSkinFrames;
    if (name == "PLTEX2") return 3;
    return 1;
}

// Parses and builds `fileName` into `object`; false when the file does not exist.
bool ReadModel(const std::filesystem::path& fileName, const ModelLoadContext& context,
               bool restartCounters, tgeomobject& object) {
    const auto bytes = ReadFileBytes(fileName, kMaxModelFileBytes);
    if (!bytes) return false;
    const std::string name = fileName.string();
    const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    const ModelDescription description = ParseModelFile(text, name);
    if (restartCounters) context.counters = {};
    BuildModel(description, context.counters, name, object);
    for (const std::string& texture : object.textureNames)
        LoadTextureOnce(context.textures, context.gpu, texture, TextureFramesFor(texture));
    return true;
}

}  // namespace

void BuildModel(const ModelDescription& description, ModelVertexCounters& counters,
                std::string_view fileName, tgeomobject& object) {
    const std::vector<const ModelBlock*> order = PartOrder(description);
    int64_t triangleCount = 0, quadCount = 0;
    for (const ModelBlock* block : order) {
        const BlockSize size = SizeOf(*block);
        const auto poses = static_cast<int64_t>(block->poses.size());
        triangleCount += poses * size.trianglesPerFrame;
        quadCount += poses * size.quadsPerFrame;
    }
    if (triangleCount * 3 > kMaxModelVertices || quadCount * 4 > kMaxModelVertices)
        ThrowFileError(fileName, "the model has too many vertices");
    object.triangleCount = static_cast<int32_t>(triangleCount);
    object.quadCount = static_cast<int32_t>(quadCount);
    object.triangles = std::make_shared<std::vector<tmodelvertex>>(triangleCount * 3);
    object.quads = std::make_shared<std::vector<tmodelvertex>>(quadCount * 4);

    int32_t nextTriangle = 0, nextQuad = 0;
    for (size_t i = 0; i < order.size(); ++i)
        AddPart(*order[i], static_cast<int32_t>(i), counters, object, nextTriangle, nextQuad);
    PlaceRoot(object);
    MeasureExtents(object);
    object.seatDrop = MeasureSeatDrop(object);
}

std::optional<tgeomobject> LoadModel(const std::filesystem::path& fileName,
                                     const ModelLoadContext& context, bool reuseShared,
                                     SharedMesh& shared) {
    tgeomobject object;
    if (!ReadModel(fileName, context, true, object)) return std::nullopt;
    if (reuseShared) {
        object.triangles = shared.triangles;
        object.quads = shared.quads;
    } else {
        shared.triangles = object.triangles;
        shared.quads = object.quads;
    }
    return object;
}

std::optional<tbullet> LoadBulletModel(const std::filesystem::path& fileName,
                                       const ModelLoadContext& context) {
    tbullet bullet;
    if (!ReadModel(fileName, context, false, bullet)) return std::nullopt;
    return bullet;
}
