#include "app/server_options.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "game/level_score.h"
#include "net/wire_records.h"

namespace {

std::optional<int32_t> WholeNumber(const std::string& text, int32_t lowest, int32_t highest) {
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    if (value < lowest || value > highest) return std::nullopt;
    return value;
}

std::optional<uint8_t> GameTypeNamed(const std::string& text) {
    if (text == "dm") return kDeathMatch;
    if (text == "tdm") return kTeamDeathMatch;
    if (text == "ctf") return kCaptureTheFlag;
    return std::nullopt;
}

struct SkillWord {
    const char* word;
    BotSkill skill;
};
constexpr SkillWord kSkillWords[] = {
    {"easy", BotSkill::kEasy}, {"normal", BotSkill::kNormal}, {"hard", BotSkill::kHard}};

std::optional<BotSkill> BotSkillNamed(const std::string& text) {
    for (const SkillWord& each : kSkillWords) {
        if (text == each.word) return each.skill;
    }
    return std::nullopt;
}

ServerCommandLine Refused(std::string error) {
    ServerCommandLine line;
    line.outcome = ServerCommandLine::Outcome::kError;
    line.error = std::move(error);
    return line;
}

bool TakesValue(const std::string& option) {
    return option == "--map" || option == "--type" || option == "--bots" ||
           option == "--bot-skill" || option == "--frags" || option == "--name";
}

}  // namespace

const char* BotSkillName(BotSkill skill) {
    for (const SkillWord& each : kSkillWords) {
        if (skill == each.skill) return each.word;
    }
    return "normal";
}

ServerCommandLine ParseServerCommandLine(std::span<const std::string> arguments) {
    ServerCommandLine line;
    ServerOptions& options = line.options;
    const bool serving =
        std::find(arguments.begin(), arguments.end(), "--server") != arguments.end();
    if (!serving) line.outcome = ServerCommandLine::Outcome::kPlay;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--server") continue;
        if (option == "--help" || option == "-h") {
            line.outcome = ServerCommandLine::Outcome::kHelp;
            return line;
        }
        if (!TakesValue(option)) return Refused("unknown option " + option + " (see --help)");
        // The window's game takes its settings from its menus.
        if (!serving) return Refused(option + " goes with --server (see --help)");
        if (i + 1 >= arguments.size()) return Refused(option + " needs a value (see --help)");
        const std::string& value = arguments[++i];
        if (option == "--map") {
            if (!IsBareMapName(value)) return Refused("--map wants a file name in maps/: " + value);
            options.map = value;
        } else if (option == "--type") {
            const std::optional<uint8_t> type = GameTypeNamed(value);
            if (!type) return Refused("--type wants dm, tdm or ctf: " + value);
            options.gameType = *type;
        } else if (option == "--bots") {
            const std::optional<int32_t> bots = WholeNumber(value, 0, kBotLimit);
            if (!bots) return Refused("--bots wants a number from 0 to 8: " + value);
            options.bots = *bots;
        } else if (option == "--bot-skill") {
            const std::optional<BotSkill> skill = BotSkillNamed(value);
            if (!skill) return Refused("--bot-skill wants easy, normal or hard: " + value);
            options.botSkill = *skill;
        } else if (option == "--frags") {
            const std::optional<int32_t> frags = WholeNumber(value, 0, kHighestFragLimit);
            if (!frags)
                return Refused("--frags wants a number from 0 (no limit) to " +
                               std::to_string(kHighestFragLimit) + ": " + value);
            options.fragLimit = *frags;
        } else {
            if (value.empty() || value.size() > 16)
                return Refused("--name wants 1 to 16 characters: " + value);
            options.name = value;
        }
    }
    return line;
}

std::string ProgramUsage() {
    return "usage: zarnok [--help]\n"
           "       zarnok --server [options]\n"
           "\n"
           "Without options zarnok opens its window: the menus start or join a game on the local\n"
           "network and set everything else. ZARNOK_DATA_DIR names another folder of content;\n"
           "LC_ALL, LC_MESSAGES or LANG choose Russian (ru*) or English until the options do.\n"
           "\n"
           "--server hosts a game on this machine's network with no window, sound or display:\n"
           "players join it from the join screen. Maps come from the game's maps/ folder and,\n"
           "installed, from ~/.local/share/zarnok/maps/ too.\n"
           "\n"
           "  --map NAME     the first map of the rotation (default: the first by name)\n"
           "  --type TYPE    dm (deathmatch, the default), tdm (team deathmatch) or ctf\n"
           "  --bots N       bots that play, 0 to 8 (default 4)\n"
           "  --bot-skill S  how well the bots play: easy, normal (the default) or hard\n"
           "  --frags N      frags (captures in ctf) that end a level, 0 (none) to 127\n"
           "                 (default 5)\n"
           "  --name NAME    the game's name, up to 16 characters (default \"zarnok server\")\n"
           "  --help         this text\n"
           "\n"
           "The server listens on UDP port 7050 and answers players on 7051. SIGINT, SIGTERM or\n"
           "SIGHUP close it: every player is told, and the traffic goes to log.txt.\n";
}
