// The shipped maps, read by the game's own map reader, against the rules of the world they are
// played in: enough spawn points, spawns standing just above a surface and clear of every
// cylinder, chargers at a player's centre height, flag homes on a surface, a playable area that
// keeps bullets alive, climbable heights, and only textures the game ships.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "base/load_error.h"
#include "support/shipped_content.h"
#include "world/map_loader.h"

namespace {

namespace fs = std::filesystem;

constexpr float kPlayerHalfHeight = 1.1f;  // the player model's largest |y|
constexpr float kJumpHeight = 12.5f;

struct ShippedMap {
    std::string name;
    MapDescription map;
    std::string error;  // why the reader refused it; empty when it read
};

// Read once: every test looks at the same maps.
const std::vector<ShippedMap>& Maps() {
    static const std::vector<ShippedMap> maps = [] {
        std::vector<ShippedMap> read;
        for (const fs::path& file : ShippedMaps()) {
            ShippedMap& shipped = read.emplace_back(ShippedMap{file.filename().string(), {}, {}});
            try {
                if (auto map = ReadMapFile(file)) shipped.map = std::move(*map);
            } catch (const WorldLoadError& e) {
                shipped.error = e.what();
            }
        }
        return read;
    }();
    return maps;
}

const MapDescription& Map(const std::string& name) {
    static const MapDescription missing;
    for (const ShippedMap& shipped : Maps())
        if (shipped.name == name) return shipped.map;
    ADD_FAILURE() << name << " is not shipped";
    return missing;
}

float Top(const MapCylinder& c) {
    return c.y + c.height;
}

// Height of the highest surface under (x, z): a cylinder top or the floor.
float SurfaceUnder(const MapDescription& map, float x, float z) {
    float top = 0;
    for (const MapCylinder& c : map.cylinders)
        if (std::hypot(x - c.x, z - c.z) < c.radius) top = std::max(top, Top(c));
    return top;
}

// Distance from the origin of a cylinder's farthest point.
float OuterReach(const MapCylinder& c) {
    return std::hypot(c.x, c.z) + c.radius;
}

TEST(ShippedMaps, EveryMapReadsAndSeatsNinePlayersWithChargers) {
    std::set<std::string> names;
    for (const ShippedMap& shipped : Maps()) {
        names.insert(shipped.name);
        EXPECT_EQ(shipped.error, "") << shipped.name;
        EXPECT_GE(shipped.map.spawnPoints.size(), 9u) << shipped.name;
        EXPECT_GE(shipped.map.chargers.size(), 2u) << shipped.name;
        EXPECT_GE(shipped.map.cylinders.size(), 10u) << shipped.name;
    }
    for (const char* name : {"arena.map", "towers.map", "ctf.map", "quarry.map"})
        EXPECT_EQ(names.count(name), 1u) << name;
}

// The reader lets a record run onto the next line, so a number left out shifts every value after
// it; these ranges catch that.
TEST(ShippedMaps, RecordsHoldValuesOfTheirKind) {
    for (const ShippedMap& shipped : Maps()) {
        for (const tspawnpoint& s : shipped.map.spawnPoints) {
            EXPECT_GE(s.angle, 0.0f) << shipped.name << " spawn " << s.x << ' ' << s.z;
            EXPECT_LT(s.angle, 360.0f) << shipped.name << " spawn " << s.x << ' ' << s.z;
            EXPECT_TRUE(s.team == 0 || s.team == 1) << shipped.name << " team " << s.team;
        }
        for (const tcharger& c : shipped.map.chargers) {
            EXPECT_GE(c.respawnInterval, 1000) << shipped.name << " charger " << c.x << ' ' << c.z;
            EXPECT_LE(c.respawnInterval, 120000)
                << shipped.name << " charger " << c.x << ' ' << c.z;
        }
        for (const MapCylinder& c : shipped.map.cylinders) {
            EXPECT_GT(c.radius, 0.0f) << shipped.name << " cylinder " << c.x << ' ' << c.z;
            EXPECT_GT(c.height, 0.0f) << shipped.name << " cylinder " << c.x << ' ' << c.z;
        }
    }
}

TEST(ShippedMaps, EveryTextureAMapNamesIsShipped) {
    const fs::path textures = kRunDir / "textures";
    const auto shipped = [&](const std::string& name) {
        return fs::exists(textures / (name + ".bmp")) || fs::exists(textures / (name + ".tga"));
    };
    for (const ShippedMap& s : Maps()) {
        std::set<std::string> names = {s.map.floorTextureName, s.map.skyTextureName,
                                       s.map.capTextureName, s.map.sideTextureName};
        for (const MapCylinder& c : s.map.cylinders) names.insert({c.capTexture, c.sideTexture});
        for (const std::string& name : names) EXPECT_TRUE(shipped(name)) << s.name << ": " << name;
    }
}

TEST(ShippedMaps, SpawnsStandJustAboveASurfaceAndClearOfEveryCylinder) {
    for (const ShippedMap& shipped : Maps()) {
        const MapDescription& map = shipped.map;
        for (const tspawnpoint& s : map.spawnPoints) {
            float surface = SurfaceUnder(map, s.x, s.z);
            float clearance = s.y - kPlayerHalfHeight - surface;
            EXPECT_GE(clearance, 0.0f) << shipped.name << " spawn " << s.x << ' ' << s.z;
            EXPECT_LE(clearance, 0.3f) << shipped.name << " spawn " << s.x << ' ' << s.z;
            for (const MapCylinder& c : map.cylinders) {
                bool overlapsHeight =
                    Top(c) > s.y - kPlayerHalfHeight + 0.01f && c.y < s.y + kPlayerHalfHeight;
                EXPECT_FALSE(overlapsHeight && std::hypot(s.x - c.x, s.z - c.z) < c.radius + 0.8f)
                    << shipped.name << " spawn " << s.x << ' ' << s.z << " inside cylinder at "
                    << c.x << ' ' << c.z;
            }
        }
    }
}

TEST(ShippedMaps, ChargersFloatAtPlayerCentreHeight) {
    for (const ShippedMap& shipped : Maps()) {
        for (const tcharger& c : shipped.map.chargers) {
            float surface = SurfaceUnder(shipped.map, c.x, c.z);
            EXPECT_NEAR(c.y - surface, kPlayerHalfHeight, 0.3f)
                << shipped.name << " charger " << c.x << ' ' << c.z;
        }
    }
}

TEST(ShippedMaps, PlayableAreaKeepsBulletsAlive) {
    // A bullet is dropped once |x + y + z| passes 200: anywhere inside the walls, at the highest
    // point a player can jump to, that sum stays well below it.
    for (const ShippedMap& shipped : Maps()) {
        float sum = 0, highest = 0;
        for (const MapCylinder& c : shipped.map.cylinders) {
            sum = std::max(sum, std::abs(c.x) + std::abs(c.z) + c.radius * std::sqrt(2.0f));
            highest = std::max(highest, Top(c));
        }
        EXPECT_LT(sum + highest + kJumpHeight, 160.0f) << shipped.name;
    }
}

TEST(ShippedMaps, NoSurfaceNearTheOuterWallLetsAPlayerJumpOverIt) {
    for (const ShippedMap& shipped : Maps()) {
        const auto& cylinders = shipped.map.cylinders;
        float wall = 0;
        for (const MapCylinder& c : cylinders) wall = std::max(wall, OuterReach(c));
        for (const MapCylinder& w : cylinders) {
            if (OuterReach(w) < wall - 0.5f) continue;
            EXPECT_GT(Top(w), kJumpHeight + 0.5f) << shipped.name;
            for (const MapCylinder& c : cylinders) {
                float gap = std::hypot(c.x - w.x, c.z - w.z) - c.radius - w.radius;
                if (Top(c) == Top(w) || gap >= 4) continue;  // the wall's own pillars
                EXPECT_GT(Top(w) - Top(c), kJumpHeight + 0.5f)
                    << shipped.name << " near " << c.x << ' ' << c.z;
            }
        }
    }
}

TEST(ShippedMaps, TheTeamMapHasBothTeamsBothFlagsAndChargers) {
    const MapDescription& map = Map("ctf.map");
    int blue = 0, red = 0;
    for (const tspawnpoint& s : map.spawnPoints) (s.team == 0 ? blue : red)++;
    EXPECT_GE(blue, 5);
    EXPECT_GE(red, 5);
    EXPECT_GE(map.chargers.size(), 2u);
    // A flag section left out leaves its home at the origin, the middle of the map.
    const tvec3 homes[2] = {map.blueFlagHome, map.redFlagHome};  // indexed by team
    for (int team : {0, 1}) {
        const tvec3& home = homes[team];
        const tvec3& other = homes[1 - team];
        EXPECT_GT(std::hypot(home.x, home.z), 10.0f) << "team " << team << " has no flag home";
        EXPECT_FLOAT_EQ(home.y, SurfaceUnder(map, home.x, home.z))
            << "flag home must sit on a surface";
        // Each team spawns nearer its own flag.
        for (const tspawnpoint& s : map.spawnPoints) {
            if (s.team != team) continue;
            EXPECT_LT(std::hypot(s.x - home.x, s.z - home.z),
                      std::hypot(s.x - other.x, s.z - other.z));
        }
    }
}

TEST(ShippedMaps, TheLargeArenaClimbsInJumpsToItsHighestTop) {
    const auto& cylinders = Map("towers.map").cylinders;
    std::set<float> heights;
    for (const MapCylinder& c : cylinders) heights.insert(Top(c));
    EXPECT_GE(heights.size(), 6u);
    // Flood from the floor: a top is reachable from a reached surface within one jump height,
    // when the two cylinders touch or stand less than three units apart.
    std::vector<bool> reached(cylinders.size(), false);
    for (bool grew = true; grew;) {
        grew = false;
        for (size_t i = 0; i < cylinders.size(); ++i) {
            const MapCylinder& c = cylinders[i];
            if (reached[i]) continue;
            bool ok = Top(c) <= 10;
            for (size_t j = 0; j < cylinders.size() && !ok; ++j) {
                const MapCylinder& from = cylinders[j];
                float gap = std::hypot(c.x - from.x, c.z - from.z) - c.radius - from.radius;
                ok = reached[j] && gap < 3 && Top(c) - Top(from) <= 10;
            }
            if (ok) reached[i] = grew = true;
        }
    }
    float wall = 0;
    for (const MapCylinder& c : cylinders) wall = std::max(wall, OuterReach(c));
    float highest = 0, highestReached = 0;
    for (size_t i = 0; i < cylinders.size(); ++i) {
        if (OuterReach(cylinders[i]) > wall - 0.5f) continue;  // the outer wall is not climbed
        highest = std::max(highest, Top(cylinders[i]));
        if (reached[i]) highestReached = std::max(highestReached, Top(cylinders[i]));
    }
    EXPECT_GE(highest, 20.0f);
    EXPECT_EQ(highestReached, highest);
}

TEST(ShippedMaps, OneMapSwitchesCylinderTexturesBetweenCylinders) {
    // Each switch between neighbouring cylinders needs a texture line of its own in the file.
    int mostSwitches = 0;
    for (const ShippedMap& shipped : Maps()) {
        const auto& cylinders = shipped.map.cylinders;
        int switches = 0;
        for (size_t i = 1; i < cylinders.size(); ++i) {
            switches += cylinders[i].capTexture != cylinders[i - 1].capTexture;
            switches += cylinders[i].sideTexture != cylinders[i - 1].sideTexture;
        }
        mostSwitches = std::max(mostSwitches, switches);
    }
    EXPECT_GE(mostSwitches, 4);
}

}  // namespace
