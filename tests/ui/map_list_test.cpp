#include "ui/map_list.h"

#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;

TEST(MapList, ListsMapFilesOnlyInNameOrder) {
    const fs::path folder = fs::path(testing::TempDir()) / "zarnok_map_list";
    fs::remove_all(folder);
    fs::create_directories(folder / "nested.map");
    for (const char* name : {"zeta.map", "alpha.map", "BIG.MAP", "notes.txt", ".map", "map"})
        std::ofstream(folder / name) << "x";
    EXPECT_EQ(ListMapFiles(folder), (std::vector<std::string>{"BIG.MAP", "alpha.map", "zeta.map"}));
    fs::remove_all(folder);
    EXPECT_TRUE(ListMapFiles(folder).empty());
}

TEST(MapList, ThePlayersMapsJoinTheShippedOnesByNetworkName) {
    const fs::path root = fs::path(testing::TempDir()) / "zarnok_user_maps";
    fs::remove_all(root);
    ContentPaths paths;
    paths.mapsDir = root / "shipped";
    paths.userMapsDir = root / "own";
    fs::create_directories(paths.mapsDir);
    fs::create_directories(paths.userMapsDir);
    for (const char* name : {"arena.map", "ctf.map"}) std::ofstream(paths.mapsDir / name) << "x";
    for (const char* name : {"ctf.map", "mine.map", "longer_than_16.map"})
        std::ofstream(paths.userMapsDir / name) << "x";
    EXPECT_EQ(ListMapFiles(paths), (std::vector<std::string>{"arena.map", "ctf.map", "mine.map"}));
    EXPECT_EQ(MapFile(paths, "ctf.map"), paths.mapsDir / "ctf.map");
    EXPECT_EQ(MapFile(paths, "mine.map"), paths.userMapsDir / "mine.map");
    fs::remove_all(root);
}
