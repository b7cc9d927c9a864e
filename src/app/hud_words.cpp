#include "app/hud_words.h"

#include <algorithm>

namespace {

// The local player's counters and the statistics table.
// "Фраги "
constexpr Phrase kKills{"\xD4\xF0\xE0\xE3\xE8 ", "Kills "};
// "Смерти "
constexpr Phrase kDeaths{"\xD1\xEC\xE5\xF0\xF2\xE8 ", "Deaths "};
// "Статистика игры"
constexpr Phrase kStatistics{"\xD1\xF2\xE0\xF2\xE8\xF1\xF2\xE8\xEA\xE0 \xE8\xE3\xF0\xFB",
                             "Game statistics"};
// "Имя"
constexpr Phrase kNameHeader{"\xC8\xEC\xFF", "Name"};
// "Убил", "Умер": short enough for the table's narrow columns.
constexpr Phrase kKillsHeader{"\xD3\xE1\xE8\xEB", "Kills"};
constexpr Phrase kDeathsHeader{"\xD3\xEC\xE5\xF0", "Deaths"};
// "Защита при появлении"
constexpr Phrase kSpawnProtection{
    "\xC7\xE0\xF9\xE8\xF2\xE0 \xEF\xF0\xE8 \xEF\xEE\xFF\xE2\xEB\xE5\xED\xE8\xE8",
    "Spawn protection"};

// The match.
// "Соединение с сервером разорвано"
constexpr Phrase kConnectionLost{
    "\xD1\xEE\xE5\xE4\xE8\xED\xE5\xED\xE8\xE5 \xF1 \xF1\xE5\xF0\xE2\xE5\xF0\xEE\xEC "
    "\xF0\xE0\xE7\xEE\xF0\xE2\xE0\xED\xEE",
    "Connection to the server lost"};
// "Победил {} !"
constexpr Phrase kPlayerWins{"\xCF\xEE\xE1\xE5\xE4\xE8\xEB {} !", "{} wins !"};
// "Победила команда синих"
constexpr Phrase kBlueTeamWins{
    "\xCF\xEE\xE1\xE5\xE4\xE8\xEB\xE0 \xEA\xEE\xEC\xE0\xED\xE4\xE0 \xF1\xE8\xED\xE8\xF5",
    "Blue team is the winner"};
// "Победила команда красных"
constexpr Phrase kRedTeamWins{
    "\xCF\xEE\xE1\xE5\xE4\xE8\xEB\xE0 \xEA\xEE\xEC\xE0\xED\xE4\xE0 \xEA\xF0\xE0\xF1\xED\xFB\xF5",
    "Red team is the winner"};
// "Красный флаг захвачен!"
constexpr Phrase kRedFlagWarning{
    "\xCA\xF0\xE0\xF1\xED\xFB\xE9 \xF4\xEB\xE0\xE3 \xE7\xE0\xF5\xE2\xE0\xF7\xE5\xED!",
    "Red flag taken!"};

// The message lines.
// "{} вошел в игру"
constexpr Phrase kJoined{"{} \xE2\xEE\xF8\xE5\xEB \xE2 \xE8\xE3\xF0\xF3", "{} joined the game"};
// "{} покинул игру"
constexpr Phrase kLeft{"{} \xEF\xEE\xEA\xE8\xED\xF3\xEB \xE8\xE3\xF0\xF3", "{} left the game"};
// "{} убил "
constexpr Phrase kKilledBy{"{} \xF3\xE1\xE8\xEB ", "{} killed "};

// The flag events, by flag: blue, red. A flag brought home was carried by the other team.
// "Красные принесли флаг"
constexpr Phrase kBlueFlagCaptured{
    "\xCA\xF0\xE0\xF1\xED\xFB\xE5 \xEF\xF0\xE8\xED\xE5\xF1\xEB\xE8 \xF4\xEB\xE0\xE3",
    "Red team brings the flag"};
// "Синие принесли флаг"
constexpr Phrase kRedFlagCaptured{
    "\xD1\xE8\xED\xE8\xE5 \xEF\xF0\xE8\xED\xE5\xF1\xEB\xE8 \xF4\xEB\xE0\xE3",
    "Blue team brings the flag"};
// "Синий флаг возвращен"
constexpr Phrase kBlueFlagReturned{
    "\xD1\xE8\xED\xE8\xE9 \xF4\xEB\xE0\xE3 \xE2\xEE\xE7\xE2\xF0\xE0\xF9\xE5\xED",
    "Blue flag returned"};
// "Красный флаг возвращен"
constexpr Phrase kRedFlagReturned{
    "\xCA\xF0\xE0\xF1\xED\xFB\xE9 \xF4\xEB\xE0\xE3 \xE2\xEE\xE7\xE2\xF0\xE0\xF9\xE5\xED",
    "Red flag returned"};
// "Синий флаг захвачен"
constexpr Phrase kBlueFlagTaken{
    "\xD1\xE8\xED\xE8\xE9 \xF4\xEB\xE0\xE3 \xE7\xE0\xF5\xE2\xE0\xF7\xE5\xED", "Blue flag taken"};
// "Красный флаг захвачен"
constexpr Phrase kRedFlagTaken{
    "\xCA\xF0\xE0\xF1\xED\xFB\xE9 \xF4\xEB\xE0\xE3 \xE7\xE0\xF5\xE2\xE0\xF7\xE5\xED",
    "Red flag taken"};
// "Синий флаг брошен"
constexpr Phrase kBlueFlagDropped{"\xD1\xE8\xED\xE8\xE9 \xF4\xEB\xE0\xE3 \xE1\xF0\xEE\xF8\xE5\xED",
                                  "Blue flag dropped"};
// "Красный флаг брошен"
constexpr Phrase kRedFlagDropped{
    "\xCA\xF0\xE0\xF1\xED\xFB\xE9 \xF4\xEB\xE0\xE3 \xE1\xF0\xEE\xF8\xE5\xED", "Red flag dropped"};

constexpr size_t kKillerPartLength = 24;
constexpr size_t kKillLineLength = 40;

const Phrase& FlagPhrase(const tmessageline& line) {
    const bool red = line.flag != 0;
    switch (line.event) {
        case MessageEvent::kFlagCaptured:
            return red ? kRedFlagCaptured : kBlueFlagCaptured;
        case MessageEvent::kFlagReturned:
            return red ? kRedFlagReturned : kBlueFlagReturned;
        case MessageEvent::kFlagTaken:
            return red ? kRedFlagTaken : kBlueFlagTaken;
        default:
            return red ? kRedFlagDropped : kBlueFlagDropped;
    }
}

}  // namespace

