// The frame loop: RunFrame is one call of the idle handler (one frame), Timer1Timer the 50 ms
// timer. The shell polls the devices into InputState before each frame and draws what RunFrame
// asks for. All time rules read FrameTiming::now, taken once per frame from the game's Clock.
#pragma once
#include <cstdint>

#include "base/clock.h"

struct Game;
struct FrameTiming;

enum class FrameDraw { Nothing, SplitView, ChaseView, Menus };

inline constexpr uint32_t kTimerInterval = 50;
inline constexpr uint32_t kRestartDelay = 5000;

FrameDraw RunFrame(Game& game);
// Every datagram that arrived since the last frame; the shell calls it between frames.
void DrainReceivedDatagrams(Game& game);
// Fires Timer1Timer when 50 ms have passed since it last fired; true when it fired.
bool RunTimerIfDue(Game& game);
void Timer1Timer(Game& game);

// Counts a frame; every 40th frame sets speedFactor from the time the 40 frames took.
void UpdateSpeedFactor(FrameTiming& timing, uint32_t now);
// One frame of input decay of a movement axis towards 0 by `step`, never overshooting.
float DecayAxis(float value, float step);
