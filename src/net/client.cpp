#include "net/client.h"

#include "net/session.h"

bool IsConnected(const Session& session) {
    return session.state.connected;
}

std::vector<std::string> FoundServerAddresses(const Client& client) {
    std::vector<std::string> addresses;
    for (const tfoundserver& server : client.foundServers)
        addresses.push_back(server.address.Text());
    return addresses;
}

int32_t FindClientPlayer(const Client& client, int32_t id) {
    for (size_t i = 0; i < client.clientPlayers.size(); ++i) {
        if (client.clientPlayers[i].id == id) return static_cast<int32_t>(i);
    }
    return -1;
}
