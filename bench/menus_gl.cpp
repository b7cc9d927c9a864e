// Cost of one menu frame (background picture, entries and the busiest screen, the new-game screen
// with a full map list) on the current GL driver, text and pictures included; and of rebuilding
// every screen.
#include <SDL.h>
#include <SDL_opengl.h>
#include <benchmark/benchmark.h>

#include <string>

#include "app/game.h"
#include "platform/bitmap_font.h"
#include "platform/gl_extensions.h"
#include "platform/gl_gpu.h"
#include "ui/draw/menu_frame.h"
#include "ui/menu_layout.h"
#include "ui/menu_textures.h"
#include "ui/screen_flow.h"

namespace {

MenuSources BusySources() {
    MenuSources sources;
    sources.client = {1280, 1024};
    sources.playerName = "Player1";
    sources.serverName = "ZarnokServer";
    for (int i = 0; i < 20; ++i) sources.mapNames.push_back("arena" + std::to_string(i) + ".map");
    for (int i = 0; i < 12; ++i) sources.displayModes.push_back({640 + 64 * i, 480 + 48 * i});
    sources.showBots = true;
    return sources;
}

void BM_MenuFrameWithNewGameScreen(benchmark::State& state) {
    SDL_Init(SDL_INIT_VIDEO);
    SDL_Window* window =
        SDL_CreateWindow("menus_gl", 0, 0, 1280, 1024, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    SDL_GLContext context = window ? SDL_GL_CreateContext(window) : nullptr;
    if (!context) {
        state.SkipWithError("no OpenGL context");
        return;
    }
    if (!LoadArbBufferFunctions()) {
        state.SkipWithError("no ARB buffer objects");
        return;
    }
    {
        BitmapFont font;
        font.Build(kSmallFontPixels);
        GlGpu gpu;
        Game game;
        game.renderer.smallFont = &font;
        // The shipped pictures, when the run folder has been assembled.
        game.world.textures.texturesDir = ZARNOK_RUN_DIR "/textures";
        LoadMenuTextures(game.world.textures, gpu, MenuVariant::Main, game.menus.language,
                         game.menus.pictures);
        BuildMenuScreens(game.menus, BusySources());
        game.menus.client = {1280, 1024};
        OpenScreen(game.menus, Overlay::NewGame);
        FocusNewGameBox(game.menus.newGame, 0);
        for (auto _ : state) {
            DrawMenuFrame({game.menus, game.world.textures, &font});
            glFinish();
        }
    }
    SDL_GL_DeleteContext(context);
    SDL_DestroyWindow(window);
    SDL_Quit();
}
BENCHMARK(BM_MenuFrameWithNewGameScreen)->Unit(benchmark::kMillisecond);

void BM_BuildMenuScreens(benchmark::State& state) {
    const MenuSources sources = BusySources();
    Menus menus;
    for (auto _ : state) {
        BuildMenuScreens(menus, sources);
        benchmark::DoNotOptimize(menus.entries.data());
    }
}
BENCHMARK(BM_BuildMenuScreens)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
