// The one model class, tgeomobject, and its pieces: baked vertices, mesh parts with their poses
// (tpartframe), animations (tanimation) and texture runs (ttexrun). The model loader, the arena
// builders and the effect builders create them; animation stepping and drawing read them.
#pragma once
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "world/vec_math.h"

// Names in models, textures and animations keep at most this many characters.
inline constexpr size_t kShortNameLength = 64;
std::string TruncateName(std::string_view name);

struct tmodelvertex {
    tvec3 position;
    tvec3 normal;
    float s = 0, t = 0;
    uint32_t colour = 0;
};

// A flat array of vertices: 3 per triangle or 4 per quad, in drawing order. Shared between all
// players, who draw one mesh while each keeps its own parts and animation state.
using tvertexarray = std::shared_ptr<std::vector<tmodelvertex>>;

// One pose of a part. Rotation, shift, size and matrices are filled on triangle parts only.
struct tpartframe {
    int32_t vertexOffset = 0;  // frame index * verticesPerFrame
    int32_t elementCount = 0;
    tvec3 delta;     // this frame's SHIFT minus the part's first SHIFT
    tvec3 rotation;  // degrees about X, Y, Z
    tvec3 shift;
    float radius = 0, height = 0;
    tmatrix matrix;   // RotationY(ry) * RotationZ(rz) * RotationX(rx)
    tmatrix inverse;  // RotationX(-rx) * RotationZ(-rz) * RotationY(-ry); all zero for spheres
};

struct ttexrun {
    int32_t textureIndex = -1;  // into the owner's textureNames; negative: untextured
    int32_t elementOffset = 0;
    int32_t elementCount = 0;
    int32_t textureFrames = 0;
    int32_t textureFrame = 0;
    int32_t textureRestartFrame = 0;
    int32_t textureAnimated = 0;
    int32_t textureInterval = 0;
    uint32_t textureLastSwitch = 0;
};

struct tanimation {
    std::string name;
    std::vector<int32_t> frames;  // indices into the part's frames
    int32_t interval = 0;         // ms per step
    int32_t cursor = 0;           // position in frames
    uint32_t lastStep = 0;
    bool playOnce = false;  // "death" and "jump" stop on their last entry
    bool finished = false;
};

struct tmeshpart {
    std::string name;
    bool sphere = false;
    tvec3 position;  // pivot, relative to the model's root
    float pitch = 0;
    int32_t firstElement = 0;
    int32_t elementsPerFrame = 0;
    std::vector<tpartframe> frames;
    int32_t currentFrame = 0;
    std::vector<tanimation> animations;
    int32_t currentAnimation = -1;
    std::vector<ttexrun> triangleRuns;
    std::vector<ttexrun> quadRuns;
    int32_t vertexStart = 0;
    int32_t verticesPerFrame = 0;
};

struct tgeomobject {
    tvec3 position;
    int32_t arenaTriangleStart = 0, arenaQuadStart = 0;
    int32_t arenaTriangleVertices = 0, arenaQuadVertices = 0;
    float yaw = 0;

    tvertexarray triangles;  // triangleCount * 3 vertices
    tvertexarray quads;      // quadCount * 4 vertices
    int32_t triangleCount = 0, quadCount = 0;
    std::vector<tmeshpart> triangleParts;
    std::vector<tmeshpart> quadParts;  // the same parts again, for their quads

    std::vector<std::string> textureNames;
    std::vector<int32_t> textureSlots;  // -1 until resolved

    tvec3 bulletStart;
    float extentRadius = 0, extentHalfHeight = 0;
    float animationPace = 0;  // 0 is read as 1
    float seatDrop = 0;

    // Movement, in units per 15 ms reference frame.
    tvec3 frameVelocity;  // this frame's motion: shortened by collision, then added and zeroed
    tvec3 velocity;       // kept between frames; y is the vertical speed
    float moveSpeed = 0;
    uint32_t runStartTime = 0, runEndTime = 0, jumpStartTime = 0;
    bool airborne = false;
    float headroom = 9999;
};

// A flying bullet: a model plus who fired it.
struct tbullet : tgeomobject {
    int32_t bulletId = 0;
    int32_t ownerIndex = 0;
    // The direction it was fired in (degrees): a player it hits shows the explosion facing it.
    float flightPitch = 0;
    float flightYaw = 0;
};

// Vertices handed out so far in the current model stream; parts remember where they started.
struct ModelVertexCounters {
    int32_t triangleVertices = 0;
    int32_t quadVertices = 0;
};

std::span<const tmodelvertex> TriangleVertices(const tgeomobject& object);
std::span<const tmodelvertex> QuadVertices(const tgeomobject& object);

// Case-insensitive lookups; -1 when absent.
int32_t FindPart(const tgeomobject& object, std::string_view name);
int32_t FindAnimation(const tgeomobject& object, std::string_view name);

// Where a model-space point of `part`, drawn in its current frame, lands in the world: turned by
// the part's pitch about its pivot, then by the model's yaw, then moved to the model's position.
tvec3 PlaceModelPoint(const tgeomobject& object, const tmeshpart& part, tvec3 point);

// The muzzle offset from `position`: the first vertex of the current frame of triangle part
// `partIndex`, pitched about its pivot and turned by the yaw. Zero when the part has no geometry.
tvec3 BulletStartOffset(const tgeomobject& object, int32_t partIndex);
