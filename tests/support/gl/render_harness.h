// RenderHarness: a real GL window (Xvfb under test), a session with a shipped map loaded from the
// run folder, players and bullets placed by hand, and both views drawn into it and read back.
// Shared by the GL tests (a few only want its GL context) and the GL benchmarks.
#pragma once
#include <SDL.h>

#include <array>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/poses.h"
#include "game/roster.h"
#include "game/view_cameras.h"
#include "game/view_layout.h"
#include "platform/bitmap_font.h"
#include "platform/gl_extensions.h"
#include "platform/gl_gpu.h"
#include "platform/gl_setup.h"
#include "render/views.h"
#include "support/players.h"
#include "support/shipped_content.h"
#include "world/animation.h"
#include "world/bullet_model.h"
#include "world/level_start.h"

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

class RenderHarness {
  public:
    static constexpr size_t kRoomForModels = 256;

    RenderHarness(int width, int height) : width_(width), height_(height) {
        if (SDL_Init(SDL_INIT_VIDEO) != 0) throw std::runtime_error(SDL_GetError());
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
        SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
        SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
        SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
        window_ = SDL_CreateWindow("render harness", 0, 0, width, height,
                                   SDL_WINDOW_OPENGL | SDL_WINDOW_BORDERLESS);
        if (!window_) throw std::runtime_error(SDL_GetError());
        context_ = SDL_GL_CreateContext(window_);
        if (!context_) throw std::runtime_error(SDL_GetError());
        SDL_GL_SetSwapInterval(0);
        if (!LoadArbBufferFunctions()) throw std::runtime_error("no ARB vertex buffer objects");
        SetUpLightsAndStencil();
        gpu_ = std::make_unique<GlGpu>();
        UseShippedContent(world);
        FormResize(view, width, height);
    }
    ~RenderHarness() {
        world = World{};
        fonts_ = {};
        gpu_.reset();
        if (context_) SDL_GL_DeleteContext(context_);
        if (window_) SDL_DestroyWindow(window_);
        SDL_Quit();
    }
    RenderHarness(const RenderHarness&) = delete;
    RenderHarness& operator=(const RenderHarness&) = delete;

    // Starts a level on the shipped maps/<name>.
    void LoadMap(const std::string& name) { LoadMapFile(kRunDir / "maps" / name); }

    // Starts a level on a map file and resets the cameras as a match start does.
    void LoadMapFile(const std::filesystem::path& map) {
        // Room for every model a test places, so references to them stay valid.
        Match match = MatchOf(session);
        UnseatEveryone(match);
        DeliverMatchSounds(session);
        players.reserve(kRoomForModels);
        bullets.reserve(kRoomForModels);
        if (!StartLevel(world, *gpu_, session.random, {0, tuning.CYL_SIDE_COUNT}, map))
            throw std::runtime_error("no map " + map.string());
        ResetViewCameras(view, tuning);
        UpdateViewCameras(view, tuning, 0);
    }

    // A player model standing at `position`, facing `yaw`, playing animation `animation`.
    tgeomobject& AddPlayer(tvec3 position, float yaw, const char* animation = "walk") {
        tgeomobject model = LoadedPlayerModel(world, *gpu_);
        model.position = position;
        model.yaw = yaw;
        SelectAnimation(model, FindAnimation(model, animation));
        const int32_t slot = ::AddPlayer(session, std::move(model));
        ApplyPlayerColour(players.back().model, slot);
        return players.back().model;
    }

    tbullet& AddBullet(tvec3 position, float yaw) {
        // As the game makes them: copies of the level's model, sharing its mesh.
        PrepareBulletModel(world, gpu_.get());
        tbullet bullet = NewBulletModel(world.arena);
        if (!bullet.triangles || bullet.triangles->empty())
            throw std::runtime_error("no bullet model");
        bullet.position = position;
        bullet.yaw = yaw;
        bullets.push_back(std::move(bullet));
        return bullets.back();
    }

    RenderScene Scene() {
        return RenderScene{.world = world,
                           .view = view,
                           .renderer = renderer,
                           .tuning = tuning,
                           .windowWidth = width_,
                           .windowHeight = height_,
                           .players = players,
                           .localPlayerIndex = localPlayerIndex,
                           .lookPitch = lookPitch,
                           .bullets = bullets,
                           .muzzleFlashes = muzzleFlashes,
                           .explosions = explosions,
                           .captureTheFlag = captureTheFlag,
                           .hud = hud,
                           .counts = counts};
    }

    // Every model's pose at `now`, as the game steps them before a frame is drawn.
    void StepPoses(uint32_t now) {
        StepPlayerPoses(players, now);
        StepBulletPoses(bullets, now);
        StepArenaModelPoses(world.arena, now);
        for (const MuzzleFlash& flash : muzzleFlashes) {
            for (tgeomobject* muzzle : {flash.side, flash.top}) {
                if (muzzle) StepModelPose(*muzzle, now);
            }
        }
    }

