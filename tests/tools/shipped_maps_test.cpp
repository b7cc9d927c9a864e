// The shipped maps against the rules of the world they are played in: enough spawn points, spawns
// standing just above a surface and clear of every cylinder, chargers at a player's centre height,
// flag homes on a surface, a playable area that keeps bullets alive, and climbable heights.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr float kPlayerHalfHeight = 1.1f;  // the player model's largest |y|
constexpr float kJumpHeight = 12.5f;

struct Cylinder {
    float x, base, z, radius, height;
    float top() const { return base + height; }
};
struct Point {
    float x, y, z;
    int team = 0;
};
struct ShippedMap {
    std::string name;
    std::vector<Point> spawns, chargers, flags;
    std::vector<Cylinder> cylinders;
    std::vector<std::string> textures;
    int textureLines = 0;
};

std::vector<float> Numbers(const std::string& line) {
    std::istringstream in(line);
    std::vector<float> out;
    for (float v; in >> v;) out.push_back(v);
    return out;
}

// Reads the sections the shipped maps use, each laid out as the game reads it.
ShippedMap ReadMap(const std::string& name) {
    ShippedMap map{name, {}, {}, {}, {}, {}, 0};
    std::ifstream in(std::string(ZARNOK_SOURCE_DIR) + "/data/maps/" + name);
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    EXPECT_FALSE(lines.empty()) << name;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& key = lines[i];
        if (key == "floorbitmap:" || key == "skybitmap:" || key == "cylcapbitmap:" ||
            key == "cylsidebitmap:") {
            map.textures.push_back(lines.at(++i));
        } else if (key == "players" || key == "teamplayers" || key == "chargers") {
            int count = std::stoi(lines.at(i + 1));
            i += 2;  // the count and the skipped header line
            for (int k = 0; k < count; ++k) {
                std::vector<float> v = Numbers(lines.at(++i));
                EXPECT_GE(v.size(), key == "teamplayers" ? 5u : 4u) << name << " line " << i + 1;
                Point p{v[0], v[1], v[2], key == "teamplayers" ? static_cast<int>(v[4]) : 0};
                (key == "chargers" ? map.chargers : map.spawns).push_back(p);
            }
        } else if (key == "blueflag" || key == "redflag") {
            std::vector<float> v = Numbers(lines.at(i + 2));
            map.flags.push_back({v.at(0), v.at(1), v.at(2), key == "redflag"});
            i += 2;
        } else if (key == "cylinders") {
            for (i += 3; i < lines.size(); ++i) {
                if (lines[i].rfind("cyl", 0) == 0) {
                    ++map.textureLines;
                    map.textures.push_back(lines[i].substr(lines[i].find(' ') + 1));
                    continue;
                }
                std::vector<float> v = Numbers(lines[i]);
                EXPECT_EQ(v.size(), 5u) << name << " line " << i + 1;
                if (v.size() < 5) continue;
                map.cylinders.push_back({v[0], v[1], v[2], v[3], v[4]});
            }
        } else {
            ADD_FAILURE() << name << ": unexpected line " << i + 1 << ": " << key;
        }
    }
    return map;
}

// Height of the highest surface under (x, z): a cylinder top or the floor.
float SurfaceUnder(const ShippedMap& map, float x, float z) {
    float top = 0;
    for (const Cylinder& c : map.cylinders)
        if (std::hypot(x - c.x, z - c.z) < c.radius) top = std::max(top, c.top());
    return top;
}

const char* kMaps[] = {"arena.map", "towers.map", "ctf.map", "quarry.map"};

TEST(ShippedMaps, EveryMapSeatsNinePlayersAndHasChargers) {
    for (const char* name : kMaps) {
        ShippedMap map = ReadMap(name);
        EXPECT_GE(map.spawns.size(), 9u) << name;
        EXPECT_GE(map.chargers.size(), 2u) << name;
        EXPECT_GE(map.cylinders.size(), 10u) << name;
    }
}

TEST(ShippedMaps, SpawnsStandJustAboveASurfaceAndClearOfEveryCylinder) {
    for (const char* name : kMaps) {
        ShippedMap map = ReadMap(name);
        for (const Point& s : map.spawns) {
            float surface = SurfaceUnder(map, s.x, s.z);
            float clearance = s.y - kPlayerHalfHeight - surface;
            EXPECT_GE(clearance, 0.0f) << name << " spawn " << s.x << ' ' << s.z;
            EXPECT_LE(clearance, 0.3f) << name << " spawn " << s.x << ' ' << s.z;
            for (const Cylinder& c : map.cylinders) {
                bool overlapsHeight =
                    c.top() > s.y - kPlayerHalfHeight + 0.01f && c.base < s.y + kPlayerHalfHeight;
                EXPECT_FALSE(overlapsHeight && std::hypot(s.x - c.x, s.z - c.z) < c.radius + 0.8f)
                    << name << " spawn " << s.x << ' ' << s.z << " inside cylinder at " << c.x
                    << ' ' << c.z;
            }
        }
    }
}

