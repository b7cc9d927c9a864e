// Poses: every model's animations, texture runs and muzzle point advance here, once per frame at
// the frame's time, whether or not anything is drawn. Hits are tested against these poses, so a
// host that draws nothing plays the same match as one that does; drawing only reads them.
#pragma once
#include <cstdint>
#include <span>

#include "game/play_state.h"
#include "world/arena.h"

// The players, the bullets in flight, and the level's flag, charger and explosion models.
void StepMatchPoses(PlayState& play, Arena& arena, uint32_t now);
void StepPlayerPoses(std::span<MatchPlayer> players, uint32_t now);
void StepBulletPoses(std::span<tbullet> bullets, uint32_t now);
void StepArenaModelPoses(Arena& arena, uint32_t now);

// Each player's muzzle flashes stand at the player, take the pose of its muzzle and step it.
void FollowPlayersWithMuzzles(PlayState& play, uint32_t now);
