// Player models: the visible side of the client's per-player state. Models are loaded from
// the player model file (World::playerModelFile) as players appear (with their head skin and, in
// team games, their team skin), each with its two muzzle-flash models, and removed as players
// leave; a remote player's model follows what the server reports, and the local model is what the
// client reports. Models need a Gpu: a game without one (the headless tests) keeps only the network
// state.
#pragma once
#include <cstdint>

#include "world/geom_object.h"
#include "world/textures.h"

struct Session;
class Gpu;

// The muzzle flash of `player` ("fire" quads on every pose of its "bstart" part); an empty model,
// never drawn, when the player model has no such part.
tgeomobject BuildMuzzleModel(const tgeomobject& player, bool top, TextureTable& textures, Gpu& gpu);

// Loads the model of player `index` (which must be the next model) from the client's presence.
void CreatePlayerModel(Session& session, int32_t index);
void RemovePlayerModel(Session& session, int32_t index);
// Puts a remote player's reported state on its model.
void ApplyPresenceToModel(Session& session, int32_t index);
// Reads the local player's (or a host-run bot's) model into its presence before reporting it.
void ReadModelIntoPresence(Session& session, int32_t index);

// Around a level restart: the skins each model shows are kept while every model is reloaded
// (local player first, other humans next, bots last) with fresh muzzle models.
void SaveModelTextures(Session& session);
void ReloadPlayerModels(Session& session);
void RestoreModelTextures(Session& session);