TEST(ShippedMaps, ChargersFloatAtPlayerCentreHeightAndStayInReach) {
    for (const char* name : kMaps) {
        ShippedMap map = ReadMap(name);
        for (const Point& c : map.chargers) {
            float surface = SurfaceUnder(map, c.x, c.z);
            EXPECT_NEAR(c.y - surface, kPlayerHalfHeight, 0.3f)
                << name << " charger " << c.x << ' ' << c.z;
        }
    }
}

// Distance from the origin of a cylinder's farthest point.
float OuterReach(const Cylinder& c) {
    return std::hypot(c.x, c.z) + c.radius;
}

TEST(ShippedMaps, PlayableAreaKeepsBulletsAlive) {
    // A bullet is dropped once |x + y + z| passes 200: anywhere inside the walls, at the highest
    // point a player can jump to, that sum stays well below it.
    for (const char* name : kMaps) {
        ShippedMap map = ReadMap(name);
        float sum = 0, highest = 0;
        for (const Cylinder& c : map.cylinders) {
            sum = std::max(sum, std::abs(c.x) + std::abs(c.z) + c.radius * std::sqrt(2.0f));
            highest = std::max(highest, c.top());
        }
        EXPECT_LT(sum + highest + kJumpHeight, 160.0f) << name;
    }
}

TEST(ShippedMaps, NoSurfaceNearTheOuterWallLetsAPlayerJumpOverIt) {
    for (const char* name : kMaps) {
        ShippedMap map = ReadMap(name);
        float wall = 0;
        for (const Cylinder& c : map.cylinders) wall = std::max(wall, OuterReach(c));
        for (const Cylinder& w : map.cylinders) {
            if (OuterReach(w) < wall - 0.5f) continue;
            EXPECT_GT(w.top(), kJumpHeight + 0.5f) << name;
            for (const Cylinder& c : map.cylinders) {
                float gap = std::hypot(c.x - w.x, c.z - w.z) - c.radius - w.radius;
                if (c.top() == w.top() || gap >= 4) continue;  // the wall's own pillars
                EXPECT_GT(w.top() - c.top(), kJumpHeight + 0.5f)
                    << name << " near " << c.x << ' ' << c.z;
            }
        }
    }
}

TEST(ShippedMaps, TheTeamMapHasBothTeamsBothFlagsAndChargers) {
    ShippedMap map = ReadMap("ctf.map");
    int blue = 0, red = 0;
    for (const Point& s : map.spawns) (s.team == 0 ? blue : red)++;
    EXPECT_GE(blue, 5);
    EXPECT_GE(red, 5);
    ASSERT_EQ(map.flags.size(), 2u);
    for (const Point& f : map.flags) {
        EXPECT_FLOAT_EQ(f.y, SurfaceUnder(map, f.x, f.z)) << "flag home must sit on a surface";
        // Each team spawns nearer its own flag (blue = team 0 = the first flag).
        for (const Point& s : map.spawns) {
            const Point& other = map.flags[f.team == 0 ? 1 : 0];
            if (s.team != f.team) continue;
            EXPECT_LT(std::hypot(s.x - f.x, s.z - f.z), std::hypot(s.x - other.x, s.z - other.z));
        }
    }
}

TEST(ShippedMaps, TheLargeArenaClimbsInJumpsToItsHighestTop) {
    ShippedMap map = ReadMap("towers.map");
    std::set<float> heights;
    for (const Cylinder& c : map.cylinders) heights.insert(c.top());
    EXPECT_GE(heights.size(), 6u);
    // Flood from the floor: a top is reachable from a reached surface within one jump height,
    // when the two cylinders touch or stand less than three units apart.
    std::vector<bool> reached(map.cylinders.size(), false);
    for (bool grew = true; grew;) {
        grew = false;
        for (size_t i = 0; i < map.cylinders.size(); ++i) {
            const Cylinder& c = map.cylinders[i];
            if (reached[i]) continue;
            bool ok = c.top() <= 10;
            for (size_t j = 0; j < map.cylinders.size() && !ok; ++j) {
                const Cylinder& from = map.cylinders[j];
                float gap = std::hypot(c.x - from.x, c.z - from.z) - c.radius - from.radius;
                ok = reached[j] && gap < 3 && c.top() - from.top() <= 10;
            }
            if (ok) reached[i] = grew = true;
        }
    }
    float wall = 0;
    for (const Cylinder& c : map.cylinders) wall = std::max(wall, OuterReach(c));
    float highest = 0, highestReached = 0;
    for (size_t i = 0; i < map.cylinders.size(); ++i) {
        if (OuterReach(map.cylinders[i]) > wall - 0.5f) continue;  // the outer wall is not climbed
        highest = std::max(highest, map.cylinders[i].top());
        if (reached[i]) highestReached = std::max(highestReached, map.cylinders[i].top());
    }
    EXPECT_GE(highest, 20.0f);
    EXPECT_EQ(highestReached, highest);
}

TEST(ShippedMaps, OneMapSwitchesCylinderTexturesBetweenCylinders) {
    int switching = 0;
    for (const char* name : kMaps)
        if (ReadMap(name).textureLines >= 4) ++switching;
    EXPECT_GE(switching, 1);
}

}  // namespace
