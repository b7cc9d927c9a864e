#include "ui/menu_textures.h"

#include <gtest/gtest.h>

#include "support/fake_gpu.h"
#include "support/picture_files.h"
#include "support/temp_dir.h"

TEST(MenuTextures, LoadsInOrderAndRemembersTheSlotsOthersUse) {
    TempDir dir;
    dir.WriteBytes("mi_exit.bmp", picture_files::Bmp(1, 1, {{1, 2, 3, 255}}));
    TextureTable table;
    table.texturesDir = dir.path();
    FakeGpu gpu;
    MenuPictures pictures;
    LoadMenuTextures(table, gpu, MenuVariant::Main, Language::kEnglish, pictures);
    EXPECT_EQ(gpu.generatedTextures, 200u);
    ASSERT_EQ(table.textureList.size(), 20u);
    EXPECT_EQ(table.textureList[11].name, "mi_exit");
    EXPECT_EQ(gpu.textureUploads.size(), 1u);  // missing pictures keep their slot, untextured
    EXPECT_EQ(pictures.statisticsBackground, 0);
    EXPECT_EQ(pictures.hudBullet, 12);
    EXPECT_EQ(pictures.loadLogo, 19);

    LoadMenuTextures(table, gpu, MenuVariant::InGame, Language::kEnglish, pictures);
    EXPECT_EQ(gpu.deletedTextures, 200u);  // the old names go first
    ASSERT_EQ(table.textureList.size(), 21u);
    EXPECT_EQ(table.textureList[12].name, "mi_continue");
    EXPECT_EQ(pictures.gameLogo, 19);
}

TEST(MenuTextures, ResolveTakesTheLastPictureOfTheNameAndRetriesWhileMissing) {
    TextureTable table;
    table.textureList = {{"mi_edit", 3}, {"mi_curs", 4}, {"mi_edit", 7}};
    TextureRef edit{"mi_edit"};
    EXPECT_EQ(ResolveSlot(edit, table), 7);
    table.textureList.clear();
    EXPECT_EQ(ResolveSlot(edit, table), 7);  // cached

    TextureRef missing{"mi_nothing"};
    EXPECT_EQ(ResolveSlot(missing, table), -1);
    table.textureList.push_back({"mi_nothing", 9});
    EXPECT_EQ(ResolveSlot(missing, table), 9);
}
