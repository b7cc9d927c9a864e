// The event lines a player reads: at most nine, each cut to 64 characters, leaving one by one
// about two seconds apart, and gone when a new level starts.
#include <gtest/gtest.h>

#include "app/frame_loop.h"
#include "app/game.h"
#include "app/hud_words.h"
#include "net/message_log.h"
#include "support/net_harness.h"

namespace {

tmessageline Named(std::string name) {
    return {.name = std::move(name)};
}

// Who the lines held name, oldest first.
std::vector<std::string> Shown(const tmessagelog& log) {
    std::vector<std::string> names;
    for (int32_t i = 0; i < log.count; ++i) names.push_back(log.lines[static_cast<size_t>(i)].name);
    return names;
}

// The lines as an English-speaking player reads them.
std::vector<std::string> Read(const tmessagelog& log) {
    std::vector<std::string> lines;
    for (int32_t i = 0; i < log.count; ++i)
        lines.push_back(MessageLineText(log.lines[static_cast<size_t>(i)], Language::kEnglish));
    return lines;
}

TEST(MessageLog, TenthLineDropsTheOldestAndLongLinesAreCut) {
    tmessagelog log;
    for (int i = 0; i < 10; ++i) AddMessageLine(log, Named("line " + std::to_string(i)), 5);
    ASSERT_EQ(log.count, 9);
    EXPECT_EQ(log.lines.front().name, "line 1");
    EXPECT_EQ(log.lines[8].name, "line 9");
    EXPECT_EQ(log.lines[9], tmessageline{});

    AddMessageLine(log, Named(std::string(100, 'x')), 6);
    EXPECT_EQ(log.count, 9);
    EXPECT_EQ(MessageLineText(log.lines[8], Language::kEnglish), std::string(64, 'x'));
    EXPECT_EQ(log.lines.front().name, "line 2");
}

TEST(MessageLog, DroppingTheLastLineEmptiesItsSlotAndAnEmptyLogStaysEmpty) {
    tmessagelog log;
    DropMessageLine(log);
    EXPECT_EQ(log.count, 0);
    AddMessageLine(log, Named("only"), 0);
    DropMessageLine(log);
    EXPECT_EQ(log.count, 0);
    EXPECT_EQ(log.lines.front(), tmessageline{});
}

struct MessageExpiry : ::testing::Test {
    MessageExpiry() {
        game.services.clock = &clock;
        game.state.startupComplete = true;
        game.state.playState = 1;
    }
    void FramesUntil(uint32_t until) {
        while (clock.now < until) {
            clock.now += 1;
            RunFrame(game);
        }
    }
    ManualClock clock{10000};
    Game game;
    tmessagelog& log = game.client.messageLog;
};

TEST_F(MessageExpiry, OneLineLeavesEvery2001Milliseconds) {
    for (const char* line : {"a", "b", "c"}) AddMessageLine(log, Named(line), clock.now);
    FramesUntil(12000);
    EXPECT_EQ(Shown(log), (std::vector<std::string>{"a", "b", "c"}));
    FramesUntil(12001);
    EXPECT_EQ(Shown(log), (std::vector<std::string>{"b", "c"}));
    FramesUntil(14001);
    EXPECT_EQ(log.count, 2);
    FramesUntil(14002);
    EXPECT_EQ(Shown(log), (std::vector<std::string>{"c"}));
    FramesUntil(16003);
    EXPECT_EQ(log.count, 0);
}

TEST_F(MessageExpiry, ANewLineRestartsTheWait) {
    AddMessageLine(log, Named("old"), clock.now);
    FramesUntil(11500);
    AddMessageLine(log, Named("new"), clock.now);
    FramesUntil(13500);  // 3500 ms after "old", but only 2000 after the last change
    EXPECT_EQ(log.count, 2);
    FramesUntil(13501);
    EXPECT_EQ(Shown(log), (std::vector<std::string>{"new"}));
}

TEST_F(MessageExpiry, LinesStayPutInTheMenus) {
    game.state.playState = 0;
    AddMessageLine(log, Named("kept"), clock.now);
    FramesUntil(20000);
    EXPECT_EQ(log.count, 1);
}

// Kills, joins, departures and flag events reach the lines of every player in the game.
TEST(MessageLines, EveryMachineReadsKillsJoinsAndLeaves) {
    NetHarness net;
    NetMachine& host = net.AddMachine("10.0.0.1", 1);
    NetMachine& joe = net.AddMachine("10.0.0.2", 2);
    NetMachine& ann = net.AddMachine("10.0.0.3", 3);
    net.Host(host);
    net.Join(joe, "Joe");
    net.Join(ann, "Ann");
    EXPECT_EQ(Read(host.client().messageLog),
              (std::vector<std::string>{"Joe joined the game", "Ann joined the game"}));
    EXPECT_EQ(Read(joe.client().messageLog), (std::vector<std::string>{"Ann joined the game"}));

    SendKill(ann.game, ann.client().localPlayer.id, joe.client().localPlayer.id);
    net.RunFor(50);
    for (NetMachine* machine : {&host, &joe, &ann}) {
        const auto lines = Read(machine->client().messageLog);
        ASSERT_FALSE(lines.empty()) << machine->address;
        EXPECT_EQ(lines.back(), "Ann killed Joe") << machine->address;
    }

    Disconnect(joe.game);
    joe.frozen = true;
    net.RunFor(100);
    for (NetMachine* machine : {&host, &ann}) {
        const auto lines = Read(machine->client().messageLog);
        ASSERT_FALSE(lines.empty()) << machine->address;
        EXPECT_EQ(lines.back(), "Joe left the game") << machine->address;
    }
}

TEST(MessageLines, ANewLevelStartsWithoutTheLastLevelsLines) {
    NetHarness net;
    NetMachine& host = net.AddMachine("10.0.0.1", 1);
    NetMachine& joe = net.AddMachine("10.0.0.2", 2);
    net.Host(host, {.maps = {"arena1.map", "arena2.map"}, .fragLimit = 1});
    net.Join(joe, "Joe");
    SendKill(joe.game, joe.client().localPlayer.id, host.client().localPlayer.id);
    net.RunFor(50);
    ASSERT_TRUE(joe.client().clientSettings.gameOver);
    // More lines than the five-second wait lets expire.
    for (int i = 0; i < 9; ++i)
        AddMessageLine(host.client().messageLog, Named("late"), net.clock.now);
    net.RunFor(5500);
    ASSERT_FALSE(host.client().clientSettings.gameOver);
    EXPECT_EQ(host.client().messageLog.count, 0);
    EXPECT_EQ(joe.client().messageLog.count, 0);
}

}  // namespace
