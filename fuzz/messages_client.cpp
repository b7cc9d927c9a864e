// The client's receive handler fed arbitrary datagrams on the host of a game in progress; the
// per-player tables must stay aligned and every index they hold must stay inside them. Presence
// tails after "my_ip" give a row with a readable record or none. The same datagrams reach a
// joined machine fetching the next map: what it keeps is a whole map file of a bare name.
#include "fuzz_net_state.h"
#include "net/client_receive.h"
#include "net/client_session.h"
#include "net/map_messages.h"
#include "net/map_transfer.h"
#include "ui/server_rows.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ManualClock clock(1000);
    static DiscardingNetwork network;
    static const Game start = [] {
        Game game = HostedGameInProgress(clock, network);
        game.client.levelHooks.startLevel = [](Session&, const std::string& map) {
            // A map name that reaches the loader is a bare file name.
            Require(IsBareMapName(map));
            return true;
        };
        game.state.connecting = true;  // lets an "addpl" through, and the host's bots with it
        return game;
    }();
    static const Game fetching = [] {
        Game game = start;
        game.state.hosting = false;
        game.state.connected = true;
        game.client.clientSettings.mapName.Assign("arena2.map");
        game.maps.store.has = [](const std::string& name) { return name == "arena1.map"; };
        game.maps.store.keep = [](const std::string& name, std::span<const uint8_t> bytes) {
            Require(IsTransferableMapName(name) && !bytes.empty() &&
                    bytes.size() <= static_cast<size_t>(kMaxTransferredMapBytes));
            return std::string(bytes[0] == 'x' ? "" : "a bad line");
        };
        StepMapTransfer(game);  // asks the host for arena2.map
        Require(AwaitingMap(game));
        return game;
    }();
    Game game = start;
    Game joiner = fetching;
    ForEachDatagram(data, size, [&](const Datagram& datagram, uint8_t sender) {
        UDPServClUDPRead(joiner, datagram);
        if (sender & 0x40) StepMapTransfer(joiner);
        if (const std::optional<tmapdownload>& download = joiner.maps.download;
            download && download->size >= 0) {
            Require(download->bytes.size() == static_cast<size_t>(download->size));
            Require(download->receivedCount < download->received.size());
        }
        UDPServClUDPRead(game, datagram);
        if (sender & 0x80) {
            clock.Advance(6000);
            if (game.client.clientSettings.gameOver && IsConnected(game)) RestartLevel(game);
        }
        const Client& client = game.client;
        const std::vector<MatchPlayer>& players = game.play.players;
        Require(players.size() <= static_cast<size_t>(kMaxPlayers));
        Require(game.play.muzzleModels.size() == players.size());
        Require(client.foundServers.size() <= kMaxFoundServers);
        for (const tfoundserver& server : client.foundServers) {
            if (server.presence) {
                const tserverpresence& game = *server.presence;
                Require(game.gameType <= kTeamDeathMatch && game.limit <= kMaxPlayers);
                Require(game.players + game.bots <= game.limit);
            }
            for (Language language : {Language::kRussian, Language::kEnglish})
                Require(!ServerRowText(server, language).empty());
        }
        Require(client.messageLog.count >= 0 && client.messageLog.count <= 9);
        for (const tbullet& bullet : game.play.bullets) {
            Require(bullet.ownerIndex >= 0 &&
                    bullet.ownerIndex < static_cast<int32_t>(players.size()));
        }
    });
    return 0;
}
