// GlGpu on a real (Mesa, Xvfb) OpenGL context: what goes up can be read back.
#include "platform/gl_gpu.h"

#include <SDL.h>
#include <gtest/gtest.h>
#define GL_GLEXT_PROTOTYPES 0
#include <GL/gl.h>
#include <GL/glext.h>

#include <vector>

#include "base/random.h"
#include "support/gl/render_harness.h"
#include "support/temp_dir.h"
#include "world/level_start.h"

namespace {

class GlGpuTest : public testing::Test {
  protected:
    RenderHarness window{64, 64};  // the context
};

TEST_F(GlGpuTest, UploadedTextureReadsBackWithLinearFiltering) {
    GlGpu gpu;
    std::vector<uint32_t> names(3);
    gpu.GenerateTextures(names);
    EXPECT_NE(names[0], 0u);
    EXPECT_NE(names[0], names[1]);
    // Three pixels a row: an unaligned row length must not be padded.
    const std::vector<uint8_t> rgba = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                                       13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24};
    gpu.UploadTexture(names[1], 3, 2, rgba);
    glBindTexture(GL_TEXTURE_2D, names[1]);
    std::vector<uint8_t> back(rgba.size());
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, back.data());
    EXPECT_EQ(back, rgba);
    GLint filter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    EXPECT_EQ(filter, GL_LINEAR);
    gpu.DeleteTextures(names);
    EXPECT_EQ(glIsTexture(names[1]), GL_FALSE);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(GlGpuTest, BufferHoldsTheBytesGiven) {
    GlGpu gpu;
    const std::vector<float> floats = {1.5f, -2, 3, 4, 5, 6};
    const uint32_t name = gpu.CreateBuffer(std::as_bytes(std::span(floats)));
    ASSERT_NE(name, 0u);
    auto bind = reinterpret_cast<PFNGLBINDBUFFERARBPROC>(SDL_GL_GetProcAddress("glBindBufferARB"));
    auto read = reinterpret_cast<PFNGLGETBUFFERSUBDATAARBPROC>(
        SDL_GL_GetProcAddress("glGetBufferSubDataARB"));
    auto isBuffer = reinterpret_cast<PFNGLISBUFFERARBPROC>(SDL_GL_GetProcAddress("glIsBufferARB"));
    bind(GL_ARRAY_BUFFER_ARB, name);
    std::vector<float> back(floats.size());
    read(GL_ARRAY_BUFFER_ARB, 0, static_cast<GLsizeiptrARB>(back.size() * sizeof(float)),
         back.data());
    bind(GL_ARRAY_BUFFER_ARB, 0);
    EXPECT_EQ(back, floats);
    gpu.DeleteBuffer(name);
    EXPECT_EQ(isBuffer(name), GL_FALSE);
}

TEST_F(GlGpuTest, LevelBuffersLiveOnTheCardUntilTheNextLevel) {
    TempDir dir;
    const auto map = dir.Write("maps/a.map", "cylinders\n2\nx\n0 0 0 4 3\n9 0 0 1 1\n");
    GlGpu gpu;
    Random random;
    World world;
    world.textures.texturesDir = dir.path() / "textures";
    world.playerModelFile = dir.path() / "none.txt";
    ASSERT_TRUE(StartLevel(world, gpu, random, {2, 32}, map));
    const VertexBufferSet first = world.arena.arenaBuffers;

    auto bind = reinterpret_cast<PFNGLBINDBUFFERARBPROC>(SDL_GL_GetProcAddress("glBindBufferARB"));
    auto parameter = reinterpret_cast<PFNGLGETBUFFERPARAMETERIVARBPROC>(
        SDL_GL_GetProcAddress("glGetBufferParameterivARB"));
    auto isBuffer = reinterpret_cast<PFNGLISBUFFERARBPROC>(SDL_GL_GetProcAddress("glIsBufferARB"));
    bind(GL_ARRAY_BUFFER_ARB, first.names[kTrianglePositions]);
    GLint size = 0;
    parameter(GL_ARRAY_BUFFER_ARB, GL_BUFFER_SIZE_ARB, &size);
    bind(GL_ARRAY_BUFFER_ARB, 0);
    EXPECT_EQ(size, 2 * 16 * 3 * 12);  // two 8-segment cylinders, 12 bytes a position

    ASSERT_TRUE(StartLevel(world, gpu, random, {2, 32}, map));
    for (uint32_t name : first.names) EXPECT_EQ(isBuffer(name), GL_FALSE);
    EXPECT_EQ(isBuffer(world.arena.shadowBuffers.names[kTriangleNormals]), GL_TRUE);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace
