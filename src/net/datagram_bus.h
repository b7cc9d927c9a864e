// Datagram bus: an in-memory stand-in for the LAN, so that a host and several joining players run
// in one process. Each endpoint is a `Network` with a virtual IPv4 address; "127.0.0.1" reaches
// the sending endpoint itself and arrives from "127.0.0.1", a broadcast reaches every endpoint
// listening on the port (the sender included, as on a real LAN). Loss, duplication, reordering
// and delay can be injected; delivery times follow the bus's Clock. Nothing touches a real
// interface.
#pragma once
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/random.h"
#include "net/network.h"

struct tbusfaults {
    float lossChance = 0;        // each copy is dropped with this chance
    float duplicateChance = 0;   // a datagram is delivered twice with this chance
    float reorderChance = 0;     // a copy jumps ahead of those already waiting
    uint32_t delayMs = 0;        // every copy waits at least this long
    uint32_t delayJitterMs = 0;  // and up to this much longer
};

class DatagramBus {
  public:
    explicit DatagramBus(Clock& clock, uint64_t seed = 1) : clock_(clock), random_(seed) {}

    // A new endpoint at `address`; the bus must outlive it.
    std::unique_ptr<Network> CreateEndpoint(const std::string& address);
    void SetFaults(const tbusfaults& faults) { faults_ = faults; }

    // Datagrams sent so far (each copy counted once, before loss).
    uint64_t sentCount() const { return sentCount_; }
    uint64_t sentBytes() const { return sentBytes_; }
    // Copies dropped by the loss fault, and extra copies made by the duplication fault.
    uint64_t lostCount() const { return lostCount_; }
    uint64_t duplicatedCount() const { return duplicatedCount_; }
    // Copies waiting in the inboxes (delayed or not taken yet).
    size_t waitingCount() const;

  private:
    friend class BusEndpoint;
    struct Queued {
        uint32_t deliverAt;
        Datagram datagram;
    };
    struct Port {
        std::string address;
        uint16_t port;
        std::deque<Queued> inbox;
    };

    void Send(const std::string& from, const std::string& to, uint16_t port,
              std::span<const uint8_t> bytes);
    void Enqueue(Port& target, const std::string& from, std::span<const uint8_t> bytes);
    Port* Find(const std::string& address, uint16_t port);
    void Unregister(const std::string& address);
    bool Bind(const std::string& address, uint16_t port);
    std::optional<Datagram> Take(const std::string& address, uint16_t port);

    Clock& clock_;
    Random random_;
    tbusfaults faults_;
    std::vector<std::unique_ptr<Port>> ports_;
    uint64_t sentCount_ = 0;
    uint64_t sentBytes_ = 0;
    uint64_t lostCount_ = 0;
    uint64_t duplicatedCount_ = 0;
};
