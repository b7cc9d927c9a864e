#include "net/datagram_bus.h"

#include <algorithm>

namespace {
constexpr const char* kLoopback = "127.0.0.1";
constexpr const char* kBroadcast = "255.255.255.255";
}  // namespace

class BusEndpoint final : public Network {
  public:
    BusEndpoint(DatagramBus& bus, std::string address) : bus_(bus), address_(std::move(address)) {}
    ~BusEndpoint() override { bus_.Unregister(address_); }

    bool Listen(uint16_t port) override { return bus_.Bind(address_, port); }
    void SendTo(const std::string& address, uint16_t port,
                std::span<const uint8_t> bytes) override {
        bus_.Send(address_, address, port, bytes);
    }
    void Broadcast(uint16_t port, std::span<const uint8_t> bytes) override {
        bus_.Send(address_, kBroadcast, port, bytes);
    }
    std::optional<Datagram> Receive(uint16_t port) override { return bus_.Take(address_, port); }

  private:
    DatagramBus& bus_;
    std::string address_;
};

std::unique_ptr<Network> DatagramBus::CreateEndpoint(const std::string& address) {
    return std::make_unique<BusEndpoint>(*this, address);
}

DatagramBus::Port* DatagramBus::Find(const std::string& address, uint16_t port) {
    for (auto& entry : ports_) {
        if (entry->address == address && entry->port == port) return entry.get();
    }
    return nullptr;
}

bool DatagramBus::Bind(const std::string& address, uint16_t port) {
    if (Find(address, port)) return false;
    ports_.push_back(std::make_unique<Port>(Port{address, port, {}}));
    return true;
}

void DatagramBus::Unregister(const std::string& address) {
    std::erase_if(ports_, [&](const auto& entry) { return entry->address == address; });
}

void DatagramBus::Send(const std::string& from, const std::string& to, uint16_t port,
                       std::span<const uint8_t> bytes) {
    if (to == kBroadcast) {
        for (auto& entry : ports_) {
            if (entry->port == port) Enqueue(*entry, from, bytes);
        }
        return;
    }
    bool loopback = to == kLoopback;
    Port* target = Find(loopback ? from : to, port);
    if (target) Enqueue(*target, loopback ? kLoopback : from, bytes);
}

void DatagramBus::Enqueue(Port& target, const std::string& from, std::span<const uint8_t> bytes) {
    int copies = random_.Unit() < faults_.duplicateChance ? 2 : 1;
    duplicatedCount_ += static_cast<uint64_t>(copies - 1);
    for (int c = 0; c < copies; ++c) {
        ++sentCount_;
        sentBytes_ += bytes.size();
        if (random_.Unit() < faults_.lossChance) {
            ++lostCount_;
            continue;
        }
        uint32_t jitter = faults_.delayJitterMs
                              ? static_cast<uint32_t>(
                                    random_.Below(static_cast<int32_t>(faults_.delayJitterMs) + 1))
                              : 0;
        Queued queued{clock_.Ticks() + faults_.delayMs + jitter,
                      Datagram{from, std::vector<uint8_t>(bytes.begin(), bytes.end())}};
        auto position = target.inbox.end();
        if (!target.inbox.empty() && random_.Unit() < faults_.reorderChance) {
            position =
                target.inbox.begin() + random_.Below(static_cast<int32_t>(target.inbox.size()));
        }
        target.inbox.insert(position, std::move(queued));
    }
}

std::optional<Datagram> DatagramBus::Take(const std::string& address, uint16_t port) {
    Port* source = Find(address, port);
    if (!source) return std::nullopt;
    uint32_t now = clock_.Ticks();
    for (auto it = source->inbox.begin(); it != source->inbox.end(); ++it) {
        if (static_cast<int32_t>(now - it->deliverAt) < 0) continue;
        Datagram datagram = std::move(it->datagram);
        source->inbox.erase(it);
        return datagram;
    }
    return std::nullopt;
}

size_t DatagramBus::waitingCount() const {
    size_t waiting = 0;
    for (const auto& entry : ports_) waiting += entry->inbox.size();
    return waiting;
}
