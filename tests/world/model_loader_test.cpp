#include "world/model_loader.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/load_error.h"
#include "support/fake_gpu.h"
#include "support/near_vectors.h"
#include "support/temp_dir.h"

namespace {

tgeomobject Build(const std::string& text, ModelVertexCounters& counters) {
    tgeomobject object;
    BuildModel(ParseModelFile(text, "m.txt"), counters, "m.txt", object);
    return object;
}

tgeomobject Build(const std::string& text) {
    ModelVertexCounters counters;
    return Build(text, counters);
}

std::string Cylinder(const std::string& segs, const std::string& extra = "SHIFT\n0 0 0\n") {
    return "TYPE\nCYLINDER\nPOSITION\n0 0 0 2 4\nSEGS\n" + segs + "\nCOLOR\n7\n" + extra;
}

TEST(Tessellation, ZeroSegmentsCountAsOne) {
    const tgeomobject object = Build(Cylinder("0 0"));
    EXPECT_EQ(object.triangleCount, 2);
    EXPECT_EQ(object.quadCount, 1);
    EXPECT_EQ(object.triangles->size(), 6u);
    EXPECT_EQ(object.quads->size(), 4u);
}

TEST(Tessellation, CylinderCapsAndSidesInOrder) {
    const tgeomobject object = Build(Cylinder("4 2"));  // radius 2, half height 2
    ASSERT_EQ(object.triangleCount, 8);
    ASSERT_EQ(object.quadCount, 8);
    const auto& t = *object.triangles;
    ExpectNear(t[0].position, {2, 2, 0});  // top: rim i, centre, rim i + 1
    ExpectNear(t[1].position, {0, 2, 0});
    ExpectNear(t[2].position, {0, 2, 2});
    ExpectNear(t[3].position, {0, -2, 2});  // bottom: rim i + 1, centre, rim i
    ExpectNear(t[5].position, {2, -2, 0});
    ExpectNear(t[3].normal, {0, -1, 0});
    EXPECT_FLOAT_EQ(t[2].t, 1.0f);  // rim at 90 degrees: (0.5, 1)
    EXPECT_FLOAT_EQ(t[1].s, 0.5f);
    EXPECT_EQ(t[4].colour, 7u);

    const auto& q = *object.quads;  // quad 1: segment 0, lower row
    ExpectNear(q[4].position, {2, 0, 0});
    ExpectNear(q[5].position, {0, 0, 2});
    ExpectNear(q[6].position, {0, -2, 2});
    ExpectNear(q[7].position, {2, -2, 0});
    ExpectNear(q[5].normal, {0, 0, 1});
    EXPECT_FLOAT_EQ(q[4].s, 0.5f);
    EXPECT_FLOAT_EQ(q[5].s, 1.0f);
    EXPECT_FLOAT_EQ(q[4].t, 0.5f);
    EXPECT_FLOAT_EQ(q[6].t, 1.0f);
    EXPECT_NEAR((*object.quads)[30].s, 2.5f, 1e-5f);  // the last segment ends at 2.5
}

std::string Sphere(const std::string& segs) {
    return "TYPE\nSPHERE\nPOSITION\n0 0 0 1 2\nSEGS\n" + segs + "\nSHIFT\n0 0 0\n";
}

TEST(Tessellation, SphereOfTwoRowsIsTwoFansMeetingAtTheEquator) {
    const tgeomobject object = Build(Sphere("4 2"));
    EXPECT_EQ(object.triangleCount, 8);
    EXPECT_EQ(object.quadCount, 0);
    const auto& t = *object.triangles;
    ExpectNear(t[0].position, {1, 0, 0});
    ExpectNear(t[1].position, {0, 1, 0});
    ExpectNear(t[3].position, {0, 0, 1});  // bottom fan: P'(i + 1), pole, P'(i)
    ExpectNear(t[4].position, {0, -1, 0});
    ExpectNear(t[4].normal, {0, -1, 0});
}

TEST(Tessellation, SphereOfOneRowHasDegenerateFans) {
    const tgeomobject object = Build(Sphere("3 1"));
    EXPECT_EQ(object.quadCount, 0);
    for (size_t v : {0u, 2u}) {
        EXPECT_NEAR((*object.triangles)[v].position.y, -1, 1e-5f);
        EXPECT_NEAR((*object.triangles)[v].position.x, 0, 1e-5f);
    }
}

TEST(Tessellation, SphereBandsFollowTheFans) {
    const tgeomobject object = Build(Sphere("4 4"));
    EXPECT_EQ(object.quadCount, 8);
    const auto& q = *object.quads;
    const float ring = std::sin(std::numbers::pi_v<float> / 4);
    ExpectNear(q[0].position, {ring, std::cos(std::numbers::pi_v<float> / 4), 0});
    ExpectNear(q[3].position, {1, 0, 0});  // P(0, 2) on the equator
    ExpectNear(q[4].position, {1, 0, 0});  // second band of segment 0 starts there
    ExpectNear(q[3].normal, {1, 0, 0});
}

TEST(Baking, RotatesXThenZThenYAndShiftsPositionsOnly) {
    const tgeomobject object = Build(Cylinder("4 1", "SHIFT\n10 0 0\nROTATIONZ\n90 90 0\n"));
    const auto& t = *object.triangles;
    ExpectNear(t[1].position,
               {8, 0, 0});  // the top centre (0, 2, 0) goes to (0, 0, 2), then (-2, 0, 0)
    ExpectNear(t[1].normal, {-1, 0, 0});
    const tpartframe& frame = object.triangleParts[0].frames[0];
    EXPECT_EQ(frame.rotation, (tvec3{90, 90, 0}));
    tvec3 p{0, 2, 0};
    TransformPoint(p, frame.matrix);
    TransformPoint(p, frame.inverse);
    ExpectNear(p, {0, 2, 0});
}

TEST(Baking, SpheresAreOnlyShifted) {
    const tgeomobject object = Build(Sphere("4 2") + "SHIFT\n0 5 0\n");
    ExpectNear((*object.triangles)[8 * 3 + 1].position, {0, 6, 0});
    const tpartframe& frame = object.triangleParts[0].frames[1];
    EXPECT_EQ(frame.matrix.m, IdentityMatrix().m);
    EXPECT_EQ(frame.inverse.m, tmatrix{}.m);
    EXPECT_TRUE(object.triangleParts[0].sphere);
    EXPECT_FALSE(object.quadParts[0].sphere);
}

const char* const kFigure =
    "TYPE\nSPHERE\nNAME\nHEAD\nTEXNAME\nPLTEX1\nPOSITION\n0 3 0 0.5 1\nSEGS\n4 3\n"
    "SHIFT\n0 3 0\nSHIFT\n0 2.5 0\n"
    "ANIMATIONS\n2\nANIMNAME\nwalk\nANIM\n1 0\nANIMNAME\nSeat\nANIM\n2 1 0\n"
    "TYPE\nCYLINDER\nNAME\nbody\nTEXNAME\nbodytex\nPOSITION\n1 2 0 0.5 2\nSEGS\n4 1\n"
    "SHIFT\n0 1 0\nSHIFT\n0 0.5 0\nSHIFT\n0 0.5 0\n"
    "ANIMATIONS\n2\nANIMNAME\nwalk\nANIMNAME\nSeat\n"
    "TYPE\nCYLINDER\nNAME\nleg\nTEXNAME\nPLTEX2\nPOSITION\n1 -1 0 0.1 2\nSEGS\n3 2\n"
    "SHIFT\n0 -1.5 0.25\nANIMATIONS\n2\nANIMNAME\nwalk\nANIMNAME\nSeat\n";

TEST(ModelBuild, CylindersComeFirstAndTheFirstIsTheRoot) {
    const tgeomobject object = Build(kFigure);
    ASSERT_EQ(object.triangleParts.size(), 3u);
    EXPECT_EQ(object.triangleParts[0].name, "body");
    EXPECT_EQ(object.triangleParts[1].name, "leg");
    EXPECT_EQ(object.triangleParts[2].name, "HEAD");
    EXPECT_EQ(object.quadParts[2].name, "HEAD");
    EXPECT_EQ(object.position, (tvec3{1, 2, 0}));
    EXPECT_EQ(object.triangleParts[0].position, tvec3{});
    EXPECT_EQ(object.quadParts[1].position, (tvec3{0, -3, 0}));
    EXPECT_EQ(object.triangleParts[2].position, (tvec3{-1, 1, 0}));
    EXPECT_EQ(object.textureNames, (std::vector<std::string>{"bodytex", "PLTEX2", "PLTEX1"}));
    EXPECT_EQ(object.textureSlots, (std::vector<int32_t>{-1, -1, -1}));
    EXPECT_EQ(object.triangleParts[1].triangleRuns[0].textureIndex, 1);
    EXPECT_EQ(object.quadParts[1].quadRuns[0].elementCount, 6);
}

TEST(ModelBuild, PartsPointAtTheirPosesInTheArrays) {
    const tgeomobject object = Build(kFigure);
    const tmeshpart& body = object.triangleParts[0];
    const tmeshpart& leg = object.triangleParts[1];
    const tmeshpart& head = object.quadParts[2];
    EXPECT_EQ(body.firstElement, 0);
    EXPECT_EQ(body.elementsPerFrame, 8);
    EXPECT_EQ(leg.firstElement, 24);
    EXPECT_EQ(head.firstElement, 3 * 4 + 6);
    EXPECT_EQ(head.elementsPerFrame, 4);
    EXPECT_EQ(head.verticesPerFrame, 16);
    ASSERT_EQ(body.frames.size(), 3u);
    EXPECT_EQ(body.frames[2].vertexOffset, 48);
    EXPECT_EQ(body.frames[2].elementCount, 8);
    EXPECT_EQ(body.frames[1].delta, (tvec3{0, -0.5f, 0}));
    EXPECT_EQ(object.quadParts[0].frames[1].delta, (tvec3{0, -0.5f, 0}));
    EXPECT_FLOAT_EQ(body.frames[0].radius, 0.5f);
    EXPECT_FLOAT_EQ(object.quadParts[0].frames[0].radius, 0);
    EXPECT_EQ(object.triangleCount, 3 * 8 + 6 + 2 * 8);
    EXPECT_EQ(object.quadCount, 3 * 4 + 6 + 2 * 4);
    EXPECT_EQ(body.currentAnimation, -1);
    EXPECT_EQ(body.animations.size(), 2u);
}

TEST(ModelBuild, ExtentsAndSeatDrop) {
    const tgeomobject object = Build(kFigure);
    EXPECT_FLOAT_EQ(object.extentHalfHeight, 3.5f);  // head top: 3 + 0.5
    EXPECT_FLOAT_EQ(object.extentRadius, 0.5f);
    EXPECT_FLOAT_EQ(object.seatDrop, 0.5f);  // head pose 0 at 3, SEAT's first pose at 2.5
    EXPECT_EQ(FindPart(object, "head"), 2);
}

TEST(ModelBuild, NoSeatMeansNoDrop) {
    EXPECT_FLOAT_EQ(Build(Sphere("4 2")).seatDrop, 0);
}

TEST(ModelBuild, APartWithoutPosesHasNoGeometry) {
    const tgeomobject object = Build(Cylinder("4 1", "") + Sphere("4 2"));
    EXPECT_TRUE(object.triangleParts[0].frames.empty());
    EXPECT_EQ(object.triangleParts[1].firstElement, 0);
    EXPECT_EQ(object.triangleCount, 8);
}

TEST(ModelBuild, SphereOnlyModelIsRootedAtItsFirstSphere) {
    const tgeomobject object =
        Build("TYPE\nSPHERE\nPOSITION\n4 5 6 1 1\nTYPE\nSPHERE\nPOSITION\n5 5 6 1 1\n");
    EXPECT_EQ(object.position, (tvec3{4, 5, 6}));
    EXPECT_EQ(object.triangleParts[1].position, (tvec3{1, 0, 0}));
}

TEST(ModelBuild, PartsRecordWhereTheyStartInTheVertexStream) {
    ModelVertexCounters counters{100, 200};
    const tgeomobject object = Build(kFigure, counters);
    EXPECT_EQ(object.triangleParts[0].vertexStart, 100);
    EXPECT_EQ(object.triangleParts[1].vertexStart, 100 + 3 * 24);
    EXPECT_EQ(object.quadParts[1].vertexStart, 200 + 3 * 16);
    EXPECT_EQ(counters.triangleVertices, 100 + object.triangleCount * 3);
    EXPECT_EQ(counters.quadVertices, 200 + object.quadCount * 4);
}

TEST(ModelBuild, RefusesModelsWithTooManyVertices) {
    std::string text = "TYPE\nCYLINDER\nSEGS\n256 256\n";
    for (int i = 0; i < 20; ++i) text += "SHIFT\n0 0 0\n";
    EXPECT_THROW(Build(text), WorldLoadError);
}

class ModelLoaderTest : public testing::Test {
  protected:
    void SetUp() override {
        textures.texturesDir = dir.path() / "textures";
        ResetTextureSlots(textures, gpu);
        dir.Write("player.txt", kFigure);
        dir.Write("bullet.txt", Sphere("4 2"));
    }

