// ExpectNear for points and directions: each coordinate within `tolerance` of the expected one.
#pragma once
#include <gtest/gtest.h>

#include "world/vec_math.h"

inline void ExpectNear(tvec3 actual, tvec3 expected, float tolerance = 1e-5f) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}
