#include "game/match_winner.h"

namespace {

// "Победил " and " !" in Windows-1251.
constexpr std::string_view kWonPrefix = "\xCF\xEE\xE1\xE5\xE4\xE8\xEB ";
constexpr std::string_view kWonSuffix = " !";

}  // namespace

std::string WinnerLine(const tgamesettings& settings, std::span<const tplayerinfo> players,
                       std::string_view previousLine) {
    if (settings.gameType != kDeathMatch) {
        return settings.redFlag.score < settings.blueFlag.score ? "Blue team is the winner"
                                                                : "Red team is the winner";
    }
    const tplayerinfo* winner = nullptr;
    for (const tplayerinfo& player : players) {
        if (player.frags >= static_cast<int32_t>(settings.fragLimit)) winner = &player;
    }
    if (!winner) return std::string(previousLine);
    std::string line(kWonPrefix);
    line += winner->name.View();
    line += kWonSuffix;
    return line;
}