    TempDir dir;
    FakeGpu gpu;
    TextureTable textures;
    ModelVertexCounters counters{5, 5};
    ModelLoadContext context{textures, gpu, counters};
    SharedMesh shared;
};

TEST_F(ModelLoaderTest, PlayerRestartsTheCountersAndABulletContinuesThem) {
    auto player = LoadModel(dir.path() / "player.txt", context, false, shared);
    ASSERT_TRUE(player);
    EXPECT_EQ(player->triangleParts[0].vertexStart, 0);
    auto bullet = LoadBulletModel(dir.path() / "bullet.txt", context);
    ASSERT_TRUE(bullet);
    EXPECT_EQ(bullet->triangleParts[0].vertexStart, player->triangleCount * 3);
    EXPECT_EQ(bullet->quadParts[0].vertexStart, player->quadCount * 4);
    auto again = LoadModel(dir.path() / "player.txt", context, true, shared);
    EXPECT_EQ(again->triangleParts[1].vertexStart, player->triangleParts[1].vertexStart);
}

TEST_F(ModelLoaderTest, MissingFileChangesNothing) {
    EXPECT_FALSE(LoadModel(dir.path() / "nobody.txt", context, false, shared));
    EXPECT_FALSE(LoadBulletModel(dir.path() / "nobody.txt", context));
    EXPECT_EQ(counters.triangleVertices, 5);
    EXPECT_TRUE(textures.textureList.empty());
    EXPECT_FALSE(shared.triangles);
}

TEST_F(ModelLoaderTest, TemplateFillsTheSharedMeshAndInstancesDrawIt) {
    auto model = LoadModel(dir.path() / "player.txt", context, false, shared);
    EXPECT_EQ(shared.triangles, model->triangles);
    auto instance = LoadModel(dir.path() / "player.txt", context, true, shared);
    EXPECT_EQ(instance->triangles, model->triangles);
    EXPECT_EQ(instance->quads, model->quads);
    instance->triangleParts[0].currentAnimation = 1;  // state stays per instance
    EXPECT_EQ(model->triangleParts[0].currentAnimation, -1);
}

TEST_F(ModelLoaderTest, LoadsEachTextureOnceWithItsFrameCount) {
    LoadModel(dir.path() / "player.txt", context, false, shared);
    LoadModel(dir.path() / "player.txt", context, true, shared);
    ASSERT_EQ(textures.textureList.size(), 3u);
    EXPECT_EQ(textures.textureList[0].name, "bodytex");
    EXPECT_EQ(textures.textureList[1].frameCount, 3);                  // PLTEX2
    EXPECT_EQ(textures.textureList[2].frameCount, kPlayerSkinFrames);  // PLTEX1
    EXPECT_EQ(textures.nextTextureSlot, 1 + 3 + kPlayerSkinFrames);
}

TEST_F(ModelLoaderTest, ErrorsNameTheFileAndLine) {
    const auto path = dir.Write("bad.txt", "TYPE\nSPHERE\nSHIFT\n1 2 x\n");
    try {
        LoadModel(path, context, false, shared);
        FAIL();
    } catch (const WorldLoadError& error) {
        EXPECT_NE(std::string(error.what()).find("bad.txt:4:"), std::string::npos);
    }
    EXPECT_EQ(counters.triangleVertices, 5);
}

}  // namespace
