// The dedicated server: its command line, and a whole level played on it by two machines on the
// in-memory bus.
#include <gtest/gtest.h>

#include "app/server_options.h"
#include "support/net_harness.h"

namespace {

TEST(DedicatedServer, TheCommandLineTakesTheGameOrRefusesInOneLine) {
    using enum ServerCommandLine::Outcome;
    struct Case {
        std::vector<std::string> arguments;
        ServerCommandLine::Outcome outcome;
    };
    const Case cases[] = {
        {{"--server"}, kRun},
        {{"--server", "--map", "ctf.map", "--type", "ctf", "--bots", "8", "--frags", "3",
          "--bot-skill", "easy"},
         kRun},
        {{"--server", "--help"}, kHelp},
        {{"--server", "--bots", "9"}, kError},
        {{"--server", "--bots"}, kError},
        {{"--server", "--bot-skill", "Hard"}, kError},
        {{"--server", "--bot-skill", "hard"}, kRun},
        {{"--server", "--type", "coop"}, kError},
        {{"--server", "--map", "../secret.map"}, kError},
        {{"--server", "--frags", "0"}, kRun},
        {{"--server", "--frags", "128"}, kError},
        {{"--server", "--name", "a name of seventeen"}, kError},
        {{"--server", "--port", "7060"}, kError},
        // The window's game takes no option but --help.
        {{}, kPlay},
        {{"--help"}, kHelp},
        {{"--fullscreen"}, kError},
        {{"--bots", "4"}, kError},
    };
    for (const Case& c : cases) {
        const ServerCommandLine line = ParseServerCommandLine(c.arguments);
        EXPECT_EQ(line.outcome, c.outcome) << testing::PrintToString(c.arguments);
        EXPECT_EQ(line.error.empty(), c.outcome != kError) << line.error;
        EXPECT_EQ(line.error.find('\n'), std::string::npos);
    }
    const ServerOptions chosen = ParseServerCommandLine(cases[1].arguments).options;
    EXPECT_EQ(chosen.map, "ctf.map");
    EXPECT_EQ(chosen.gameType, kCaptureTheFlag);
    EXPECT_EQ(chosen.bots, 8);
    EXPECT_EQ(chosen.fragLimit, 3);
    EXPECT_EQ(chosen.botSkill, BotSkill::kEasy);
    EXPECT_EQ(ParseServerCommandLine(cases[0].arguments).options.botSkill, BotSkill::kNormal);
}

TEST(DedicatedServer, TwoPlayersPlayACaptureTheFlagLevelToItsEndAndTheRotationGoesOn) {
    NetHarness net;
    ServerOptions options;
    options.gameType = kCaptureTheFlag;
    options.bots = 2;
    options.fragLimit = 1;
    NetMachine& server = net.AddServer("10.0.0.1", 1, options, {"arena1.map", "arena2.map"});
    Arena& arena = server.game.world.arena;
    tgamesettings& settings = server.server().serverSettings;
    arena.blueFlagHome = settings.blueFlag.position = {-30, 0, 0};
    arena.redFlagHome = settings.redFlag.position = {30, 0, 0};
    NetMachine& red = net.AddMachine("10.0.0.2", 2);
    NetMachine& blue = net.AddMachine("10.0.0.3", 3);
    net.Join(red, "Red", 200, 1);
    net.Join(blue, "Blue", 200, 0);

    // No player of the server's own: the two bots and the two players, the same on every machine.
    const std::vector<int32_t> ids = IdsOf(server.server().serverPlayers);
    ASSERT_EQ(ids.size(), 4u);
    for (NetMachine* machine : {&red, &blue})
        EXPECT_EQ(IdsOf(TableEntries(machine->game.play.players)), ids);
    // A stranger's malformed datagrams change nothing.
    const std::unique_ptr<Network> stranger = net.bus.CreateEndpoint("10.0.0.9");
    for (const std::vector<uint8_t>& bytes :
         {std::vector<uint8_t>{}, std::vector<uint8_t>{'c', 'n', 'n', 'c', 't'},
          std::vector<uint8_t>{'g', 'i', 'n', 'f', 'o', 1, 2}, std::vector<uint8_t>(1024, 0xFF)})
        stranger->SendTo("10.0.0.1", kServerPort, bytes);
    net.RunFor(200);
    EXPECT_EQ(IdsOf(server.server().serverPlayers), ids);

    // Red carries the blue flag home: its machine reports where it stands.
    const auto walkTo = [&](tvec3 at) {
        red.game.play.players[static_cast<size_t>(red.game.state.localPlayerIndex)].model.position =
            at;
        net.RunFor(300);
    };
    walkTo(arena.blueFlagHome);
    EXPECT_EQ(blue.client().clientSettings.blueFlag.state, kFlagCarried);
    walkTo(arena.redFlagHome);
    EXPECT_EQ(blue.client().clientSettings.redFlag.score, 1);
    EXPECT_TRUE(blue.client().clientSettings.gameOver);
    net.RunFor(6000);
    EXPECT_EQ(server.levelsStarted, (std::vector<std::string>{"arena1.map", "arena2.map"}));
    for (NetMachine* machine : {&red, &blue}) {
        EXPECT_EQ(machine->levelsStarted.back(), "arena2.map");
        EXPECT_FALSE(machine->client().clientSettings.gameOver);
        EXPECT_EQ(machine->client().clientSettings.redFlag.score, 0);
    }
}

}  // namespace
