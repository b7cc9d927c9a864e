// A Network that keeps what is sent, for tests that call handlers directly, and a Game that runs
// alone on one, with a manual clock.
#pragma once
#include <string>
#include <vector>

#include "app/game.h"
#include "net/messages.h"
#include "net/network.h"

struct SentDatagram {
    std::string address;
    uint16_t port;
    std::vector<uint8_t> bytes;
    tmessagetag tag() const { return ReadTag(bytes); }
};

class RecordingNetwork final : public Network {
  public:
    bool Listen(uint16_t) override { return true; }
    void SendTo(const std::string& address, uint16_t port,
                std::span<const uint8_t> bytes) override {
        sent.push_back({address, port, {bytes.begin(), bytes.end()}});
    }
    void Broadcast(uint16_t port, std::span<const uint8_t> bytes) override {
        sent.push_back({"255.255.255.255", port, {bytes.begin(), bytes.end()}});
    }
    std::optional<Datagram> Receive(uint16_t) override { return std::nullopt; }

    std::vector<SentDatagram> Tagged(tmessagetag tag) const {
        std::vector<SentDatagram> matching;
        for (const SentDatagram& d : sent) {
            if (d.tag() == tag) matching.push_back(d);
        }
        return matching;
    }

    std::vector<SentDatagram> sent;
};

inline Datagram From(const std::string& address, const tdatagram& bytes) {
    return Datagram{address, std::vector<uint8_t>(bytes.begin(), bytes.end())};
}

// A Game with its clock and network in place: a fixture derives from it to call the handlers.
struct LoneGame {
    explicit LoneGame(uint32_t now) : clock(now) {
        game.services.clock = &clock;
        game.services.network = &network;
    }

    ManualClock clock;
    RecordingNetwork network;
    Game game;
};
