// The local player's death as its own machine shows it: the frame after a kill notice named it,
// every part falls into the death animation and its death sound plays once. Other machines see
// the animation through its state reports.
#pragma once
#include <cstdint>

struct Game;

inline constexpr int32_t kDeathAnimation = 10;

void ShowLocalDeathIfPending(Game& game);
