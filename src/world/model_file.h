// The model file reader: keyword lines, each followed by its value line(s). It turns the text of
// player.txt or bullet.txt into a list of part blocks (cylinders and spheres with their poses and
// animations) and checks the ordering rules the format relies on, so that building the model
// never indexes outside its lists.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "world/geom_object.h"

enum class PartKind { Cylinder, Sphere };

struct ModelBlock {
    PartKind kind = PartKind::Cylinder;
    int typeLine = 0;
    std::string name;
    std::string textureName;
    tvec3 position;
    float radius = 0, height = 0;
    int32_t around = 0, along = 0;  // as written; 0 counts as 1
    uint32_t colour = 0;
    struct Pose {
        tvec3 shift;
        tvec3 rotation;  // degrees about X, Y, Z
    };
    std::vector<Pose> poses;
    std::vector<tanimation> animations;
};

struct ModelDescription {
    std::vector<ModelBlock> blocks;  // in file order
};

// Caps that keep a damaged file from asking for unbounded memory.
inline constexpr size_t kMaxModelBlocks = 256;
inline constexpr size_t kMaxPosesPerBlock = 256;
inline constexpr int32_t kMaxSegments = 256;
inline constexpr int32_t kMaxAnimations = 64;
inline constexpr int32_t kMaxAnimationFrames = 1024;

// Throws WorldLoadError naming `fileName` and the line for a bad number, a broken ordering rule
// (a property before TYPE, ROTATION before SHIFT, more ANIMNAME lines than ANIMATIONS, a frame
// index or CURFRAME outside its block, blocks with different animation lists, SEAT without HEAD).
ModelDescription ParseModelFile(std::string_view text, std::string_view fileName);
