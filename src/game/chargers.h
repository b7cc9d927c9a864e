// Ammunition chargers: the local player refills its spare magazines by walking through one; a
// taken charger comes back after its own interval. Each machine keeps its own charger times.
#pragma once
#include <cstdint>
#include <span>

#include "world/arena.h"
#include "world/vec_math.h"

inline constexpr int32_t kFullSpareMagazines = 5;

// Whether `charger` can be taken (and is drawn) at `now`.
bool ChargerAvailable(const tcharger& charger, uint32_t now);

// The first available charger within 2 units of `position` on every axis refills
// `spareMagazines` unless they are already full. Returns whether one was taken.
bool PickUpCharger(std::span<tcharger> chargers, tvec3 position, uint32_t now,
                   int32_t& spareMagazines);
