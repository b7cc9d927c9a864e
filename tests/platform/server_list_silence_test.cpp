// The join list with the game's own sockets, each case in a network namespace of its own: why
// the list is empty (the client port held by another socket, no interface that can broadcast, a
// LAN with nobody hosting), and a server on this same machine listed.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "app/frame_loop.h"
#include "app/game.h"
#include "net/net_frame.h"
#include "platform/udp_network.h"
#include "support/own_network_namespace.h"

namespace {

enum class Lan { kPortHeld, kNoInterface, kNobodyHosting, kServerHere };

// The list's first line a few seconds after the join screen opened: a row, or why there is none.
std::string FirstLineOfTheList(Lan lan) {
    UdpNetwork other;  // another program's sockets on this machine
    if (lan == Lan::kPortHeld && !other.Listen(kClientPort)) return "could not hold 7051";
    // A veth pair with both ends here: a LAN of this machine alone.
    if (lan >= Lan::kNobodyHosting &&
        std::system("ip link add zk0 type veth peer name zk1 && ip addr add 10.99.0.1/24 dev zk0 "
                    "&& ip link set zk0 up && ip link set zk1 up && ip route add default dev zk0"))
        return "could not make a LAN";
    ManualClock clock(1000);
    UdpNetwork network;
    Game game;
    game.menus.language = Language::kEnglish;
    game.services.clock = &clock;
    game.services.network = &network;
    OpenNetworkPorts(game);
    tserverpresence hosted;
    hosted.gameName.Assign("Next door");
    hosted.mapName.Assign("ctf.map");
    hosted.limit = kMaxPlayers;
    if (lan == Lan::kServerHere) other.Broadcast(kClientPort, BuildPresence(hosted));
    const tgnetwork& join = game.menus.join;
    for (uint32_t ms = 10; ms <= kListSilenceMs; ms += 10) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        clock.Advance(10);
        DrainReceivedDatagrams(game);
        if (ms < kListSilenceMs && !join.silenceLines.empty()) return "an excuse too early";
    }
    if (!join.servers.items.empty())
        return join.servers.items[0].label + " at " + join.rowAddresses[0];
    return join.silenceLines.empty() ? "nothing" : join.silenceLines[0].label;
}

}  // namespace

TEST(ServerList, SaysWhyItIsEmptyOrListsAServerOnThisMachine) {
    const std::pair<Lan, const char*> cases[] = {
        {Lan::kPortHeld, "UDP port 7051 is taken: another copy of the game"},
        {Lan::kNoInterface, "No network interface here can broadcast,"},
        {Lan::kNobodyHosting, "No game heard yet."},
        {Lan::kServerHere, "Next door - ctf - DeathMatch - 0/9 at 10.99.0.1"},
    };
    for (const auto& [lan, line] : cases) {
        const std::optional<std::string> shown =
            RunInOwnNetworkNamespace([lan] { return FirstLineOfTheList(lan); });
        if (!shown) GTEST_SKIP() << "network namespaces are not permitted here";
        EXPECT_EQ(*shown, line);
    }
}
