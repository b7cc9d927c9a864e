// The dedicated server's command line: `zarnok --server [options]`. Every option has a default,
// so `zarnok --server` alone hosts a deathmatch on the first map of the maps folder.
#pragma once
#include <cstdint>
#include <span>
#include <string>

#include "game/bot_skill.h"
#include "game/match_records.h"

struct ServerOptions {
    std::string map;  // the first level; empty: the first map of the folder
    uint8_t gameType = kDeathMatch;
    int32_t bots = 4;
    BotSkill botSkill = BotSkill::kNormal;
    int32_t fragLimit = 5;  // frags in deathmatch and TDM, captures in CTF
    std::string name = "zarnok server";
};

struct ServerCommandLine {
    enum class Outcome { kRun, kHelp, kError } outcome = Outcome::kRun;
    ServerOptions options;
    std::string error;  // one line, for kError
};

// The arguments after the program's name, `--server` among them.
ServerCommandLine ParseServerCommandLine(std::span<const std::string> arguments);
// The word `--bot-skill` takes for `skill`.
const char* BotSkillName(BotSkill skill);
// The text of `--help`.
std::string ServerUsage();
