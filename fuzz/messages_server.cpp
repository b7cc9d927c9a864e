// The server's receive handler fed arbitrary datagrams in a hosted game in progress, with its
// periodic duties in between; the tables must stay within their bounds and consistent, and a
// request for a map reads nothing but a map of the rotation.
#include <algorithm>

#include "fuzz_net_state.h"
#include "net/map_messages.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ManualClock clock(1000);
    static DiscardingNetwork network;
    static const Game start = [] {
        Game game = HostedGameInProgress(clock, network);
        game.maps.store.read = [rotation = game.server.mapList](const std::string& name) {
            Require(std::find(rotation.begin(), rotation.end(), name) != rotation.end());
            // One map of several pieces, one too big to send, one the host lost.
            tservedmap served{.found = name != "arena3.map", .size = 2500, .bytes = {}};
            if (name == "arena2.map") served.size = kMaxTransferredMapBytes + 1;
            if (name == "arena1.map") served.bytes.assign(served.size, 'x');
            return served;
        };
        return game;
    }();
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
