#include "game/level_score.h"

#include <algorithm>

void ClearLevelScore(LevelScore& score, tgamesettings& settings) {
    score.killsById.clear();
    settings.blueFlag.score = 0;
    settings.redFlag.score = 0;
}

void CountAcceptedKill(LevelScore& score, tgamesettings& settings, int32_t killerId,
                       uint8_t killerTeam) {
    auto killer = std::find_if(score.killsById.begin(), score.killsById.end(),
                               [&](const auto& kills) { return kills.first == killerId; });
    if (killer == score.killsById.end()) {
        score.killsById.push_back({killerId, 1});
    } else {
        ++killer->second;
    }
    if (settings.gameType == kTeamDeathMatch) {
        tteamflag& team = killerTeam == 0 ? settings.blueFlag : settings.redFlag;
        if (team.score < 255) ++team.score;
    }
}

bool LevelLimitReached(const LevelScore& score, const tgamesettings& settings) {
    const int32_t limit = settings.fragLimit;
    if (limit == 0) return false;
    if (settings.gameType != kDeathMatch)
        return std::max(settings.blueFlag.score, settings.redFlag.score) >= limit;
    return std::any_of(score.killsById.begin(), score.killsById.end(),
                       [&](const auto& kills) { return kills.second >= limit; });
}

std::optional<std::string> FragLimitError(int64_t limit) {
    if (limit >= 0 && limit <= kHighestFragLimit) return std::nullopt;
    return "the frag limit is a number from 0 (no limit) to " + std::to_string(kHighestFragLimit);
}
