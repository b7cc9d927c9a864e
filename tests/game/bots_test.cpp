// Bots on a small arena: whom they pick, how they turn, walk and aim, when they fire, where their
// bullets end and who scores, and how their bodies fall, stop at the grid's edge and come back.
#include "game/bots.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/game.h"
#include "game/bot_bullets.h"
#include "game/player_bodies.h"
#include "game/player_physics.h"
#include "game/roster.h"
#include "game/spawn_protection.h"
#include "support/match_rules.h"
#include "support/players.h"
#include "support/test_arena.h"
#include "world/bullet_model.h"

namespace {

using namespace test_arena;

constexpr float kStand = kHalfHeight;  // centre height of a figure standing on the ground

class Bots : public testing::Test {
  protected:
    Bots() {
        game.state.hosting = true;
        game.frame.now = 100000;
        // The cases below are the bots' own rules, which hard bots play without a handicap.
        game.server.botSkill = BotSkill::kHard;
        // A platform of radius 3 whose top is at height 2.
        game.world.arena = SmallArena({{20, 0, 0, 3, 2}});
    }
    int32_t Add(tvec3 position, float yaw, bool bot, uint8_t team = 0) {
        tgeomobject model = StickFigure(position);
        model.yaw = yaw;
        return AddPlayer(game, model, team, bot);
    }
    MatchPlayer& Player(int32_t index) { return game.play.players[static_cast<size_t>(index)]; }
    tgeomobject& Model(int32_t index) { return Player(index).model; }
    float HandPitch(int32_t index) {
        return Model(index)
            .triangleParts[static_cast<size_t>(FindPart(Model(index), "HAND"))]
            .pitch;
    }
    void Decide(int frames = 1) {
        for (int i = 0; i < frames; ++i) {
            game.frame.now += 15;
            RunRule(game, UpdateBots);
        }
    }
    tbullet BulletOf(int32_t owner, tvec3 position, tvec3 velocity) {
        tbullet bullet = NewBulletModel(game.world.arena);
        bullet.ownerIndex = owner;
        bullet.position = position;
        bullet.velocity = velocity;
        return bullet;
    }

