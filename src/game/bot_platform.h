// Bot platform: which arena cylinder a bot stands on. Bots walk only while their next step stays
// on that cylinder's top (the ground, entry 0, reaches 99999 units), so they never walk off an
// edge they cannot see.
#pragma once
#include <cstdint>
#include <span>

#include "world/arena.h"

// The cylinder under feet `halfHeight` below `position`: `current` while the feet stay within 0.1
// of its top and the bot within its reach; otherwise the widest cylinder whose top is within 1 of
// the feet and whose reach holds the bot (the earlier of equally wide ones). -1 when none does,
// or when `current` names no cylinder and none is found.
int32_t FindBotPlatform(std::span<const tcylinderbounds> cylinderBounds, int32_t current,
                        tvec3 position, float halfHeight);

// Horizontal distance from `point` to the axis of `cylinder`.
float DistanceFromAxis(const tcylinderbounds& cylinder, tvec3 point);
