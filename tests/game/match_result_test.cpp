// What the statistics table and the winner tell the players at a level's end, and the
// rhythm of the flag warnings.
#include <gtest/gtest.h>

#include "game/hud_state.h"
#include "game/match_statistics.h"
#include "game/match_winner.h"

namespace {

tplayerinfo Player(const char* name, int kills, int deaths, uint8_t team) {
    tplayerinfo player;
    player.name.Assign(name);
    player.frags = static_cast<int8_t>(kills);
    player.deaths = static_cast<int8_t>(deaths);
    player.team = team;
    return player;
}

std::vector<std::string> Names(const std::vector<tstatisticsrow>& rows) {
    std::vector<std::string> names;
    for (const tstatisticsrow& row : rows) names.push_back(row.name);
    return names;
}

TEST(StatisticsTable, EachTeamIsOrderedByKillsTheWayTheSwapSortLeavesEqualKills) {
    const std::vector<tplayerinfo> players = {
        Player("Ann", 1, 4, 0), Player("Bob", 1, 0, 0), Player("Cid", 2, 1, 0),
        Player("Dan", 0, 2, 1), Player("Eve", 3, 0, 1), Player("Fay", 0, 7, 1),
        Player("Gus", 9, 9, 7),  // no team: in neither list
        Player("Hal", 1, 3, 0),
    };
    const tstatisticstable table = BuildStatisticsTable(players);
    EXPECT_EQ(Names(table.blue), (std::vector<std::string>{"Cid", "Bob", "Ann", "Hal"}));
    EXPECT_EQ(Names(table.red), (std::vector<std::string>{"Eve", "Dan", "Fay"}));
    EXPECT_EQ(table.blue[2].deaths, 4);
    EXPECT_EQ(table.red[2].deaths, 7);
    // Three players of 1, 1 and 2 kills: the third comes first and the other two change places.
    const std::vector<tplayerinfo> three = {Player("A", 1, 0, 1), Player("B", 1, 0, 1),
                                            Player("C", 2, 0, 1)};
    EXPECT_EQ(Names(BuildStatisticsTable(three).red), (std::vector<std::string>{"C", "B", "A"}));
}

TEST(StatisticsTable, KillsAreSignedAndLongNamesAreKeptWhole) {
    const std::vector<tplayerinfo> players = {Player("Low", -3, 0, 0),
                                              Player("SixteenCharsName", 0, 0, 0)};
    const tstatisticstable table = BuildStatisticsTable(players);
    EXPECT_EQ(Names(table.blue), (std::vector<std::string>{"SixteenCharsName", "Low"}));
    EXPECT_EQ(table.blue[1].kills, -3);
}

tgamesettings Settings(uint8_t gameType, uint8_t blueScore, uint8_t redScore) {
    tgamesettings settings;
    settings.gameType = gameType;
    settings.gameOver = 1;
    settings.fragLimit = 5;
    settings.blueFlag.score = blueScore;
    settings.redFlag.score = redScore;
    return settings;
}

const MatchWinner kBlue{MatchWinner::Side::kBlueTeam, ""};
const MatchWinner kRed{MatchWinner::Side::kRedTeam, ""};
const MatchWinner kNoOne;

MatchWinner PlayerNamed(const char* name) {
    return {MatchWinner::Side::kPlayer, name};
}

TEST(Winner, TeamGamesNameTheHigherScoreAndATieGoesToRed) {
    EXPECT_EQ(WinnerOf(Settings(kTeamDeathMatch, 5, 4), {}, kNoOne), kBlue);
    EXPECT_EQ(WinnerOf(Settings(kTeamDeathMatch, 4, 5), {}, kNoOne), kRed);
    EXPECT_EQ(WinnerOf(Settings(kCaptureTheFlag, 3, 3), {}, kNoOne), kRed);
}

TEST(Winner, DeathMatchNamesTheLastPlayerAtTheLimitOrKeepsTheLastAnnouncement) {
    const tgamesettings settings = Settings(kDeathMatch, 0, 0);
    std::vector<tplayerinfo> players = {Player("Ann", 5, 0, 0), Player("Bob", 4, 0, 0),
                                        Player("Cid", 6, 0, 0)};
    EXPECT_EQ(WinnerOf(settings, players, kNoOne), PlayerNamed("Cid"));
    players.pop_back();
    EXPECT_EQ(WinnerOf(settings, players, PlayerNamed("Zed")), PlayerNamed("Ann"));
    players.erase(players.begin());
    EXPECT_EQ(WinnerOf(settings, players, PlayerNamed("Zed")), PlayerNamed("Zed"));
}

TEST(Winner, AFragLimitAbove127IsNeverReachedBySignedKills) {
    tgamesettings settings = Settings(kDeathMatch, 0, 0);
    settings.fragLimit = 200;
    const std::vector<tplayerinfo> players = {Player("Ann", -56, 0, 0)};  // byte 200
    EXPECT_EQ(WinnerOf(settings, players, kNoOne), kNoOne);
}

TEST(HudMemory, FlagWarningsBlinkEvery200MillisecondsInTeamGamesOnly) {
    HudState hud;
    tgamesettings settings = Settings(kCaptureTheFlag, 0, 0);
    settings.gameOver = 0;
    std::vector<bool> phases;
    for (uint32_t now = 1000; now <= 1804; now += 67) {
        UpdateHudState(hud, now, settings, {});
        phases.push_back(hud.blinkOn);
    }
    // Flips at 1000, 1201, 1402, 1603, 1804: each the first frame more than 200 ms after the last.
    EXPECT_EQ(phases, (std::vector<bool>{true, true, true, false, false, false, true, true, true,
                                         false, false, false, true}));

    HudState deathMatch;
    settings.gameType = kDeathMatch;
    for (uint32_t now = 1000; now <= 3000; now += 50) UpdateHudState(deathMatch, now, settings, {});
    EXPECT_FALSE(deathMatch.blinkOn);
}

TEST(HudMemory, TheWinnerIsRememberedUntilTheNextLevelStarts) {
    HudState hud;
    tgamesettings settings = Settings(kDeathMatch, 0, 0);
    std::vector<tplayerinfo> players = {Player("Ann", 5, 0, 0)};
    UpdateHudState(hud, 1, settings, players);
    players.clear();  // the winner left during the pause between levels
    UpdateHudState(hud, 2, settings, players);
    EXPECT_EQ(hud.winner, PlayerNamed("Ann"));
    settings.gameOver = 0;
    UpdateHudState(hud, 3, settings, players);
    EXPECT_EQ(hud.winner, kNoOne);
    settings.gameOver = 1;
    UpdateHudState(hud, 4, settings, players);  // the next level ends before the table says who won
    EXPECT_EQ(hud.winner, kNoOne);
}

}  // namespace
