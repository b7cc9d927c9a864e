// Program entry (`--server` starts the dedicated server instead): the start-up order (splash,
// settings, window and GL context, lights, fonts, menus and sounds), then one loop iteration per
// frame: window events, received datagrams, the 50 ms timer, one frame. Every way of closing ends
// in the same graceful FormClose.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/frame_loop.h"
#include "app/game.h"
#include "app/log_file.h"
#include "app/server_options.h"
#include "app/shell/dedicated_server.h"
#include "app/shell/draw_steps.h"
#include "app/shell/window_events.h"
#include "app/startup.h"
#include "config/config_reader.h"
#include "game/view_layout.h"
#include "net/net_frame.h"
#include "platform/bitmap_font.h"
#include "platform/fault_screen.h"
#include "platform/gl_extensions.h"
#include "platform/gl_gpu.h"
#include "platform/gl_setup.h"
#include "platform/hangup_signal.h"
#include "platform/input_devices.h"
#include "platform/openal_audio.h"
#include "platform/program_places.h"
#include "platform/sdl_clock.h"
#include "platform/sdl_main_window.h"
#include "platform/splash_window.h"
#include "platform/udp_network.h"
#include "ui/draw/menu_frame.h"
#include "ui/fault_details.h"
#include "ui/fault_phrases.h"
#include "ui/options.h"

