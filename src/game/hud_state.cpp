#include "game/hud_state.h"

void UpdateHudState(HudState& hud, uint32_t now, const tgamesettings& settings,
                    std::span<const tplayerinfo> players) {
    if (settings.gameType != kDeathMatch &&
        static_cast<int32_t>(now - hud.lastBlinkToggle) > HudState::kBlinkHalfPeriodMs) {
        hud.blinkOn = !hud.blinkOn;
        hud.lastBlinkToggle = now;
    }
    hud.winner = settings.gameOver ? WinnerOf(settings, players, hud.winner) : MatchWinner{};
}
