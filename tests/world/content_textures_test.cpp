// Every picture in the run folder, decoded by the game's own decoders with the alpha rule of its
// name: plain pictures come out fully opaque, blended ones keep their transparency, and animation
// frames match their first frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "world/bmp_decoder.h"
#include "world/tga_decoder.h"

namespace {

namespace fs = std::filesystem;

struct Loaded {
    std::string name;
    DecodedPicture picture;
    bool tga = false;
};

std::vector<Loaded> LoadRunFolderTextures() {
    std::vector<Loaded> all;
    for (const fs::directory_entry& entry :
         fs::directory_iterator(fs::path(ZARNOK_RUN_DIR) / "textures")) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
        std::string name = entry.path().stem().string();
        bool tga = entry.path().extension() == ".tga";
        all.push_back({name,
                       tga ? DecodeTga(bytes, entry.path())
                           : DecodeBmp(bytes, AlphaRuleForName(name), entry.path()),
                       tga});
    }
    return all;
}

int CountAlpha(const DecodedPicture& p, bool (*test)(uint8_t)) {
    int n = 0;
    for (size_t i = 3; i < p.rgba.size(); i += 4) n += test(p.rgba[i]);
    return n;
}

TEST(ShippedTextures, DecodeWithTheAlphaTheirNamesAskFor) {
    std::vector<Loaded> all = LoadRunFolderTextures();
    ASSERT_GE(all.size(), 40u);
    for (const Loaded& t : all) {
        ASSERT_GT(t.picture.width, 0) << t.name;
        ASSERT_EQ(t.picture.rgba.size(), size_t(t.picture.width) * t.picture.height * 4) << t.name;
        bool blended = t.name.rfind("mi_", 0) == 0 || t.name.rfind("tra_", 0) == 0;
        int translucent = CountAlpha(t.picture, [](uint8_t a) { return a < 255; });
        if (!blended) {
            EXPECT_FALSE(t.tga) << t.name;
            EXPECT_EQ(translucent, 0) << t.name << " would show the arena through it";
        } else {
            EXPECT_TRUE(t.tga) << t.name;  // a TGA keeps its own alpha, whatever the colours
            EXPECT_GT(translucent, 0) << t.name;
        }
    }
}

TEST(ShippedTextures, FramesMatchTheirFirstFrame) {
    std::vector<Loaded> all = LoadRunFolderTextures();
    int frames = 0;
    for (const Loaded& t : all) {
        size_t mark = t.name.rfind("_fr");
        if (mark == std::string::npos) continue;
        ++frames;
        std::string base = t.name.substr(0, mark);
        auto first =
            std::find_if(all.begin(), all.end(), [&](const Loaded& l) { return l.name == base; });
        ASSERT_NE(first, all.end()) << t.name;
        EXPECT_EQ(first->tga, t.tga) << t.name;
        EXPECT_EQ(first->picture.width, t.picture.width) << t.name;
        EXPECT_EQ(first->picture.height, t.picture.height) << t.name;
    }
    EXPECT_EQ(frames, 8 + 2 + 1 + 2);  // PLTEX1, PLTEX2, mi_fire, mi_expl
}

}  // namespace
