// The passes both 3D views are assembled from: sky panorama, floor, the moving models, the arena
// cylinders, chargers, muzzle flashes and explosions, and the see-through platforms. Each pass
// sets the GL state it names and leaves the rest as it found it; split_view and chase_view call
// them in their order.
#pragma once
#include <cstdint>
#include <optional>

#include "render/floor_rows.h"
#include "render/model_runs.h"
#include "render/scene.h"

// Turns and moves the world around the local player, after the camera's gluLookAt.
void ApplyPlayerFrame(const tgeomobject& player);

// The sky picture across the viewport at z = 0, from texture column u0 to u1, depth test off.
void DrawSkyPanorama(const RenderScene& scene, float u0, float u1);

// Whether the floor may wait until the cylinders are drawn, and the sky until both are, each
// filling only what is still empty: they may when the floor and the cylinders hide whatever lies
// behind them (their pictures are opaque).
bool SkyCanGoBehind(const RenderScene& scene);

// The sky picture only where nothing has been drawn yet (the depth is still cleared), never in
// `floorRows` (those the floor filled, from DrawFloor); keeps the matrix and leaves the depth test
// on, lighting off.
void DrawSkyBehindScene(const RenderScene& scene, float u0, float u1, RowSpan floorRows);

// kBehindScene: drawn after the opaque cylinders, the floor fills only the pixels nothing has
// covered yet (the depth is still cleared) and marks them with the farthest depth short of
// cleared, so that it hides nothing and a sky drawn behind the scene leaves it alone. Leaves the
// depth test on.
enum class FloorDepth { kAsSet, kBehindScene };

// The textured floor square at y = 0; the picture repeats every 10 units. Behind the scene, gives
// the window rows it fills edge to edge (none otherwise).
RowSpan DrawFloor(const RenderScene& scene, FloorDepth depth = FloorDepth::kAsSet);

enum class FlagLighting { kLit, kUnlit };

// Bullets in flight, the other players (in the pose `look` picks), the local player, and the two
// flags in capture the flag; the caller has switched the vertex arrays on (the players draw from
// buffers).
void DrawMovingModels(const RenderScene& scene, FlagLighting flagLighting, PoseLook look);

// Every arena cylinder, one glDrawArrays per texture batch (caps, then sides), or, when they are
// opaque, one by one nearest first, leaving out those wholly outside the view volume; those
// wholly beyond `nearPlane` (the camera's) with their back faces culled, as their front faces hide
// them anyway.
void DrawArenaBatches(const RenderScene& scene, float nearPlane);

// The cylinders that do not hang over the local player, each with its own two textures; opaque
// ones wholly outside the view volume are left out. Given the camera's `nearPlane`, so are those
// wholly beyond it that nearer ones hide on every pixel, and the sides they hide of others.
// Expects back faces culled.
void DrawSolidCylinders(const RenderScene& scene, std::optional<float> nearPlane);

// Columns of the sky picture across the viewport.
struct SkyColumns {
    float u0 = 0, u1 = 0;
};

// The solid cylinders and the moving models (flags unlit) of the top and chase views. In an
// opaque scene (`behindScene`) the cylinders go first and the floor, then the sky if one is given,
// fill only what they leave; otherwise the models go first, over a floor and sky already drawn.
// The cylinders as DrawSolidCylinders draws them, given `nearPlane` or not. Expects lighting, the
// vertex arrays and back-face culling on.
void DrawSolidCylindersAndModels(const RenderScene& scene, std::optional<float> nearPlane,
                                 bool behindScene, std::optional<SkyColumns> sky, PoseLook look);

// Chargers whose respawn delay has passed since they were last taken.
void DrawChargers(const RenderScene& scene, uint32_t now);

enum class EffectVariant { kSide, kTop };

// Flashes of the players who fired less than FIRE_TIMEOUT ago, then the explosions.
void DrawMuzzleFlashes(const RenderScene& scene, uint32_t now, EffectVariant variant);
void DrawExplosions(const RenderScene& scene, EffectVariant variant);

// Static shadow discs in `alpha` black with texturing off, leaving out those the view cannot show
// (`nearPlane` is the current projection's), then, when `playerShadowHeight` is given, a disc
// under every player at that height; texturing and white come back after.
void DrawShadowPass(const RenderScene& scene, float alpha, float nearPlane,
                    std::optional<float> playerShadowHeight);

// Platforms hanging over the local player, half transparent; the stencil lets each pixel blend
// once however many faces cover it. Ends with depth test, blending and stencil off, lighting on.
void DrawSeeThroughCylinders(const RenderScene& scene);
