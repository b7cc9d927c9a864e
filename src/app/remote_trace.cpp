#include "app/remote_trace.h"

#include <cstdlib>

#include "app/game.h"

void OpenRemoteTraceFromEnvironment(Game& game) {
    const char* path = std::getenv("ZARNOK_TRACE_REMOTE");
    if (!path || !*path) return;
    game.remoteTrace = std::make_shared<std::ofstream>(path, std::ios::trunc);
}

void TraceRemotePlayers(Game& game) {
    if (!game.remoteTrace || !game.remoteTrace->is_open()) return;
    std::ofstream& trace = *game.remoteTrace;
    const std::vector<MatchPlayer>& players = game.play.players;
    for (size_t i = 0; i < players.size(); ++i) {
        const bool own = static_cast<int32_t>(i) == game.state.localPlayerIndex ||
                         (game.state.hosting && players[i].isBot);
        if (own) continue;
        const tgeomobject& model = players[i].model;
        trace << game.frame.now << ' ' << i << ' ' << model.position.x << ' ' << model.position.y
              << ' ' << model.position.z << ' ' << model.yaw << '\n';
    }
    // Read while the game runs: each frame's lines are out before the next.
    trace.flush();
}
