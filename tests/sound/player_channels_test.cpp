#include "sound/player_channels.h"

#include <gtest/gtest.h>

#include "sound/sound_volume.h"
#include "support/fake_audio.h"

namespace {

class PlayerChannelsTest : public ::testing::Test {
  protected:
    uint32_t SamplesOf(const SoundBuffer& buffer) { return Of(buffer).buffer; }
    const FakeAudio::Channel& Of(const SoundBuffer& buffer) { return sounds_.Of(buffer); }

    Sound sound_;
    TestSounds sounds_{sound_};
    FakeAudio& audio_ = sounds_.audio;
    const size_t baseChannels_ = audio_.LiveChannels();
};

}  // namespace

TEST_F(PlayerChannelsTest, EachPlayerGetsFiveDuplicatesWithTheFireSoundOfItsTeam) {
    EXPECT_EQ(AddPlayerChannels(sound_, 0), 0u);
    EXPECT_EQ(AddPlayerChannels(sound_, 1), 1u);
    EXPECT_EQ(AddPlayerChannels(sound_, 7), 2u);  // a team number from nowhere fires like team 0
    EXPECT_EQ(audio_.LiveChannels(), baseChannels_ + 15);

    const PlayerChannels& blue = sound_.playerChannels[0];
    EXPECT_EQ(SamplesOf(blue.fire), SamplesOf(sound_.fireSound));
    EXPECT_EQ(SamplesOf(sound_.playerChannels[1].fire), SamplesOf(sound_.fire2Sound));
    EXPECT_EQ(SamplesOf(sound_.playerChannels[2].fire), SamplesOf(sound_.fireSound));
    EXPECT_EQ(SamplesOf(blue.walk), SamplesOf(sound_.walkSound));
    EXPECT_EQ(SamplesOf(blue.reload), SamplesOf(sound_.reloadSound));
    EXPECT_EQ(SamplesOf(blue.death), SamplesOf(sound_.deathSound));
    EXPECT_EQ(SamplesOf(blue.sprint), SamplesOf(sound_.sprintSound));
    EXPECT_EQ(audio_.LiveBuffers(), 9u);  // no sample was copied
}

TEST_F(PlayerChannelsTest, ALeavingPlayerTakesItsChannelsAndLaterPlayersMoveDown) {
    AddPlayerChannels(sound_, 0);
    AddPlayerChannels(sound_, 1);
    AddPlayerChannels(sound_, 0);
    uint32_t thirdFire = sound_.playerChannels[2].fire.channel;
    uint32_t secondFire = sound_.playerChannels[1].fire.channel;

    RemovePlayerChannels(sound_, 1);
    ASSERT_EQ(sound_.playerChannels.size(), 2u);
    EXPECT_EQ(sound_.playerChannels[1].fire.channel, thirdFire);
    EXPECT_EQ(audio_.Find(secondFire), nullptr);
    EXPECT_EQ(audio_.LiveChannels(), baseChannels_ + 10);

    RemovePlayerChannels(sound_, 5);  // no such player
    EXPECT_EQ(sound_.playerChannels.size(), 2u);

    RemovePlayerChannels(sound_, 0);
    RemovePlayerChannels(sound_, 0);
    EXPECT_TRUE(sound_.playerChannels.empty());
    EXPECT_EQ(audio_.LiveChannels(), baseChannels_);
    EXPECT_EQ(audio_.LiveBuffers(), 9u);

    AddPlayerChannels(sound_, 1);
    ReleasePlayerChannels(sound_);
    EXPECT_EQ(audio_.LiveChannels(), baseChannels_);
}

TEST_F(PlayerChannelsTest, NewChannelsStartAtTheBaseVolumeAndOnlyTheLocalOnesFollowTheSetting) {
    AddPlayerChannels(sound_, 0);
    AddPlayerChannels(sound_, 0);
    EXPECT_EQ(Of(sound_.playerChannels[1].walk).attenuation, 0);

    ApplySoundVolume(sound_, 90, 1);
    const PlayerChannels& local = sound_.playerChannels[1];
    for (const SoundBuffer* channel :
         {&local.fire, &local.walk, &local.reload, &local.death, &local.sprint}) {
        EXPECT_EQ(Of(*channel).attenuation, -10);
    }
    EXPECT_EQ(Of(sound_.playerChannels[0].fire).attenuation, 0);
    EXPECT_EQ(Of(sound_.flagChannel[0]).attenuation, -10);
    EXPECT_EQ(Of(sound_.flagChannel[1]).attenuation, -10);
    EXPECT_EQ(Of(sound_.pickupSound).attenuation, -10);
    EXPECT_EQ(Of(sound_.fireSound).attenuation, 0);

    // 100 units away at full volume the other player is heard as at 50 %.
    ApplyDistanceVolume(sound_, 0, 100, {0, 0, 0}, {60, 25, 80});
    EXPECT_EQ(Of(sound_.playerChannels[0].sprint).attenuation, -1250);
    EXPECT_EQ(Of(local.fire).attenuation, -10);
    ApplyDistanceVolume(sound_, 9, 100, {0, 0, 0}, {1, 0, 0});  // no such player: nothing
}

TEST_F(PlayerChannelsTest, LoopingSoundsFollowTheAnimation) {
    AddPlayerChannels(sound_, 0);
    const PlayerChannels& channels = sound_.playerChannels[0];
    auto state = [&] {
        return std::make_pair(IsPlaying(channels.walk), IsPlaying(channels.sprint));
    };

    SwitchLoopingSounds(sound_, 0, 0);  // walking forward
    EXPECT_EQ(state(), std::make_pair(true, false));
    EXPECT_TRUE(Of(channels.walk).looping);
    SwitchLoopingSounds(sound_, 0, 7);  // sprinting
    EXPECT_EQ(state(), std::make_pair(false, true));
    EXPECT_TRUE(Of(channels.sprint).looping);
    SwitchLoopingSounds(sound_, 0, 4);  // crouched sideways
    EXPECT_EQ(state(), std::make_pair(true, false));
    for (int silent : {-1, 6, 10, 11}) {
        SwitchLoopingSounds(sound_, 0, 9);
        SwitchLoopingSounds(sound_, 0, silent);
        EXPECT_EQ(state(), std::make_pair(false, false)) << silent;
    }
    SwitchLoopingSounds(sound_, 3, 7);  // no such player: nothing
}
