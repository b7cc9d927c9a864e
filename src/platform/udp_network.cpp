#include "platform/udp_network.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>

namespace {

constexpr size_t kReceiveBufferSize = 1024;

int OpenSocket() {
    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0) return -1;
    int on = 1;
    setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL, 0) | O_NONBLOCK);
    return fd;
}

}  // namespace

UdpNetwork::UdpNetwork() : sender_(OpenSocket()) {}

UdpNetwork::~UdpNetwork() {
    if (sender_ >= 0) close(sender_);
    for (auto& [port, fd] : listeners_) close(fd);
}

bool UdpNetwork::Listen(uint16_t port) {
    if (listeners_.count(port)) return true;
    int fd = OpenSocket();
    if (fd < 0) return false;
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    local.sin_port = htons(port);
    if (bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
        close(fd);
        return false;
    }
    listeners_[port] = fd;
    return true;
}

int UdpNetwork::SocketSendingTo(uint16_t port) const {
    // What goes to a client is the server's: it leaves from the server's own port, so that a
    // firewall opened for the game's two ports lets the replies through both ways.
    if (port == kClientPort) {
        auto server = listeners_.find(kServerPort);
        if (server != listeners_.end()) return server->second;
    }
    return sender_;
}

void UdpNetwork::SendFromSocket(uint32_t addressNetworkOrder, uint16_t port,
                                std::span<const uint8_t> bytes) {
    const int fd = SocketSendingTo(port);
    if (fd < 0) return;
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_addr.s_addr = addressNetworkOrder;
    target.sin_port = htons(port);
    // Result ignored: UDP gives no delivery promise, and a full buffer is the same as a loss.
    sendto(fd, bytes.data(), bytes.size(), 0, reinterpret_cast<sockaddr*>(&target), sizeof target);
}

void UdpNetwork::SendTo(const std::string& address, uint16_t port, std::span<const uint8_t> bytes) {
    in_addr parsed{};
    if (inet_pton(AF_INET, address.c_str(), &parsed) != 1) return;
    SendFromSocket(parsed.s_addr, port, bytes);
}

void UdpNetwork::Broadcast(uint16_t port, std::span<const uint8_t> bytes) {
    SendFromSocket(htonl(INADDR_BROADCAST), port, bytes);
}

std::optional<Datagram> UdpNetwork::Receive(uint16_t port) {
    auto listener = listeners_.find(port);
    if (listener == listeners_.end()) return std::nullopt;
    std::array<uint8_t, kReceiveBufferSize> buffer;
    sockaddr_in from{};
    socklen_t fromLength = sizeof from;
    ssize_t received = recvfrom(listener->second, buffer.data(), buffer.size(), 0,
                                reinterpret_cast<sockaddr*>(&from), &fromLength);
    if (received < 0) return std::nullopt;
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &from.sin_addr, text, sizeof text);
    return Datagram{text, std::vector<uint8_t>(buffer.begin(), buffer.begin() + received)};
}

bool UdpNetwork::HasBroadcastInterface() const {
    ifaddrs* interfaces = nullptr;
    if (getifaddrs(&interfaces) != 0) return false;
    bool found = false;
    for (const ifaddrs* entry = interfaces; entry && !found; entry = entry->ifa_next) {
        const unsigned flags = entry->ifa_flags;
        found = entry->ifa_addr && entry->ifa_addr->sa_family == AF_INET && (flags & IFF_UP) &&
                (flags & IFF_BROADCAST) && !(flags & IFF_LOOPBACK);
    }
    freeifaddrs(interfaces);
    return found;
}

std::vector<std::string> LocalAddresses() {
    std::vector<std::string> addresses;
    ifaddrs* interfaces = nullptr;
    if (getifaddrs(&interfaces) != 0) return addresses;
    for (const ifaddrs* entry = interfaces; entry; entry = entry->ifa_next) {
        if (!entry->ifa_addr || entry->ifa_addr->sa_family != AF_INET) continue;
        if (entry->ifa_flags & IFF_LOOPBACK) continue;
        char text[INET_ADDRSTRLEN] = {};
        const auto* address = reinterpret_cast<const sockaddr_in*>(entry->ifa_addr);
        inet_ntop(AF_INET, &address->sin_addr, text, sizeof text);
        addresses.emplace_back(text);
    }
    freeifaddrs(interfaces);
    return addresses;
}
