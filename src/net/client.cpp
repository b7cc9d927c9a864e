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
