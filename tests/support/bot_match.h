// Bot match: a hosted game on a shipped map, headless, on the in-memory network with a manual
// clock (15 ms frames): the host's player stands where it spawned, the bots do everything. It
// watches what a referee would: shots, frags, captures, walking, bots standing idle, positions that
// are not numbers or off the grid, bots firing at anyone but an enemy, and the maps the rotation
// starts. Used by the bot tests and the bot benchmark.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "support/net_harness.h"

struct BotMatchOptions {
    std::vector<std::string> maps;  // file names in the run folder's maps/
    uint8_t gameType = kDeathMatch;
    uint8_t fragLimit = 120;
    uint8_t bots = 8;
    uint32_t seed = 11;
    BotSkill botSkill = BotSkill::kNormal;
};

// Every shipped map in every game type it supports (team games where it has team spawns).
std::vector<BotMatchOptions> EveryShippedGame();
// "arena.map DM" and the like.
std::string GameName(const BotMatchOptions& game);
// An angle's difference from 0 the short way round, within [-180, 180] degrees.
float WrappedDegrees(float degrees);

struct BotMatchTally {
    int32_t shots = 0;
    int32_t frags = 0;           // bot frags, over every level played
    int32_t badPositions = 0;    // frames x bots with a position that is not finite or off grid
    int32_t shotsAtNoEnemy = 0;  // shots fired with no enemy in range ahead of the shooter
    int32_t captures = 0;        // flags brought home, over every level played
    float walked = 0;            // distance the bots covered
    // Living bot-seconds, and those of them in which the bot had neither moved a unit nor fired
    // in the last 10 s.
    float livingSeconds = 0;
    float idleSeconds = 0;
    float IdleShare() const { return livingSeconds > 0 ? idleSeconds / livingSeconds : 0; }
    std::vector<std::string> maps;  // the levels started, in order
};

class BotMatch {
  public:
    explicit BotMatch(const BotMatchOptions& options);
    // Plays `ms` of simulated time in 15 ms frames.
    void Play(uint32_t ms);
    Game& host() { return machine_->game; }
    const BotMatchTally& tally() const { return tally_; }

  private:
    // Where a bot last moved a unit from, or fired, and when.
    struct Stir {
        tvec3 position;
        uint32_t time = 0;
        bool alive = false;
    };

    void Watch();
    void WatchIdling(size_t slot, bool fired);
    bool Placed(tvec3 position) const;

    NetHarness net_;
    NetMachine* machine_ = nullptr;
    BotMatchTally tally_;
    std::vector<tplayerinfo> previousTable_;
    std::vector<tvec3> previousPositions_;
    std::vector<Stir> stirs_;
    int32_t previousCaptures_ = 0;
};
