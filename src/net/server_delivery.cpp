// The server's reliable removals, resends, time-outs, presence and closing.
#include <algorithm>

#include "game/flags.h"
#include "net/messages.h"
#include "net/net_io.h"
#include "net/presence.h"
#include "net/server.h"
#include "net/session.h"

namespace {

bool AnotherHumanAt(const Server& server, const tshortstring<15>& address) {
    return std::any_of(server.serverPlayers.begin(), server.serverPlayers.end(),
                       [&](const tplayerinfo& p) { return !p.isBot && p.address == address; });
}

// Removes the departed player of departures[record] from the table, and the record itself.
void CompleteDeparture(Session& session, size_t record) {
    Server& server = session.server;
    int32_t departedId = server.departures[record].departedId;
    server.departures.erase(server.departures.begin() + static_cast<ptrdiff_t>(record));
    int32_t index = FindServerPlayer(server, departedId);
    if (index < 0) return;
    tplayerinfo departed = server.serverPlayers[static_cast<size_t>(index)];
    server.serverPlayers.erase(server.serverPlayers.begin() + index);
    ShiftFlagCarriers(server.serverSettings, static_cast<size_t>(index));
    if (static_cast<size_t>(index) < server.lastHeard.size()) {
        server.lastHeard.erase(server.lastHeard.begin() + index);
    }
    // Resends to a machine nobody plays on any more would never be acknowledged.
    if (!departed.isBot && !AnotherHumanAt(server, departed.address)) {
        std::erase_if(server.pendingMessages, [&](const tpendingmessage& message) {
            return message.address == departed.address;
        });
    }
}

void CompleteEmptyDepartures(Session& session) {
    std::vector<tfeedbackrec>& departures = session.server.departures;
    for (size_t r = 0; r < departures.size();) {
        if (departures[r].recipients.empty()) {
            CompleteDeparture(session, r);
        } else {
            ++r;
        }
    }
}

}  // namespace

void QueueDeparture(Session& session, int32_t index) {
    Server& server = session.server;
    if (index < 0 || index >= static_cast<int32_t>(server.serverPlayers.size())) return;
    int32_t departedId = server.serverPlayers[static_cast<size_t>(index)].id;
    // One removal per player: a second record would stay forever once the first completed.
    for (const tfeedbackrec& record : server.departures) {
        if (record.departedId == departedId) return;
    }
    if (server.announce)
        server.announce(server.serverPlayers[static_cast<size_t>(index)].name.Text() + " left");
    tfeedbackrec record{departedId, {}};
    for (const tplayerinfo& player : server.serverPlayers) {
        if (!player.isBot && player.joined == 1 && player.id != departedId) {
            record.recipients.push_back(player.id);
        }
    }
    // A departed player can no longer confirm anybody else's removal.
    for (tfeedbackrec& other : server.departures) std::erase(other.recipients, departedId);
    server.departures.push_back(std::move(record));
    CompleteEmptyDepartures(session);
}

void ConfirmRemoval(Session& session, int32_t departedId, int32_t senderId) {
    std::vector<tfeedbackrec>& departures = session.server.departures;
    for (size_t r = 0; r < departures.size(); ++r) {
        if (departures[r].departedId != departedId) continue;
        std::vector<int32_t>& recipients = departures[r].recipients;
        auto sender = std::find(recipients.begin(), recipients.end(), senderId);
        if (sender != recipients.end()) recipients.erase(sender);
        if (recipients.empty()) {
            CompleteDeparture(session, r);
            return;
        }
    }
}

void HandOverConfirmations(Server& server, int32_t oldId, int32_t newId) {
    for (tfeedbackrec& record : server.departures) {
        std::replace(record.recipients.begin(), record.recipients.end(), oldId, newId);
    }
}

void SendPlayerDeleted(Session& session, int32_t departedId, int32_t recipientId) {
    Server& server = session.server;
    int32_t index = FindServerPlayer(server, recipientId);
    if (index < 0) return;
    SendDatagram(session, server.serverPlayers[static_cast<size_t>(index)].address.View(),
                 kClientPort, BuildPlayerDeleted(departedId));
    ++session.traffic.serverStatistics.delpl;
}

void BroadcastPresence(Session& session) {
    if (session.services.network)
        session.services.network->Broadcast(kClientPort,
                                            BuildPresence(DescribeHostedGame(session.server)));
}

void CloseServer(Session& session) {
    Server& server = session.server;
    tdatagram closed = BuildServerClosed();
    for (const tplayerinfo& player : server.serverPlayers) {
        if (player.joined != 1) continue;
        SendDatagram(session, player.address.View(), kClientPort, closed);
        ++session.traffic.serverStatistics.srvcl;
    }
}

void StopHosting(Session& session) {
    Server& server = session.server;
    CloseServer(session);
    server.serverPlayers.clear();
    server.lastHeard.clear();
    // Resends and removals of the game that ended would otherwise reach the next one.
    server.pendingMessages.clear();
    server.departures.clear();
    session.state.hosting = false;
    server.serverIdle = true;
}

void RunServerFrameDuties(Session& session) {
    Server& server = session.server;
    // Copies: a send never changes the tables, but keep the loops independent of them anyway.
    for (const tfeedbackrec& record : server.departures) {
        for (int32_t recipient : record.recipients) {
            SendPlayerDeleted(session, record.departedId, recipient);
        }
    }
    for (const tpendingmessage& message : server.pendingMessages) {
        SendDatagram(session, message.address.View(), kClientPort, message.datagram);
        ++session.traffic.serverStatistics.addlist;
    }
}

void RunServerTimeoutCheck(Session& session) {
    Server& server = session.server;
    const Client& client = session.client;
    uint32_t now = NetNow(session);
    server.lastHeard.resize(server.serverPlayers.size(), now);
    std::vector<int32_t> leaving;
    for (size_t i = 0; i < server.serverPlayers.size(); ++i) {
        tplayerinfo& player = server.serverPlayers[i];
        if (player.joined == 0 && !player.isBot) leaving.push_back(player.id);
        if (player.active == 0) player.joined = 0;
        // Signed: a joiner's grace period puts lastHeard in the future.
        int32_t silence = static_cast<int32_t>(now - server.lastHeard[i]);
        if (!player.isBot && silence >= static_cast<int32_t>(kSilenceLimitMs) &&
            !client.clientSettings.gameOver && !session.state.connecting) {
            player.active = 0;
        }
    }
    // Queued after the walk: a removal with nobody left to confirm it completes at once.
    for (int32_t id : leaving) QueueDeparture(session, FindServerPlayer(server, id));
    // A confirmation owed by a player no longer in the table (its entry was taken over or left
    // by a path that did not pass here) would hold the removal for good.
    for (tfeedbackrec& departure : server.departures) {
        std::erase_if(departure.recipients,
                      [&](int32_t id) { return FindServerPlayer(server, id) < 0; });
    }
    CompleteEmptyDepartures(session);
}
