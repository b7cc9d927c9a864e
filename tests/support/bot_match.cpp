#include "support/bot_match.h"

#include <cmath>

#include "base/scan_codes.h"
#include "config/config_reader.h"
#include "support/shipped_content.h"
#include "world/bullet_model.h"
#include "world/level_start.h"
#include "world/null_gpu.h"

namespace {

constexpr uint32_t kFrameMs = 15;

NullGpu& SharedGpu() {
    static NullGpu gpu;
    return gpu;
}

float WrappedDegrees(float degrees) {
    float wrapped = std::fmod(degrees, 360.0f);
    if (wrapped > 180) wrapped -= 360;
    if (wrapped < -180) wrapped += 360;
    return wrapped;
}

}  // namespace

BotMatch::BotMatch(const BotMatchOptions& options) {
    machine_ = &net_.AddMachine("10.0.0.1", 11);
    Game& game = machine_->game;
    // The shipped tuning, as a player gets it: how far bots see and shoot comes from there.
    ReadConfig(kRunDir / "config.txt", game.tuning);
    game.services.gpu = &SharedGpu();
    UseShippedContent(game.world);
    game.client.levelHooks.startLevel = [this](Session& level, const std::string& map) {
        tally_.maps.push_back(map);
        if (!StartLevel(level.world, *level.services.gpu, level.random, LevelSettings{0, 32},
                        kRunDir / "maps" / map))
            return false;
        PrepareBulletModel(level.world, level.services.gpu);
        return true;
    };
    HostGame(*machine_, {.maps = options.maps,
                         .bots = options.bots,
                         .gameType = options.gameType,
                         .fragLimit = options.fragLimit});
    // The host stands where it spawned, one more target for the bots.
}

bool BotMatch::Placed(tvec3 position) const {
    const CollisionGrid& grid = machine_->game.world.arena.collisionGrid;
    const float half = grid.gridCellSize / 2;
    const bool finite =
        std::isfinite(position.x) && std::isfinite(position.y) && std::isfinite(position.z);
    return finite && position.x >= grid.gridOriginX - half &&
           position.x <= grid.gridOriginX + grid.gridCellSize * grid.gridColumns + half &&
           position.z >= grid.gridOriginZ - half &&
           position.z <= grid.gridOriginZ + grid.gridCellSize * grid.gridRows + half;
}

void BotMatch::Watch() {
    Game& game = machine_->game;
    const std::vector<MatchPlayer>& players = game.play.players;
    const std::vector<tplayerinfo>& table = game.server.serverPlayers;
    const bool teamGame = game.server.serverSettings.gameType != kDeathMatch;
    for (size_t i = 0; i < players.size() && i < table.size(); ++i) {
        if (!players[i].isBot) continue;
        const MatchPlayer& player = players[i];
        const tgeomobject& bot = player.model;
        if (!Placed(bot.position)) ++tally_.badPositions;
        if (i < previousTable_.size() && table[i].frags > previousTable_[i].frags) {
            tally_.frags += table[i].frags - previousTable_[i].frags;
        }
        if (i < previousPositions_.size() && !player.dead) {
            const tvec3 step = bot.position - previousPositions_[i];
            const float distance = std::hypot(step.x, step.z);
            if (distance < 1) tally_.walked += distance;  // a respawn is no walk
        }
        if (player.lastShotTime != game.frame.now || player.dead) continue;
        ++tally_.shots;
        // The shot must go at an enemy within firing range, more or less where the bot faces
        // (seen from its muzzle, as the bot aims).
        const tvec3 muzzle = bot.position + bot.bulletStart;
        bool enemyAhead = false;
        for (size_t j = 0; j < players.size() && j < table.size(); ++j) {
            if (j == i || (teamGame && table[j].team == table[i].team)) continue;
            const tvec3 d = players[j].model.position - muzzle;
            const float horizontal = std::hypot(d.x, d.z);
            const float heading = std::atan2(d.x, d.z) * 57.2957795f;
            if (horizontal <= game.tuning.SHOOT_DISTANCE + 1 &&
                std::fabs(WrappedDegrees(heading - (bot.yaw - 180))) < 10) {
                enemyAhead = true;
            }
        }
        if (!enemyAhead) ++tally_.shotsAtNoEnemy;
    }
    previousTable_ = table;
    previousPositions_.clear();
    for (const MatchPlayer& other : players) previousPositions_.push_back(other.model.position);
}

// Bots only come for players within 60 units and fire within 15 (the shipped tuning): the host
// goes looking for them, as a player would, walking at the nearest living bot.
void BotMatch::SteerHost() {
    Game& game = machine_->game;
    const int32_t local = game.state.localPlayerIndex;
    std::vector<MatchPlayer>& players = game.play.players;
    if (local < 0 || static_cast<size_t>(local) >= players.size()) return;
    tgeomobject& host = players[static_cast<size_t>(local)].model;
    const std::vector<tplayerinfo>& table = game.server.serverPlayers;
    const bool teamGame = game.server.serverSettings.gameType != kDeathMatch;
    float nearest = 1e9f;
    for (size_t i = 0; i < players.size() && i < table.size(); ++i) {
        const tgeomobject& bot = players[i].model;
        if (!players[i].isBot || players[i].dead) continue;
        if (teamGame && table[i].team == game.client.localPlayer.team) continue;
        const tvec3 d = bot.position - host.position;
        const float distance = std::hypot(d.x, d.z);
        if (distance < nearest && distance > 0) {
            nearest = distance;
            host.yaw = std::atan2(d.x, d.z) * 57.2957795f - 180;
        }
    }
    game.input.keys[DIK_W] = kKeyHeld;
    game.input.mouse.buttons[0] = kKeyHeld;
}

void BotMatch::Play(uint32_t ms) {
    for (uint32_t t = 0; t < ms; t += kFrameMs) {
        SteerHost();
        net_.RunFrame(kFrameMs);
        Watch();
    }
}
