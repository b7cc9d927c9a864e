// A small world built in code: a stick figure whose sizes are known exactly (so landing heights
// and touching distances can be worked out by hand), and an arena of a few cylinders on the
// ground, built headless with its collision grid or written as a map file for a real level start.
#pragma once
#include <string>
#include <vector>

#include "world/arena.h"
#include "world/geom_object.h"

namespace test_arena {

// The figure's sizes: centre at the model's origin, feet at -1, head top at +1.
inline constexpr float kHalfHeight = 1.0f;
inline constexpr float kRadius = 0.5f;
inline constexpr float kLegRadius = 0.1f;
inline constexpr float kLegHeight = 1.0f;
inline constexpr float kLegX = 0.15f;  // legs at +-kLegX: a gap of 0.1 between them
// The lowest sampled point of a leg sits half a leg radius above the feet.
inline constexpr float kLowestSample = -kHalfHeight + kLegRadius / 2;
inline constexpr float kSeatDrop = 0.4f;  // the head's drop in the crouched pose
inline constexpr int kCrouchedPose = 1;

// Animation names in index order; 2..6 are crouched, 10 and 11 play once.
inline const std::vector<std::string>& AnimationNames() {
    static const std::vector<std::string> names = {"walk",     "walkback",  "seat",     "seatback",
                                                   "seatleft", "seatright", "seatstay", "run",
                                                   "walkleft", "walkright", "death",    "jump"};
    return names;
}

inline tpartframe Pose(tvec3 shift, float radius, float height) {
    tpartframe frame;
    frame.shift = shift;
    frame.radius = radius;
    frame.height = height;
    frame.matrix = IdentityMatrix();
    frame.inverse = IdentityMatrix();
    return frame;
}

// A part with a standing pose and a crouched one (the crouched pose moved down by `drop`).
inline tmeshpart Part(const std::string& name, bool sphere, tvec3 shift, float radius, float height,
                      float drop) {
    tmeshpart part;
    part.name = name;
    part.sphere = sphere;
    part.position = shift;
    part.frames = {Pose(shift, radius, height),
                   Pose({shift.x, shift.y - drop, shift.z}, radius, height)};
    for (size_t i = 0; i < AnimationNames().size(); ++i) {
        tanimation animation;
        animation.name = AnimationNames()[i];
        const bool crouched = i >= 2 && i <= 6;
        animation.frames = {crouched ? kCrouchedPose : 0};
        animation.interval = 100;
        animation.playOnce = i == 10 || i == 11;
        part.animations.push_back(animation);
    }
    return part;
}

// Legs (the only parts long enough to meet the arena), body, head, arm and muzzle.
inline tgeomobject StickFigure(tvec3 position = {}) {
    tgeomobject figure;
    figure.position = position;
    const float legY = -kHalfHeight + kLegHeight / 2;
    figure.triangleParts = {
        Part("body", false, {0, 0.3f, 0}, 0.25f, 0.6f, kSeatDrop),
        Part("leftleg", false, {-kLegX, legY, 0}, kLegRadius, kLegHeight, 0),
        Part("rightleg", false, {kLegX, legY, 0}, kLegRadius, kLegHeight, 0),
        Part("HEAD", true, {0, 0.8f, 0}, 0.2f, 0.4f, kSeatDrop),
        Part("HAND", false, {0.3f, 0.4f, -0.2f}, 0.05f, 0.3f, kSeatDrop),
        Part("BSTART", false, {0.3f, 0.4f, -0.4f}, 0.02f, 0.04f, kSeatDrop),
    };
    figure.quadParts = figure.triangleParts;
    figure.extentRadius = kRadius;
    figure.extentHalfHeight = kHalfHeight;
    figure.seatDrop = kSeatDrop;
    return figure;
}

// A cylinder of a small arena as a map line gives it: the base at height y.
struct ArenaCylinder {
    float x = 0, y = 0, z = 0, radius = 0, height = 0;
};

// The ground and `cylinders` (entry k + 1 of the bounds is cylinder k), with the collision grid
// the map loader builds over them; with no cylinders the grid covers the area around the origin.
Arena SmallArena(const std::vector<ArenaCylinder>& cylinders);

// The same arena as a map file, for a real level start: one spawn point, at the origin, and
// `chargers`.
std::string SmallArenaMap(const std::vector<ArenaCylinder>& cylinders,
                          const std::vector<tcharger>& chargers = {});

}  // namespace test_arena
