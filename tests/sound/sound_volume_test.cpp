#include "sound/sound_volume.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(SoundVolume, PercentageBecomesAttenuationInHundredthsOfADecibel) {
    EXPECT_EQ(VolumeAttenuation(100), 0);
    EXPECT_EQ(VolumeAttenuation(90), -10);
    EXPECT_EQ(VolumeAttenuation(50), -1250);
    EXPECT_EQ(VolumeAttenuation(0), -10000);
    EXPECT_NEAR(VolumeFactor(90), 2.1544, 1e-9);
    // Louder settings are never more attenuated.
    for (int percent = 1; percent <= 100; ++percent) {
        EXPECT_GE(VolumeAttenuation(percent), VolumeAttenuation(percent - 1)) << percent;
    }
}

TEST(SoundVolume, SettingsOutsideTheRangeAreHeldToIt) {
    EXPECT_EQ(VolumeAttenuation(150), 0);
    EXPECT_EQ(VolumeAttenuation(-20), -10000);
    EXPECT_EQ(VolumeAttenuation(std::numeric_limits<double>::quiet_NaN()), -10000);
}

TEST(SoundVolume, DistantPlayersAreQuieterByHorizontalDistanceOnly) {
    tvec3 local{10, 0, -5};
    EXPECT_EQ(DistanceAttenuation(70, local, local), VolumeAttenuation(70));
    // Height makes no difference.
    EXPECT_EQ(DistanceAttenuation(70, local, {10, 500, -5}), VolumeAttenuation(70));
    // 100 units away the volume is halved: 100 % is heard as 50 %.
    EXPECT_EQ(DistanceAttenuation(100, local, {10 + 60, 3, -5 - 80}), -1250);
    // 300 units away, 80 % is heard as 20 %: (80 * 0.21544)^3 rounded.
    double factor = (100 - 80 / 4.0) * 0.21544;
    EXPECT_EQ(DistanceAttenuation(80, {0, 0, 0}, {0, 0, 300}),
              -std::lround(factor * factor * factor));
    EXPECT_EQ(DistanceAttenuation(0, {0, 0, 0}, {1, 0, 1}), -10000);
    float far = std::numeric_limits<float>::infinity();
    EXPECT_EQ(DistanceAttenuation(100, {0, 0, 0}, {far, 0, 0}), -10000);
    float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(DistanceAttenuation(100, {0, 0, 0}, {nan, 0, 0}), -10000);
}
