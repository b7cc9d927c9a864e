// The shipped player and bullet models, built by the game's own model loader, against what the
// game expects of them: the parts it looks up, twelve animations in the same order in every part,
// feet where collision looks for them, the muzzle in front, and skins that exist.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "support/shipped_content.h"
#include "world/vec_math.h"

namespace {

namespace fs = std::filesystem;

const tgeomobject& Player() {
    static const tgeomobject model = ShippedModel("player.txt");
    return model;
}

// The points collision samples along a part (its axis, pr/2 in from each end, every 2 pr), in
// model space for one frame; none for a part shorter than four radii.
std::vector<tvec3> CollisionSamples(const tpartframe& frame) {
    std::vector<tvec3> points;
    int m = static_cast<int>(frame.height * 0.25f / frame.radius);
    for (int j = 0; j <= (m + 1) / 2 - 1; ++j) {
        float axial = frame.height / 2 - frame.radius / 2 - 2 * j * frame.radius;
        for (float a : {axial, -axial}) {
            tvec3 p{0, a, 0};
            TransformPoint(p, frame.matrix);
            points.push_back({p.x + frame.shift.x, p.y + frame.shift.y, p.z + frame.shift.z});
        }
    }
    return points;
}

TEST(ShippedPlayerModel, HasThePartsTheGameLooksUp) {
    const tgeomobject& model = Player();
    for (const char* name : {"HEAD", "head", "body", "HAND", "BSTART", "shaulders", "shaulders2"})
        EXPECT_GE(FindPart(model, name), 0) << name;
    int legs = 0;
    for (const tmeshpart& part : model.triangleParts)
        if (!part.sphere && part.name.find("shin") != std::string::npos) ++legs;
    EXPECT_EQ(legs, 2);
}

TEST(ShippedPlayerModel, EveryPartRunsTheSameTwelveAnimations) {
    const tgeomobject& model = Player();
    const std::vector<tanimation>& reference = model.triangleParts.at(0).animations;
    ASSERT_EQ(reference.size(), 12u);
    EXPECT_EQ(reference[10].name, "death");
    EXPECT_EQ(reference[11].name, "jump");
    EXPECT_EQ(FindAnimation(model, "SEAT"), 6);
    for (size_t a = 0; a < reference.size(); ++a) EXPECT_EQ(reference[a].playOnce, a >= 10) << a;
    for (const auto* parts : {&model.triangleParts, &model.quadParts}) {
        for (const tmeshpart& part : *parts) {
            ASSERT_EQ(part.animations.size(), reference.size()) << part.name;
            for (size_t a = 0; a < reference.size(); ++a) {
                const tanimation& anim = part.animations[a];
                EXPECT_EQ(anim.name, reference[a].name) << part.name;
                EXPECT_FALSE(anim.frames.empty()) << part.name << ' ' << anim.name;
                EXPECT_LE(anim.frames.size(), 9u);
                for (int32_t f : anim.frames) {
                    EXPECT_GE(f, 0);
                    EXPECT_LT(f, static_cast<int32_t>(part.frames.size())) << part.name;
                }
            }
        }
    }
}

TEST(ShippedPlayerModel, IsCentredOnItsBodyAndCrouchesByHalfAUnit) {
    const tgeomobject& model = Player();
    // The maps place spawn points 1.2 above a surface for a half height of 1.1.
    EXPECT_NEAR(model.extentHalfHeight, 1.1f, 0.01f);
    EXPECT_GT(model.extentRadius, 0.3f);
    EXPECT_LT(model.extentRadius, 0.8f);  // a wide model would be hit by bot bullets from afar
    EXPECT_GT(model.seatDrop, 0.25f);
    EXPECT_LT(model.seatDrop, 0.7f);
}

TEST(ShippedPlayerModel, StandsOnItsFeetAtTheStartOfEveryAnimation) {
    // Collision reads the first pose of the current animation: its lowest sampled point must be
    // at the feet, or the player sinks into the floor or floats above it.
    const tgeomobject& model = Player();
    const float feet = -model.extentHalfHeight;
    for (size_t a = 0; a < 12; ++a) {
        float lowest = 1e9f;
        for (const tmeshpart& part : model.triangleParts) {
            const tpartframe& frame = part.frames.at(part.animations[a].frames.at(0));
            for (const tvec3& p : CollisionSamples(frame)) lowest = std::min(lowest, p.y);
        }
        EXPECT_GE(lowest, feet) << "animation " << a;
        EXPECT_LE(lowest, feet + 0.12f) << "animation " << a;
    }
}

TEST(ShippedPlayerModel, AimingPartsAreNotSampledByCollision) {
    // Collision turns a part's samples by its pitch about the model's origin, not the shoulder;
    // the parts that pitch with the look are therefore kept too short to be sampled.
    const tgeomobject& model = Player();
    for (const char* name : {"HAND", "BSTART"}) {
        const tmeshpart& part = model.triangleParts.at(FindPart(model, name));
        for (const tpartframe& frame : part.frames)
            EXPECT_TRUE(CollisionSamples(frame).empty()) << name;
    }
}

TEST(ShippedPlayerModel, FiresFromAMuzzleInFrontAtChestHeight) {
    const tgeomobject& model = Player();
    const tmeshpart& muzzle = model.triangleParts.at(FindPart(model, "BSTART"));
    const tmeshpart& hand = model.triangleParts.at(FindPart(model, "HAND"));
    const tmodelvertex& first = (*model.triangles).at(muzzle.firstElement * 3);
    EXPECT_LT(first.position.z, -0.4f);  // yaw 0 looks along -z
    EXPECT_GT(first.position.y, 0.0f);
    EXPECT_LT(first.position.y, 0.8f);
    // Hand and muzzle turn about the same pivot, so the muzzle stays on the rifle when aiming.
    EXPECT_FLOAT_EQ(muzzle.position.y, hand.position.y);
    EXPECT_FLOAT_EQ(muzzle.position.z, hand.position.z);
}

TEST(ShippedPlayerModel, SkinsAreTheReskinnedTexturesAndExistInTheRunFolder) {
    const tgeomobject& model = Player();
    auto textureOf = [&](const char* part) { return model.textureNames.at(FindPart(model, part)); };
    EXPECT_EQ(textureOf("HEAD"), "PLTEX1");
    for (const char* part : {"body", "shaulders", "shaulders2"})
        EXPECT_EQ(textureOf(part), "PLTEX2");
    const fs::path textures = kRunDir / "textures";
    for (const std::string& name : model.textureNames)
        EXPECT_TRUE(fs::exists(textures / (name + ".bmp")) ||
                    fs::exists(textures / (name + ".tga")))
            << name;
}

TEST(ShippedBulletModel, IsASmallTracerDrawnAlongPlusZ) {
    tgeomobject bullet = ShippedModel("bullet.txt");
    EXPECT_LT(bullet.extentRadius, 0.4f);
    EXPECT_LT(bullet.extentHalfHeight, 0.1f);
    float front = -1e9f;
    for (const tmodelvertex& v : *bullet.triangles) front = std::max(front, v.position.z);
    EXPECT_GT(front, 0.15f);
    // The glowing tip (the sphere) leads the trail.
    const tmeshpart& tip = bullet.triangleParts.back();
    ASSERT_TRUE(tip.sphere);
    EXPECT_GT(tip.frames.at(0).shift.z, bullet.triangleParts.front().frames.at(0).shift.z);
    for (const std::string& name : bullet.textureNames)
        EXPECT_TRUE(fs::exists(kRunDir / "textures" / (name + ".bmp"))) << name;
}

}  // namespace
