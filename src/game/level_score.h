// Level score: what ends a level. Each kill the server accepts counts for its killer (and, in
// team deathmatch, for the killer's team); captures count in the flags' records. The limit is
// tested every time one of these changes, so two kills within one state report, or a kill whose
// killer's report is still on its way, end the level as surely as one. The server (hosted or
// dedicated) keeps one LevelScore per level and clears it when a level starts.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "game/match_records.h"

struct LevelScore {
    // Kills this level, by the killer's id, as the server accepted them.
    std::vector<std::pair<int32_t, int32_t>> killsById;
};

// The highest frag limit a level can reach: a player's frags are a signed byte that stops here.
inline constexpr int32_t kHighestFragLimit = kMostFrags;

// A new level: nobody has killed yet, both teams start at nought.
void ClearLevelScore(LevelScore& score, tgamesettings& settings);
// The server accepted a kill by `killerId` of team `killerTeam`.
void CountAcceptedKill(LevelScore& score, tgamesettings& settings, int32_t killerId,
                       uint8_t killerTeam);
// Whether the level's limit is reached: the most kills of a player (deathmatch), of a team (team
// deathmatch) or the most captures (capture the flag). A limit of 0 never ends a level.
bool LevelLimitReached(const LevelScore& score, const tgamesettings& settings);

// A frag limit typed by a player or given on the command line: 0 (no limit) to
// kHighestFragLimit, else what is wrong with it.
std::optional<std::string> FragLimitError(int64_t limit);