    Game game;
};

TEST_F(Bots, AtSixUnitsTurnsAtMostADegreeAFrameAndWalksButHoldsFire) {
    // Facing 30 degrees off a target straight down -z.
    const int32_t bot = Add({0, kStand, 0}, 30, true);
    Add({0, kStand, -6}, 0, false);
    Decide();
    EXPECT_FLOAT_EQ(Model(bot).yaw, 29);
    EXPECT_NEAR(Model(bot).velocity.z, -0.05f, 1e-6f);
    EXPECT_NEAR(Model(bot).velocity.x, 0, 1e-6f);
    EXPECT_EQ(Model(bot).triangleParts[0].currentAnimation, 0);
    Decide(100);
    EXPECT_NEAR(Model(bot).yaw, 0, 0.21f);
    EXPECT_TRUE(game.play.bullets.empty());
}

TEST_F(Bots, AtFiveUnitsFiresOnceItsPitchIsWithinAFifthOfADegree) {
    const int32_t bot = Add({0, kStand, 0}, 0, true);
    Add({0, kStand + 2, -5}, 0, false);  // 2 units up: the arm must rise about 21.8 degrees
    const float aim = std::asin(2 / std::sqrt(29.0f)) * 57.2957795f;
    int framesToFirstShot = 0;
    for (int frame = 1; frame <= 60 && game.play.bullets.empty(); ++frame) {
        const float before = HandPitch(bot);
        Decide();
        if (game.play.bullets.empty()) {
            EXPECT_LE(std::fabs(HandPitch(bot) - before), 1.0f + 1e-4f);
        }
        framesToFirstShot = frame;
    }
    ASSERT_EQ(game.play.bullets.size(), 1u);
    EXPECT_GE(framesToFirstShot, 21);
    EXPECT_NEAR(HandPitch(bot), aim, 0.2f);
    const tbullet& shot = game.play.bullets.front();
    EXPECT_EQ(shot.ownerIndex, bot);
    EXPECT_GT(shot.velocity.y, 0);
    EXPECT_LT(shot.velocity.z, 0);
    // Then one shot per three FIRE_TIMEOUTs at most.
    Decide(20);  // 300 ms
    EXPECT_EQ(game.play.bullets.size(), 2u);
}

// A player standing 3 units in front of a bot that faces it, as each skill plays it: whether the
// first shot comes within a person's reaction time, and how far off the line to the player the
// shots of a minute go.
TEST_F(Bots, SkillsDifferInHowSoonAndHowStraightTheyShoot) {
    struct Row {
        BotSkill skill;
        bool firesWithin300Ms;
        uint32_t frameMs = 15;  // a slow machine's frames: the reaction still runs out
        float meanDegreesOff = 0;
    };
    Row rows[] = {{BotSkill::kHard, true},
                  {BotSkill::kNormal, false},
                  {BotSkill::kEasy, false},
                  {BotSkill::kNormal, false, 150}};
    for (size_t i = 0; i < std::size(rows); ++i) {
        Row& row = rows[i];
        game.server.botSkill = row.skill;
        game.frame.speedFactor = static_cast<float>(row.frameMs) / 15;
        const float x = 100.0f * static_cast<float>(i);  // far from the other rows' pairs
        const int32_t bot = Add({x, kStand, 0}, 0, true);
        const tvec3 target{x, kStand, -3};
        Add(target, 0, false);
        const uint32_t seen = game.frame.now;
        uint32_t firstShot = 0;
        float degreesOff = 0;
        int shots = 0;
        for (size_t fired = game.play.bullets.size(); game.frame.now - seen < 60000;) {
            game.frame.now += row.frameMs - 15;
            Decide();
            for (; fired < game.play.bullets.size(); ++fired) {
                const tbullet& shot = game.play.bullets[fired];
                if (shot.ownerIndex != bot) continue;
                if (shots++ == 0) firstShot = game.frame.now - seen;
                const tvec3 line = target - shot.position;
                const tvec3 v = shot.velocity;
                const float cosine = (line.x * v.x + line.y * v.y + line.z * v.z) /
                                     std::hypot(line.x, line.y, line.z) / std::hypot(v.x, v.y, v.z);
                degreesOff += std::acos(std::min(cosine, 1.0f)) * 57.2957795f;
            }
        }
        ASSERT_GT(shots, 0);
        EXPECT_EQ(firstShot <= 300, row.firesWithin300Ms) << firstShot << " ms";
        row.meanDegreesOff = degreesOff / static_cast<float>(shots);
    }
    EXPECT_LT(rows[0].meanDegreesOff, 0.5f);
    EXPECT_LT(rows[0].meanDegreesOff, rows[1].meanDegreesOff);
    EXPECT_LT(rows[1].meanDegreesOff, rows[2].meanDegreesOff);
}

TEST_F(Bots, WalkOnlyWhileTheNextStepStaysOnTheirPlatform) {
    // Far out on the ground: it reaches 99999 units, so the bot walks.
    const int32_t onGround = Add({-300, kStand, 0}, 180, true);
    Add({-300, kStand, -8}, 0, false);
    // On the top of the platform (radius 3 around x 20), heading out over its edge.
    const int32_t onTop = Add({20, 2 + kStand, -2.95f}, 180, true);
    Add({20, kStand, -9}, 0, false);
    // In mid-air: no platform under it.
    const int32_t falling = Add({-100, 6, 0}, 180, true);
    Add({-100, kStand, -4}, 0, false);
    // Too far to be seen: 12 units.
    const int32_t farOff = Add({100, kStand, 0}, 200, true);
    Add({100, kStand, -12}, 0, false);
    Decide();
    EXPECT_LT(Model(onGround).velocity.z, 0);
    EXPECT_EQ(Player(onTop).bot.platformIndex, 1);
    EXPECT_EQ(Model(onTop).velocity.z, 0);
    EXPECT_EQ(Model(onTop).triangleParts[0].currentAnimation, -1);
    EXPECT_EQ(Model(falling).velocity.x, 0);
    EXPECT_EQ(Model(falling).velocity.z, 0);
    EXPECT_EQ(Model(farOff).velocity.z, 0);
    EXPECT_FLOAT_EQ(Model(farOff).yaw, 200);  // out of view: no turn either
    // One step back from the edge, the next step stays on the top.
    Model(onTop).position.z = -2.5f;
    Decide();
    EXPECT_LT(Model(onTop).velocity.z, 0);
    EXPECT_EQ(Model(onTop).triangleParts[0].currentAnimation, 0);
}

TEST_F(Bots, SkipTeamMatesInTeamGamesAndWhoeverHasJustComeIntoPlay) {
    // The bot faces heading 135: the host (nearer, heading 180) lies to one side, the enemy
    // (heading 90) to the other.
    Add({0, kStand, -3}, 0, false, 0);
    const int32_t bot = Add({0, kStand, 0}, 315, true, 0);
    Add({4, kStand, 0}, 0, true, 1);
    game.server.serverSettings.gameType = kTeamDeathMatch;
    Decide();
    EXPECT_FLOAT_EQ(Model(bot).yaw, 314);  // toward the enemy
    game.server.serverSettings.gameType = kDeathMatch;
    Decide(2);
    EXPECT_FLOAT_EQ(Model(bot).yaw, 316);  // toward the nearest player
    ProtectSpawn(Player(0), game.frame.now);
    Decide(2);
    EXPECT_FLOAT_EQ(Model(bot).yaw, 314);  // past the host, who has just come into play
}

TEST_F(Bots, BulletsEndOnAnyPlayerButTheirShooterAndScoreOnlyOnEnemies) {
    game.server.serverSettings.gameType = kTeamDeathMatch;
    game.client.clientSettings.gameType = kTeamDeathMatch;
    const int32_t bot = Add({0, kStand, 0}, 0, true, 0);
    const int32_t mate = Add({10, kStand, 0}, 0, false, 0);
    const int32_t enemy = Add({-10, kStand, 0}, 0, true, 1);
    game.play.bullets = {
        BulletOf(bot, {0, kStand, 0}, {0, 0, -0.3f}),     // leaves its own shooter's body
        BulletOf(bot, {10, kStand, 1}, {0, 0, -0.3f}),    // into a team mate
        BulletOf(bot, {-10, kStand, 1}, {0, 0, -0.3f}),   // into an enemy
        BulletOf(bot, {0, 0.3f, 20}, {0, -0.3f, 0}),      // into the ground
        BulletOf(mate, {-10, kStand, -1}, {0, 0, 0.3f}),  // not a bot's: not decided here
    };
    for (int frame = 0; frame < 5; ++frame) {
        game.frame.now += 15;
        RunRule(game, UpdateBotBullets);
    }
    ASSERT_EQ(game.play.bullets.size(), 2u);
    EXPECT_EQ(game.play.bullets[0].ownerIndex, bot);
    EXPECT_EQ(game.play.bullets[1].ownerIndex, mate);
    EXPECT_FLOAT_EQ(game.play.bullets[1].position.z, -1);
    EXPECT_EQ(game.play.explosions.size(), 3u);
    EXPECT_EQ(game.server.serverPlayers[static_cast<size_t>(bot)].frags, 1);
    EXPECT_EQ(game.server.serverPlayers[static_cast<size_t>(enemy)].frags, 0);
}

TEST_F(Bots, BodiesLandStayInsideTheGridAndRefuseBadNumbers) {
    const int32_t faller = Add({-5, 6, 0}, 0, true);
    const int32_t runner = Add({0, kStand, 5}, 0, true);
    const int32_t broken = Add({5, kStand, -5}, 0, true);  // a velocity that is not a number
    const CollisionGrid& grid = game.world.arena.collisionGrid;
    const float gridMaxX =
        grid.gridOriginX + grid.gridCellSize * static_cast<float>(grid.gridColumns);
    for (int frame = 0; frame < 3000; ++frame) {
        game.frame.now += 15;
        Model(runner).velocity.x = 0.3f;  // heads for the grid's edge, and keeps pushing
        Model(broken).velocity = {NAN, INFINITY, 0};
        for (MatchPlayer& player : game.play.players) {
            StepPlayerPhysics(player.model, game.tuning.GRAVITY, 1);
        }
        RunRule(game, StepPlayerBodies);
    }
    EXPECT_NEAR(Model(faller).position.y, kStand, 0.1f);
    EXPECT_LT(Model(runner).position.x, gridMaxX);
    EXPECT_GT(Model(runner).position.x, 10);
    for (const MatchPlayer& player : game.play.players) {
        const tgeomobject& model = player.model;
        EXPECT_TRUE(std::isfinite(model.position.x) && std::isfinite(model.position.y) &&
                    std::isfinite(model.position.z));
    }
    // What every machine sees of a bot is its model's state.
    const tplayerinfo& published = game.server.serverPlayers[static_cast<size_t>(faller)];
    EXPECT_NEAR(published.position.y, kStand, 0.1f);
    EXPECT_EQ(published.dead, 0);
    EXPECT_EQ(Model(broken).position, (tvec3{5, kStand, -5}));
}

TEST_F(Bots, ADeadBotComesBackAfterItsDelayEvenWithoutAPointOfItsTeam) {
    game.server.serverSettings.gameType = kTeamDeathMatch;
    game.world.arena.spawnPoints = {{7, kStand, 7, 90, 0}};  // blue only
    const int32_t bot = Add({0, kStand, 0}, 0, true, 1);
    Player(bot).dead = true;
    Player(bot).deathTime = game.frame.now;
    Model(bot).velocity = {0, -3, 0};
    game.frame.now += 1999;
    RunRule(game, StepPlayerBodies);
    EXPECT_TRUE(Player(bot).dead);
    EXPECT_EQ(game.server.serverPlayers[static_cast<size_t>(bot)].dead, 1);
    game.frame.now += 1;
    RunRule(game, StepPlayerBodies);
    EXPECT_FALSE(Player(bot).dead);
    EXPECT_EQ(Model(bot).position, (tvec3{7, kStand, 7}));
    EXPECT_EQ(Model(bot).velocity, (tvec3{}));
    EXPECT_EQ(game.server.serverPlayers[static_cast<size_t>(bot)].dead, 0);
}

}  // namespace

