// Bots on the shipped maps, headless: what one UpdateBots call costs with 8 bots in play, and how
// lively 8 bots are over ten simulated minutes of a hosted game on every shipped map in every game
// type it supports, with the host's player standing still: the share of bot time spent idle, frags
// and shots a minute, flags captured. Then a newcomer against four bots of each skill on every
// shipped map, deathmatch to the default frag limit: the host's player played through the keys and
// the mouse as a person new to the game plays (it walks about, notices an enemy, turns and fires
// after a person's reaction time and with a person's aim); how long it lives (median), how often
// it frags and how long a level lasts. The figures are counters of one run each.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>

#include "app/game.h"
#include "base/random.h"
#include "game/bots.h"
#include "support/bot_match.h"
#include "support/match_rules.h"

namespace {

constexpr uint32_t kMinutes = 10;
constexpr uint32_t kFrameMs = 15;

void BM_UpdateBotsEightBots(benchmark::State& state) {
    BotMatch match({.maps = {"arena.map"}});
    match.Play(5000);  // the bots have met the host and each other
    Game& game = match.host();
    for (auto _ : state) {
        game.frame.now += 15;
        RunRule(game, UpdateBots);
    }
}
BENCHMARK(BM_UpdateBotsEightBots)->Unit(benchmark::kMicrosecond);

void TenMinuteMatch(benchmark::State& state, const BotMatchOptions& game) {
    for (auto _ : state) {
        BotMatch match(game);
        match.Play(kMinutes * 60 * 1000);
        const BotMatchTally& tally = match.tally();
        state.counters["idle_pct"] = 100.0 * tally.IdleShare();
        state.counters["frags_per_min"] = static_cast<double>(tally.frags) / kMinutes;
        state.counters["shots_per_min"] = static_cast<double>(tally.shots) / kMinutes;
        state.counters["captures"] = tally.captures;
        state.counters["bad_positions"] = tally.badPositions;
        state.counters["shots_at_no_enemy"] = tally.shotsAtNoEnemy;
    }
}

constexpr double kDegreesPerRadian = 57.29577951308232;

// How the newcomer plays: it notices the nearest enemy the view from above shows it (about 33
// units ahead, 17 to either side; nothing behind it), reacts after a person's reaction time,
// turns the mouse at an unpractised hand's pace, aims off by up to a few degrees (its hand wanders
// anew every so often), holds the trigger while it faces the enemy within range, walks at it from
// afar and strafes near it; between fights it walks to spawn points picked at random and jumps
// when it gets nowhere.
constexpr float kViewAhead = 33;
constexpr float kViewAside = 17;
constexpr uint32_t kReactionMs = 300;
constexpr float kTurnDegrees = 3;
constexpr float kAimErrorDegrees = 6;
constexpr uint32_t kAimWanderMs = 500;
constexpr float kFireWithinDegrees = 4;
constexpr float kFireDistance = 15;
constexpr float kCloseInDistance = 8;
constexpr uint32_t kStrafeSwitchMs = 1500;
constexpr float kGoalReached = 3;
constexpr uint32_t kGoalMs = 12000;
constexpr uint32_t kStuckMs = 1000;
constexpr float kStuckDistance = 0.5f;

// The yaw that faces `to` from `from` (a player faces yaw - 180; heading 0 is along +z).
float YawToward(tvec3 from, tvec3 to) {
    const tvec3 d = to - from;
    return static_cast<float>(std::atan2(d.x, d.z) * kDegreesPerRadian) + 180;
}

// The median of lives that ended in death, counting the lives a level end cut short as lasting at
// least as long as they did (a product-limit estimate): seconds.
double MedianLife(std::vector<std::pair<double, bool>> lives) {
    std::sort(lives.begin(), lives.end());
    double surviving = 1;
    size_t atRisk = lives.size();
    for (const auto& [seconds, died] : lives) {
        if (died) surviving *= static_cast<double>(atRisk - 1) / static_cast<double>(atRisk);
        --atRisk;
        if (surviving <= 0.5) return seconds;
    }
    return lives.empty() ? 0 : lives.back().first;  // more than half outlived every death
}

class Newcomer {
  public:
    Newcomer(Game& game, uint64_t seed) : game_(game), random_(seed) {}

    // Before a frame: the keys and the mouse.
    void Play() {
        InputState& input = game_.input;
        input.keys.fill(0);
        input.mouse = {};
        const MatchPlayer* me = Me();
        if (!me || me->dead || !game_.state.spawnConfirmed) return;
        const uint32_t now = game_.frame.now;
        const tgeomobject& body = me->model;
        const int32_t enemy = NearestEnemyInView(body);
        if (enemy != noticed_) {
            noticed_ = enemy;
            noticedAt_ = now;
        }
        if (now - aimSince_ >= kAimWanderMs) {
            aimSince_ = now;
            aimOffYaw_ = (random_.Unit() * 2 - 1) * kAimErrorDegrees;
            aimOffPitch_ = (random_.Unit() * 2 - 1) * kAimErrorDegrees;
        }
        if (enemy >= 0 && now - noticedAt_ >= kReactionMs) {
            Fight(body, game_.play.players[static_cast<size_t>(enemy)].model.position);
        } else {
            Wander(body);
        }
    }

