#include "ui/widgets.h"

#include <gtest/gtest.h>

#include "ui/select_list.h"

namespace {

// 800 x 600: NDC 0 is pixel (400, 300); 0.5 is 200 pixels right or 150 up.
constexpr ClientSize kClient{800, 600};

PixelPoint AtNdc(float x, float y) {
    return {static_cast<int32_t>((x + 1) * 400 + 0.5f), static_cast<int32_t>((1 - y) * 300 + 0.5f)};
}

}  // namespace

TEST(WidgetHitTest, RectangleEdgesDoNotHit) {
    const tmenuitem item = MakeMenuItem("mi_exit", -0.5f, 0.5f, 1.0f, 0.5f);
    EXPECT_TRUE(Contains(item, AtNdc(0, 0.25f), kClient));
    EXPECT_FALSE(Contains(item, AtNdc(-0.5f, 0.25f), kClient));  // left edge
    EXPECT_FALSE(Contains(item, AtNdc(0.5f, 0.25f), kClient));   // right edge
    EXPECT_FALSE(Contains(item, AtNdc(0, 0.5f), kClient));       // top edge
    EXPECT_FALSE(Contains(item, AtNdc(0, 0.0f), kClient));       // bottom edge
    EXPECT_TRUE(Contains(item, {201, 151}, kClient));            // one pixel inside the corner
    EXPECT_FALSE(Contains(item, AtNdc(0, 0.75f), kClient));
}

TEST(WidgetHitTest, TriangleByAreas) {
    tgtriangle triangle{{-0.5f, -0.5f}, {0.5f, -0.5f}, {0.0f, 0.5f}};
    EXPECT_TRUE(Contains(triangle, AtNdc(0, 0), kClient));
    EXPECT_TRUE(Contains(triangle, AtNdc(0.2f, -0.4f), kClient));
    EXPECT_FALSE(Contains(triangle, AtNdc(0.4f, 0.4f), kClient));  // inside the bounding box only
    EXPECT_FALSE(Contains(triangle, AtNdc(0, -0.6f), kClient));
}

TEST(WidgetHitTest, SelectOptionHighlightFollowsTheHit) {
    tselectoption option = MakeSelectOption("arena.map", 0, 0.5f, 0.5f, 0.25f);
    EXPECT_TRUE(HitTest(option, AtNdc(0.25f, 0.375f), kClient));
    EXPECT_TRUE(option.highlighted);
    EXPECT_FALSE(HitTest(option, AtNdc(0.75f, 0.375f), kClient));
    EXPECT_FALSE(option.highlighted);
}

TEST(WidgetLayout, ButtonCaptionIsCentredAndEditTextIndented) {
    const tgbutton button = MakeButton("Ok", 0.3f, -0.37f, 0.15f, 0.08f, kClient);
    // Two characters of 0.6 x 18 pixels around the middle: 21.6 pixels, 0.027 NDC each side.
    EXPECT_NEAR(button.captionPosition.x, 0.375f - 2 * 0.6f * 18 / 800, 1e-6);
    EXPECT_NEAR(button.captionPosition.y, -0.41f - 9.0f / 600, 1e-6);
    EXPECT_EQ(button.texture.name, "mi_btnup");
    EXPECT_EQ(button.pressedTexture.name, "mi_btndown");

    const tgedit edit = MakeEdit(std::string(80, 'x'), 0, 0.4f, 0.3f, 0.08f, kClient);
    EXPECT_EQ(edit.text.size(), 64u);
    EXPECT_NEAR(edit.textPosition.x, 5.0f / 800, 1e-6);
    EXPECT_EQ(edit.texture.name, "mi_edit");
    EXPECT_EQ(edit.activeTexture.name, "mi_edita");
}

TEST(OptionList, StopsAtTheEndsInTheOptionsStyle) {
    tglist list = MakeOptionList("Sound volume", -0.45f, 0.15f, 0.9f, {"0%", "50%", "100%"}, 2,
                                 ListStyle::Options);
    EXPECT_EQ(list.valueText, "100%");
    StepRight(list);
    EXPECT_EQ(list.current, 2);
    StepLeft(list);
    StepLeft(list);
    StepLeft(list);
    EXPECT_EQ(list.current, 0);
    EXPECT_EQ(list.valueText, "0%");
    EXPECT_NEAR(list.leftAnchor.x, -0.45f + 0.8f * 0.9f, 1e-6);
    EXPECT_NEAR(list.rightAnchor.x, -0.45f + 0.93f * 0.9f, 1e-6);
}

TEST(OptionList, WrapsElsewhere) {
    tglist list = MakeOptionList("Gametype", 0.07f, 0.25f, 0.4f, {"DeathMatch", "CTF", "TDM"}, 0,
                                 ListStyle::Wrapping);
    StepLeft(list);
    EXPECT_EQ(list.valueText, "TDM");
    StepRight(list);
    EXPECT_EQ(list.valueText, "DeathMatch");
    EXPECT_NEAR(list.rightAnchor.x, 0.07f + 0.9f * 0.4f, 1e-6);

    tglist empty = MakeOptionList("Resolution", 0, 0, 0.9f, {}, 0, ListStyle::Options);
    StepRight(empty);
    StepLeft(empty);
    EXPECT_EQ(empty.valueText, "");
}

