#include "game/match_statistics.h"

#include <algorithm>

tstatisticstable BuildStatisticsTable(std::span<const tplayerinfo> players) {
    tstatisticstable table;
    for (const tplayerinfo& player : players) {
        if (player.team > 1) continue;
        auto& side = player.team == 0 ? table.blue : table.red;
        side.push_back({player.name.Text(), player.frags, player.deaths});
    }
    const auto moreKills = [](const tstatisticsrow& a, const tstatisticsrow& b) {
        return a.kills > b.kills;
    };
    std::stable_sort(table.blue.begin(), table.blue.end(), moreKills);
    std::stable_sort(table.red.begin(), table.red.end(), moreKills);
    return table;
}
