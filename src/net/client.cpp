#include "net/client.h"

#include "net/session.h"

bool IsConnected(const Session& session) {
    return session.state.connected;
}

tlistsilence WhyNoServerIsListed(const Client& client, uint32_t now) {
    if (!client.foundServers.empty() || now - client.listeningSince < kListSilenceMs)
        return tlistsilence::kNotSilent;
    // Without our port nothing can be heard, whatever the interfaces.
    if (!client.clientPortOpen) return tlistsilence::kClientPortTaken;
    if (!client.broadcastInterface) return tlistsilence::kNoBroadcastInterface;
    return tlistsilence::kNothingHeard;
}
