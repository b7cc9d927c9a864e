#include "world/level_start.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/load_error.h"
#include "base/random.h"
#include "support/fake_gpu.h"
#include "support/shipped_content.h"
#include "support/temp_dir.h"

namespace {

const char* const kPlayer =
    "TYPE\nCYLINDER\nNAME\nbody\nTEXNAME\nPLTEX1\nPOSITION\n0 1 0 0.5 2\nSEGS\n4 1\n"
    "SHIFT\n0 0 0\nSHIFT\n0 -0.5 0\nTYPE\nSPHERE\nNAME\nhead\nTEXNAME\nheadtex\n"
    "POSITION\n0 2 0 0.3 0.5\nSEGS\n4 2\nSHIFT\n0 1.5 0\n";

class LevelTest : public testing::Test {
  protected:
    void SetUp() override {
        world.textures.texturesDir = dir.path() / "textures";
        world.playerModelFile = dir.path() / "player.txt";
        dir.Write("player.txt", kPlayer);
    }
    std::filesystem::path Map(const std::string& name, const std::string& text) {
        return dir.Write("maps/" + name, text);
    }
    bool Start(const std::filesystem::path& path) {
        return StartLevel(world, gpu, random, settings, path);
    }
    const std::vector<int32_t>& Cell(int32_t row, int32_t column) const {
        return world.arena.collisionGrid.rows[static_cast<size_t>(row)][static_cast<size_t>(column)]
            .cylinders;
    }

