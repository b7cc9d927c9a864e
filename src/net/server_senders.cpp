// Which table entry a datagram's sender may speak for. Each machine reports its own player and
// decides its own bullets (the host its bots' as well), so the sender's address must be the
// address the entry joined from.
#include <algorithm>

#include "base/clock.h"
#include "net/server.h"

int32_t FindServerPlayer(const Server& server, int32_t id) {
    for (size_t i = 0; i < server.serverPlayers.size(); ++i) {
        if (server.serverPlayers[i].id == id) return static_cast<int32_t>(i);
    }
    return -1;
}

int32_t FindPlayerAt(const Server& server, int32_t id, std::string_view address) {
    int32_t index = FindServerPlayer(server, id);
    if (index < 0 || server.serverPlayers[static_cast<size_t>(index)].address.View() != address) {
        return -1;
    }
    return index;
}

bool IsPlayerAddress(const Server& server, std::string_view address) {
    return std::any_of(server.serverPlayers.begin(), server.serverPlayers.end(),
                       [&](const tplayerinfo& player) { return player.address.View() == address; });
}

int32_t FindRejoiningEntry(const Server& server, std::string_view address, uint32_t now,
                           int32_t hostPlayerId) {
    for (size_t i = 0; i < server.serverPlayers.size(); ++i) {
        const tplayerinfo& player = server.serverPlayers[i];
        if (player.isBot || player.joined != 1 || player.address.View() != address) continue;
        // A player still reporting plays on: the join comes from another copy of the game on its
        // machine. (A join never answered leaves its entry in the grace period, not reporting.)
        const int32_t silence = i < server.lastHeard.size() ? Elapsed(now, server.lastHeard[i]) : 0;
        if (player.id == hostPlayerId ||
            (silence >= 0 && silence < static_cast<int32_t>(kSilenceLimitMs)))
            continue;
        // A player whose removal is under way stays as it is: the others are already dropping it.
        bool departing =
            std::any_of(server.departures.begin(), server.departures.end(),
                        [&](const tfeedbackrec& record) { return record.departedId == player.id; });
        if (!departing) return static_cast<int32_t>(i);
    }
    return -1;
}

namespace {

// Whether the machine of `viewerId` has removed table entry `index` on the server's word.
bool RemovedOnMachine(const Server& server, size_t index, int32_t viewerId) {
    if (viewerId < 0) return false;
    const int32_t id = server.serverPlayers[index].id;
    return std::any_of(
        server.departures.begin(), server.departures.end(), [&](const tfeedbackrec& record) {
            return record.departedId == id &&
                   std::find(record.recipients.begin(), record.recipients.end(), viewerId) ==
                       record.recipients.end();
        });
}

}  // namespace

int32_t HumanIdAt(const Server& server, std::string_view address) {
    for (const tplayerinfo& player : server.serverPlayers) {
        if (!player.isBot && player.address.View() == address) return player.id;
    }
    return -1;
}

int32_t SlotOnMachine(const Server& server, int32_t index, int32_t viewerId) {
    if (index < 0 || index >= static_cast<int32_t>(server.serverPlayers.size())) return -1;
    if (RemovedOnMachine(server, static_cast<size_t>(index), viewerId)) return -1;
    int32_t slot = 0;
    for (int32_t i = 0; i < index; ++i) {
        if (!RemovedOnMachine(server, static_cast<size_t>(i), viewerId)) ++slot;
    }
    return slot;
}

int32_t EntryOfSlot(const Server& server, int32_t slot, int32_t viewerId) {
    if (slot < 0) return -1;
    for (size_t i = 0; i < server.serverPlayers.size(); ++i) {
        if (RemovedOnMachine(server, i, viewerId)) continue;
        if (slot-- == 0) return static_cast<int32_t>(i);
    }
    return -1;
}
