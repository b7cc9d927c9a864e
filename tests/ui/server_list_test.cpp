// The join screen's list on a LAN of three games: a player's hosted CTF, a full dedicated server
// and an old server that announces itself with the bare five letters.
#include <gtest/gtest.h>

#include "support/net_harness.h"
#include "ui/fault_phrases.h"
#include "ui/menu_requests.h"

namespace {

struct LanOfThreeGames : ::testing::Test {
    LanOfThreeGames() {
        joiner.game.menus.language = Language::kEnglish;
        net.Host(host, {.bots = 2, .gameType = kCaptureTheFlag});
        oldServer->Broadcast(kClientPort, kPresenceBroadcast);
        net.RunFor(2100);
    }
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        const tgnetwork& join = joiner.game.menus.join;
        for (size_t i = 0; i < join.servers.items.size(); ++i)
            rows.push_back(join.servers.items[i].label + " at " + join.rowAddresses[i]);
        return rows;
    }

    NetHarness net;
    NetMachine& host = net.AddMachine("10.0.0.1", 11);
    NetMachine& fullServer = net.AddServer(
        "10.0.0.3", 33,
        {.map = "arena2.map", .gameType = kTeamDeathMatch, .bots = 8, .name = "Full house"},
        {"arena2.map"});
    NetMachine& joiner = net.AddMachine("10.0.0.2", 22);
    std::unique_ptr<Network> oldServer = net.bus.CreateEndpoint("10.0.0.9");
};

}  // namespace

TEST_F(LanOfThreeGames, EachRowSaysWhatTheGameIsInAStableOrder) {
    const std::vector<std::string> expected = {
        "10.0.0.9 at 10.0.0.9",
        "Full house - arena2 - TDM - 8/9 full (8 bots) at 10.0.0.3",
        "ZarnokServer - arena1 - CTF - 3/9 (2 bots) at 10.0.0.1",
    };
    EXPECT_EQ(Rows(), expected);
    // The old server falls silent and comes back: it returns to its place.
    net.RunFor(10100);
    oldServer->Broadcast(kClientPort, kPresenceBroadcast);
    net.RunFor(100);
    EXPECT_EQ(Rows(), expected);
}

TEST_F(LanOfThreeGames, AFullGameSaysSoInsteadOfAJoinThatNeverAnswers) {
    const std::tuple<const char*, NetMachine&, bool, size_t> cases[] = {
        {"10.0.0.3", fullServer, true, 8}, {"10.0.0.1", host, false, 4}};
    for (const auto& [address, target, toldFull, tableAfter] : cases) {
        Menus& menus = joiner.game.menus;
        menus.message = tgmes{};
        menus.join.address.text = address;
        RunMenuRequest(joiner.game, MenuRequest::Connect);
        net.RunFor(300);
        EXPECT_EQ(target.server().serverPlayers.size(), tableAfter) << address;
        EXPECT_EQ(menus.message.message.label == "This game is full.", toldFull) << address;
    }
}

// A second copy of the game on the host's machine holds neither port: joining or hosting would
// send the copy's datagrams into the host's game, so it says why it cannot instead.
TEST_F(LanOfThreeGames, ASecondCopyOnAHostsMachineTellsWhyItCannotPlay) {
    NetMachine& copy = net.AddMachine("10.0.0.1", 44);
    const std::pair<MenuRequest, Phrase> cases[] = {
        {MenuRequest::Connect, kClientPortTakenPhrase},
        {MenuRequest::StartGame, kServerPortTakenPhrase}};
    for (const auto& [request, told] : cases) {
        Menus& menus = copy.game.menus;
        menus.join.address.text = "10.0.0.1";
        RunMenuRequest(copy.game, request);
        net.RunFor(300);
        EXPECT_EQ(menus.message.message.label, Say(told, menus.language));
        EXPECT_EQ(host.server().serverPlayers.size(), 3u);
        EXPECT_TRUE(copy.levelsStarted.empty());
        CloseScreen(menus);
    }
}