    // After a frame: lives, frags and levels.
    void Watch() {
        const uint32_t now = game_.frame.now;
        const bool over = game_.server.serverSettings.gameOver != 0;
        const MatchPlayer* me = Me();
        const bool alive = me && !me->dead && game_.state.spawnConfirmed && !over;
        if (alive && !wasAlive_) lifeStart_ = now;
        if (!alive && wasAlive_) {
            lives_.push_back({(now - lifeStart_) / 1000.0, me && me->dead});
        }
        wasAlive_ = alive;
        if (!over) playedMs_ += kFrameMs;
        if (over && !wasOver_) {
            levels_.push_back((now - levelStart_) / 1000.0);
            if (OwnFrags() >= game_.server.serverSettings.fragLimit) ++levelsWon_;
        }
        if (!over && wasOver_) levelStart_ = now;
        wasOver_ = over;
        const int32_t frags = OwnFrags();
        if (frags > lastFrags_) frags_ += frags - lastFrags_;
        lastFrags_ = frags;  // a new level starts from 0
    }

    void Report(benchmark::State& state) const {
        state.counters["median_life_s"] = MedianLife(lives_);
        state.counters["deaths"] = static_cast<double>(std::count_if(
            lives_.begin(), lives_.end(), [](const auto& life) { return life.second; }));
        state.counters["frags_per_min"] = frags_ * 60000.0 / std::max<uint32_t>(playedMs_, 1);
        state.counters["levels"] = static_cast<double>(levels_.size());
        state.counters["levels_won"] = levelsWon_;  // ended by the newcomer's own frags
        // A level that did not end counts with the time it had run: at least that long.
        const double unfinished = (game_.frame.now - levelStart_) / 1000.0;
        double total = unfinished;
        for (double seconds : levels_) total += seconds;
        state.counters["level_s"] =
            levels_.empty() ? unfinished
                            : (total - unfinished) / static_cast<double>(levels_.size());
        state.counters["unfinished_level_s"] = unfinished;
    }

  private:
    const MatchPlayer* Me() const {
        const int32_t index = game_.state.localPlayerIndex;
        if (index < 0 || static_cast<size_t>(index) >= game_.play.players.size()) return nullptr;
        const MatchPlayer& me = game_.play.players[static_cast<size_t>(index)];
        return me.hasModel ? &me : nullptr;
    }

    // The kills the server accepted from the newcomer this level (its table entry's count comes
    // with its next report, after the level may have ended).
    int32_t OwnFrags() const {
        for (const auto& [killer, kills] : game_.server.levelScore.killsById) {
            if (killer == game_.client.localPlayer.id) return kills;
        }
        return 0;
    }

    int32_t NearestEnemyInView(const tgeomobject& body) const {
        const float facing = static_cast<float>((body.yaw - 180) / kDegreesPerRadian);
        const float forwardX = std::sin(facing), forwardZ = std::cos(facing);
        int32_t nearest = -1;
        float nearestDistance = kViewAhead + kViewAside;
        const std::vector<MatchPlayer>& players = game_.play.players;
        for (size_t i = 0; i < players.size(); ++i) {
            if (static_cast<int32_t>(i) == game_.state.localPlayerIndex || players[i].dead ||
                !players[i].hasModel) {
                continue;
            }
            const tvec3 d = players[i].model.position - body.position;
            const float ahead = d.x * forwardX + d.z * forwardZ;
            const float aside = d.x * forwardZ - d.z * forwardX;
            const float distance = std::hypot(d.x, d.z);
            if (ahead >= 0 && ahead <= kViewAhead && std::fabs(aside) <= kViewAside &&
                distance < nearestDistance) {
                nearest = static_cast<int32_t>(i);
                nearestDistance = distance;
            }
        }
        return nearest;
    }

    // Moves the mouse toward `yaw` and `pitch`, as far as a hand turns it in a frame; returns how
    // far off the yaw the player still faces.
    float TurnTo(const tgeomobject& body, float yaw, float pitch) {
        const Tuning& tuning = game_.tuning;
        const float yawTurn =
            std::clamp(WrappedDegrees(yaw - body.yaw), -kTurnDegrees, kTurnDegrees);
        const float pitchTurn =
            std::clamp(pitch - game_.play.lookPitch, -kTurnDegrees, kTurnDegrees);
        game_.input.mouse.x = static_cast<int32_t>(std::lround(-yawTurn / tuning.MOUSE_SENC_X));
        game_.input.mouse.y = static_cast<int32_t>(std::lround(-pitchTurn / tuning.MOUSE_SENC_Y));
        return WrappedDegrees(yaw - body.yaw - yawTurn);
    }

