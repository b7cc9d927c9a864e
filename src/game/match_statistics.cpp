#include "game/match_statistics.h"

#include <utility>

namespace {

// Each row is compared with every row below it and the two change places when the lower one
// has more kills. Equal kills are never swapped with each other, but a row carried down past
// its equals by a swap lands behind them: players see this order, so it is kept as it is.
void OrderByKills(std::vector<tstatisticsrow>& rows) {
    for (size_t i = 0; i < rows.size(); ++i) {
        for (size_t j = i + 1; j < rows.size(); ++j) {
            if (rows[i].kills < rows[j].kills) std::swap(rows[i], rows[j]);
        }
    }
}

}  // namespace

tstatisticstable BuildStatisticsTable(std::span<const tplayerinfo> players) {
    tstatisticstable table;
    for (const tplayerinfo& player : players) {
        if (player.team > 1) continue;
        auto& side = player.team == 0 ? table.blue : table.red;
        side.push_back({player.name.Text(), player.frags, player.deaths});
    }
    OrderByKills(table.blue);
    OrderByKills(table.red);
    return table;
}
