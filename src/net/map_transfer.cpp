#include "net/map_transfer.h"

#include <algorithm>

#include "net/client_receive.h"
#include "net/client_session.h"
#include "net/map_messages.h"
#include "net/net_io.h"
#include "net/server.h"
#include "net/session.h"

namespace {

size_t PieceCount(int32_t size) {
    return static_cast<size_t>((size + kMapPieceBytes - 1) / kMapPieceBytes);
}

bool CanFetch(const Session& session) {
    const MapStore& store = session.maps.store;
    return !session.state.hosting && store.has && store.keep;
}

// Nothing is kept and the game is left: a level this machine cannot build is no game to play.
void FailTransfer(Session& session, const std::string& map, const std::string& reason) {
    MapTransfer& maps = session.maps;
    maps.failure = tmapfailure{map, reason};
    maps.download.reset();
    maps.checkedMap.clear();
    session.state.connecting = false;
    Disconnect(session);
}

void StartDownload(Session& session, const std::string& map, const std::string& server) {
    MapTransfer& maps = session.maps;
    if (maps.download && maps.download->name == map) return;
    if (!IsTransferableMapName(map)) {
        FailTransfer(session, map, "the name " + map + " is not a map file name");
        return;
    }
    tmapdownload download;
    download.name = map;
    download.server = server;
    download.lastHeard = NetNow(session);
    maps.download = std::move(download);
}

void Ask(Session& session, const tmapdownload& download, int32_t offset) {
    tmaprequest request;
    request.name.Assign(download.name);
    request.offset = offset;
    SendDatagram(session, download.server, kServerPort, BuildMapRequest(request));
}

// Every piece not in and not asked for lately is asked for, a window at a time, so a lost
// request or answer only costs a repeat.
void AskForMissingPieces(Session& session, tmapdownload& download, uint32_t now) {
    if (download.size < 0) {
        if (!download.firstAsked ||
            Elapsed(now, download.firstAskedAt) >= int32_t{kMapAskAgainMs}) {
            Ask(session, download, 0);
            download.firstAsked = true;
            download.firstAskedAt = now;
        }
        return;
    }
    const auto waiting = [&](size_t i) {
        return !download.received[i] && download.asked[i] &&
               Elapsed(now, download.askedAt[i]) < int32_t{kMapAskAgainMs};
    };
    size_t inFlight = 0;
    for (size_t i = 0; i < download.received.size(); ++i) inFlight += waiting(i) ? 1 : 0;
    for (size_t i = 0; i < download.received.size() && inFlight < kMapPiecesInFlight; ++i) {
        if (download.received[i] || waiting(i)) continue;
        Ask(session, download, static_cast<int32_t>(i) * kMapPieceBytes);
        download.asked[i] = true;
        download.askedAt[i] = now;
        ++inFlight;
    }
}

void FinishDownload(Session& session) {
    MapTransfer& maps = session.maps;
    tmapdownload download = std::move(*maps.download);
    maps.download.reset();
    const std::string refused = maps.store.keep(download.name, download.bytes);
    if (!refused.empty()) {
        FailTransfer(session, download.name, refused);
        return;
    }
    // What waited for the map goes on as if it had just arrived.
    for (const Datagram& datagram : download.held) UDPServClUDPRead(session, datagram);
}

}  // namespace

bool HoldForMissingMap(Session& session, const Datagram& datagram, tmessagetag tag) {
    if (!CanFetch(session) || (tag != tmessagetag::kJoinAccepted && tag != tmessagetag::kAdded)) {
        return false;
    }
    // Only our own join's answer waits; any other is dropped by the handler all the same.
    if (tag == tmessagetag::kJoinAccepted && !session.state.connecting) return false;
    std::optional<tplayertable> table =
        ParsePlayerTable(datagram.bytes, tag == tmessagetag::kAdded);
    if (!table) return false;
    const std::string map = table->settings.mapName.Text();
    if (map.empty() || map == session.client.loadedMap || session.maps.store.has(map)) return false;
    StartDownload(session, map, datagram.fromAddress);
    tmapdownload* download = session.maps.download ? &*session.maps.download : nullptr;
    if (!download || download->name != map) return true;  // refused at once: nothing to wait for
    if (download->held.size() < kMaxHeldDatagrams) download->held.push_back(datagram);
    return true;
}