    TempDir dir;
    FakeGpu gpu;
    Random random{7};
    World world;
    LevelSettings settings;
    std::vector<tgeomobject> players;
};

TEST_F(LevelTest, CylinderLineBecomesBoundsAndACentredObject) {
    ASSERT_TRUE(Start(Map("a.map", "cylinders\n1\nx\n0 0 0 4 3\n")));
    const Arena& arena = world.arena;
    ASSERT_EQ(arena.cylinderBounds.size(), 2u);
    const tcylinderbounds& ground = arena.cylinderBounds[0];
    EXPECT_FLOAT_EQ(ground.radius, 99999);
    EXPECT_FLOAT_EQ(ground.centreY, -50);
    EXPECT_FLOAT_EQ(ground.bottom, -100);
    const tcylinderbounds& b = arena.cylinderBounds[1];
    EXPECT_FLOAT_EQ(b.x, 0);
    EXPECT_FLOAT_EQ(b.centreY, 1.5f);
    EXPECT_FLOAT_EQ(b.z, 0);
    EXPECT_FLOAT_EQ(b.radius, 4);
    EXPECT_FLOAT_EQ(b.top, 3);
    EXPECT_FLOAT_EQ(b.bottom, 0);
    ASSERT_EQ(arena.arenaCylinders.size(), 1u);
    EXPECT_EQ(arena.arenaCylinders[0].position, (tvec3{0, 1.5f, 0}));
    EXPECT_EQ(arena.arenaCylinders[0].triangleCount, 64);  // 32 segments at high detail
    EXPECT_TRUE(world.levelLoaded);
}

TEST_F(LevelTest, DetailLevelChoosesTheSegments) {
    const auto map = Map("a.map", "cylinders\n2\nx\n0 0 0 4 3\n9 0 0 1 1\n");
    const std::pair<int32_t, int32_t> cases[] = {{0, 12}, {1, 16}, {2, 8}};
    for (const auto& [detail, segments] : cases) {
        settings = {detail, 12};
        ASSERT_TRUE(Start(map));
        for (const tgeomobject& cylinder : world.arena.arenaCylinders) {
            EXPECT_EQ(cylinder.triangleCount, 2 * segments);
            EXPECT_EQ(cylinder.arenaQuadVertices, 4 * segments);
        }
    }
}

TEST_F(LevelTest, GridCoversTheCylindersWithTheGroundInEveryCell) {
    // x spans 2.5, widened to 42.5: 8.5 cells round to 8; z spans 7.5, widened to 47.5: 9.5
    // gives 10.
    ASSERT_TRUE(Start(Map("a.map", "cylinders\n1\nx\n0 0 2.5 1.25 2\n0 0 -2.5 1.25 2\n")));
    const CollisionGrid& grid = world.arena.collisionGrid;
    EXPECT_EQ(grid.gridColumns, 8);
    EXPECT_EQ(grid.gridRows, 10);
    EXPECT_FLOAT_EQ(grid.gridCellSize, 42.5f / 8);
    EXPECT_FLOAT_EQ(grid.gridOriginX, -21.25f + 42.5f / 16);
    EXPECT_FLOAT_EQ(grid.gridOriginZ, -23.75f + 42.5f / 16);
    ASSERT_EQ(grid.rows.size(), 10u);
    for (const auto& row : grid.rows) {
        ASSERT_EQ(row.size(), 8u);
        for (const tcell& cell : row) {
            ASSERT_FALSE(cell.cylinders.empty());
            EXPECT_EQ(cell.cylinders[0], 0);
            EXPECT_TRUE(std::is_sorted(cell.cylinders.begin(), cell.cylinders.end()));
        }
    }
    EXPECT_FLOAT_EQ(grid.rows[2][3].centreX, grid.gridOriginX + 15);
    EXPECT_FLOAT_EQ(grid.rows[2][3].centreZ, grid.gridOriginZ + 10);
    EXPECT_EQ(Cell(5, 4), (std::vector<int32_t>{0, 1, 2}));  // the middle
    EXPECT_EQ(Cell(0, 0), (std::vector<int32_t>{0}));        // a corner
}

TEST_F(LevelTest, CylinderOrderRunsFromTheHighestTop) {
    ASSERT_TRUE(Start(Map("a.map",
                          "cylinders\n4\nx\n0 0 0 1 2\n5 0 0 1 8\n10 3 0 1 1\n"
                          "15 0 0 1 8\n")));
    EXPECT_EQ(world.arena.cylinderOrder, (std::vector<int32_t>{1, 3, 2, 0}));
}

TEST_F(LevelTest, ArenaBuffersHoldEveryCylinderAtItsPlace) {
    ASSERT_TRUE(Start(Map("a.map", "cylinders\n2\nx\n0 0 0 4 3\n10 2 5 1 2\n")));
    const Arena& arena = world.arena;
    const tgeomobject& second = arena.arenaCylinders[1];
    EXPECT_EQ(second.arenaTriangleStart, 64 * 3);
    EXPECT_EQ(second.arenaQuadStart, 32 * 4);
    EXPECT_EQ(second.arenaTriangleVertices, 64 * 3);
    EXPECT_FALSE(second.triangles);  // handed over to the buffers
    EXPECT_EQ(arena.arenaBuffers.triangleVertices, 2 * 64 * 3);
    const auto positions = gpu.BufferFloats(arena.arenaBuffers.names[kTrianglePositions]);
    ASSERT_EQ(positions.size(), 2u * 64 * 3 * 3);
    const size_t topCentre = static_cast<size_t>(second.arenaTriangleStart + 1) * 3;
    EXPECT_FLOAT_EQ(positions[topCentre], 10);
    EXPECT_FLOAT_EQ(positions[topCentre + 1], 4);
    EXPECT_FLOAT_EQ(positions[topCentre + 2], 5);
    EXPECT_EQ(gpu.BufferFloats(arena.arenaBuffers.names[kQuadTexCoords]).size(), 2u * 32 * 4 * 2);
    EXPECT_EQ(gpu.BufferFloats(arena.arenaBuffers.names[kTriangleNormals]).size(),
              positions.size());
}

TEST_F(LevelTest, BatchesGroupNeighboursThatShareATexture) {
    ASSERT_TRUE(Start(Map("a.map",
                          "cylinders\n4\nx\n0 0 0 1 1\n3 0 0 1 1\ncylcapbitmap stone\n6 0 0 1 1\n"
                          "cylcapbitmap cylcap\n9 0 0 1 1\n")));
    settings = {2, 32};
    ASSERT_TRUE(Start(Map("a.map",
                          "cylinders\n4\nx\n0 0 0 1 1\n3 0 0 1 1\ncylcapbitmap stone\n6 0 0 1 1\n"
                          "cylcapbitmap cylcap\n9 0 0 1 1\n")));
    const Arena& arena = world.arena;
    ASSERT_EQ(arena.arenaTriangleBatches.size(), 3u);
    EXPECT_EQ(arena.arenaTriangleBatches[0].firstVertex, 0);
    EXPECT_EQ(arena.arenaTriangleBatches[0].vertexCount, 2 * 16 * 3);
    EXPECT_EQ(arena.arenaTriangleBatches[1].firstVertex, 2 * 16 * 3);
    EXPECT_EQ(arena.arenaTriangleBatches[1].textureSlot, arena.arenaCylinders[2].textureSlots[0]);
    EXPECT_NE(arena.arenaTriangleBatches[1].textureSlot, arena.arenaTriangleBatches[0].textureSlot);
    EXPECT_EQ(arena.arenaTriangleBatches[2].vertexCount, 16 * 3);
    ASSERT_EQ(arena.arenaQuadBatches.size(), 1u);
    EXPECT_EQ(arena.arenaQuadBatches[0].vertexCount, 4 * 8 * 4);
}

TEST_F(LevelTest, PlayerAndShadowBuffers) {
    ASSERT_TRUE(Start(Map("a.map", "cylinders\n2\nx\n0 0 0 4 3\n10 0 0 2 1\n")));
    const Arena& arena = world.arena;
    ASSERT_TRUE(world.playerTemplate);
    EXPECT_EQ(arena.playerBuffers.triangleVertices, world.playerTemplate->triangleCount * 3);
    EXPECT_EQ(arena.playerBuffers.quadVertices, world.playerTemplate->quadCount * 4);
    EXPECT_EQ(world.sharedMesh.triangles, world.playerTemplate->triangles);
    const auto player = gpu.BufferFloats(arena.playerBuffers.names[kTrianglePositions]);
    EXPECT_FLOAT_EQ(player[4], 1 + 1);  // top centre of the body, moved by the root (0, 1, 0)

    EXPECT_EQ(arena.shadowBuffers.triangleVertices, 3 * 16 * 3);
    const auto shadow = gpu.BufferFloats(arena.shadowBuffers.names[kTrianglePositions]);
    EXPECT_FLOAT_EQ(shadow[0], 4);  // rim of the first disc: as wide as its cylinder
    for (size_t v = 0; v < 2 * 48; ++v) {
        EXPECT_GE(shadow[v * 3 + 1], 0.01f);
        EXPECT_LT(shadow[v * 3 + 1], 0.0151f);
    }
    EXPECT_FLOAT_EQ(shadow[48 * 3 + 3], 10);  // the second disc's centre
    EXPECT_FLOAT_EQ(shadow[96 * 3], 1);       // the last fan: radius 1 at the origin, on the floor
    EXPECT_FLOAT_EQ(shadow[96 * 3 + 1], 0);
    const auto normals = gpu.BufferFloats(arena.shadowBuffers.names[kTriangleNormals]);
    EXPECT_FLOAT_EQ(normals[1], 1);
}

TEST_F(LevelTest, BuildsPickupsFlagsAndLevelTextures) {
    ASSERT_TRUE(Start(Map("a.map",
                          "floorbitmap:\ngrass\nblueflag\nx\n-5 0 0\nredflag\nx\n5 0 1\n"
                          "cylinders\n1\nx\n0 0 0 1 1\n")));
    const Arena& arena = world.arena;
    EXPECT_EQ(arena.blueFlag.position, (tvec3{-5, 0, 0}));
    EXPECT_EQ(arena.redFlag.position, (tvec3{5, 0, 1}));
    EXPECT_EQ(arena.redFlag.textureNames[1], "flsidered");
    EXPECT_EQ(arena.chargerModel.triangleCount, 8);
    EXPECT_EQ(arena.chargerModel.textureNames[1], "charger");
    EXPECT_EQ(arena.topExplosion.quadParts[0].name, "explosion");
    std::vector<std::string> names;
    for (const tteximage& image : world.textures.textureList) names.push_back(image.name);
    const std::vector<std::string> expected = {
        "cylcap",    "cylside", "mi_expl", "chargercap", "charger", "flstick", "flside",
        "flsidered", "PLTEX1",  "headtex", "cylside",    "cylcap",  "grass",   "skytex"};
    EXPECT_EQ(names, expected);
    EXPECT_EQ(arena.floorTextureSlot, world.textures.textureList[12].firstSlot);
    EXPECT_EQ(arena.skyTextureSlot, world.textures.textureList[13].firstSlot);
}

TEST_F(LevelTest, MissingMapChangesNothing) {
    ASSERT_TRUE(Start(Map("a.map", "cylinders\n1\nx\n0 0 0 4 3\n")));
    const auto buffers = gpu.buffers.size();
    EXPECT_FALSE(Start(dir.path() / "maps/none.map"));
    EXPECT_TRUE(world.levelLoaded);
    EXPECT_EQ(world.arena.arenaCylinders.size(), 1u);
    EXPECT_EQ(gpu.buffers.size(), buffers);
}

TEST_F(LevelTest, ANewLevelDeletesTheBuffersOfTheLastOne) {
    const auto map = Map("a.map", "cylinders\n1\nx\n0 0 0 4 3\n");
    ASSERT_TRUE(Start(map));
    ASSERT_TRUE(Start(map));
    ASSERT_TRUE(Start(map));
    EXPECT_EQ(gpu.buffers.size(), 18u);
}

TEST_F(LevelTest, ABadMapLeavesTheRunningLevelAlone) {
    ASSERT_TRUE(Start(Map("a.map", "cylinders\n1\nx\n0 0 0 4 3\n")));
    EXPECT_THROW(Start(Map("b.map", "cylinders\n1\nx\n0 0 0 4 three\n")), WorldLoadError);
    EXPECT_TRUE(world.levelLoaded);
    EXPECT_EQ(world.arena.arenaCylinders.size(), 1u);
    EXPECT_EQ(gpu.buffers.size(), 18u);
}

TEST_F(LevelTest, AFailureWhileBuildingLeavesNoLevelAndNoBuffers) {
    ASSERT_TRUE(Start(Map("a.map", "cylinders\n1\nx\n0 0 0 4 3\n")));
    dir.Write("player.txt", "TYPE\nSPHERE\nSHIFT\nbroken\n");
    EXPECT_THROW(Start(Map("a.map", "cylinders\n1\nx\n0 0 0 4 3\n")), WorldLoadError);
    EXPECT_FALSE(world.levelLoaded);
    EXPECT_TRUE(world.arena.arenaCylinders.empty());
    EXPECT_TRUE(gpu.buffers.empty());
}

TEST_F(LevelTest, AMapReachingTooFarIsRefused) {
    EXPECT_THROW(Start(Map("a.map", "cylinders\n2\nx\n0 0 0 1 1\n100000 0 100000 1 1\n")),
                 WorldLoadError);
}

TEST_F(LevelTest, AWideMapLoadsWithTheGroundUnderEveryCell) {
    ASSERT_TRUE(Start(Map("wide.map", "cylinders\n2\nx\n-1000 0 -1000 1 1\n1000 0 1000 1 1\n")));
    EXPECT_GT(world.arena.collisionGrid.gridColumns, 400);
    EXPECT_EQ(Cell(0, 0).front(), 0);
    EXPECT_EQ(Cell(200, 200), (std::vector<int32_t>{0}));
}

TEST_F(LevelTest, AMapFarFromTheOriginHasGroundInEveryCell) {
    const std::string text =
        FileText(std::filesystem::path(ZARNOK_SOURCE_DIR) / "fuzz/corpus/map/far_from_origin.map");
    ASSERT_FALSE(text.empty());
    ASSERT_TRUE(Start(Map("far.map", text)));
    for (const auto& row : world.arena.collisionGrid.rows) {
        for (const tcell& cell : row) {
            ASSERT_FALSE(cell.cylinders.empty());
            ASSERT_EQ(cell.cylinders[0], 0);
        }
    }
}

TEST_F(LevelTest, HooksRebuildTheMenusAndShowTheLoadingScreen) {
    std::vector<std::string> calls;
    LevelStartHooks hooks;
    hooks.rebuildMenus = [&] {
        calls.push_back("menus");
        ResetTextureSlots(world.textures, gpu);
        LoadTexture(world.textures, gpu, "mi_curs", 1);
    };
    hooks.drawLoadingScreen = [&] { calls.push_back("loading"); };
    ASSERT_TRUE(StartLevel(world, gpu, random, settings,
                           Map("a.map", "cylinders\n1\nx\n0 0 0 1 1\n"), hooks));
    EXPECT_EQ(calls, (std::vector<std::string>{"menus", "loading"}));
    EXPECT_EQ(world.textures.textureList[0].name, "mi_curs");
    EXPECT_EQ(world.arena.arenaCylinders[0].textureSlots[0], 1);
}

TEST_F(LevelTest, EveryPlayerIndexWearsItsOwnSkinFrame) {
    SharedMesh shared;
    ModelVertexCounters counters;
    for (int i = 0; i < 3; ++i)
        players.push_back(
            *LoadModel(world.playerModelFile, {world.textures, gpu, counters}, false, shared));
    ASSERT_TRUE(Start(Map("a.map", "cylinders\n1\nx\n0 0 0 1 1\n")));
    for (int i = 0; i < 3; ++i) ApplyPlayerColour(players[static_cast<size_t>(i)], i);
    for (int i = 0; i < 3; ++i) {
        const tgeomobject& model = players[static_cast<size_t>(i)];
        for (const ttexrun* run :
             {&model.triangleParts[0].triangleRuns[0], &model.quadParts[0].quadRuns[0]}) {
            EXPECT_EQ(run->textureFrames, i + 1);
            EXPECT_EQ(run->textureRestartFrame, i);
        }
        EXPECT_EQ(model.triangleParts[1].triangleRuns[0].textureRestartFrame, 0);  // "headtex"
    }
}

}  // namespace
