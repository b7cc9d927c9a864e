#include "world/geom_object.h"

#include <gtest/gtest.h>

#include "support/near_vectors.h"

namespace {

tgeomobject TwoParts() {
    tgeomobject object;
    object.triangleParts.resize(2);
    object.triangleParts[0].name = "body";
    object.triangleParts[1].name = "HAND";
    object.triangleParts[0].animations.resize(2);
    object.triangleParts[0].animations[1].name = "SEAT";
    return object;
}

TEST(FindPart, ComparesNamesIgnoringCase) {
    const tgeomobject object = TwoParts();
    EXPECT_EQ(FindPart(object, "hand"), 1);
    EXPECT_EQ(FindPart(object, "BODY"), 0);
    EXPECT_EQ(FindPart(object, "head"), -1);
    EXPECT_EQ(FindPart(object, "han"), -1);
}

TEST(FindAnimation, LooksInTheFirstPartOnly) {
    tgeomobject object = TwoParts();
    EXPECT_EQ(FindAnimation(object, "seat"), 1);
    EXPECT_EQ(FindAnimation(object, "walk"), -1);
    object.triangleParts[0].animations.clear();
    object.triangleParts[1].animations.resize(1);
    object.triangleParts[1].animations[0].name = "walk";
    EXPECT_EQ(FindAnimation(object, "walk"), -1);
    EXPECT_EQ(FindAnimation(tgeomobject{}, "walk"), -1);
}

// A one-triangle part whose first vertex sits one unit in front of (-z) its pivot at (0, 1, 0).
tgeomobject Muzzle() {
    tgeomobject object;
    object.triangles = std::make_shared<std::vector<tmodelvertex>>(3);
    (*object.triangles)[0].position = {0, 1, -1};
    object.triangleCount = 1;
    tmeshpart part;
    part.name = "BSTART";
    part.position = {0, 1, 0};
    part.elementsPerFrame = 1;
    part.verticesPerFrame = 3;
    part.frames.resize(1);
    object.triangleParts.push_back(part);
    return object;
}

TEST(PlaceModelPoint, PitchesAboutThePivotThenTurnsAndMoves) {
    tgeomobject object = Muzzle();
    object.position = {10, 0, 5};
    ExpectNear(PlaceModelPoint(object, object.triangleParts[0], {0, 1, -1}), {10, 1, 4});
    object.triangleParts[0].pitch = 90;  // the point in front swings up
    ExpectNear(PlaceModelPoint(object, object.triangleParts[0], {0, 1, -1}), {10, 2, 5});
    object.triangleParts[0].pitch = 0;
    object.yaw = 90;  // facing -z turned by 90 degrees faces -x
    ExpectNear(PlaceModelPoint(object, object.triangleParts[0], {0, 1, -1}), {9, 1, 5});
}

TEST(PlaceModelPoint, PivotFollowsTheCurrentFrame) {
    tgeomobject object = Muzzle();
    tmeshpart& part = object.triangleParts[0];
    part.frames.resize(2);
    part.frames[1].delta = {0, 0, -1};
    part.currentFrame = 1;
    part.pitch = 90;
    ExpectNear(PlaceModelPoint(object, part, {0, 1, -1}), {0, 1, -1});
}

TEST(BulletStartOffset, UsesTheFirstVertexOfTheCurrentPoseWithPitchAndYaw) {
    tgeomobject object = Muzzle();
    object.position = {100, 100, 100};
    ExpectNear(BulletStartOffset(object, 0), {0, 1, -1});
    object.triangleParts[0].pitch = 90;
    object.yaw = 180;
    ExpectNear(BulletStartOffset(object, 0), {0, 2, 0});
    object.triangleParts[0].pitch = 0;
    ExpectNear(BulletStartOffset(object, 0), {0, 1, 1});
    EXPECT_EQ(BulletStartOffset(object, 5), tvec3{});
    object.triangleParts[0].currentFrame = 3;  // no such pose: no muzzle
    EXPECT_EQ(BulletStartOffset(object, 0), tvec3{});
}

}  // namespace
