// Net I/O: the few helpers the server and client use to reach the network and the clock of a
// Session, so that the handlers read as the message rules they implement.
#pragma once
#include <cstdint>
#include <string_view>

#include "net/network.h"
#include "net/session.h"
#include "net/wire_codec.h"

inline uint32_t NetNow(Session& session) {
    return session.services.clock ? session.services.clock->Ticks() : 0;
}

// Sends a whole datagram; an empty address (a zero table entry, no server chosen) sends nothing.
inline void SendDatagram(Session& session, std::string_view address, uint16_t port,
                         const tdatagram& datagram) {
    if (!session.services.network || address.empty()) return;
    session.services.network->SendTo(std::string(address), port, datagram);
}

// A fresh network id or message id, 0..31999.
inline int32_t DrawNetId(Session& session) {
    return session.random.Below(kIdRange);
}
