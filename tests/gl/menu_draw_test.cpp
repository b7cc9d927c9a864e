// The menu frame on a real (Mesa, Xvfb) OpenGL context: widgets land where their rectangles say,
// facing the camera, in the colours their states call for.
#include <SDL.h>
#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <array>

#include "app/game.h"
#include "support/gl/render_harness.h"
#include "support/picture_files.h"
#include "support/temp_dir.h"
#include "ui/draw/menu_frame.h"
#include "ui/menu_layout.h"
#include "ui/screen_flow.h"

namespace {

constexpr ClientSize kClient{400, 300};

class MenuDrawTest : public testing::Test {
  protected:
    void SetUp() override {
        MenuSources sources;
        sources.client = kClient;
        sources.playerName = "Player1";
        BuildMenuScreens(game_.menus, sources);
        game_.menus.client = kClient;
    }
    // The colour at a point given in device coordinates.
    std::array<int, 3> At(float x, float y) {
        glFinish();
        std::array<uint8_t, 4> pixel{};
        const auto px = static_cast<GLint>((x + 1) / 2 * kClient.width);
        const auto py = static_cast<GLint>((y + 1) / 2 * kClient.height);
        glReadPixels(px, py, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel.data());
        return {pixel[0], pixel[1], pixel[2]};
    }

    RenderHarness window_{kClient.width, kClient.height};  // the context
    Game game_;
};

TEST_F(MenuDrawTest, EntriesAreDrawnInTheirRectanglesAndNothingElse) {
    DrawMenuFrame({game_.menus, game_.world.textures});
    // Pictures are not loaded here, so the entries show as plain white quads.
    EXPECT_EQ(At(0.0f, -0.15f), (std::array<int, 3>{255, 255, 255}));   // exit
    EXPECT_EQ(At(-0.19f, 0.19f), (std::array<int, 3>{255, 255, 255}));  // new game's corner
    EXPECT_EQ(At(0.0f, 0.25f), (std::array<int, 3>{0, 0, 0}));          // above the top entry
    EXPECT_EQ(At(0.3f, 0.0f), (std::array<int, 3>{0, 0, 0}));           // beside the entries
}

TEST_F(MenuDrawTest, ArrowsShowTheirPressedStateAndSelectionIsHighlighted) {
    Menus& menus = game_.menus;
    OpenScreen(menus, Overlay::Options);
    menus.options.volume.left.pressed = true;
    DrawMenuFrame({game_.menus, game_.world.textures});
    const tgtriangle& pressed = menus.options.volume.left;
    const tgtriangle& released = menus.options.volume.right;
    const auto centroid = [](const tgtriangle& t) {
        return std::array<float, 2>{(t.a.x + t.b.x + t.c.x) / 3, (t.a.y + t.b.y + t.c.y) / 3};
    };
    EXPECT_EQ(At(centroid(pressed)[0], centroid(pressed)[1]), (std::array<int, 3>{255, 0, 0}));
    const auto releasedColour = At(centroid(released)[0], centroid(released)[1]);
    EXPECT_EQ(releasedColour[0], 255);
    EXPECT_NEAR(releasedColour[1], 128, 1);
    EXPECT_NEAR(releasedColour[2], 128, 1);

    CloseScreen(menus);
    OpenScreen(menus, Overlay::Join);
    FocusJoinBox(menus.join, 0);
    DrawMenuFrame({game_.menus, game_.world.textures});
    const tgedit& box = menus.join.playerName;
    const auto selection = At(box.x + 0.005f, box.y - box.h / 2);
    EXPECT_NEAR(selection[0], 51, 1);
    EXPECT_NEAR(selection[1], 25, 1);
    EXPECT_NEAR(selection[2], 178, 1);
}

// A screen hides the menu's entries under its panel, even where the panel's picture is
// see-through.
TEST_F(MenuDrawTest, AnOpenScreenHidesTheEntriesUnderItsPanel) {
    TempDir dir;
    const picture_files::Rgba seeThroughGrey{128, 128, 128, 100};
    dir.WriteBytes("textures/mi_bk1.tga",
                   picture_files::Tga(4, 4, std::vector(16, seeThroughGrey), 32));
    TextureTable& textures = game_.world.textures;
    ResetTextureSlots(textures, window_.gpu());
    textures.texturesDir = dir.path() / "textures";
    LoadTexture(textures, window_.gpu(), "mi_bk1", 1);
    OpenScreen(game_.menus, Overlay::NewGame);
    DrawMenuFrame({game_.menus, textures});
    // Between the map lists: over the exit entry (white without its picture), and below it.
    EXPECT_EQ(At(0.0f, -0.17f), At(0.0f, -0.3f));
}

TEST_F(MenuDrawTest, LoadingPictureKeepsItsShapeInTheMiddle) {
    DrawLoadingFrame({game_.menus, game_.world.textures});
    // Half height 0.25; half width 0.25 x 1.25 x 300 / 400 = 0.234.
    EXPECT_EQ(At(0.0f, 0.0f), (std::array<int, 3>{255, 255, 255}));
    EXPECT_EQ(At(0.22f, 0.24f), (std::array<int, 3>{255, 255, 255}));
    EXPECT_EQ(At(0.25f, 0.0f), (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(At(0.0f, 0.27f), (std::array<int, 3>{0, 0, 0}));
}

}  // namespace
