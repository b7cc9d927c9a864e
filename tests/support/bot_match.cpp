#include "support/bot_match.h"

#include <algorithm>
#include <cmath>

#include "config/config_reader.h"
#include "support/shipped_content.h"
#include "world/bullet_model.h"
#include "world/level_start.h"
#include "world/map_file.h"
#include "world/null_gpu.h"

namespace {

constexpr uint32_t kFrameMs = 15;
constexpr uint32_t kIdleWindowMs = 10000;
constexpr float kStirDistance = 1;

bool HasTeamSpawns(const std::filesystem::path& map) {
    const MapDescription description = ParseMapFile(FileText(map), map.filename().string());
    return std::any_of(description.spawnPoints.begin(), description.spawnPoints.end(),
                       [](const tspawnpoint& point) { return point.team != 0; });
}

NullGpu& SharedGpu() {
    static NullGpu gpu;
    return gpu;
}

}  // namespace

float WrappedDegrees(float degrees) {
    float wrapped = std::fmod(degrees, 360.0f);
    if (wrapped > 180) wrapped -= 360;
    if (wrapped < -180) wrapped += 360;
    return wrapped;
}

std::vector<BotMatchOptions> EveryShippedGame() {
    std::vector<BotMatchOptions> games;
    for (const std::filesystem::path& file : ShippedMaps()) {
        const std::string map = file.filename().string();
        games.push_back({.maps = {map}});
        if (!HasTeamSpawns(file)) continue;
        games.push_back({.maps = {map}, .gameType = kTeamDeathMatch});
        games.push_back({.maps = {map}, .gameType = kCaptureTheFlag});
    }
    return games;
}

std::string GameName(const BotMatchOptions& game) {
    const char* type = game.gameType == kDeathMatch       ? "DM"
                       : game.gameType == kTeamDeathMatch ? "TDM"
                                                          : "CTF";
    return (game.maps.empty() ? std::string() : game.maps.front()) + " " + type;
}

BotMatch::BotMatch(const BotMatchOptions& options) {
    machine_ = &net_.AddMachine("10.0.0.1", options.seed);
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
                         .fragLimit = options.fragLimit,
                         .botSkill = options.botSkill});
    // The host stands where it spawned, one more target for the bots: they must find each other.
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
        const bool fired = player.lastShotTime == game.frame.now && !player.dead;
        WatchIdling(i, fired);
        if (!fired) continue;
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
    const tgamesettings& settings = game.server.serverSettings;
    // The flags' scores count team frags outside capture the flag.
    const int32_t captures =
        settings.gameType == kCaptureTheFlag ? settings.blueFlag.score + settings.redFlag.score : 0;
    tally_.captures += std::max(0, captures - previousCaptures_);  // a new level starts from 0
    previousCaptures_ = captures;
    previousTable_ = table;
    previousPositions_.clear();
    for (const MatchPlayer& other : players) previousPositions_.push_back(other.model.position);
}

void BotMatch::WatchIdling(size_t slot, bool fired) {
    const MatchPlayer& player = machine_->game.play.players[slot];
    const uint32_t now = machine_->game.frame.now;
    if (stirs_.size() <= slot) stirs_.resize(slot + 1);
    Stir& stir = stirs_[slot];
    if (player.dead) {
        stir.alive = false;
        return;
    }
    const tvec3 moved = player.model.position - stir.position;
    if (!stir.alive || fired || std::hypot(moved.x, moved.y, moved.z) >= kStirDistance) {
        stir = {player.model.position, now, true};
    }
    tally_.livingSeconds += kFrameMs / 1000.0f;
    if (now - stir.time >= kIdleWindowMs) tally_.idleSeconds += kFrameMs / 1000.0f;
}

void BotMatch::Play(uint32_t ms) {
    for (uint32_t t = 0; t < ms; t += kFrameMs) {
        net_.RunFrame(kFrameMs);
        Watch();
    }
}
