#include "net/datagram_bus.h"

#include <gtest/gtest.h>

namespace {
const std::vector<uint8_t> kHello = {'h', 'i'};
}

TEST(DatagramBus, DeliversToTheAddressedPortWithTheSendersAddress) {
    ManualClock clock;
    DatagramBus bus(clock);
    auto a = bus.CreateEndpoint("10.0.0.1");
    auto b = bus.CreateEndpoint("10.0.0.2");
    ASSERT_TRUE(b->Listen(7051));
    EXPECT_FALSE(b->Listen(7051));
    a->SendTo("10.0.0.2", 7051, kHello);
    a->SendTo("10.0.0.2", 7050, kHello);  // nobody listens there
    a->SendTo("10.0.0.9", 7051, kHello);  // nobody there at all
    std::optional<Datagram> got = b->Receive(7051);
    ASSERT_TRUE(got);
    EXPECT_EQ(got->fromAddress, "10.0.0.1");
    EXPECT_EQ(got->bytes, kHello);
    EXPECT_FALSE(b->Receive(7051));
    EXPECT_FALSE(b->Receive(7050));
}

TEST(DatagramBus, LoopbackStaysOnTheMachineAndBroadcastReachesEveryone) {
    ManualClock clock;
    DatagramBus bus(clock);
    auto host = bus.CreateEndpoint("10.0.0.1");
    auto other = bus.CreateEndpoint("10.0.0.2");
    host->Listen(7050);
    host->Listen(7051);
    other->Listen(7051);
    host->SendTo("127.0.0.1", 7050, kHello);
    std::optional<Datagram> self = host->Receive(7050);
    ASSERT_TRUE(self);
    EXPECT_EQ(self->fromAddress, "127.0.0.1");

    host->Broadcast(7051, kHello);
    EXPECT_EQ(host->Receive(7051)->fromAddress, "10.0.0.1");
    EXPECT_EQ(other->Receive(7051)->fromAddress, "10.0.0.1");
    EXPECT_FALSE(host->Receive(7050));
}

TEST(DatagramBus, InjectedFaultsLoseDuplicateAndDelay) {
    ManualClock clock;
    DatagramBus bus(clock, 3);
    auto a = bus.CreateEndpoint("10.0.0.1");
    auto b = bus.CreateEndpoint("10.0.0.2");
    b->Listen(7051);
    auto drain = [&] {
        int n = 0;
        while (b->Receive(7051)) ++n;
        return n;
    };

    bus.SetFaults({.lossChance = 1.0f});
    for (int i = 0; i < 20; ++i) a->SendTo("10.0.0.2", 7051, kHello);
    EXPECT_EQ(drain(), 0);

    bus.SetFaults({.duplicateChance = 1.0f});
    a->SendTo("10.0.0.2", 7051, kHello);
    EXPECT_EQ(drain(), 2);

    bus.SetFaults({.delayMs = 100});
    a->SendTo("10.0.0.2", 7051, kHello);
    clock.Advance(99);
    EXPECT_EQ(drain(), 0);
    clock.Advance(1);
    EXPECT_EQ(drain(), 1);

    bus.SetFaults({.lossChance = 0.3f});
    for (int i = 0; i < 1000; ++i) a->SendTo("10.0.0.2", 7051, kHello);
    int arrived = drain();
    EXPECT_GT(arrived, 600);
    EXPECT_LT(arrived, 800);
}

TEST(DatagramBus, ReorderingChangesOrderButLosesNothing) {
    ManualClock clock;
    DatagramBus bus(clock, 5);
    auto a = bus.CreateEndpoint("10.0.0.1");
    auto b = bus.CreateEndpoint("10.0.0.2");
    b->Listen(7051);
    bus.SetFaults({.reorderChance = 0.5f});
    for (uint8_t i = 0; i < 50; ++i) a->SendTo("10.0.0.2", 7051, std::vector<uint8_t>{i});
    std::vector<uint8_t> order;
    while (auto d = b->Receive(7051)) order.push_back(d->bytes[0]);
    ASSERT_EQ(order.size(), 50u);
    EXPECT_FALSE(std::is_sorted(order.begin(), order.end()));
    std::sort(order.begin(), order.end());
    for (uint8_t i = 0; i < 50; ++i) EXPECT_EQ(order[i], i);
}
