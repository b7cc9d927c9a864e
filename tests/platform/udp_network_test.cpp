// Real sockets over the loopback interface only (nothing leaves the machine); high ports, so a
// game running elsewhere on the machine is not disturbed, or the game's own ports inside a
// network namespace of its own. Broadcast is covered by the two-player
// end-to-end test inside network namespaces.
#include "platform/udp_network.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "support/own_network_namespace.h"

namespace {

constexpr uint16_t kTestPort = 47051;

std::optional<Datagram> ReceiveWithin(Network& network, uint16_t port, int milliseconds) {
    for (int waited = 0; waited < milliseconds; ++waited) {
        if (auto datagram = network.Receive(port)) return datagram;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return std::nullopt;
}

}  // namespace

TEST(UdpNetwork, LoopbackDatagramArrivesWholeWithItsSender) {
    UdpNetwork receiver;
    ASSERT_TRUE(receiver.Listen(kTestPort));
    EXPECT_FALSE(receiver.Receive(kTestPort));  // nothing waiting: returns at once

    UdpNetwork sender;
    std::vector<uint8_t> bytes(1024);
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 7);
    sender.SendTo("127.0.0.1", kTestPort, bytes);
    std::optional<Datagram> got = ReceiveWithin(receiver, kTestPort, 1000);
    ASSERT_TRUE(got);
    EXPECT_EQ(got->fromAddress, "127.0.0.1");
    EXPECT_EQ(got->bytes, bytes);
}

TEST(UdpNetwork, OversizedDatagramIsCutAndBadAddressesAreDropped) {
    UdpNetwork receiver;
    ASSERT_TRUE(receiver.Listen(kTestPort + 1));
    UdpNetwork sender;
    sender.SendTo("not an address", kTestPort + 1, std::vector<uint8_t>(10, 1));
    sender.SendTo("127.0.0.1", kTestPort + 1, std::vector<uint8_t>(1500, 9));
    std::optional<Datagram> got = ReceiveWithin(receiver, kTestPort + 1, 1000);
    ASSERT_TRUE(got);
    EXPECT_EQ(got->bytes.size(), 1024u);
    EXPECT_FALSE(ReceiveWithin(receiver, kTestPort + 1, 50));
}

TEST(UdpNetwork, PortInUseIsReported) {
    UdpNetwork first, second;
    ASSERT_TRUE(first.Listen(kTestPort + 2));
    EXPECT_FALSE(second.Listen(kTestPort + 2));
    EXPECT_FALSE(first.Receive(kTestPort + 3));  // never listened there
}

// The game's own ports, so in a network namespace of its own: a server's message reaches a client
// from port 7050, the one a firewall opened for the game lets through.
TEST(UdpNetwork, TheServersMessagesLeaveFromTheServerPort) {
    const std::optional<std::string> source = RunInOwnNetworkNamespace([]() -> std::string {
        if (std::system("ip link set lo up") != 0) return "could not raise the loopback";
        const int client = socket(AF_INET, SOCK_DGRAM, 0);
        const timeval patience{1, 0};
        setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
        sockaddr_in local{};
        local.sin_family = AF_INET;
        local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        local.sin_port = htons(kClientPort);
        if (bind(client, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0)
            return "could not hold 7051";
        UdpNetwork host;
        if (!host.Listen(kServerPort)) return "could not hold 7050";
        host.SendTo("127.0.0.1", kClientPort, std::vector<uint8_t>(1024, 5));
        sockaddr_in from{};
        socklen_t length = sizeof from;
        uint8_t byte = 0;
        if (recvfrom(client, &byte, 1, 0, reinterpret_cast<sockaddr*>(&from), &length) < 0)
            return "nothing arrived";
        close(client);
        return std::to_string(ntohs(from.sin_port));
    });
    if (!source) GTEST_SKIP() << "network namespaces are not permitted here";
    EXPECT_EQ(*source, "7050");
}