namespace {

constexpr int kSmallFontPixels = 18;
constexpr int kLargeFontPixels = 36;

// Before the window exists only SDL's box can tell.
int FailStartUp(const std::string& text) {
    std::fprintf(stderr, "zarnok: %s\n", text.c_str());
    ShowErrorBox(text);
    return 1;
}

struct GraphicsResources {
    BitmapFont smallFont;
    BitmapFont largeFont;
    bool fontsBuilt = false;
};

// log.txt gets what start-up said and why it stopped; a log that cannot be written is no
// reason to hide the fault itself.
void LogStartUpFault(const Game& game, const std::string& text) {
    if (!game.paths.logWritable) return;
    try {
        StartLogFile(game);
        AppendLogLine(game.paths.logFile, text);
    } catch (const std::exception&) {
    }
}

// Once the window is up the game's own screen tells what stopped it and what to do.
int FailWithWindow(Game& game, SdlMainWindow& window, const GraphicsResources& graphics,
                   std::unique_ptr<SplashWindow>& splash, const std::string& text) {
    LogStartUpFault(game, text);
    if (!graphics.fontsBuilt) return FailStartUp(text);
    std::fprintf(stderr, "zarnok: %s\n", text.c_str());
    splash.reset();
    ShowDisplay(game);
    const Language language = game.menus.language;
    const std::string lines[] = {
        Say(kStartFailedPhrase, language), DetailInLanguage(text, language),
        Say(kStartAdvicePhrase, language), Say(kPressAnyKeyPhrase, language)};
    ShowFaultScreen(window, graphics.smallFont, lines);
    return 1;
}

// A player's folder that cannot be made or written: nothing the player saved before is lost, so
// the game says which folder and why, and plays on without writing there.
void TellUnwritableFolders(Game& game, SdlMainWindow& window, const GraphicsResources& graphics,
                           const std::vector<std::string>& folderFaults) {
    if (folderFaults.empty()) return;
    for (const std::string& fault : folderFaults) TellLogLine(game.paths.logFile, fault);
    if (!graphics.fontsBuilt) return;
    const Language language = game.menus.language;
    std::vector<std::string> lines{Say(kFoldersUnwritablePhrase, language)};
    for (const std::string& fault : folderFaults)
        lines.push_back(DetailInLanguage(fault, language));
    lines.push_back(Say(kFoldersAdvicePhrase, language));
    lines.push_back(Say(kPlayWithoutSavingPhrase, language));
    ShowFaultScreen(window, graphics.smallFont, lines);
}

// The frame limit: a rate sleeps out the rest of each frame's share; vsync the driver would not
// give falls back to 60 frames a second. The speed factor keeps the game's pace at any rate.
void WaitForNextFrame(const Game& game, uint32_t& lastFrame) {
    const DisplaySettings& display = game.display;
    int32_t rate = 0;
    if (display.frameLimit == FrameLimit::kRate) rate = display.framesPerSecond;
    if (display.frameLimit == FrameLimit::kVsync && !game.state.vsyncOn) rate = 60;
    if (rate > 0) {
        const auto share = static_cast<int32_t>(1000 / rate);
        const auto spent = static_cast<int32_t>(SDL_GetTicks() - lastFrame);
        if (spent < share) SDL_Delay(static_cast<uint32_t>(share - spent));
    }
    lastFrame = SDL_GetTicks();
}

void RunLoop(Game& game, SdlMainWindow& window, InputDevices& devices) {
    uint32_t lastFrame = SDL_GetTicks();
    while (PumpWindowEvents(game, devices) && !game.state.quitRequested) {
        DrainReceivedDatagrams(game);
        RunTimerIfDue(game);
        devices.Poll(game.input);
        FrameDraw draw = RunFrame(game);
        if (draw == FrameDraw::Nothing) continue;
        DrawFrame(game, draw);
        window.SwapBuffers();
        WaitForNextFrame(game, lastFrame);
    }
}

int RunGame() {
    auto game = std::make_unique<Game>();
    // Every run draws its own network ids: two machines started alike would otherwise draw the
    // same id, and the server refuses the second join as a repeat.
    game->random.Seed(std::random_device{}() | static_cast<uint64_t>(std::random_device{}()) << 32);
    SdlClock clock;
    SdlMainWindow window;
    InputDevices devices;
    game->services.clock = &clock;
    game->services.window = &window;
    // The sound start-up inside LoadSettings opens the device through this.
    OpenAlAudio audio;
    game->services.audio = &audio;
    // Another copy of the game on this machine holds the ports: this one can still play, it
    // just hears nothing.
    UdpNetwork network;
    game->services.network = &network;
    if (!OpenNetworkPorts(*game)) {
        std::fprintf(stderr,
                     "zarnok: UDP ports 7050/7051 are in use; network games will not work\n");
    }
    game->menus.paintMenuAndLoading = [shown = game.get()] {
        PaintMenuAndLoadingFrames(MenuSceneOf(*shown));
    };
    game->menus.paintLoading = [shown = game.get()] { PaintLoadingFrame(MenuSceneOf(*shown)); };

    std::vector<std::string> folderFaults;
    std::string placesError;
    try {
        game->paths = PlacesOfThisRun(folderFaults);
    } catch (const std::exception& error) {
        // Told on the game's own screen once there is one; there is no folder for log.txt.
        placesError = error.what();
        game->paths.settingsWritable = game->paths.logWritable = false;
    }
    auto splash = std::make_unique<SplashWindow>();
    splash->Show();
    if (!window.Create()) return FailStartUp("cannot create the window: " + window.Error());
    // The fonts come first: they tell whatever stops the rest of start-up.
    GraphicsResources graphics;
    graphics.fontsBuilt =
        graphics.smallFont.Build(kSmallFontPixels) && graphics.largeFont.Build(kLargeFontPixels);
    if (!graphics.fontsBuilt) {
        std::fprintf(stderr, "zarnok: no usable font found; text will not show\n");
    }
    game->renderer.smallFont = &graphics.smallFont;
    game->renderer.largeFont = &graphics.largeFont;
    if (!placesError.empty()) return FailWithWindow(*game, window, graphics, splash, placesError);
    try {
        LoadSettings(*game);
    } catch (const std::exception& error) {
        return FailWithWindow(*game, window, graphics, splash, error.what());
    }
    if (!LoadArbBufferFunctions()) {
        return FailWithWindow(*game, window, graphics, splash,
                              "the graphics driver lacks ARB vertex buffer objects");
    }
    GlGpu gpu;
    game->services.gpu = &gpu;
    SetUpLightsAndStencil();
    try {
        FinishStartUp(*game);
    } catch (const std::exception& error) {
        return FailWithWindow(*game, window, graphics, splash, error.what());
    }

    splash.reset();
    ShowDisplay(*game);
    int width = 0, height = 0;
    window.DrawableSize(width, height);
    FormResize(game->view, width, height);
    game->menus.client = {width, height};
    TellUnwritableFolders(*game, window, graphics, folderFaults);
    ShowStartupNotices(*game);
    SDL_StartTextInput();
    game->state.startupComplete = true;

    RunLoop(*game, window, devices);

    std::string failures = FormClose(*game);
    if (!failures.empty()) std::fprintf(stderr, "zarnok: %s", failures.c_str());
    return 0;
}

// Without a display server SDL falls back to drivers that show nothing, and the game would run
// unseen. A driver the user names is theirs to choose.
bool DisplayServerNamed() {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"}) {
        const char* value = std::getenv(variable);
        if (value && *value) return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const ServerCommandLine line = ParseServerCommandLine(arguments);
    switch (line.outcome) {
        case ServerCommandLine::Outcome::kHelp:
            std::fputs(ProgramUsage().c_str(), stdout);
            return 0;
        case ServerCommandLine::Outcome::kError:
            std::fprintf(stderr, "zarnok: %s\n", line.error.c_str());
            return 2;
        case ServerCommandLine::Outcome::kRun:
            // The dedicated server needs no display, SDL or sound.
            return RunDedicatedServer(line.options);
        case ServerCommandLine::Outcome::kPlay:
            break;
    }
    if (!DisplayServerNamed()) {
        std::fprintf(stderr,
                     "zarnok: no display found (DISPLAY is not set); start the game from a "
                     "graphical session\n");
        return 1;
    }
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
        std::fprintf(stderr, "zarnok: %s\n", SDL_GetError());
        return 1;
    }
    CloseOnHangUp();
    int result = RunGame();
    SDL_Quit();
    return result;
}
