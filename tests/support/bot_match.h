// Bot match: a hosted game on a shipped map, headless, on the in-memory network with a manual
// clock (15 ms frames): the host's player walks at the nearest bot, the bots do the rest. It
// watches what a referee would: shots, frags, walking, positions that are not numbers or off the
// grid, bots firing at anyone but an enemy, and the maps the rotation starts. Used by the bot tests
// and the bot benchmark.
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
};

struct BotMatchTally {
    int32_t shots = 0;
    int32_t frags = 0;              // bot frags, over every level played
    int32_t badPositions = 0;       // frames x bots with a position that is not finite or off grid
    int32_t shotsAtNoEnemy = 0;     // shots fired with no enemy in range ahead of the shooter
    float walked = 0;               // distance the bots covered
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
    void SteerHost();
    void Watch();
    bool Placed(tvec3 position) const;

    NetHarness net_;
    NetMachine* machine_ = nullptr;
    BotMatchTally tally_;
    std::vector<tplayerinfo> previousTable_;
    std::vector<tvec3> previousPositions_;
};
