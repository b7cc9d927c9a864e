// Explosions: where bullets ended, shown for 150 ms with their animated texture in both views.
// The bullet steps add one for each hit of this machine's bullets; the ends other machines
// report are turned into explosions once per frame as well.
#pragma once
#include <cstdint>

#include "game/play_state.h"
#include "world/arena.h"

inline constexpr int32_t kExplosionLifetime = 150;  // ms

void AddExplosion(PlayState& play, tvec3 position, float pitch, float sideYaw, float topYaw,
                  uint32_t now);
// Drops, in order, every explosion older than its lifetime (one exactly that old stays).
void ExpireExplosions(PlayState& play, uint32_t now);

// The explosion of a bullet that ended with a hit of `kind` on `index`; nothing for a bullet
// that hit nothing or an index that names nothing.
void ExplodeBullet(PlayState& play, const Arena& arena, const tbullet& bullet, int32_t kind,
                   int32_t index, uint32_t now);
