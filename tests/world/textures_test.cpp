#include "world/textures.h"

#include <gtest/gtest.h>

#include "base/load_error.h"
#include "support/fake_gpu.h"
#include "support/picture_files.h"
#include "support/temp_dir.h"
#include "world/geom_object.h"

namespace {

using picture_files::Rgba;

class TexturesTest : public testing::Test {
  protected:
    void SetUp() override {
        table.texturesDir = dir.path() / "textures";
        ResetTextureSlots(table, gpu);
    }
    void WriteBmp(const std::string& file, Rgba colour, int size = 2) {
        dir.WriteBytes(
            "textures/" + file,
            picture_files::Bmp(size, size, std::vector<Rgba>(size_t(size * size), colour)));
    }

    TempDir dir;
    FakeGpu gpu;
    TextureTable table;
};

TEST_F(TexturesTest, ResetGivesEverySlotAFreshNameAndDeletesTheOldOnes) {
    EXPECT_EQ(gpu.generatedTextures, 200u);
    EXPECT_EQ(gpu.deletedTextures, 0u);
    const uint32_t first = table.textureSlotNames[0];
    LoadTexture(table, gpu, "none", 3);
    ResetTextureSlots(table, gpu);
    EXPECT_EQ(gpu.deletedTextures, 200u);
    EXPECT_NE(table.textureSlotNames[0], first);
    EXPECT_EQ(table.nextTextureSlot, 0);
    EXPECT_TRUE(table.textureList.empty());
}

TEST_F(TexturesTest, UploadsFramesThatExistAndReservesAllSlots) {
    WriteBmp("PLTEX1.bmp", {255, 0, 0, 0});
    WriteBmp("PLTEX1_fr1.bmp", {0, 0, 255, 0}, 4);
    WriteBmp("PLTEX1_fr3.bmp", {0, 255, 0, 0});  // after a gap: never read
    LoadTexture(table, gpu, "other", 1);
    const tteximage& image = LoadTexture(table, gpu, "PLTEX1", 6);
    EXPECT_EQ(image.firstSlot, 1);
    EXPECT_EQ(image.frameCount, 6);
    EXPECT_EQ(image.width, 2);
    EXPECT_EQ(image.pixelBytes, 16);
    EXPECT_EQ(table.nextTextureSlot, 7);
    ASSERT_EQ(gpu.textureUploads.size(), 2u);
    EXPECT_EQ(gpu.textureUploads[0].name, table.textureSlotNames[1]);
    EXPECT_EQ(gpu.textureUploads[1].name, table.textureSlotNames[2]);
    EXPECT_EQ(gpu.textureUploads[1].width, 4);  // a frame keeps its own size
    EXPECT_EQ(gpu.textureUploads[1].rgba[2], 255);
    EXPECT_EQ(gpu.textureUploads[0].rgba[3], 175);  // red has no blue: a key pixel
}

// Only a picture that hides everything behind it at every texel may be drawn without blending.
TEST_F(TexturesTest, ASlotIsOpaqueOnlyWhenEveryTexelOfItsPictureIs) {
    WriteBmp("wall.bmp", {200, 100, 50, 0});       // blue bits not all in red and green: alpha 255
    WriteBmp("wall_fr1.bmp", {128, 128, 128, 0});  // grey: a key pixel, alpha 175
    WriteBmp("mi_mask.bmp", {0, 0, 0, 0});         // masked key pixel, alpha 0
    dir.WriteBytes("textures/glass.tga",
                   picture_files::Tga(2, 1, {{9, 9, 9, 255}, {9, 9, 9, 254}}, 32));
    LoadTexture(table, gpu, "wall", 3);  // frame 2 is missing
    LoadTexture(table, gpu, "mi_mask", 1);
    LoadTexture(table, gpu, "glass", 1);
    EXPECT_TRUE(IsOpaqueSlot(table, 0));
    EXPECT_FALSE(IsOpaqueSlot(table, 1));
    EXPECT_FALSE(IsOpaqueSlot(table, 2));  // an empty slot
    EXPECT_FALSE(IsOpaqueSlot(table, 3));
    EXPECT_FALSE(IsOpaqueSlot(table, 4));
    EXPECT_FALSE(IsOpaqueSlot(table, -1));
    EXPECT_FALSE(IsOpaqueSlot(table, kTextureSlotCount));

    ResetTextureSlots(table, gpu);  // the next map's pictures start from nothing
    EXPECT_FALSE(IsOpaqueSlot(table, 0));
}

TEST_F(TexturesTest, FallsBackToTgaAndUsesItForLaterFrames) {
    dir.WriteBytes("textures/sky.tga", picture_files::Tga(1, 1, {{1, 2, 3, 9}}, 32));
    dir.WriteBytes("textures/sky_fr1.tga", picture_files::Tga(1, 1, {{4, 5, 6, 9}}, 32));
    WriteBmp("sky_fr1.bmp", {0, 0, 0, 0});
    LoadTexture(table, gpu, "sky", 2);
    ASSERT_EQ(gpu.textureUploads.size(), 2u);
    EXPECT_EQ(gpu.textureUploads[0].rgba, (std::vector<uint8_t>{1, 2, 3, 9}));
    EXPECT_EQ(gpu.textureUploads[1].rgba, (std::vector<uint8_t>{4, 5, 6, 9}));
}

TEST_F(TexturesTest, MissingPictureIsSilentButHoldsItsSlots) {
    const tteximage& image = LoadTexture(table, gpu, "nowhere", 3);
    EXPECT_EQ(image.firstSlot, 0);
    EXPECT_EQ(table.nextTextureSlot, 3);
    EXPECT_TRUE(gpu.textureUploads.empty());
    ASSERT_EQ(table.textureList.size(), 1u);
}

TEST_F(TexturesTest, RefusesToRunPastTheSlotTable) {
    LoadTexture(table, gpu, "a", 198);
    EXPECT_THROW(LoadTexture(table, gpu, "b", 3), WorldLoadError);
    EXPECT_EQ(table.nextTextureSlot, 198);
    EXPECT_EQ(table.textureList.size(), 1u);
    LoadTexture(table, gpu, "c", 2);
    EXPECT_EQ(table.nextTextureSlot, 200);
    EXPECT_THROW(LoadTexture(table, gpu, "d", 1), WorldLoadError);
}

TEST_F(TexturesTest, DamagedPictureIsAnErrorNamingTheFile) {
    dir.Write("textures/broken.bmp", "BM not really");
    try {
        LoadTexture(table, gpu, "broken", 1);
        FAIL();
    } catch (const WorldLoadError& error) {
        EXPECT_NE(std::string(error.what()).find("broken.bmp"), std::string::npos);
    }
}

TEST_F(TexturesTest, LoadOnceSkipsNamesAlreadyLoaded) {
    LoadTextureOnce(table, gpu, "mi_fire", 2);
    LoadTextureOnce(table, gpu, "mi_fire", 2);
    EXPECT_EQ(table.textureList.size(), 1u);
    EXPECT_EQ(table.nextTextureSlot, 2);
}

TEST_F(TexturesTest, ResolveFindsTheLatestPictureOfTheNameAndCachesIt) {
    tgeomobject object;
    object.textureNames = {"wall", "nothing"};
    object.textureSlots = {-1, -1};
    LoadTexture(table, gpu, "wall", 1);
    LoadTexture(table, gpu, "floor", 2);
    LoadTexture(table, gpu, "wall", 1);
    EXPECT_EQ(ResolveTextureSlot(object, table, 0), 3);
    EXPECT_EQ(object.textureSlots[0], 3);
    EXPECT_EQ(ResolveTextureSlot(object, table, 1), -1);
    EXPECT_EQ(ResolveTextureSlot(object, table, 2), -1);
    EXPECT_EQ(ResolveTextureSlot(object, table, -1), -1);
    object.textureSlots[0] = 7;  // a cached slot is answered without a search
    EXPECT_EQ(ResolveTextureSlot(object, table, 0), 7);
}

TEST_F(TexturesTest, SlotNamesOutsideTheTableAreZero) {
    EXPECT_EQ(TextureNameForSlot(table, 0), table.textureSlotNames[0]);
    EXPECT_EQ(TextureNameForSlot(table, 200), 0u);
    EXPECT_EQ(TextureNameForSlot(table, -1), 0u);
}

}  // namespace
