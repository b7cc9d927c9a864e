// The models and maps the game ships load with the game's own loaders.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/random.h"
#include "support/fake_gpu.h"
#include "support/shipped_content.h"
#include "world/level_start.h"

namespace {

class ShippedContent : public testing::Test {
  protected:
    void SetUp() override { UseShippedContent(world); }

    FakeGpu gpu;
    Random random;
    World world;
};

TEST_F(ShippedContent, PlayerAndBulletModelsLoadFromTheirFiles) {
    ModelVertexCounters counters;
    SharedMesh shared;
    const auto player =
        LoadModel(world.playerModelFile, {world.textures, gpu, counters}, false, shared);
    ASSERT_TRUE(player);
    EXPECT_EQ(shared.triangles, player->triangles);
    const auto bullet = LoadBulletModel(world.bulletModelFile, {world.textures, gpu, counters});
    ASSERT_TRUE(bullet);
    EXPECT_GT(bullet->triangleCount, 0);
}

TEST_F(ShippedContent, EveryMapStartsALevel) {
    const auto maps = ShippedMaps();
    ASSERT_FALSE(maps.empty());
    for (const auto& map : maps) {
        for (int32_t detail : {0, 2}) {
            ASSERT_TRUE(StartLevel(world, gpu, random, {detail, 32}, map)) << map;
            EXPECT_TRUE(world.levelLoaded);
            EXPECT_FALSE(world.arena.spawnPoints.empty()) << map;
            EXPECT_GT(world.arena.collisionGrid.gridColumns, 0);
            EXPECT_GE(world.arena.floorTextureSlot, 0);
            EXPECT_LE(world.textures.nextTextureSlot, kTextureSlotCount);
        }
    }
}

}  // namespace
