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
