#include "game/hud_state.h"

#include "game/match_winner.h"

void UpdateHudState(HudState& hud, uint32_t now, const tgamesettings& settings,
                    std::span<const tplayerinfo> players) {
    if (settings.gameType != kDeathMatch &&
        static_cast<int32_t>(now - hud.lastBlinkToggle) > HudState::kBlinkHalfPeriodMs) {
        hud.blinkOn = !hud.blinkOn;
        hud.lastBlinkToggle = now;
    }
    if (settings.gameOver) {
        hud.winnerLine = WinnerLine(settings, players, hud.winnerLine);
    } else {
        hud.winnerLine.clear();
    }
}