void ReceiveMapPiece(Session& session, const Datagram& datagram) {
    MapTransfer& maps = session.maps;
    if (!maps.download) return;
    std::optional<tmappiece> piece = ParseMapPiece(datagram.bytes);
    tmapdownload& download = *maps.download;
    // Pieces of anything but what we asked for, from anyone but whom we asked, are not ours.
    if (!piece || datagram.fromAddress != download.server || piece->name.View() != download.name) {
        return;
    }
    const std::string map = download.name;
    if (download.size < 0) {
        if (piece->size == 0) return FailTransfer(session, map, "the server has no map " + map);
        if (piece->size < 0 || piece->size > kMaxTransferredMapBytes) {
            return FailTransfer(session, map,
                                map + " is too big to fetch (" + std::to_string(piece->size) +
                                    " bytes, at most " + std::to_string(kMaxTransferredMapBytes) +
                                    ")");
        }
        download.size = piece->size;
        download.bytes.assign(static_cast<size_t>(download.size), 0);
        const size_t pieces = PieceCount(download.size);
        download.received.assign(pieces, false);
        download.asked.assign(pieces, false);
        download.askedAt.assign(pieces, 0);
    } else if (piece->size != download.size) {
        return FailTransfer(session, map, "the server sent " + map + " with two sizes");
    }
    const int32_t offset = piece->offset;
    const auto length = static_cast<int32_t>(piece->bytes.size());
    if (offset < 0 || offset >= download.size || offset % kMapPieceBytes != 0 ||
        length != std::min(kMapPieceBytes, download.size - offset)) {
        return FailTransfer(session, map, "the server sent a piece outside " + map);
    }
    const auto index = static_cast<size_t>(offset / kMapPieceBytes);
    if (download.received[index]) return;  // a repeat
    std::copy(piece->bytes.begin(), piece->bytes.end(),
              download.bytes.begin() + static_cast<std::ptrdiff_t>(offset));
    download.received[index] = true;
    download.lastHeard = NetNow(session);
    if (++download.receivedCount == download.received.size()) FinishDownload(session);
}

void ServeMapPiece(Session& session, const Datagram& datagram) {
    Server& server = session.server;
    MapTransfer& maps = session.maps;
    std::optional<tmaprequest> request = ParseMapRequest(datagram.bytes);
    // Only a machine in the game (a joiner is in the table from its answer on), and only a map of
    // the rotation: nobody else can make the server read a file.
    if (!request || !maps.store.read || !IsPlayerAddress(server, datagram.fromAddress)) return;
    const std::string name = request->name.Text();
    tmappiece piece;
    piece.name = request->name;
    if (std::find(server.mapList.begin(), server.mapList.end(), name) != server.mapList.end()) {
        const uint32_t now = NetNow(session);
        if (maps.servedName != name || Elapsed(now, maps.servedAt) > int32_t{kServedCopyMs}) {
            maps.served = maps.store.read(name);
            maps.servedName = name;
            maps.servedAt = now;
        }
        const tservedmap& served = maps.served;
        if (served.found && served.size > static_cast<uint64_t>(kMaxTransferredMapBytes)) {
            // Its size alone tells the machine it cannot have it.
            piece.size = kMaxTransferredMapBytes + 1;
        } else if (served.found) {
            piece.size = static_cast<int32_t>(served.bytes.size());
            if (request->offset < 0 || request->offset >= piece.size) return;
            piece.offset = request->offset / kMapPieceBytes * kMapPieceBytes;
            const auto end = std::min(piece.offset + kMapPieceBytes, piece.size);
            piece.bytes.assign(served.bytes.begin() + piece.offset, served.bytes.begin() + end);
        }
    }
    SendDatagram(session, datagram.fromAddress, kClientPort, BuildMapPiece(piece));
}

void StepMapTransfer(Session& session) {
    MapTransfer& maps = session.maps;
    ProgramState& state = session.state;
    if (!CanFetch(session)) {
        maps.download.reset();
        return;
    }
    const uint32_t now = NetNow(session);
    if (maps.download) {
        // The player left (or the join was given up) while the map came: it is not needed.
        if (!state.connecting && !state.connected) {
            maps.download.reset();
            return;
        }
        // The server answered the join: the wait is now the transfer's, not the join's.
        if (state.connecting) state.connectionStartTime = now;
        if (Elapsed(now, maps.download->lastHeard) > int32_t{kMapSilenceMs}) {
            const std::string map = maps.download->name;
            return FailTransfer(session, map, "the server did not send " + map);
        }
        AskForMissingPieces(session, *maps.download, now);
        return;
    }
    // A level end names the next map; the restart 5 s later must find it here.
    const std::string map = session.client.clientSettings.mapName.Text();
    if (!state.connected || map.empty() || map == session.client.loadedMap ||
        map == maps.checkedMap) {
        return;
    }
    maps.checkedMap = map;
    if (!maps.store.has(map)) {
        StartDownload(session, map, session.client.clientSettings.serverAddress.Text());
        if (maps.download) AskForMissingPieces(session, *maps.download, now);
    }
}

bool AwaitingMap(const Session& session) {
    return session.maps.download.has_value();
}

std::optional<tmapfailure> TakeMapFailure(Session& session) {
    std::optional<tmapfailure> failure = std::move(session.maps.failure);
    session.maps.failure.reset();
    return failure;
}
