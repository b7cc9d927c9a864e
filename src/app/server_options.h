// The program's command line: `zarnok` opens the window's game, `zarnok --server [options]` the
// dedicated server. Every server option has a default, so `zarnok --server` alone hosts a
// deathmatch on the first map of the maps folder.
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
    // kPlay: the window's game (no --server); kRun: the dedicated server with `options`.
    enum class Outcome { kPlay, kRun, kHelp, kError } outcome = Outcome::kRun;
    ServerOptions options;
    std::string error;  // one line, for kError
};

// The arguments after the program's name. Without `--server` only --help is taken: an unknown
// option, or a server option, is refused in one line naming it.
ServerCommandLine ParseServerCommandLine(std::span<const std::string> arguments);
// The word `--bot-skill` takes for `skill`.
const char* BotSkillName(BotSkill skill);
// The text of `--help`: the options of both the window's game and the server.
std::string ProgramUsage();
