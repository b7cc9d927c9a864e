// Network: UDP datagrams as the server and the client use them. The game's implementation is
// non-blocking POSIX sockets drained between frames (platform/udp_network); tests use an
// in-memory bus with virtual addresses. Nothing here blocks.
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

inline constexpr uint16_t kServerPort = 7050;
inline constexpr uint16_t kClientPort = 7051;

struct Datagram {
    std::string fromAddress;  // dotted IPv4 text of the sender
    std::vector<uint8_t> bytes;
};

class Network {
  public:
    virtual ~Network() = default;

    // Starts listening on `port`; false when the port cannot be bound.
    virtual bool Listen(uint16_t port) = 0;
    // Sends to a dotted IPv4 address; an address that does not parse is dropped silently.
    virtual void SendTo(const std::string& address, uint16_t port,
                        std::span<const uint8_t> bytes) = 0;
    virtual void Broadcast(uint16_t port, std::span<const uint8_t> bytes) = 0;
    // The next datagram that arrived on `port`, if any.
    virtual std::optional<Datagram> Receive(uint16_t port) = 0;
    // Whether a broadcast can leave this machine: some interface is up, not the loopback, able
    // to broadcast and has an IPv4 address. An in-memory network always can.
    virtual bool HasBroadcastInterface() const { return true; }
};
