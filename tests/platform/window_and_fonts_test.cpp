#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_opengl.h>

#include <memory>
#include <vector>

#include "platform/bitmap_font.h"
#include "platform/gl_extensions.h"
#include "platform/gl_setup.h"
#include "platform/jpeg_image.h"
#include "platform/sdl_main_window.h"
#include "platform/splash_jpeg.h"

namespace {

class MainWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        window = new SdlMainWindow;
        ASSERT_TRUE(window->Create()) << window->Error();
        window->ShowMaximised();
    }
    static void TearDownTestSuite() {
        delete window;
        window = nullptr;
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    // Pixels of the back buffer that differ from the clear colour (black).
    static int LitPixels(int width, int height) {
        std::vector<uint8_t> pixels(static_cast<std::size_t>(width) * height * 4);
        glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        int lit = 0;
        for (std::size_t i = 0; i < pixels.size(); i += 4) lit += pixels[i] > 128;
        return lit;
    }
    int DrawnPixels(uint32_t listBase, const char* text) {
        int width = 0, height = 0;
        window->DrawableSize(width, height);
        glViewport(0, 0, width, height);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glLoadIdentity();
        glDisable(GL_LIGHTING);
        glColor3f(1, 1, 1);
        DrawText(listBase, -0.5f, 0.0f, text);
        glFinish();
        return LitPixels(width, height);
    }
    static SdlMainWindow* window;
};

SdlMainWindow* MainWindowTest::window = nullptr;

TEST_F(MainWindowTest, ContextHasDepthStencilAndBufferObjects) {
    GLint depth = 0, stencil = 0;
    glGetIntegerv(GL_DEPTH_BITS, &depth);
    glGetIntegerv(GL_STENCIL_BITS, &stencil);
    EXPECT_GE(depth, 24);
    EXPECT_EQ(stencil, 8);
    ASSERT_TRUE(LoadArbBufferFunctions());
    const ArbBufferFunctions& arb = ArbBuffers();
    GLuint buffer = 0;
    arb.glGenBuffersARB(1, &buffer);
    EXPECT_NE(buffer, 0u);
    arb.glDeleteBuffersARB(1, &buffer);
}

TEST_F(MainWindowTest, LightsAndStencilDefaultsAreSet) {
    SetUpLightsAndStencil();
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    for (GLenum light : {GL_LIGHT0, GL_LIGHT1, GL_LIGHT2}) EXPECT_TRUE(glIsEnabled(light));
    EXPECT_FALSE(glIsEnabled(GL_STENCIL_TEST));
    GLfloat diffuse[4] = {};
    glGetLightfv(GL_LIGHT1, GL_DIFFUSE, diffuse);
    EXPECT_FLOAT_EQ(diffuse[0], 1.5f);
    GLfloat ambient[4] = {};
    glGetLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    EXPECT_FLOAT_EQ(ambient[2], 0.1f);
    GLint clearValue = 0, writeMask = 0;
    glGetIntegerv(GL_STENCIL_CLEAR_VALUE, &clearValue);
    glGetIntegerv(GL_STENCIL_WRITEMASK, &writeMask);
    EXPECT_EQ(clearValue, 1);
    EXPECT_EQ(writeMask, 1);
}

TEST_F(MainWindowTest, CoversTheDisplayAndListsItsModes) {
    int width = 0, height = 0;
    SDL_GetWindowSize(window->Handle(), &width, &height);
    EXPECT_EQ(width, window->ScreenWidth());
    EXPECT_EQ(height, window->ScreenHeight());
    DriverDisplayMode mode;
    ASSERT_TRUE(window->DisplayModeAt(0, mode));
    EXPECT_GT(mode.width, 0);
    EXPECT_GT(mode.bitsPerPixel, 0);
    EXPECT_FALSE(window->DisplayModeAt(100000, mode));
    EXPECT_FALSE(window->DisplayModeAt(-1, mode));
}

TEST_F(MainWindowTest, ClipboardKeepsCyrillicText) {
    window->SetClipboardText("\xCF\xF0\xE8\xE2\xE5\xF2 1.2");  // "Привет 1.2" in Windows-1251
    EXPECT_EQ(window->ClipboardText(), "\xCF\xF0\xE8\xE2\xE5\xF2 1.2");
}

TEST_F(MainWindowTest, FontsDrawLatinAndCyrillicGlyphs) {
    EXPECT_FALSE(FindFontFile().empty());
    BitmapFont small, large;
    ASSERT_TRUE(small.Build(18));
    ASSERT_TRUE(large.Build(36));
    ASSERT_NE(small.ListBase(), 0u);
    EXPECT_NE(small.ListBase(), large.ListBase());
    int smallText = DrawnPixels(small.ListBase(), "zarnok");
    int largeText = DrawnPixels(large.ListBase(), "zarnok");
    EXPECT_GT(smallText, 20);
    EXPECT_GT(largeText, 2 * smallText);  // twice the height, about four times the ink
    EXPECT_GT(DrawnPixels(large.ListBase(), "\xC7\xE0\xF0\xED\xEE\xEA"), 20);  // "Зарнок"
    EXPECT_EQ(DrawnPixels(large.ListBase(), "\x01\x02\x1F"), 0);  // control codes draw nothing
    EXPECT_EQ(DrawnPixels(0, "zarnok"), 0);
}

TEST(SplashPicture, EmbeddedJpegDecodesAndDamageIsRefused) {
    RgbImage image = DecodeJpeg({kSplashJpeg, kSplashJpegSize});
    ASSERT_GT(image.width, 0);
    ASSERT_GT(image.height, 0);
    EXPECT_EQ(image.pixels.size(), static_cast<std::size_t>(image.width) * image.height * 3);

    std::vector<uint8_t> truncated(kSplashJpeg, kSplashJpeg + kSplashJpegSize / 3);
    RgbImage partial = DecodeJpeg(truncated);  // libjpeg pads a cut stream; it must not crash
    EXPECT_TRUE(partial.pixels.empty() ||
                partial.pixels.size() ==
                    static_cast<std::size_t>(partial.width) * partial.height * 3);
    std::vector<uint8_t> garbage(1000, 0x5A);
    EXPECT_TRUE(DecodeJpeg(garbage).pixels.empty());
    EXPECT_TRUE(DecodeJpeg({}).pixels.empty());
}

}  // namespace
