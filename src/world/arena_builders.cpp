#include "world/arena_builders.h"

#include <algorithm>

#include "world/tessellation.h"

namespace {

ttexrun StillRun(int32_t textureIndex, int32_t offset, int32_t count) {
    ttexrun run;
    run.textureIndex = textureIndex;
    run.elementOffset = offset;
    run.elementCount = count;
    return run;
}

// One pose holding all of the part's elements, so the object draws like any loaded model.
tmeshpart SinglePosePart(std::string name, int32_t elements, int32_t verticesPerElement) {
    tmeshpart part;
    part.name = std::move(name);
    part.elementsPerFrame = elements;
    part.verticesPerFrame = elements * verticesPerElement;
    tpartframe frame;
    frame.elementCount = elements;
    frame.matrix = IdentityMatrix();
    part.frames.push_back(frame);
    return part;
}

int32_t TextureFramesFor(std::string_view name) {
    return name == "PLTEX1" ? kPlayerSkinFrames : 1;
}

// Loads the object's textures that are not loaded yet and resolves every run's slot.
void LoadObjectTextures(tgeomobject& object, TextureTable& textures, Gpu& gpu) {
    for (const std::string& name : object.textureNames)
        LoadTextureOnce(textures, gpu, name, TextureFramesFor(name));
    for (size_t i = 0; i < object.textureNames.size(); ++i)
        ResolveTextureSlot(object, textures, static_cast<int32_t>(i));
}

}  // namespace

tgeomobject BuildCylinder(const CylinderSpec& spec, TextureTable& textures, Gpu& gpu) {
    const PrimitiveShape shape{std::max(spec.segments, 1), std::max(spec.bands, 1), spec.radius,
                               spec.height, spec.colour};
    tgeomobject object;
    object.position = spec.centre;
    object.triangleCount = CylinderTriangleCount(shape);
    object.quadCount = CylinderQuadCount(shape);
    object.triangles =
        std::make_shared<std::vector<tmodelvertex>>(static_cast<size_t>(object.triangleCount) * 3);
    object.quads =
        std::make_shared<std::vector<tmodelvertex>>(static_cast<size_t>(object.quadCount) * 4);
    TessellateCylinder(shape, *object.triangles, *object.quads);

    // The side's lower edge is stretched so the texture keeps its shape on tall cylinders.
    const float scale = spec.radius != 0 ? 0.5f * spec.height / spec.radius : 0.5f;
    for (size_t quad = 0; quad < static_cast<size_t>(object.quadCount); ++quad) {
        (*object.quads)[quad * 4 + 2].t *= scale;
        (*object.quads)[quad * 4 + 3].t *= scale;
    }

    tmeshpart cap = SinglePosePart("cylcap", object.triangleCount, 3);
    cap.triangleRuns.push_back(StillRun(0, 0, object.triangleCount));
    tmeshpart side = SinglePosePart("cylside", object.quadCount, 4);
    side.quadRuns.push_back(StillRun(1, 0, object.quadCount));
    object.triangleParts.push_back(std::move(cap));
    object.quadParts.push_back(std::move(side));
    object.textureNames = {TruncateName(spec.capTexture), TruncateName(spec.sideTexture)};
    object.textureSlots = {-1, -1};
    LoadObjectTextures(object, textures, gpu);
    return object;
}

tgeomobject BuildFlag(const FlagSpec& spec, TextureTable& textures, Gpu& gpu) {
    const float w = spec.stickHalfWidth, h = spec.stickHeight;
    const float c = spec.clothHeight, W = spec.clothWidth;
    struct Quad {
        tvec3 corners[4];
        tvec3 normal;
    };
    const Quad quads[6] = {
        {{{-w, 0, w}, {-w, h, w}, {w, h, w}, {w, 0, w}}, {0, 0, 1}},
        {{{w, 0, w}, {w, h, w}, {w, h, -w}, {w, 0, -w}}, {1, 0, 0}},
        {{{w, 0, -w}, {w, h, -w}, {-w, h, -w}, {-w, 0, -w}}, {0, 0, -1}},
        {{{-w, 0, -w}, {-w, h, -w}, {-w, h, w}, {-w, 0, w}}, {-1, 0, 0}},
        {{{0, h - c, -w}, {0, h, -w}, {0, h, W}, {0, h - c, W}}, {1, 0, 0}},
        {{{0, h - c, W}, {0, h, W}, {0, h, -w}, {0, h - c, -w}}, {1, 0, 0}},
    };
    static constexpr float kTexCoords[4][2] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    const tmatrix lean = RotationZ(10);

    tgeomobject object;
    object.position = spec.home;
    object.quadCount = 6;
    object.triangles = std::make_shared<std::vector<tmodelvertex>>();
    object.quads = std::make_shared<std::vector<tmodelvertex>>();
    for (const Quad& quad : quads) {
        for (int i = 0; i < 4; ++i) {
            tvec3 position = quad.corners[i];
            TransformPoint(position, lean);
            object.quads->push_back(
                {position, quad.normal, kTexCoords[i][0], kTexCoords[i][1], spec.colour});
        }
    }
    tmeshpart flag = SinglePosePart("flag", 6, 4);
    flag.quadRuns.push_back(StillRun(0, 0, 4));
    flag.quadRuns.push_back(StillRun(1, 4, 2));
    object.quadParts.push_back(std::move(flag));
    object.textureNames = {TruncateName(spec.stickTexture.empty() ? "flstick" : spec.stickTexture),
                           TruncateName(spec.clothTexture.empty() ? "flside" : spec.clothTexture)};
    object.textureSlots = {-1, -1};
    LoadObjectTextures(object, textures, gpu);
    return object;
}
