// Drawing objects for the scene renderer: any model from its own vertex arrays (flags, chargers,
// muzzle flashes, explosions), players from the shared player-mesh buffers (one, or all grouped by
// picture), one arena cylinder from the arena buffers, and the test for platforms hanging over
// the local player. Drawing reads the poses the game step gave the models (their animations,
// texture frames and muzzle point) and only resolves their texture slots.
#pragma once
#include <cstdint>
#include <span>

#include "game/match_player.h"
#include "render/model_runs.h"
#include "world/arena.h"
#include "world/geom_object.h"
#include "world/textures.h"

// Each part's runs in turn, hinged about the part's pivot by its pitch, turned by the yaw and
// moved to the position, one glDrawArrays per run from the model's vertices. Leaves the vertex
// arrays switched as it found them, pointing into the model. Ends with 2D texturing off.
void DrawModel(tgeomobject& object, const TextureTable& textures);

// The same from the player buffers (one glDrawArrays per run) in the pose `look` picks; the
// caller has switched the vertex, normal and texture-coordinate arrays on.
void DrawPlayerModel(tgeomobject& object, const TextureTable& textures,
                     const VertexBufferSet& playerBuffers, PoseLook look);

// Every player's model but the one at `skipped` and those blinking out (PlayerBlinkedOut), as
// DrawPlayerModel would draw them one after another, except that when all their pictures are opaque
// the runs sharing a picture are drawn together: each change of texture costs the software
// rasteriser more than a small draw.
void DrawPlayerModelsByPicture(std::span<MatchPlayer> players, size_t skipped,
                               const TextureTable& textures, const VertexBufferSet& playerBuffers,
                               PoseLook look, uint32_t now);

// A player just come into play blinks while its protection lasts: this is its dark half.
bool PlayerBlinkedOut(const MatchPlayer& player, uint32_t now);

// Caps from the arena triangle buffers, then the side from the arena quad buffers, each with its
// own texture slot; the caller has switched the arrays on.
void DrawCylinder(const tgeomobject& cylinder, const TextureTable& textures,
                  const VertexBufferSet& arenaBuffers, int32_t capSlot, int32_t sideSlot);

// Cylinder k hangs over `player` close enough to hide him from the cameras above: its bottom is
// above him and its axis less than 20 units away horizontally. False for an unknown k.
bool IsNearCylinder(std::span<const tcylinderbounds> cylinderBounds, int32_t k, tvec3 player);