namespace {

// The host's slots move down the moment a player leaves, while the server keeps the departed
// entry until every machine has confirmed: a bot's kill still names the player it hit, and the
// frag and the bot's body go to the bot's own entry.
TEST_F(Bots, DuringADepartureTheBotsKillAndReportThePlayersTheyMean) {
    Add({0, kStand, 30}, 0, false);  // the host's own player, far off
    const int32_t bot = Add({0, kStand, 0}, 0, true);
    Add({40, kStand, 40}, 0, false);  // leaves
    const int32_t stays = Add({0, kStand, -10}, 0, false);
    const int32_t staysId = Player(stays).entry.id;
    Match match = MatchOf(game);
    UnseatPlayer(match, 2);
    const int32_t hit = stays - 1;  // its slot on this machine now
    game.play.bullets = {BulletOf(bot, {0, kStand, -9}, {0, 0, -0.3f})};

    for (int frame = 0; frame < 5 && !game.play.bullets.empty(); ++frame) {
        match.now = game.frame.now += 15;
        UpdateBotBullets(match);
    }
    StepPlayerBodies(match);
    ASSERT_FALSE(game.play.events.empty());
    const auto* kill = std::get_if<PlayerKilled>(&game.play.events.back());
    ASSERT_NE(kill, nullptr);
    EXPECT_EQ(kill->victimId, staysId);
    EXPECT_TRUE(Player(hit).deathTime != 0);
    const tplayerinfo& botEntry = game.server.serverPlayers[static_cast<size_t>(bot)];
    EXPECT_EQ(botEntry.frags, 1);
    EXPECT_EQ(game.server.serverPlayers[3].frags, 0);
    EXPECT_EQ(game.server.serverPlayers[3].position, (tvec3{}))
        << "a bot's body went into another player's entry";
}

}  // namespace
