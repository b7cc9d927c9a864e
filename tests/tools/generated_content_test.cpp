// What assetgen produces: every picture and sound the game asks for by name exists, frames come in
// full sets of one size, transparency lives only where the game blends, repeated pictures tile,
// looping sounds have silent seams, and the run folder holds exactly these bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "picture_files.h"
#include "sounds.h"
#include "support/shipped_content.h"
#include "text.h"
#include "texture_set.h"
#include "ui/menu_textures.h"
#include "wav_file.h"

namespace {

class GeneratedContent : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        text_ = new TextPainter();
        textures_ = new std::vector<TextureFile>(AllTextures(*text_));
        for (const TextureFile& t : *textures_) byName_[t.name] = &t;
    }
    static void TearDownTestSuite() {
        delete textures_;
        delete text_;
        byName_.clear();
    }
    static const TextureFile* Find(const std::string& name) {
        auto it = byName_.find(name);
        return it == byName_.end() ? nullptr : it->second;
    }
    static inline TextPainter* text_ = nullptr;
    static inline std::vector<TextureFile>* textures_ = nullptr;
    static inline std::map<std::string, const TextureFile*> byName_;
};

std::vector<std::string> Lines(const std::string& path) {
    std::vector<std::string> lines;
    std::istringstream in(FileText(path));
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Texture names that the hand-written models and maps mention.
std::set<std::string> NamesInDataFiles() {
    const std::string data = std::string(ZARNOK_SOURCE_DIR) + "/data/";
    std::set<std::string> names;
    for (const char* model : {"player.txt", "bullet.txt"}) {
        std::vector<std::string> lines = Lines(data + model);
        EXPECT_FALSE(lines.empty()) << model;
        for (size_t i = 0; i + 1 < lines.size(); ++i)
            if (lines[i] == "TEXNAME") names.insert(lines[i + 1]);
    }
    for (const char* map : {"arena", "towers", "ctf", "quarry"}) {
        std::vector<std::string> lines = Lines(data + "maps/" + map + ".map");
        EXPECT_FALSE(lines.empty()) << map;
        for (size_t i = 0; i + 1 < lines.size(); ++i) {
            const std::string& l = lines[i];
            if (l == "floorbitmap:" || l == "skybitmap:" || l == "cylcapbitmap:" ||
                l == "cylsidebitmap:")
                names.insert(lines[i + 1]);
            for (const char* key : {"cylcapbitmap ", "cylsidebitmap "})
                if (l.rfind(key, 0) == 0) names.insert(l.substr(std::string(key).size()));
        }
    }
    return names;
}

TEST_F(GeneratedContent, EveryTextureTheGameLoadsByNameExists) {
    std::set<std::string> wanted = {
        // arena defaults and props
        "floortex", "skytex", "cylcap", "cylside", "charger", "chargercap", "flstick", "flside",
        "flsidered",
        // effects
        "mi_fire", "mi_expl",
        // menus, widgets, HUD and logos
        "tra_bk", "mi_curs1", "mi_curs", "mi_newgame", "mi_langame", "mi_btnup", "mi_btndown",
        "mi_edit", "mi_edita", "mi_bk1", "mi_options", "mi_exit", "mi_continue", "mi_hud_bullet",
        "mi_hud_charger", "mi_hud_blueflag", "mi_hud_redflag", "mi_hud_blueteam", "mi_hud_redteam",
        "gamelogo", "loadlogo",
        // skins
        "PLTEX1", "PLTEX2"};
    std::set<std::string> fromData = NamesInDataFiles();
    EXPECT_GE(fromData.size(), 15u);
    wanted.insert(fromData.begin(), fromData.end());
    for (const std::string& name : std::set(wanted))
        wanted.insert(PictureInLanguage(name, Language::kRussian));
    for (const std::string& name : wanted) EXPECT_NE(Find(name), nullptr) << name;
}

TEST_F(GeneratedContent, AnimatedTexturesHaveEveryFrameInOneSizeAndFormat) {
    const std::pair<const char*, int> animated[] = {
        {"PLTEX1", 9}, {"PLTEX2", 3}, {"mi_fire", 2}, {"mi_expl", 3}};
    for (const auto& [name, frames] : animated) {
        const TextureFile* first = Find(name);
        ASSERT_NE(first, nullptr) << name;
        for (int k = 1; k < frames; ++k) {
            const TextureFile* frame = Find(std::string(name) + "_fr" + std::to_string(k));
            ASSERT_NE(frame, nullptr) << name << " frame " << k;
            EXPECT_EQ(frame->image.width(), first->image.width());
            EXPECT_EQ(frame->image.height(), first->image.height());
            EXPECT_EQ(frame->alpha,
                      first->alpha);  // the game looks frames up by frame 0's extension
        }
        EXPECT_EQ(Find(std::string(name) + "_fr" + std::to_string(frames)), nullptr) << name;
    }
}

TEST_F(GeneratedContent, SizesArePowersOfTwoAndNamesUnique) {
    std::set<std::string> seen;
    for (const TextureFile& t : *textures_) {
        EXPECT_TRUE(seen.insert(t.name).second) << t.name;
        for (int side : {t.image.width(), t.image.height()}) {
            EXPECT_GT(side, 0) << t.name;
            EXPECT_EQ(side & (side - 1), 0) << t.name << " " << side;
        }
    }
}

TEST_F(GeneratedContent, OnlyBlendedPicturesCarryTransparency) {
    for (const TextureFile& t : *textures_) {
        bool blended = t.name.rfind("mi_", 0) == 0 || t.name.rfind("tra_", 0) == 0;
        EXPECT_EQ(t.alpha, blended) << t.name;
        if (!blended) continue;
        int clear = 0, solid = 0;
        // The statistics background is dark and dense, but the game must still show through.
        const float solidAlpha = t.name == "tra_bk" ? 0.85f : 0.6f;
        for (int y = 0; y < t.image.height(); ++y)
            for (int x = 0; x < t.image.width(); ++x) {
                float a = t.image.at(x, y).a;
                clear += a < 0.02f ? 1 : 0;
                solid += a > solidAlpha ? 1 : 0;
            }
        if (t.name == "tra_bk") {
            EXPECT_EQ(solid, 0) << "the statistics background must stay see-through";
        } else {
            EXPECT_GT(solid, 0) << t.name;
        }
        if (t.name != "mi_bk1" && t.name != "tra_bk" && t.name.rfind("mi_edit", 0) != 0) {
            EXPECT_GT(clear, 0) << t.name;
        }
    }
}

// Mean colour difference between column a and column b (or rows, when `rows`).
float LineDifference(const Image& image, int a, int b, bool rows) {
    int n = rows ? image.width() : image.height();
    float sum = 0;
    for (int i = 0; i < n; ++i) {
        const Color& p = rows ? image.at(i, a) : image.at(a, i);
        const Color& q = rows ? image.at(i, b) : image.at(b, i);
        sum += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
    }
    return sum / n;
}

TEST_F(GeneratedContent, RepeatedTexturesHaveNoVisibleSeam) {
    // The floor repeats every 10 units, cylinder sides twice around and several times upward,
    // and the sky wraps around the horizon. Across each edge the picture changes no more than
    // between any two neighbouring lines inside (panel joints are drawn on purpose); pictures
    // without joints change there about as little as they do on average.
    struct Tiled {
        const char* name;
        bool bothWays, smooth;
    };
    const Tiled tiled[] = {{"floortex", true, false},   {"floorsand", true, true},
                           {"floormetal", true, false}, {"cylside", true, false},
                           {"sidestone", true, false},  {"sidemetal", true, false},
                           {"sideblue", true, false},   {"sidered", true, false},
                           {"skytex", false, true},     {"skydusk", false, true}};
    for (const Tiled& tile : tiled) {
        const TextureFile* t = Find(tile.name);
        ASSERT_NE(t, nullptr) << tile.name;
        for (bool rows : {false, true}) {
            if (rows && !tile.bothWays) continue;
            const Image& image = t->image;
            int last = (rows ? image.height() : image.width()) - 1;
            float mean = 0, most = 0;
            for (int k = 0; k < last; ++k) {
                float d = LineDifference(image, k, k + 1, rows);
                mean += d / last, most = std::max(most, d);
            }
            float edge = LineDifference(image, last, 0, rows);
            const char* where = rows ? " top and bottom" : " left and right";
            EXPECT_LE(edge, most * 1.1f + 0.01f) << tile.name << where;
            if (tile.smooth) {
                EXPECT_LE(edge, 3 * mean + 0.01f) << tile.name << where;
            }
        }
    }
}

TEST_F(GeneratedContent, TwoRunsEncodeIdenticalBytes) {
    std::vector<TextureFile> again = AllTextures(*text_);
    ASSERT_EQ(again.size(), textures_->size());
    for (size_t i = 0; i < again.size(); ++i) {
        const TextureFile& a = (*textures_)[i];
        const TextureFile& b = again[i];
        ASSERT_EQ(a.name, b.name);
        EXPECT_EQ(a.alpha ? EncodeTga(a.image) : EncodeBmp(a.image),
                  b.alpha ? EncodeTga(b.image) : EncodeBmp(b.image))
            << a.name;
    }
    std::vector<SoundFile> s1 = AllSounds(), s2 = AllSounds();
    for (size_t i = 0; i < s1.size(); ++i)
        EXPECT_EQ(EncodeWav(s1[i].samples), EncodeWav(s2[i].samples));
}

TEST_F(GeneratedContent, TheRunFolderHoldsWhatTheGeneratorMakes) {
    const std::string dir = std::string(ZARNOK_RUN_DIR) + "/";
    for (const TextureFile& t : *textures_) {
        std::string bytes = FileText(dir + "textures/" + TextureFileName(t));
        std::vector<uint8_t> expected = t.alpha ? EncodeTga(t.image) : EncodeBmp(t.image);
        EXPECT_TRUE(bytes.size() == expected.size() &&
                    std::equal(expected.begin(), expected.end(), bytes.begin(),
                               [](uint8_t e, char c) { return e == static_cast<uint8_t>(c); }))
            << TextureFileName(t);
    }
    for (const SoundFile& s : AllSounds())
        EXPECT_EQ(FileText(dir + "sound/" + s.name).size(), 44 + s.samples.size() * 2) << s.name;
    for (const char* file : {"config.txt", "player.txt", "bullet.txt", "maps/arena.map"})
        EXPECT_FALSE(FileText(dir + file).empty()) << file;
}

TEST(GeneratedSounds, EverySoundTheGamePlaysIsThereAndAudible) {
    std::map<std::string, SoundFile> sounds;
    for (SoundFile& s : AllSounds()) sounds[s.name] = s;
    for (const char* name :
         {"fire.wav", "fire2.wav", "walk.wav", "Sprint.wav", "reload.wav", "death.wav",
          "gunpickup2.wav", "flagfrag.wav", "flagreturn.wav", "flagalarm.wav"}) {
        ASSERT_TRUE(sounds.count(name)) << name;
        const std::vector<float>& s = sounds[name].samples;
        float peak = 0;
        for (float v : s) peak = std::max(peak, std::abs(v));
        EXPECT_GT(peak, 0.3f) << name;
        EXPECT_LE(peak, 1.0f) << name;
        EXPECT_GT(s.size(), static_cast<size_t>(kSampleRate / 10)) << name;
        EXPECT_LT(s.size(), static_cast<size_t>(kSampleRate * 2)) << name;
    }
    for (const char* loop : {"walk.wav", "Sprint.wav", "flagalarm.wav"}) {
        const SoundFile& s = sounds[loop];
        EXPECT_TRUE(s.loops) << loop;
        EXPECT_LT(std::abs(s.samples.front()), 0.02f) << loop;  // the seam is silent
        EXPECT_LT(std::abs(s.samples.back()), 0.02f) << loop;
    }
}

}  // namespace