HudTexts HudTextsIn(Language language) {
    return HudTexts{.kills = Say(kKills, language),
                    .deaths = Say(kDeaths, language),
                    .connectionLost = Say(kConnectionLost, language),
                    .statistics = Say(kStatistics, language),
                    .nameHeader = Say(kNameHeader, language),
                    .killsHeader = Say(kKillsHeader, language),
                    .deathsHeader = Say(kDeathsHeader, language),
                    .blueFlagTaken = Say(kBlueFlagTaken, language),
                    .redFlagTaken = Say(kRedFlagWarning, language),
                    .spawnProtection = Say(kSpawnProtection, language)};
}

std::string WinnerText(const MatchWinner& winner, Language language) {
    switch (winner.side) {
        case MatchWinner::Side::kPlayer:
            return SayWith(kPlayerWins, language, {winner.name});
        case MatchWinner::Side::kBlueTeam:
            return Say(kBlueTeamWins, language);
        case MatchWinner::Side::kRedTeam:
            return Say(kRedTeamWins, language);
        case MatchWinner::Side::kNone:
            break;
    }
    return "";
}

std::string MessageLineText(const tmessageline& line, Language language) {
    std::string text;
    switch (line.event) {
        case MessageEvent::kJoined:
            text = SayWith(kJoined, language, {line.name});
            break;
        case MessageEvent::kLeft:
            text = SayWith(kLeft, language, {line.name});
            break;
        case MessageEvent::kKilled:
            text = SayWith(kKilledBy, language, {line.name}).substr(0, kKillerPartLength) +
                   line.victim;
            text.resize(std::min(text.size(), kKillLineLength));
            break;
        default:
            text = Say(FlagPhrase(line), language);
            break;
    }
    return text.substr(0, tmessagelog::kLineLength);
}
