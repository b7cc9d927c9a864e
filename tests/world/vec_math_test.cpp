#include "world/vec_math.h"

#include <gtest/gtest.h>

#include "support/near_vectors.h"

namespace {

tvec3 Apply(const tmatrix& m, tvec3 p) {
    TransformPoint(p, m);
    return p;
}

TEST(Rotation, QuarterTurnsFollowTheGameConventions) {
    ExpectNear(Apply(RotationY(90), {1, 0, 0}), {0, 0, 1}, 1e-6f);
    ExpectNear(Apply(RotationY(90), {0, 0, 1}), {-1, 0, 0}, 1e-6f);
    ExpectNear(Apply(RotationX(90), {0, 1, 0}), {0, 0, 1}, 1e-6f);
    ExpectNear(Apply(RotationZ(90), {1, 0, 0}), {0, 1, 0}, 1e-6f);
    ExpectNear(Apply(RotationY(0), {1, 2, 3}), {1, 2, 3}, 1e-6f);
}

TEST(Rotation, OppositeAnglesUndoEachOther) {
    const tmatrix there =
        MultiplyMatrix(MultiplyMatrix(RotationY(30), RotationZ(40)), RotationX(50));
    const tmatrix back =
        MultiplyMatrix(MultiplyMatrix(RotationX(-50), RotationZ(-40)), RotationY(-30));
    ExpectNear(Apply(back, Apply(there, {0.3f, -1.2f, 2.5f})), {0.3f, -1.2f, 2.5f}, 1e-6f);
}

TEST(MultiplyMatrix, OrderMattersAndTheRightFactorActsFirst) {
    // X first, then Y: (0, 1, 0) -> (0, 0, 1) -> (-1, 0, 0).
    ExpectNear(Apply(MultiplyMatrix(RotationY(90), RotationX(90)), {0, 1, 0}), {-1, 0, 0}, 1e-6f);
    ExpectNear(Apply(MultiplyMatrix(RotationX(90), RotationY(90)), {0, 1, 0}), {0, 0, 1}, 1e-6f);
}

TEST(MultiplyMatrix, ResultMayReplaceAnInput) {
    tmatrix a = RotationZ(25);
    a.m[3] = 4;
    const tmatrix b = RotationX(70);
    const tmatrix fresh = MultiplyMatrix(a, b);
    a = MultiplyMatrix(a, b);
    EXPECT_EQ(a.m, fresh.m);
}

TEST(TransformPoint, TranslatesAndDividesByW) {
    tmatrix m = IdentityMatrix();
    m.m[3] = 1;
    m.m[7] = 2;
    m.m[11] = 3;
    m.m[15] = 2;
    ExpectNear(Apply(m, {1, 1, 1}), {1, 1.5f, 2}, 1e-6f);
}

TEST(TransformPoint, ZeroProjectiveRowLeavesThePointUndivided) {
    tmatrix m = IdentityMatrix();
    m.m[15] = 0;
    ExpectNear(Apply(m, {1, 2, 3}), {1, 2, 3}, 1e-6f);
}

}  // namespace