TEST(OptionList, ReleasingAnArrowUnderThePointerSteps) {
    tglist list =
        MakeOptionList("Team", -0.2f, -0.25f, 0.4f, {"Blue", "Red"}, 0, ListStyle::Wrapping);
    const NdcPoint r = list.rightAnchor;
    const PixelPoint onRight = AtNdc(r.x + 0.035f, r.y - 0.005f);
    PressListArrows(list, onRight, kClient);
    EXPECT_TRUE(list.right.pressed);
    EXPECT_FALSE(list.left.pressed);
    EXPECT_TRUE(ReleaseListArrows(list, onRight, kClient));
    EXPECT_FALSE(list.right.pressed);
    EXPECT_EQ(list.valueText, "Red");
    EXPECT_FALSE(ReleaseListArrows(list, AtNdc(0.9f, 0.9f), kClient));
    EXPECT_EQ(list.valueText, "Red");
}

class SelectListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        list = MakeSelect(-0.5f, 0.5f, 0.5f, 0.4f);
        for (int i = 0; i < 10; ++i) AddSelectItem(list, "map" + std::to_string(i));
    }
    PixelPoint UpArrow() const { return AtNdc(list.x + list.w - 0.05f, list.y - 0.06f); }
    PixelPoint DownArrow() const { return AtNdc(list.x + list.w - 0.05f, list.y - list.h + 0.06f); }
    PixelPoint Row(int row) const { return AtNdc(list.x + 0.1f, list.y - 0.05f * row - 0.02f); }
    tselect list;
};

TEST_F(SelectListTest, TenRowsShowRowsZeroToSevenAndScrollWithinLimits) {
    EXPECT_EQ(list.lastVisibleRow, 7);
    EXPECT_EQ(list.lastRow, 9);
    EXPECT_TRUE(IsRowVisible(list, 7));
    EXPECT_FALSE(IsRowVisible(list, 8));

    EXPECT_TRUE(Click(list, UpArrow(), kClient));  // already at the top
    EXPECT_EQ(list.firstRow, 0);
    for (int i = 0; i < 5; ++i) Click(list, DownArrow(), kClient);
    EXPECT_EQ(list.firstRow, -2);  // the last item reached the last visible row
    EXPECT_EQ(list.lastRow, 7);
    EXPECT_TRUE(IsRowVisible(list, 9));
    EXPECT_FALSE(IsRowVisible(list, 1));
    for (int i = 0; i < 5; ++i) Click(list, UpArrow(), kClient);
    EXPECT_EQ(list.firstRow, 0);
    EXPECT_EQ(list.lastRow, 9);
}

TEST_F(SelectListTest, ClickSelectsTheVisibleRowUnderThePointer) {
    Click(list, Row(3), kClient);
    EXPECT_EQ(list.selected, 3);
    EXPECT_TRUE(list.items[3].highlighted);
    Click(list, DownArrow(), kClient);
    EXPECT_EQ(list.selected, -1);
    Click(list, Row(0), kClient);  // row 0 now shows item 1
    EXPECT_EQ(list.selected, 1);
    EXPECT_FALSE(list.items[0].highlighted);

    EXPECT_FALSE(Click(list, AtNdc(0.9f, 0.9f), kClient));  // outside: nothing changes
    EXPECT_EQ(list.selected, 1);
}

TEST_F(SelectListTest, ArrowsPressAndReleaseOnlyInsideTheBox) {
    PressArrows(list, UpArrow(), kClient);
    EXPECT_TRUE(list.up.pressed);
    EXPECT_FALSE(list.down.pressed);
    ReleaseArrows(list, DownArrow(), kClient);
    EXPECT_TRUE(list.up.pressed);
    ReleaseArrows(list, UpArrow(), kClient);
    EXPECT_FALSE(list.up.pressed);
}

TEST_F(SelectListTest, AddingAndRemovingKeepTheScrollLimitsRight) {
    for (int i = 0; i < 2; ++i) Click(list, DownArrow(), kClient);
    AddSelectItem(list, "late.map");
    EXPECT_EQ(list.lastRow, 8);  // still counted from the scrolled first row
    Click(list, DownArrow(), kClient);
    Click(list, DownArrow(), kClient);
    EXPECT_EQ(list.lastRow, 7);
    EXPECT_TRUE(IsRowVisible(list, 10));

    list.selected = 4;
    RemoveSelectItem(list, 4);
    EXPECT_EQ(list.items.size(), 10u);
    EXPECT_EQ(list.items[4].label, "map5");
    EXPECT_EQ(list.selected, -1);
    RemoveSelectItem(list, 99);  // out of range: ignored
    EXPECT_EQ(list.items.size(), 10u);
}
