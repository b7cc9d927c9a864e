// Menu forms: the values a screen hands on when it is accepted, read from its widgets. The
// options go to ApplyOptions (as the chosen texts, in English, and the language list's choice), the
// join form to the client, the new-game form to the server.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "game/bot_skill.h"
#include "ui/menus.h"
#include "ui/options.h"

inline constexpr std::size_t kPlayerNameLimit = 16;
inline constexpr std::size_t kServerNameLimit = 16;
inline constexpr int32_t kMaxBots = 8;

struct ConnectForm {
    std::string playerName;  // at most 16 characters
    int32_t team = 0;        // 0 Blue, 1 Red
    std::string address;     // the loopback address when the box is empty
};

struct NewGameForm {
    std::string serverName;  // at most 16 characters
    int32_t gameType = 0;    // 0 DeathMatch, 1 CTF, 2 TDM
    int32_t fragLimit = 0;
    int32_t botCount = 0;  // at most 8
    BotSkill botSkill = BotSkill::kNormal;
    std::string playerName;
    int32_t team = 0;
    std::vector<std::string> maps;  // the rotation, in list order
};

// `language`: the one the options screen is worded in.
OptionsChoice ReadOptionsChoice(const tgoptions& screen, Language language);
ConnectForm ReadConnectForm(const tgnetwork& screen);
NewGameForm ReadNewGameForm(const tgnewgame& screen);