    // A frame at `now`: the poses stepped, then the views drawn.
    void DrawSplit(uint32_t now) {
        StepPoses(now);
        UpdateViewCameras(view, tuning, 0);
        DrawSplitView(Scene(), now);
        glFinish();
    }
    void DrawChase(uint32_t now) {
        StepPoses(now);
        DrawChaseView(Scene(), now);
        glFinish();
    }
    void Swap() { SDL_GL_SwapWindow(window_); }

    // The drawn (back) buffer, bottom row first as GL stores it.
    Rgb Pixel(int x, int y) const {
        uint8_t rgb[3] = {};
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
        return {rgb[0], rgb[1], rgb[2]};
    }
    std::vector<uint8_t> Pixels(int x, int y, int width, int height, GLenum format) const {
        const size_t channels = format == GL_RGB ? 3 : 1;
        std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * channels);
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(x, y, width, height, format, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }
    std::vector<Rgb> Colours(int x, int y, int width, int height) const {
        const auto bytes = Pixels(x, y, width, height, GL_RGB);
        std::vector<Rgb> colours;
        for (size_t i = 0; i + 2 < bytes.size(); i += 3)
            colours.push_back({bytes[i], bytes[i + 1], bytes[i + 2]});
        return colours;
    }
    int StencilAt(int x, int y) const {
        uint8_t value = 0;
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(x, y, 1, 1, GL_STENCIL_INDEX, GL_UNSIGNED_BYTE, &value);
        return value;
    }

    // The back buffer as a binary PPM picture, top row first.
    void SavePicture(const std::filesystem::path& file) const {
        const auto pixels = Pixels(0, 0, width_, height_, GL_RGB);
        std::ofstream out(file, std::ios::binary);
        out << "P6\n" << width_ << " " << height_ << "\n255\n";
        for (int row = height_ - 1; row >= 0; --row) {
            out.write(reinterpret_cast<const char*>(pixels.data()) +
                          static_cast<std::ptrdiff_t>(row) * width_ * 3,
                      width_ * 3);
        }
    }

    // The HUD's pictures from the run folder, loaded after the arena's (a level start forgets
    // them).
    HudPictures LoadHudPictures() {
        TextureTable& textures = world.textures;
        const auto arenaPictures = textures.texturesDir;
        textures.texturesDir = kRunDir / "textures";
        const auto load = [&](const char* name) {
            return LoadTexture(textures, *gpu_, name, 1).firstSlot;
        };
        HudPictures pictures{.bullet = load("mi_hud_bullet"),
                             .magazine = load("mi_hud_charger"),
                             .blueFlag = load("mi_hud_blueflag"),
                             .redFlag = load("mi_hud_redflag"),
                             .blueTeam = load("mi_hud_blueteam"),
                             .redTeam = load("mi_hud_redteam"),
                             .statisticsBackground = load("tra_bk")};
        textures.texturesDir = arenaPictures;
        return pictures;
    }

    // Shows `input` over the views: in the game's two HUD fonts, built on first use, and with its
    // pictures loaded after the arena's.
    void ShowHud(HudInput& input) {
        if (!fonts_[0]) {
            for (int i = 0; i < 2; ++i) {
                fonts_[i] = std::make_unique<BitmapFont>();
                fonts_[i]->Build(i == 0 ? 18 : 36);
            }
        }
        renderer.smallFont = fonts_[0].get();
        renderer.largeFont = fonts_[1].get();
        input.pictures = LoadHudPictures();
        hud = &input;
    }

    int Width() const { return width_; }
    int Height() const { return height_; }
    Gpu& gpu() { return *gpu_; }

    Session session;
    World& world = session.world;
    ViewState view;
    Renderer renderer;
    Tuning& tuning = session.tuning;
    std::vector<MatchPlayer>& players = session.play.players;
    std::vector<tbullet>& bullets = session.play.bullets;
    std::vector<MuzzleFlash> muzzleFlashes;
    std::vector<ExplosionSite> explosions;
    int32_t localPlayerIndex = 0;
    float lookPitch = 0;
    bool captureTheFlag = false;
    const HudInput* hud = nullptr;  // no HUD unless a test sets one
    SceneCounts* counts = nullptr;  // what the frames leave out, when set

  private:
    int width_, height_;
    SDL_Window* window_ = nullptr;
    SDL_GLContext context_ = nullptr;
    std::unique_ptr<GlGpu> gpu_;
    std::array<std::unique_ptr<BitmapFont>, 2> fonts_;  // the HUD's, 18 and 36 pixels
};
