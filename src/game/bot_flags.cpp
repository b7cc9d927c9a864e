#include "game/bot_flags.h"

#include "game/match.h"

std::optional<tvec3> FlagGoal(const Match& match, size_t bot) {
    const tgamesettings& settings = match.serverSettings;
    const MatchPlayer* player = match.Player(static_cast<int32_t>(bot));
    if (settings.gameType != kCaptureTheFlag || !player) return std::nullopt;
    const bool blue = player->entry.team == 0;
    const tteamflag& own = blue ? settings.blueFlag : settings.redFlag;
    const tteamflag& enemy = blue ? settings.redFlag : settings.blueFlag;
    // The flag's carrier is a slot of the server's table; the bot is known by its id there.
    const bool carrying = enemy.state == kFlagCarried &&
                          enemy.carrier < match.serverPlayers.size() &&
                          match.serverPlayers[enemy.carrier].id == player->entry.id;
    // A capture needs the own flag at home, where its position then is.
    if (carrying || own.state != kFlagAtBase) return own.position;
    if (enemy.state == kFlagCarried) return std::nullopt;
    return enemy.position;
}
