// Another machine's player as this machine's screen shows it, frame by frame, while its reports
// arrive, come late, get lost, or place it elsewhere.
#include "game/remote_motion.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "app/game_step.h"
#include "game/roster.h"
#include "support/match_rules.h"
#include "support/play_fixture.h"

namespace {

struct RemoteMotionTest : PlayFixture {
    // Player 1 plays elsewhere; a cylinder of radius 2 stands at x 10.
    RemoteMotionTest() {
        StartPlay(2, 0);
        game.world.arena = test_arena::SmallArena({{10, 0, 0, 2, 6}});
        Stand(0, 0, 30);
    }
    void Report(float x, float z, float yaw, bool dead = false) {
        tplayerinfo report = Player(1).entry;
        report.position = {x, Model(1).extentHalfHeight, z};
        report.yaw = yaw;
        report.dead = dead ? 1 : 0;
        RunRule(game, ApplyReportedState, 1, report);
    }
    void Frame() {
        Advance(10);
        RunGameStep(game);
    }
};

// A report as it arrives, `atMs` after the first.
struct Arrival {
    uint32_t atMs;
    float x, z, yaw;
    bool dead = false;
    bool newLevel = false;
};

TEST_F(RemoteMotionTest, AReportedRunIsShownAsSmoothMotionAndATeleportAtOnce) {
    // A run along x at run speed: one unit and 10 degrees of turn per 50 ms report.
    std::vector<Arrival> run;
    for (uint32_t i = 0; i <= 6; ++i) run.push_back({50 * i, static_cast<float>(i), 0, 10.0f * i});
    // Its player stops: the same report comes again.
    const auto stopped = [](std::vector<Arrival> reports) {
        Arrival again = reports.back();
        again.atMs += 50;
        again.newLevel = false;
        reports.push_back(again);
        return reports;
    };
    const auto without = [&](uint32_t atMs) {
        std::vector<Arrival> reports = run;
        std::erase_if(reports, [&](const Arrival& a) { return a.atMs == atMs; });
        return stopped(reports);
    };
    const auto then = [&](Arrival last) {
        std::vector<Arrival> reports = run;
        reports.push_back(last);
        return stopped(reports);
    };
    std::vector<Arrival> late = without(200);
    late.insert(late.begin() + 4, {230, 4, 0, 40});
    std::vector<Arrival> towardsCylinder;  // reports stop 1.5 units before its side
    for (uint32_t i = 0; i <= 6; ++i)
        towardsCylinder.push_back({50 * i, 6.5f - 1 + i / 6.0f, 0, 270});
    struct Case {
        const char* what;
        std::vector<Arrival> reports;
        bool lastAtOnce;  // the last report is a teleport
    };
    const Case cases[] = {
        {"steady run and turn", stopped(run), false},
        {"a lost report", without(200), false},
        {"a late report", late, false},
        {"reports stop in front of a cylinder", towardsCylinder, false},
        {"a respawn", then({310, 5.5f, 0, 60, true}), false},
        {"alive again at a spawn", then({310, -20, 20, 90}), true},
        {"a new level, near by", then({310, 7, 1, 90, false, true}), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ForgetRemoteMotion(Player(1));
        Player(1).dead = false;
        const uint32_t start = clock.now;
        size_t next = 0;
        float largestStep = 0, largestTurn = 0;
        tvec3 last = Model(1).position;
        float lastYaw = Model(1).yaw;
        for (uint32_t t = 0; t <= 600; t += 10) {
            while (next < c.reports.size() && c.reports[next].atMs <= t) {
                const Arrival& a = c.reports[next++];
                if (a.newLevel) ReviveEveryone(game.play, clock.now);
                Report(a.x, a.z, a.yaw, a.dead);
            }
            Frame();
            const tvec3 at = Model(1).position;
            if (t > 0 && !(c.lastAtOnce && next + 1 >= c.reports.size())) {
                largestStep = std::max(largestStep, std::hypot(at.x - last.x, at.z - last.z));
                largestTurn = std::max(largestTurn, std::abs(Model(1).yaw - lastYaw));
            }
            if (c.lastAtOnce && next + 1 == c.reports.size()) {
                EXPECT_NEAR(at.x, c.reports.back().x, 1e-3f) << "glided at " << t;
                EXPECT_NEAR(at.z, c.reports.back().z, 1e-3f) << "glided at " << t;
            }
            EXPECT_GE(std::hypot(at.x - 10, at.z), 2.0f - 1e-3f) << "inside the cylinder at " << t;
            last = at;
            lastYaw = Model(1).yaw;
        }
        // A run of 0.2 units and 2 degrees per 10 ms frame, never a report's whole step at once.
        EXPECT_LT(largestStep, 0.5f);
        EXPECT_LT(largestTurn, 5.0f);
        // A player who stopped stands, in the end, where it stopped.
        const Arrival& final = c.reports.back();
        if (final.x == c.reports[c.reports.size() - 2].x) {
            EXPECT_NEAR(Model(1).position.x, final.x, 1e-3f);
        }
        clock.now = start + 1000;
    }
}

// The model a bullet meets is the one drawn, not the newest report ahead of it.
TEST_F(RemoteMotionTest, ABulletHitsTheRemotePlayerWhereItIsDrawn) {
    struct Case {
        const char* what;
        float bulletX;
        size_t kills;
    };
    for (const Case& c : {Case{"where it is drawn", 0, 1}, Case{"where reported", 3, 0}}) {
        SCOPED_TRACE(c.what);
        network.sent.clear();
        ForgetRemoteMotion(Player(1));
        Report(0, 0, 0);
        Frame();
        Report(3, 0, 0);  // drawn 50 ms behind: still at 0 this frame
        tbullet bullet;
        bullet.position = {c.bulletX, Model(1).position.y, 0};
        bullet.velocity = {0, 0, 0.001f};
        bullet.extentRadius = bullet.extentHalfHeight = 0.05f;
        game.play.bullets.push_back(bullet);
        Frame();
        EXPECT_EQ(network.Tagged(tmessagetag::kKill).size(), c.kills);
        game.play.bullets.clear();
        Player(1).dead = false;
    }
}

}  // namespace
