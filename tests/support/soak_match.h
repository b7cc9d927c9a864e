// Soak match: a hosted game with joining players and bots played for a long stretch of simulated
// time on the in-memory bus under loss, duplication, reordering and delay. The players are
// driven as people would play: they walk in circles, fire, kill now and then, and one of them
// goes on a spree when a level should end. Hostile senders can be added: a joined player that
// speaks for others, and a machine that never joined. The match keeps the figures a reader of a
// soak wants (time, datagrams, loss, level changes, the largest size each table reached, how long
// the tables took to agree once the faults stopped). Shared by the short soak of the test suite
// and the long one of bench/net_soak.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "support/net_harness.h"

struct SoakOptions {
    uint32_t minutes = 30;  // simulated play under the faults
    int32_t levelChanges = 2;
    int32_t joiners = 3;
    uint8_t bots = 4;
    uint8_t fragLimit = 40;
    tbusfaults faults = {.lossChance = 0.25f,
                         .duplicateChance = 0.25f,
                         .reorderChance = 0.25f,
                         .delayMs = 150,
                         .delayJitterMs = 200};
    std::vector<std::string> maps = {"arena1.map", "arena2.map", "arena3.map"};
    // Every this many ms (0: never) a joiner leaves and the one that left last joins again in the
    // same frame: each join lands while a departure is being confirmed.
    uint32_t churnEveryMs = 0;
    uint32_t frameMs = 10;
    uint64_t seed = 1;
    // The last joiner also speaks for others: state reports, leaves, kills, respawn requests and
    // removal confirmations naming other players, and joins under many ids.
    bool hostileJoiner = false;
    // A machine that never joined sends the same, plus bullets, all the time.
    bool stranger = false;
};

struct SoakFigures {
    uint32_t simulatedMs = 0;
    uint64_t datagrams = 0;
    uint64_t lost = 0;
    uint64_t duplicated = 0;
    uint64_t hostileDatagrams = 0;
    int32_t levelChanges = 0;
    int32_t rejoins = 0;  // joiners that lost their connection and joined again
    int64_t kills = 0;
    int64_t bulletsFired = 0;
    int32_t convergenceMs = -1;  // from lifting the faults to agreeing tables; -1: never
    size_t maxServerPlayers = 0;
    size_t maxPendingMessages = 0;
    size_t maxDepartures = 0;
    size_t maxVisitors = 0;
    size_t maxClientPlayers = 0;
    size_t maxRemoteBullets = 0;  // bullets in the air on one machine
    size_t maxImpacts = 0;
    size_t maxWaitingDatagrams = 0;
    size_t bulletsLeft = 0;  // bullets on any machine after everyone stopped firing
    // Placements after a level change, and those not on a spawn point of the server's level.
    int32_t placements = 0;
    int32_t placementsOffMap = 0;
    // Level restarts of a joiner before and after the host's own.
    int32_t joinerRestartedFirst = 0;
    int32_t hostRestartedFirst = 0;
    int32_t churns = 0;
};

class SoakMatch {
  public:
    explicit SoakMatch(const SoakOptions& options);
    ~SoakMatch();

    // The whole soak: joins, play under the faults with the level changes, then the faults are
    // lifted (convergence is timed up to `convergeLimitMs`) and a quiet spell lets bullets end.
    SoakFigures Run(uint32_t convergeLimitMs = 5000);

    // Whether every machine's table (the host's own client's too) matches the server's.
    bool TablesAgree();
    // The players that really play: the host, the joiners and the bots, nobody else, each human
    // at its own machine's address and each bot at the host's.
    bool HostHoldsExactlyTheRealPlayers();

    NetHarness net;
    NetMachine* host = nullptr;
    std::vector<NetMachine*> joiners;
    // A joiner that nobody's legitimate kills target; forged kills aim at it.
    NetMachine* spared = nullptr;

  private:
    struct LiveBullet {
        NetMachine* machine;
        int32_t id;
        int32_t ownerIndex;
        uint32_t endsAt;
    };
    class Hostiles;

    void JoinEveryone();
    void PlayFor(uint32_t ms, bool firing);
    void StepFrame(bool firing);
    void MoveHumans();
    void MoveBots();
    void Fire(NetMachine& machine, int32_t ownerIndex, const tvec3& from);
    void EndBullets();
    void MaybeKill(NetMachine& machine);
    void MaybeBotKill();
    void Spree();
    void RejoinDropped();
    void Churn();
    void CheckPlacements(const tgamesettings& serverLevel);
    void Sample();
    int32_t RandomVictimOf(NetMachine& machine);

    SoakOptions options_;
    SoakFigures figures_;
    Random random_;
    std::vector<LiveBullet> liveBullets_;
    int32_t nextBulletId_ = 1;
    std::unique_ptr<Hostiles> hostiles_;
    bool hostWasOver_ = false;
    uint32_t nextLevelEndAt_ = 0;
    uint32_t lastSpreeKill_ = 0;
    NetMachine* churnedOut_ = nullptr;
    // Churned players on their way back: a join of theirs that times out is tried again, and
    // that is no drop.
    std::vector<NetMachine*> churnJoining_;
    uint32_t nextChurnAt_ = 0;
    bool churnOver_ = false;  // no churn once the faults stop: the tables must settle
    size_t nextChurner_ = 0;
    std::vector<bool> wasConfirmed_, wasOver_;
    std::string serverLevelMap_;
};