    void Fight(const tgeomobject& body, tvec3 enemy) {
        const tvec3 muzzle = body.position + body.bulletStart;
        const tvec3 d = enemy - muzzle;
        const float horizontal = std::hypot(d.x, d.z);
        const float pitch =
            static_cast<float>(std::atan2(d.y, horizontal) * kDegreesPerRadian) + aimOffPitch_;
        const float off = TurnTo(body, YawToward(muzzle, enemy) + aimOffYaw_, pitch);
        InputState& input = game_.input;
        if (std::fabs(off) <= kFireWithinDegrees && horizontal <= kFireDistance) {
            input.mouse.buttons[0] = kKeyHeld;
        }
        if (horizontal > kCloseInDistance) {
            input.keys[DIK_W] = kKeyHeld;
        } else {
            const bool left = (game_.frame.now / kStrafeSwitchMs) % 2 == 0;
            input.keys[left ? DIK_A : DIK_D] = kKeyHeld;
        }
    }

    void Wander(const tgeomobject& body) {
        const uint32_t now = game_.frame.now;
        const std::vector<tspawnpoint>& points = game_.world.arena.spawnPoints;
        const tvec3 toGoal = goal_ - body.position;
        if (points.empty()) return;
        if (!hasGoal_ || std::hypot(toGoal.x, toGoal.z) < kGoalReached ||
            now - goalSince_ > kGoalMs) {
            const tspawnpoint& point =
                points[static_cast<size_t>(random_.Below(static_cast<int32_t>(points.size())))];
            goal_ = {point.x, point.y, point.z};
            goalSince_ = now;
            hasGoal_ = true;
        }
        TurnTo(body, YawToward(body.position, goal_), 0);
        InputState& input = game_.input;
        input.keys[DIK_W] = kKeyHeld;
        const tvec3 moved = body.position - progressFrom_;
        if (std::hypot(moved.x, moved.z) >= kStuckDistance) {
            progressFrom_ = body.position;
            progressSince_ = now;
        } else if (now - progressSince_ > kStuckMs) {
            input.keys[DIK_SPACE] = kKeyHeld;
        }
    }

    Game& game_;
    Random random_;
    int32_t noticed_ = -1;
    uint32_t noticedAt_ = 0;
    uint32_t aimSince_ = 0;
    float aimOffYaw_ = 0, aimOffPitch_ = 0;
    tvec3 goal_;
    bool hasGoal_ = false;
    uint32_t goalSince_ = 0;
    tvec3 progressFrom_;
    uint32_t progressSince_ = 0;

    bool wasAlive_ = false;
    uint32_t lifeStart_ = 0;
    std::vector<std::pair<double, bool>> lives_;  // seconds, and whether it ended in death
    bool wasOver_ = false;
    uint32_t levelStart_ = 0;
    std::vector<double> levels_;  // seconds each
    int32_t levelsWon_ = 0;
    uint32_t playedMs_ = 0;
    int32_t lastFrags_ = 0;
    int32_t frags_ = 0;
};

constexpr uint32_t kNewcomerMinutes = 20;
constexpr uint8_t kDefaultFragLimit = 5;  // the new-game screen's and the server's

void NewcomerAgainstFourBots(benchmark::State& state, const std::string& map, BotSkill skill) {
    for (auto _ : state) {
        BotMatch match(
            {.maps = {map}, .fragLimit = kDefaultFragLimit, .bots = 4, .botSkill = skill});
        Newcomer newcomer(match.host(), 5);
        for (uint32_t ms = 0; ms < kNewcomerMinutes * 60 * 1000; ms += kFrameMs) {
            newcomer.Play();
            match.Play(kFrameMs);
            newcomer.Watch();
        }
        newcomer.Report(state);
        state.counters["bot_frags_per_min"] = match.tally().frags / 4.0 / kNewcomerMinutes;
    }
}

void RegisterMatches() {
    for (const BotMatchOptions& game : EveryShippedGame()) {
        std::string name = "BM_TenMinutes/" + GameName(game);
        std::replace(name.begin(), name.end(), ' ', '/');
        benchmark::RegisterBenchmark(name.c_str(), TenMinuteMatch, game)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    }
    const std::pair<const char*, BotSkill> skills[] = {
        {"easy", BotSkill::kEasy}, {"normal", BotSkill::kNormal}, {"hard", BotSkill::kHard}};
    for (const auto& [word, skill] : skills) {
        for (const BotMatchOptions& game : EveryShippedGame()) {
            if (game.gameType != kDeathMatch) continue;
            const std::string map = game.maps.front();
            const std::string name = std::string("BM_Newcomer/") + word + "/" + map;
            benchmark::RegisterBenchmark(name.c_str(), NewcomerAgainstFourBots, map, skill)
                ->Iterations(1)
                ->Unit(benchmark::kMillisecond);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    RegisterMatches();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
