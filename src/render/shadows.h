// Shadows: flat dark discs on the floor. The static ones under every cylinder come from the
// shadow-disc buffers built with the arena; the moving one under each player is the level's
// shared tshad disc. The caller sets colour and state; these only send geometry.
#pragma once
#include <cstdint>
#include <span>

#include "game/match_player.h"
#include "world/arena.h"
#include "world/shadow.h"

// One fan of the disc's segments around (x, y, z), scaled by `radius`.
void DrawShadowDisc(const tshad& disc, float x, float y, float z, float radius);

// The static discs marked in `shown` (one entry per disc, in the buffers' order), a glDrawArrays
// for each run of neighbours; the caller has switched the arrays on.
void DrawStaticShadows(const VertexBufferSet& shadowBuffers, std::span<const uint8_t> shown);

// A disc at `height` under every player, a quarter of the model's extent wide, also under a
// player in the air.
void DrawPlayerShadows(const tshad& disc, std::span<const MatchPlayer> players, float height);
