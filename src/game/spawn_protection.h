// Spawn protection: for a moment after a player comes into play it takes no hits and the bots look
// past it, so that a newcomer sees where it stands before anybody can shoot it. Its own first shot
// ends the moment early: a protected player does not get to fire for free.
//
// Every machine keeps it for every player from what it sees: its own player and its bots from
// their placement, another machine's player from the report that shows it alive again, a newcomer
// from its seat. The machine that decides a bullet's hit (the shooter's) reads its own view.
#pragma once
#include <cstdint>

struct MatchPlayer;

inline constexpr int32_t kSpawnProtectionMs = 1500;

// The player comes into play now: protected from `now` on.
void ProtectSpawn(MatchPlayer& player, uint32_t now);
// It fired: the protection ends.
void EndSpawnProtection(MatchPlayer& player);
bool SpawnProtected(const MatchPlayer& player, uint32_t now);
// Milliseconds of protection left (0 when unprotected), for the HUD and the model's shimmer.
int32_t SpawnProtectionLeft(const MatchPlayer& player, uint32_t now);
