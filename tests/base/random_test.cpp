#include "base/random.h"

#include <gtest/gtest.h>

TEST(Random, SameSeedGivesSameSequenceAndBoundsHold) {
    Random a(42), b(42);
    for (int i = 0; i < 1000; ++i) {
        int32_t value = a.Below(7);
        EXPECT_EQ(value, b.Below(7));
        EXPECT_GE(value, 0);
        EXPECT_LT(value, 7);
        float unit = a.Unit();
        b.Unit();
        EXPECT_GE(unit, 0.0f);
        EXPECT_LT(unit, 1.0f);
    }
    EXPECT_EQ(a.Below(0), 0);
    EXPECT_EQ(a.Below(-3), 0);
}
