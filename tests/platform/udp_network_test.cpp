// Real sockets over the loopback interface only (nothing leaves the machine); high ports, so a
// game running elsewhere on the machine is not disturbed. Broadcast is covered by the two-player
// end-to-end test inside network namespaces.
#include "platform/udp_network.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

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
