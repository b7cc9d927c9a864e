// RenderScene: everything one 3D frame draws, gathered by the caller (the shell from the Game, the
// tests and benchmarks from their own set-ups). The renderer reads the lists and the poses the
// game step gave the models; it keeps nothing between frames but resolved texture slots.
#pragma once
#include <cstdint>
#include <span>

#include "config/tuning.h"
#include "game/hud_input.h"
#include "game/match_player.h"
#include "game/view_state.h"
#include "render/renderer_state.h"
#include "world/world.h"

// The two muzzle-flash models of one player and the time of its last shot.
struct MuzzleFlash {
    tgeomobject* side = nullptr;
    tgeomobject* top = nullptr;
    uint32_t shotTime = 0;
};

// Where a bullet ended, with the angles its explosion quads are turned by.
struct ExplosionSite {
    tvec3 position;
    float pitch = 0;
    float sideYaw = 0;
    float topYaw = 0;
};

// What a frame left out of its drawing, counted for the benchmarks.
struct SceneCounts {
    int32_t cylindersOutsideView = 0;  // arena cylinders wholly outside a view's volume
    int32_t cylindersHidden = 0;       // arena cylinders wholly behind nearer ones
    int32_t sidesHidden = 0;           // sides of the others wholly behind nearer ones
};

struct RenderScene {
    World& world;              // textures, arena, charger, flag and explosion models
    const ViewState& view;     // cameras and lights
    const Renderer& renderer;  // fonts
    const Tuning& tuning;
    int32_t windowWidth = 0, windowHeight = 0;

    std::span<MatchPlayer> players{};  // one per player slot; drawn when it has a model
    int32_t localPlayerIndex = 0;
    float lookPitch = 0;  // the local player's view pitch, degrees (chase view aiming line)
    std::span<tbullet> bullets{};
    std::span<const MuzzleFlash> muzzleFlashes{};
    std::span<const ExplosionSite> explosions{};
    bool captureTheFlag = false;    // the flags are drawn only in that game type
    const HudInput* hud = nullptr;  // what the HUD shows; no HUD without it
    uint32_t now = 0;               // the frame's tick, for what blinks
    SceneCounts* counts = nullptr;  // added to when given

    const tgeomobject* LocalPlayer() const {
        if (localPlayerIndex < 0 || static_cast<size_t>(localPlayerIndex) >= players.size())
            return nullptr;
        const MatchPlayer& local = players[static_cast<size_t>(localPlayerIndex)];
        return local.hasModel ? &local.model : nullptr;
    }
};
