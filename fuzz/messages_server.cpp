// The server's receive handler fed arbitrary datagrams in a hosted game in progress, with its
// periodic duties in between; the tables must stay within their bounds and consistent.
#include <algorithm>

#include "fuzz_net_state.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ManualClock clock(1000);
    static DiscardingNetwork network;
    static const Game start = HostedGameInProgress(clock, network);
    Game game = start;
    ForEachDatagram(data, size, [&](const Datagram& datagram, uint8_t sender) {
        UDPServUDPRead(game, datagram);
        if (sender & 0x40) RunServerFrameDuties(game);
        if (sender & 0x80) {
            clock.Advance(2000);
            RunServerTimeoutCheck(game);
        }
        const Server& server = game.server;
        Require(server.serverPlayers.size() <= static_cast<size_t>(kMaxPlayers));
        Require(server.lastHeard.size() == server.serverPlayers.size());
        Require(server.mapIndex >= 0 && server.mapIndex < 3);
        for (const tfeedbackrec& record : server.departures) {
            Require(!record.recipients.empty());
        }
    });
    return 0;
}
