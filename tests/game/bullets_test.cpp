// Bullets in flight: what they hit, what they score, and that every one of them ends.
#include "game/bullets.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <optional>

#include "app/game_step.h"
#include "game/collision.h"
#include "game/explosions.h"
#include "game/roster.h"
#include "game/weapon.h"
#include "net/client_receive.h"
#include "support/match_rules.h"
#include "support/play_fixture.h"
#include "world/animation.h"

namespace {

class Bullets : public PlayFixture {
  protected:
    // One frame of bullet stepping, as the game step runs the three passes.
    void StepFrame(uint32_t ms = 15) {
        Advance(ms);
        RunRule(game, StepLocalBullets);
        RunRule(game, DropDistantBullets);
        RunRule(game, MoveRemoteBullets);
    }
    void StepFor(uint32_t ms) {
        for (uint32_t t = 0; t < ms; t += 15) StepFrame();
    }
    // Player 0 fires straight ahead (no spread).
    void Fire(size_t shooter = 0) {
        RunRule(game, FireBullet, static_cast<int32_t>(shooter), 0, Model(shooter).yaw);
    }
    std::vector<tbulletfinish> Finishes() const {
        std::vector<tbulletfinish> finishes;
        for (const SentDatagram& d : network.Tagged(tmessagetag::kBulletFinish))
            finishes.push_back(*ParseBulletFinish(d.bytes));
        return finishes;
    }
    size_t Kills() const { return network.Tagged(tmessagetag::kKill).size(); }
    void Receive(const tdatagram& datagram) { UDPServClUDPRead(game, From("10.0.0.1", datagram)); }
};

TEST_F(Bullets, ABulletEndsOnTheSideOfACylinderWithAnExplosionInFrontOfIt) {
    StartPlay(1, 0);
    game.world.arena = test_arena::SmallArena({{0, 0, -10, 2, 6}});
    Stand(0, 0, 0);  // facing -z, towards the pillar 8 units away
    Fire();
    StepFor(1500);
    EXPECT_TRUE(game.play.bullets.empty());
    const std::vector<tbulletfinish> finishes = Finishes();
    ASSERT_EQ(finishes.size(), 1u);
    EXPECT_EQ(finishes[0].hitKind, 0);
    EXPECT_EQ(finishes[0].hitIndex, 1);
    ASSERT_EQ(game.play.explosions.size(), 1u);
    const tvec3 at = game.play.explosions[0].position;
    EXPECT_GT(at.z, -8.0f);      // not inside the pillar
    EXPECT_LT(at.z, -7.0f);      // but right at its face
    EXPECT_NEAR(at.x, 0, 0.5f);  // the gun is held right of the body
}

TEST_F(Bullets, RangeIsTheSumOfTheCoordinatesAndTheMachineThatDecidesABulletReportsItsEnd) {
    StartPlay(3, 0);
    game.state.hosting = true;
    Player(1).isBot = true;  // run by this host; player 2 plays on another machine
    struct Case {
        int32_t owner;
        tvec3 at;
        bool leaves;
        bool reported;
    };
    const Case cases[] = {
        {0, {150, 10, 50}, true, true},       // sum 210
        {0, {150, -100, 100}, false, false},  // sum 150: still in range
        {1, {-150, -10, -50}, true, true},    // the host's bot: the host reports it
        {2, {150, 10, 50}, true, false},      // its owner's machine reports it
    };
    for (size_t c = 0; c < std::size(cases); ++c) {
        tbullet bullet;
        bullet.bulletId = static_cast<int32_t>(c);
        bullet.ownerIndex = cases[c].owner;
        bullet.position = cases[c].at;
        bullet.extentRadius = bullet.extentHalfHeight = 0.1f;
        game.play.bullets.push_back(bullet);
    }
    StepFrame();
    std::vector<int32_t> reported;
    for (const tbulletfinish& finish : Finishes()) {
        EXPECT_EQ(finish.hitIndex, -1);
        reported.push_back(finish.bulletId);
    }
    for (size_t c = 0; c < std::size(cases); ++c) {
        SCOPED_TRACE(c);
        const bool flying =
            std::any_of(game.play.bullets.begin(), game.play.bullets.end(),
                        [&](const tbullet& b) { return b.bulletId == static_cast<int32_t>(c); });
        EXPECT_EQ(flying, !cases[c].leaves);
        EXPECT_EQ(std::count(reported.begin(), reported.end(), static_cast<int32_t>(c)),
                  cases[c].reported ? 1 : 0);
    }
    EXPECT_TRUE(game.play.explosions.empty());  // flying out makes no explosion
}

TEST_F(Bullets, AShotAlongTheDiagonalWhereTheCoordinatesNeverAddUpStillEnds) {
    StartPlay(2, 0);
    Stand(0, 0, 0);
    Model(0).yaw = 315;  // facing (+x, -z): x + y + z stays where it started
    Fire();
    ASSERT_EQ(game.play.bullets.size(), 1u);
    StepFor(15 * 6000);  // 90 s: well past the floor's edge
    EXPECT_TRUE(game.play.bullets.empty());
    const std::vector<tbulletfinish> finishes = Finishes();
    ASSERT_EQ(finishes.size(), 1u);
    EXPECT_EQ(finishes[0].hitIndex, -1);
}

TEST_F(Bullets, ARemoteBulletWhoseEndWasLostStillLeaves) {
    StartPlay(3, 0);
    Player(2).isBot = true;  // the host's bot: on this machine, another's bullet
    for (int32_t owner : {1, 2}) {
        SCOPED_TRACE(owner);
        Receive(BuildBulletStart({7, owner, {0, 1, 0}, {0.3f, 0, 0}}));
        ASSERT_EQ(game.play.bullets.size(), 1u);
        StepFor(15 * 600);  // 180 units along x
        ASSERT_EQ(game.play.bullets.size(), 1u);
        EXPECT_NEAR(game.play.bullets[0].position.x, 180, 1);
        StepFor(15 * 100);
        EXPECT_TRUE(game.play.bullets.empty());
    }
    EXPECT_TRUE(Finishes().empty()) << "only its owner's machine reports its end";
}

TEST_F(Bullets, ExplosionsShowFor150MillisecondsAndAtMost256AtOnce) {
    StartPlay(1, 0);
    for (int i = 0; i < 20; ++i) AddExplosion(game.play, {}, 0, 0, 0, clock.now);
    Advance(150);
    RemoveOldExplosions(game);
    EXPECT_EQ(game.play.explosions.size(), 20u) << "exactly 150 ms old: still shown";
    Advance(1);
    RemoveOldExplosions(game);
    EXPECT_TRUE(game.play.explosions.empty()) << "made together, gone together";

    for (int i = 0; i < 300; ++i)
        AddExplosion(game.play, {static_cast<float>(i), 0, 0}, 0, 0, 0, clock.now);
    ASSERT_EQ(game.play.explosions.size(), 256u);
    EXPECT_EQ(game.play.explosions.front().position.x, 44) << "the oldest made room";
    EXPECT_EQ(game.play.explosions.back().position.x, 299);
}

TEST_F(Bullets, DatagramsNamingWhatDoesNotExistChangeNothing) {
    StartPlay(2, 0);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    Receive(BuildBulletStart({1, 2, {}, {0, 0, 1}}));    // no player 2
    Receive(BuildBulletStart({1, -1, {}, {0, 0, 1}}));   // no player -1
    Receive(BuildBulletStart({1, 1, {nan, 0, 0}, {}}));  // could never leave
    Receive(BuildBulletStart({1, 1, {}, {0, std::numeric_limits<float>::infinity(), 0}}));
    EXPECT_TRUE(game.play.bullets.empty());

    Receive(BuildBulletStart({5, 1, {0, 1, 0}, {0, 0, 0.3f}}));
    Stand(0, 0, 0);
    Fire();  // ours
    const int32_t ours = game.play.bullets.back().bulletId;
    Receive(BuildBulletFinish({99, 0, 1}));    // no such bullet
    Receive(BuildBulletFinish({5, 4, 1}));     // no such kind
    Receive(BuildBulletFinish({ours, 0, 1}));  // another machine cannot end our bullet
    EXPECT_EQ(game.play.bullets.size(), 2u);
    Receive(BuildKill({123, 456}));  // nobody of that name
    EXPECT_EQ(game.client.messageLog.count, 0);
    EXPECT_FALSE(Player(0).dead);

    Receive(BuildBulletFinish({5, 0, 1}));
    EXPECT_EQ(game.play.bullets.size(), 1u);
}

class Frags : public Bullets {
  protected:
    // Player 0 (ours) faces two players standing in line 4 and 8 units ahead.
    void SetUpDuel(uint8_t gameType, uint8_t nearTeam, uint8_t farTeam) {
        StartPlay(3, 0, gameType);
        game.world.arena = test_arena::SmallArena({});
        Player(1).entry.team = nearTeam;
        Player(2).entry.team = farTeam;
        game.client.localPlayer.team = 0;
        Stand(0, 0, 0);
        Stand(1, 0, -4);
        Stand(2, 0.3f, -8);
    }
};

TEST_F(Frags, AHitOnAnEnemyKillsItOnceEvenInABurst) {
    SetUpDuel(kDeathMatch, 0, 0);
    for (int shot = 0; shot < 3; ++shot) {
        Fire();
        StepFor(60);
    }
    StepFor(1000);
    EXPECT_EQ(game.client.localPlayer.frags, 1);
    ASSERT_EQ(Kills(), 1u);
    const tkillnotice kill = *ParseKill(network.Tagged(tmessagetag::kKill)[0].bytes);
    EXPECT_EQ(kill.killerId, 100);
    EXPECT_EQ(kill.victimId, 101);
    // Every bullet ended on the first player with an explosion; none reached the one behind.
    const std::vector<tbulletfinish> finishes = Finishes();
    ASSERT_EQ(finishes.size(), 3u);
    for (const tbulletfinish& finish : finishes) {
        EXPECT_EQ(finish.hitKind, 1);
        EXPECT_EQ(finish.hitIndex, 1);
    }
    EXPECT_EQ(game.play.explosions.size(), 3u);
}

TEST_F(Frags, FriendlyFireInTeamDeathmatchScoresNothing) {
    SetUpDuel(kTeamDeathMatch, 0, 1);
    Fire();
    StepFor(1000);
    EXPECT_EQ(Finishes().size(), 1u);  // the team mate was hit...
    EXPECT_EQ(game.play.explosions.size(), 1u);
    EXPECT_EQ(game.client.localPlayer.frags, 0);  // ...but not killed
    EXPECT_EQ(Kills(), 0u);

    Stand(1, 5, -4);  // out of the way: the enemy behind is hit and killed
    Fire();
    StepFor(1000);
    EXPECT_EQ(game.client.localPlayer.frags, 1);
    EXPECT_EQ(Kills(), 1u);
}

TEST_F(Frags, ADeadPlayerGivesNoFragAndOurOwnBodyIsNoTarget) {
    SetUpDuel(kDeathMatch, 0, 0);
    Player(1).dead = true;
    Fire();
    StepFor(1000);
    EXPECT_EQ(Kills(), 0u);
    EXPECT_EQ(Finishes().size(), 1u);  // it still stops the bullet

    Model(0).yaw = 180;  // the gun points back through our own body at nothing
    Fire();
    StepFor(300);
    EXPECT_EQ(game.play.bullets.size(), 1u);
}

// A player just come into play takes no hits until its protection runs out or it fires; this
// machine sees another machine's player come back in its report, and everybody in a new level.
TEST_F(Frags, APlayerJustComeIntoPlayIsNotKilledUntilItsProtectionEndsOrItFires) {
    SetUpDuel(kDeathMatch, 0, 0);
    const auto reportedBack = [&] {
        Player(1).dead = true;
        tplayerinfo report = Player(1).entry;
        report.position = Model(1).position;
        report.dead = 0;
        RunRule(game, ApplyReportedState, 1, report);
    };
    const auto newLevel = [&] { ReviveEveryone(game.play, clock.now); };
    struct Case {
        const char* what;
        std::function<void()> comeIntoPlay;
        uint32_t waitMs;
        bool firesFirst;
        size_t kills;
    };
    const Case cases[] = {
        {"reported back", reportedBack, 0, false, 0},
        {"reported back 1.5 s ago", reportedBack, 1500, false, 1},
        {"reported back, then it fired", reportedBack, 0, true, 1},
        {"a new level", newLevel, 1000, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        network.sent.clear();
        Player(1).deathTime = 0;
        c.comeIntoPlay();
        Advance(c.waitMs);
        if (c.firesFirst) Receive(BuildBulletStart({5, 1, {0, 1, 5}, {0, 0, 0.3f}}));
        Fire();
        StepFor(1000);
        EXPECT_EQ(Finishes().size(), 1u);  // the bullet bursts on it either way
        EXPECT_EQ(Kills(), c.kills);
        Player(1).dead = false;
    }
}

// A spot that some part of `model` covers in a later entry of its animation but not in pose 0 nor
// in the animation's first entry.
std::optional<tvec3> SpotReachedOnlyLater(const tgeomobject& model) {
    const auto covers = [&](int32_t step, tvec3 at) {  // step -1: pose 0
        tgeomobject posed = model;
        for (tmeshpart& part : posed.triangleParts) {
            const auto& frames = part.animations[static_cast<size_t>(part.currentAnimation)].frames;
            part.currentFrame = step < 0 ? 0 : frames[static_cast<size_t>(step) % frames.size()];
        }
        return BulletHitsPart(posed, at, {0.01f, 0, 0}, 0.05f) >= 0;
    };
    for (int32_t step = 1; step < 4; ++step) {
        for (float y = -model.extentHalfHeight; y < model.extentHalfHeight; y += 0.1f) {
            for (float x = -1; x <= 1; x += 0.1f) {
                for (float z = -1; z <= 1; z += 0.1f) {
                    const tvec3 at = model.position + tvec3{x, y, z};
                    if (covers(step, at) && !covers(0, at) && !covers(-1, at)) return at;
                }
            }
        }
    }
    return std::nullopt;
}

TEST_F(Frags, AMatchThatDrawsNothingHitsALimbWhereItsAnimationHasMovedIt) {
    SetUpDuel(kDeathMatch, 0, 0);
    tgeomobject& victim = Model(1);
    SelectAnimation(victim, FindAnimation(victim, "walk"));
    const std::optional<tvec3> spot = SpotReachedOnlyLater(victim);
    ASSERT_TRUE(spot) << "the walk moves no limb";
    tbullet bullet;  // ours, all but standing in the spot
    bullet.position = *spot;
    bullet.velocity = {0.001f, 0, 0};
    bullet.extentRadius = bullet.extentHalfHeight = 0.05f;
    game.play.bullets.push_back(bullet);
    for (int frame = 0; frame < 100 && Kills() == 0; ++frame) {
        Advance(15);
        RunGameStep(game);
    }
    EXPECT_EQ(Kills(), 1u) << "the bullet was tested against a pose that never moved";
}

}  // namespace
