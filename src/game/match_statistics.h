// The statistics table: the player table split by team, each side ordered by kills.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "game/match_records.h"

struct tstatisticsrow {
    std::string name;
    int32_t kills = 0;
    int32_t deaths = 0;
};

struct tstatisticstable {
    std::vector<tstatisticsrow> blue;  // team byte 0
    std::vector<tstatisticsrow> red;   // team byte 1
};

// Rows in table order, then ordered by kills, highest first, by swapping each row with any later
// row of more kills (so players with equal kills may change places). Entries of neither team are
// left out.
tstatisticstable BuildStatisticsTable(std::span<const tplayerinfo> players);
