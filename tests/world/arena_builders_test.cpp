#include "world/arena_builders.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/fake_gpu.h"
#include "world/effect_models.h"
#include "world/shadow.h"

namespace {

class ArenaBuildersTest : public testing::Test {
  protected:
    void SetUp() override {
        textures.texturesDir = "/nonexistent";
        ResetTextureSlots(textures, gpu);
    }
    CylinderSpec Spec(float radius, float height) {
        CylinderSpec spec;
        spec.segments = 8;
        spec.capTexture = "cylcap";
        spec.sideTexture = "cylside";
        spec.radius = radius;
        spec.height = height;
        spec.centre = {1, 2, 3};
        return spec;
    }

    FakeGpu gpu;
    TextureTable textures;
};

TEST_F(ArenaBuildersTest, CylinderOfEightSegmentsAndOneBand) {
    const tgeomobject cylinder = BuildCylinder(Spec(2, 6), textures, gpu);
    EXPECT_EQ(cylinder.triangleCount, 16);
    EXPECT_EQ(cylinder.quadCount, 8);
    EXPECT_EQ(cylinder.position, (tvec3{1, 2, 3}));
    const auto triangles = TriangleVertices(cylinder);
    EXPECT_FLOAT_EQ(triangles[1].position.y, 3);   // top centre, in local space
    EXPECT_FLOAT_EQ(triangles[4].position.y, -3);  // then the bottom one
    EXPECT_EQ(cylinder.triangleParts[0].name, "cylcap");
    EXPECT_EQ(cylinder.quadParts[0].name, "cylside");
    EXPECT_EQ(cylinder.triangleParts[0].triangleRuns[0].elementCount, 16);
    EXPECT_EQ(cylinder.quadParts[0].quadRuns[0].textureIndex, 1);
    EXPECT_EQ(triangles[0].colour, 0xFFFFFFFFu);
}

TEST_F(ArenaBuildersTest, SideTextureRepeatsTwiceAroundAndHeightOverDiameterAlong) {
    const tgeomobject cylinder = BuildCylinder(Spec(2, 6), textures, gpu);
    const auto quads = QuadVertices(cylinder);
    EXPECT_FLOAT_EQ(quads[0].s, 0.5f);
    EXPECT_NEAR(quads[quads.size() - 3].s, 2.5f, 1e-5f);
    EXPECT_FLOAT_EQ(quads[0].t, 0);
    EXPECT_FLOAT_EQ(quads[1].t, 0);
    EXPECT_FLOAT_EQ(quads[2].t, 1.5f);
    EXPECT_FLOAT_EQ(quads[3].t, 1.5f);
    EXPECT_FLOAT_EQ(quads[2].position.y, -3);
}

TEST_F(ArenaBuildersTest, RadiusZeroTakesHalfScale) {
    const tgeomobject cylinder = BuildCylinder(Spec(0, 6), textures, gpu);
    EXPECT_FLOAT_EQ(QuadVertices(cylinder)[2].t, 0.5f);
}

TEST_F(ArenaBuildersTest, BandsSplitTheSideTopDown) {
    CylinderSpec spec = Spec(1, 4);
    spec.bands = 2;
    spec.segments = 0;  // taken as one
    const tgeomobject cylinder = BuildCylinder(spec, textures, gpu);
    EXPECT_EQ(cylinder.quadCount, 2);
    const auto quads = QuadVertices(cylinder);
    EXPECT_FLOAT_EQ(quads[3].position.y, 0);
    EXPECT_FLOAT_EQ(quads[4].position.y, 0);
    EXPECT_FLOAT_EQ(quads[4].t, 0.5f);
    EXPECT_FLOAT_EQ(quads[6].t, 2.0f);  // (j + 1) b s / H = 2 * 2 * 2 / 4
}

TEST_F(ArenaBuildersTest, LoadsItsTexturesOnceAndResolvesTheSlots) {
    LoadTexture(textures, gpu, "other", 1);
    CylinderSpec spec = Spec(1, 1);
    spec.sideTexture = "PLTEX1";
    const tgeomobject first = BuildCylinder(spec, textures, gpu);
    const tgeomobject second = BuildCylinder(spec, textures, gpu);
    EXPECT_EQ(textures.textureList.size(), 3u);
    EXPECT_EQ(textures.textureList[2].frameCount, kPlayerSkinFrames);
    EXPECT_EQ(first.textureSlots, (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(second.textureSlots, first.textureSlots);
}

TEST_F(ArenaBuildersTest, FlagLeansItsStickAndClothButNotItsNormals) {
    FlagSpec spec;
    spec.home = {5, 0, 5};
    spec.clothTexture = "flsidered";
    const tgeomobject flag = BuildFlag(spec, textures, gpu);
    EXPECT_EQ(flag.triangleCount, 0);
    ASSERT_EQ(flag.quadCount, 6);
    const auto quads = QuadVertices(flag);
    ASSERT_EQ(quads.size(), 24u);
    const float a = 10 * std::numbers::pi_v<float> / 180;
    // Front top left corner (-w, h, w) turned 10 degrees about Z.
    EXPECT_NEAR(quads[1].position.x, -0.05f * std::cos(a) - 4 * std::sin(a), 1e-5f);
    EXPECT_NEAR(quads[1].position.y, -0.05f * std::sin(a) + 4 * std::cos(a), 1e-5f);
    EXPECT_EQ(quads[1].normal, (tvec3{0, 0, 1}));
    EXPECT_FLOAT_EQ(quads[18].position.z, 2);           // the cloth reaches clothWidth out
    EXPECT_EQ(quads[16].position, quads[23].position);  // its back is the front reversed
    EXPECT_FLOAT_EQ(quads[2].s, 1);
    EXPECT_FLOAT_EQ(quads[2].t, 1);
    EXPECT_EQ(quads[5].colour, 255u);
    const tmeshpart& part = flag.quadParts[0];
    EXPECT_EQ(part.name, "flag");
    ASSERT_EQ(part.quadRuns.size(), 2u);
    EXPECT_EQ(part.quadRuns[1].elementOffset, 4);
    EXPECT_EQ(part.quadRuns[1].elementCount, 2);
    EXPECT_EQ(flag.textureNames, (std::vector<std::string>{"flstick", "flsidered"}));
    EXPECT_EQ(flag.textureSlots, (std::vector<int32_t>{0, 1}));
}

TEST_F(ArenaBuildersTest, ExplosionModelsStandOrLieAndAnimateTheirTexture) {
    const tgeomobject side = BuildExplosionModel(false, textures, gpu);
    const tgeomobject top = BuildExplosionModel(true, textures, gpu);
    EXPECT_EQ(QuadVertices(side)[0].position, (tvec3{0, 0.8f, -0.8f}));
    EXPECT_EQ(QuadVertices(side)[0].normal, (tvec3{-1, 0, 0}));
    EXPECT_EQ(QuadVertices(top)[2].position, (tvec3{-0.8f, 0, 0.8f}));
    const ttexrun& run = top.quadParts[0].quadRuns[0];
    EXPECT_EQ(run.textureFrames, 3);
    EXPECT_EQ(run.textureAnimated, 1);
    EXPECT_EQ(run.textureInterval, 50);
    EXPECT_EQ(top.quadParts[0].currentAnimation, -2);
    EXPECT_EQ(textures.textureList.size(), 1u);  // "mi_expl" once, three slots
    EXPECT_EQ(textures.nextTextureSlot, 3);
    EXPECT_EQ(top.textureSlots[0], -1);
}

TEST(PlayerShadow, RimIsAUnitCircleInTheFloorPlane) {
    const tshad shadow(16);
    ASSERT_EQ(shadow.rim.size(), 16u);
    EXPECT_FLOAT_EQ(shadow.rim[0].point.x, 1);
    EXPECT_NEAR(shadow.rim[4].point.z, 1, 1e-6f);
    EXPECT_EQ(shadow.rim[7].normal, (tvec3{0, 1, 0}));
    EXPECT_EQ(shadow.centreNormal, (tvec3{0, 1, 0}));
}

}  // namespace
