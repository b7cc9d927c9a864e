// The local player's gun as the player sees it: a held trigger, an empty magazine, the R key.
#include "game/weapon.h"

#include <cmath>

#include "game/death.h"
#include "sound/player_channels.h"
#include "support/fake_audio.h"
#include "support/match_rules.h"
#include "support/play_fixture.h"

namespace {

class Weapon : public PlayFixture {
  protected:
    void SetUp() override {
        StartPlay(1, 0);
        Stand(0, 0, 0);
    }

    // Frames of 5 ms for `ms` with the trigger held; the times at which bullets left.
    std::vector<uint32_t> HoldFire(uint32_t ms) {
        std::vector<uint32_t> shots;
        game.input.fireHeld = true;
        for (uint32_t t = 0; t < ms; t += 5) {
            Advance(5);
            const size_t before = game.play.bullets.size();
            RunRule(game, UpdateLocalWeapon, game.input.fireHeld);
            if (game.play.bullets.size() > before) shots.push_back(clock.now);
        }
        game.input.fireHeld = false;
        return shots;
    }

    TestSounds sounds{game.sound};
};

TEST_F(Weapon, AMagazineEmptiesInThirtyShotsAndTheThirtyFirstComesAfterTheReload) {
    const std::vector<uint32_t> shots = HoldFire(3000);
    ASSERT_GE(shots.size(), 31u);
    for (size_t i = 1; i < 30; ++i) EXPECT_EQ(shots[i] - shots[i - 1], 50u) << i;
    const uint32_t gap = shots[30] - shots[29];
    EXPECT_GE(gap, 1100u);
    EXPECT_LE(gap, 1110u);
    EXPECT_EQ(game.play.weapon.spareMagazines, 4);
    // Every shot was announced to the other machines.
    EXPECT_EQ(network.Tagged(tmessagetag::kBulletStart).size(), shots.size());
}

TEST_F(Weapon, WithoutSpareMagazinesAnEmptyGunStaysSilent) {
    game.play.weapon.spareMagazines = 0;
    EXPECT_EQ(HoldFire(2000).size(), 30u);
    EXPECT_EQ(game.play.weapon.reloadDelay, 0);
    EXPECT_EQ(game.play.weapon.magazineShots, 30);
}

TEST_F(Weapon, ShotsLeaveTheMuzzleTowardsTheLookWithinTheSpread) {
    Model(0).yaw = 90;  // facing -x
    const std::vector<uint32_t> shots = HoldFire(500);
    ASSERT_FALSE(game.play.bullets.empty());
    for (const tbullet& bullet : game.play.bullets) {
        EXPECT_LT(bullet.velocity.x, 0);
        const float sideways = std::atan2(bullet.velocity.z, -bullet.velocity.x) * 180 / 3.14159f;
        EXPECT_LE(std::fabs(sideways), 4.01f);
        EXPECT_EQ(bullet.ownerIndex, 0);
        EXPECT_GT(bullet.extentRadius, 0);
        // It starts at the gun, not inside the body's centre.
        EXPECT_GT(std::fabs(bullet.position.x - Model(0).position.x) +
                      std::fabs(bullet.position.z - Model(0).position.z),
                  0.2f);
    }
    EXPECT_EQ(Player(0).muzzleStartTime, shots.back());  // the flash shows from the last shot
}

TEST_F(Weapon, ReloadActsAtOnceOrNotAtAll) {
    HoldFire(500);  // ten shots
    ASSERT_EQ(game.play.weapon.magazineShots, 10);
    RunRule(game, ManualReload);
    EXPECT_GT(game.play.weapon.reloadDelay, 0);
    EXPECT_TRUE(HoldFire(900).empty()) << "no shot while reloading";
    RunRule(game, ManualReload);  // refused while a reload runs, and not remembered for later
    const std::vector<uint32_t> after = HoldFire(400);
    ASSERT_FALSE(after.empty());
    EXPECT_EQ(game.play.weapon.spareMagazines, 4);
    // The rest of the old magazine was thrown away: a fresh one of 30.
    EXPECT_EQ(game.play.weapon.magazineShots, static_cast<int32_t>(after.size()));
    EXPECT_EQ(game.play.weapon.reloadDelay, 0);

    game.play.weapon = {};
    RunRule(game, ManualReload);  // a full magazine too is traded for a spare
    EXPECT_TRUE(HoldFire(900).empty()) << "no shot while reloading";
    ASSERT_FALSE(HoldFire(400).empty());
    EXPECT_EQ(game.play.weapon.spareMagazines, 4);
    game.play.weapon = {10, 0, 0};
    RunRule(game, ManualReload);  // no spare left
    EXPECT_EQ(game.play.weapon.reloadDelay, 0);
}

TEST_F(Weapon, ShotsReloadsAndDeathAreHeardOnThePlayersOwnChannels) {
    auto channel = [&](SoundBuffer PlayerChannels::*which) {
        return sounds.Of(ChannelsOf(game.sound, 0)->*which);
    };
    game.play.weapon.magazineShots = 28;
    HoldFire(200);  // two shots, then the empty magazine starts a reload
    EXPECT_EQ(channel(&PlayerChannels::fire).playCount, 2);
    EXPECT_TRUE(channel(&PlayerChannels::reload).playing);
    EXPECT_FALSE(channel(&PlayerChannels::death).playing);

    Player(0).dead = true;
    Player(0).deathTime = game.frame.now;
    game.state.localDeathPending = true;
    RunGameStep(game);
    EXPECT_TRUE(channel(&PlayerChannels::death).playing);
    EXPECT_EQ(Model(0).triangleParts.front().currentAnimation, kDeathAnimation);
    RunGameStep(game);  // once
    EXPECT_EQ(channel(&PlayerChannels::death).playCount, 1);
}

}  // namespace
