#include "game/match_winner.h"

MatchWinner WinnerOf(const tgamesettings& settings, std::span<const tplayerinfo> players,
                     const MatchWinner& previous) {
    if (settings.gameType != kDeathMatch) {
        return {settings.redFlag.score < settings.blueFlag.score ? MatchWinner::Side::kBlueTeam
                                                                 : MatchWinner::Side::kRedTeam,
                ""};
    }
    const tplayerinfo* winner = nullptr;
    for (const tplayerinfo& player : players) {
        if (player.frags >= static_cast<int32_t>(settings.fragLimit)) winner = &player;
    }
    if (!winner) return previous;
    return {MatchWinner::Side::kPlayer, winner->name.Text()};
}
