#include "world/model_file.h"

#include <gtest/gtest.h>

#include "support/load_errors.h"

namespace {

ModelDescription Parse(const std::string& text) {
    return ParseModelFile(text, "model.txt");
}

std::string ErrorOf(const std::string& text) {
    return LoadErrorOf([&] { Parse(text); });
}

const char* const kHand =
    "TYPE\nCYLINDER\nNAME\nHAND\nTEXNAME\nPLTEX2\nPOSITION\n0.3 1.1 0 0.05 0.4\nSEGS\n6 1\n"
    "COLOR\n$FFFFFF\nSHIFT\n0.3 0.9 0\nSHIFT\n0.3 1.0 0.2\nROTATION\n60 0\nANIMATIONS\n1\n"
    "ANIMNAME\njump\nINTERVAL\n120\nCURFRAME\n1\nANIM\n2 0 1\n";

TEST(ModelFile, ReadsAPartBlock) {
    const ModelDescription model = Parse(kHand);
    ASSERT_EQ(model.blocks.size(), 1u);
    const ModelBlock& hand = model.blocks[0];
    EXPECT_EQ(hand.kind, PartKind::Cylinder);
    EXPECT_EQ(hand.name, "HAND");
    EXPECT_EQ(hand.textureName, "PLTEX2");
    EXPECT_FLOAT_EQ(hand.position.y, 1.1f);
    EXPECT_FLOAT_EQ(hand.radius, 0.05f);
    EXPECT_FLOAT_EQ(hand.height, 0.4f);
    EXPECT_EQ(hand.around, 6);
    EXPECT_EQ(hand.colour, 0xFFFFFFu);
    ASSERT_EQ(hand.poses.size(), 2u);
    EXPECT_EQ(hand.poses[1].rotation, (tvec3{60, 0, 0}));
    EXPECT_EQ(hand.poses[0].rotation, tvec3{});
    ASSERT_EQ(hand.animations.size(), 1u);
    const tanimation& jump = hand.animations[0];
    EXPECT_EQ(jump.interval, 120);
    EXPECT_EQ(jump.cursor, 1);
    EXPECT_EQ(jump.frames, (std::vector<int32_t>{0, 1}));
    EXPECT_TRUE(jump.playOnce);
}

TEST(ModelFile, KeywordsAndTypesIgnoreCaseButNotBlanks) {
    std::string lower = kHand;
    for (const char* word : {"TYPE", "CYLINDER", "NAME\n", "SHIFT", "ANIMNAME", "ANIM\n"}) {
        std::string upper = word, low = word;
        for (char& c : low) c = static_cast<char>(std::tolower(c));
        lower.replace(lower.find(upper), upper.size(), low);
    }
    const ModelDescription model = Parse(lower);
    ASSERT_EQ(model.blocks.size(), 1u);
    EXPECT_EQ(model.blocks[0].poses.size(), 2u);
    EXPECT_EQ(model.blocks[0].animations[0].frames.size(), 2u);

    // "SHIFT " is no keyword: it and the value line after it are skipped.
    const ModelDescription skipped = Parse("TYPE\nSPHERE\nSHIFT \n1 2 3\nSHIFT\n4 5 6\n");
    ASSERT_EQ(skipped.blocks[0].poses.size(), 1u);
    EXPECT_EQ(skipped.blocks[0].poses[0].shift, (tvec3{4, 5, 6}));
}

TEST(ModelFile, NumbersMayContinueOnFollowingLinesAndTheRestIsSkipped) {
    const ModelDescription model =
        Parse("TYPE\nCYLINDER\nPOSITION\n1 2\n3 4 5 extra words\nSEGS\n7\t 2\r\n");
    EXPECT_EQ(model.blocks[0].position, (tvec3{1, 2, 3}));
    EXPECT_FLOAT_EQ(model.blocks[0].height, 5);
    EXPECT_EQ(model.blocks[0].around, 7);
    EXPECT_EQ(model.blocks[0].along, 2);
}

TEST(ModelFile, ColourWordsInAnyNotationKeepTheirLow32Bits) {
    const auto colourOf = [](const std::string& value) {
        return Parse("TYPE\nSPHERE\nCOLOR\n" + value + "\n").blocks[0].colour;
    };
    EXPECT_EQ(colourOf("$00FF00"), 0x00FF00u);
    EXPECT_EQ(colourOf("0x1234"), 0x1234u);
    EXPECT_EQ(colourOf("255"), 255u);
    EXPECT_EQ(colourOf("-1"), 0xFFFFFFFFu);
    EXPECT_EQ(colourOf("$1FFFFFFFF"), 0xFFFFFFFFu);
    EXPECT_NE(ErrorOf("TYPE\nSPHERE\nCOLOR\n$XYZ\n"), "accepted");
}

TEST(ModelFile, AnimCountIsTheFirstCharacterOfItsLine) {
    const std::string block =
        "TYPE\nCYLINDER\nSHIFT\n0 0 0\nSHIFT\n0 0 0\nSHIFT\n0 0 0\n"
        "ANIMATIONS\n1\nANIMNAME\nwalk\nANIM\n";
    EXPECT_EQ(Parse(block + "3 0 1 2\n").blocks[0].animations[0].frames,
              (std::vector<int32_t>{0, 1, 2}));
    EXPECT_EQ(Parse(block + "3 0 1\n2\n").blocks[0].animations[0].frames,
              (std::vector<int32_t>{0, 1, 2}));
    EXPECT_NE(ErrorOf(block + " 3 0 1 2\n").find("model.txt:14:"), std::string::npos);
}

TEST(ModelFile, OnlyExactDeathAndJumpPlayOnce) {
    const ModelDescription model =
        Parse("TYPE\nSPHERE\nANIMATIONS\n3\nANIMNAME\nDeath\nANIMNAME\ndeath\nANIMNAME\njump \n");
    const auto& animations = model.blocks[0].animations;
    EXPECT_FALSE(animations[0].playOnce);
    EXPECT_TRUE(animations[1].playOnce);
    EXPECT_FALSE(animations[2].playOnce);
}

TEST(ModelFile, SpheresIgnoreRotationAndUnknownTypesOpenNothing) {
    const ModelDescription model = Parse(
        "TYPE\nSPHERE\nROTATION\n10 20\nSHIFT\n0 0 0\nROTATIONZ\n1 2 3\n"
        "TYPE\nCONE\nNAME\nball\n");
    ASSERT_EQ(model.blocks.size(), 1u);
    EXPECT_EQ(model.blocks[0].poses[0].rotation, tvec3{});
    EXPECT_EQ(model.blocks[0].name, "ball");
}

TEST(ModelFile, NamesKeepSixtyFourCharacters) {
    const ModelDescription model = Parse("TYPE\nSPHERE\nNAME\n" + std::string(80, 'n') + "\n");
    EXPECT_EQ(model.blocks[0].name.size(), 64u);
}

TEST(ModelFile, RefusesBrokenOrderingNamingFileAndLine) {
    EXPECT_NE(ErrorOf("NAME\nbody\nTYPE\nCYLINDER\n").find("model.txt:1:"), std::string::npos);
    EXPECT_NE(ErrorOf("TYPE\nCYLINDER\nROTATION\n1 2\n").find("model.txt:4:"), std::string::npos);
    EXPECT_NE(
        ErrorOf("TYPE\nSPHERE\nANIMATIONS\n1\nANIMNAME\na\nANIMNAME\nb\n").find("model.txt:8:"),
        std::string::npos);
    EXPECT_NE(ErrorOf("TYPE\nSPHERE\nINTERVAL\n5\n").find("model.txt:3:"), std::string::npos);
    EXPECT_NE(ErrorOf("TYPE\nSPHERE\nANIMATIONS\n2\nANIMNAME\na\nANIMNAME\nb\nANIMATIONS\n1\n"),
              "accepted");
}

TEST(ModelFile, RefusesFramesOutsideTheBlock) {
    const std::string head = "TYPE\nCYLINDER\nSHIFT\n0 0 0\nANIMATIONS\n1\nANIMNAME\nwalk\n";
    EXPECT_NE(ErrorOf(head + "ANIM\n2 0 1\n").find("model.txt:10:"), std::string::npos);
    EXPECT_NE(ErrorOf(head + "ANIM\n1 -1\n"), "accepted");
    EXPECT_NE(ErrorOf(head + "ANIM\n1 0\nCURFRAME\n1\n").find("model.txt:12:"), std::string::npos);
    EXPECT_NE(ErrorOf(head + "CURFRAME\n-1\n"), "accepted");
    EXPECT_EQ(ErrorOf(head + "ANIMFRAMECOUNT\n3\nCURFRAME\n2\n"), "accepted");
    EXPECT_EQ(ErrorOf(head), "accepted");  // an empty frame list is allowed
}

TEST(ModelFile, RefusesPartsWithDifferentAnimationLists) {
    const std::string walk = "ANIMATIONS\n1\nANIMNAME\nwalk\n";
    EXPECT_EQ(ErrorOf("TYPE\nSPHERE\n" + walk + "TYPE\nCYLINDER\n" + walk), "accepted");
    EXPECT_NE(ErrorOf("TYPE\nSPHERE\n" + walk + "TYPE\nCYLINDER\n").find("model.txt:7:"),
              std::string::npos);
    EXPECT_NE(ErrorOf("TYPE\nSPHERE\n" + walk + "TYPE\nSPHERE\nANIMATIONS\n1\nANIMNAME\nrun\n"),
              "accepted");
}

TEST(ModelFile, RefusesSeatWithoutHead) {
    const std::string seat = "ANIMATIONS\n1\nANIMNAME\nseat\n";
    EXPECT_NE(ErrorOf("TYPE\nSPHERE\nNAME\nbody\n" + seat), "accepted");
    EXPECT_EQ(ErrorOf("TYPE\nSPHERE\nNAME\nhead\n" + seat), "accepted");
}

TEST(ModelFile, RefusesBadNumbersAndHugeCounts) {
    EXPECT_NE(ErrorOf("TYPE\nSPHERE\nSHIFT\n1 x 3\n").find("model.txt:4:"), std::string::npos);
    EXPECT_NE(ErrorOf("TYPE\nSPHERE\nSEGS\n1.5 2\n"), "accepted");
    EXPECT_NE(ErrorOf("TYPE\nSPHERE\nSEGS\n100000 2\n"), "accepted");
    EXPECT_NE(ErrorOf("TYPE\nSPHERE\nSEGS\n-1 2\n"), "accepted");
    EXPECT_NE(ErrorOf("TYPE\nSPHERE\nSHIFT\n1 nan 3\n"), "accepted");
    EXPECT_NE(ErrorOf("TYPE\nSPHERE\nSHIFT\n1 2\n"), "accepted");  // the file ends first
    EXPECT_NE(ErrorOf("TYPE\nSPHERE\nANIMATIONS\n100000\n"), "accepted");
}

TEST(ModelFile, AKeywordOnTheLastLineEndsReading) {
    EXPECT_EQ(Parse("TYPE\nSPHERE\nSHIFT").blocks[0].poses.size(), 0u);
}

}  // namespace
