// UdpNetwork: the game's Network over non-blocking POSIX UDP sockets with broadcast enabled. One
// bound socket per listened port (the server's 7050, the client's 7051) and one unbound socket
// for sending; the frame loop drains the bound sockets between frames, so no thread ever touches
// game state. Datagrams to the client port (the server's messages and its presence broadcast)
// leave from the server's bound socket when it listens, so their source port is 7050; the
// client's messages leave from the unbound socket. Datagrams longer than 1024 bytes are cut to
// 1024, as the receivers expect.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "net/network.h"

class UdpNetwork final : public Network {
  public:
    UdpNetwork();
    ~UdpNetwork() override;
    UdpNetwork(const UdpNetwork&) = delete;
    UdpNetwork& operator=(const UdpNetwork&) = delete;

    bool Listen(uint16_t port) override;
    void SendTo(const std::string& address, uint16_t port, std::span<const uint8_t> bytes) override;
    void Broadcast(uint16_t port, std::span<const uint8_t> bytes) override;
    std::optional<Datagram> Receive(uint16_t port) override;
    bool HasBroadcastInterface() const override;

  private:
    int SocketSendingTo(uint16_t port) const;
    void SendFromSocket(uint32_t addressNetworkOrder, uint16_t port,
                        std::span<const uint8_t> bytes);

    int sender_ = -1;
    std::map<uint16_t, int> listeners_;
};

// This machine's IPv4 addresses other than loopback, in dotted form (where players reach it).
std::vector<std::string> LocalAddresses();
