// Bot flags: where a bot playing capture the flag heads when no enemy is close. Bots know where
// both flags are (as every player does, from the game settings); they do not take, carry, drop or
// return flags themselves: the flag rules (flags.h) do that when a bot comes near one.
#pragma once
#include <cstddef>
#include <optional>

#include "world/vec_math.h"

struct Match;

// The point bot `bot` walks to: its own flag wherever it is not at home (to return it, or to chase
// the enemy carrying it), home while it carries the enemy flag, the enemy flag while nobody carries
// it. None when a team-mate carries the enemy flag, or outside capture the flag.
std::optional<tvec3> FlagGoal(const Match& match, size_t bot);
