// The client's receive handler fed arbitrary datagrams on the host of a game in progress; the
// per-player tables must stay aligned and every index they hold must stay inside them. Presence
// tails after "my_ip" give a row with a readable record or none.
#include "fuzz_net_state.h"
#include "net/client_receive.h"
#include "net/client_session.h"
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
    Game game = start;
    ForEachDatagram(data, size, [&](const Datagram& datagram, uint8_t sender) {
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
