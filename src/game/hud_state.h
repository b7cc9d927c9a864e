// HudState: what the HUD remembers from one frame to the next (the flag warnings' blink phase
// and the winner announced at the level's end), stepped once per drawn match frame, and the
// storage of what a frame draws.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "game/match_records.h"
#include "game/match_winner.h"

struct HudState {
    static constexpr int32_t kBlinkHalfPeriodMs = 200;

    bool blinkOn = false;  // the flag warnings show while set
    uint32_t lastBlinkToggle = 0;
    MatchWinner winner;  // kNone while the level runs
    // The players' table entries the HUD draws this frame (statistics), and the frame's worded
    // winner and message lines (Windows-1251).
    std::vector<tplayerinfo> table;
    std::string winnerLine;
    std::vector<std::string> messageLines;
    // Levels this run of the program has entered: the key hint shows during the first.
    int32_t levelsEntered = 0;
    std::vector<std::string> keyHint;
};

// Team games flip the blink phase when more than 200 ms passed since the last flip (a period of
// about 400 ms). A finished level names its winner; a running one has none, so a new level never
// shows the last level's winner.
void UpdateHudState(HudState& hud, uint32_t now, const tgamesettings& settings,
                    std::span<const tplayerinfo> players);
