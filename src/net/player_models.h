// Player models: models are loaded from the player model file (World::playerModelFile) as players
// appear (with their head skin and, in team games, their team skin), each with its two muzzle-flash
// models; a remote player follows what the server reports. Models need a Gpu: a game without one
// keeps only the players' records.
#pragma once
#include <cstdint>

#include "game/match_records.h"
#include "world/geom_object.h"
#include "world/textures.h"

struct Session;
class Gpu;

// The muzzle flash of `player` ("fire" quads on every pose of its "bstart" part); an empty model,
// never drawn, when the player model has no such part.
tgeomobject BuildMuzzleModel(const tgeomobject& player, bool top, TextureTable& textures, Gpu& gpu);

// Loads the model of the player in slot `index`, where it stands, with its skins and muzzle models.
void CreatePlayerModel(Session& session, int32_t index);
// Puts what another machine reported of its player (a table entry) on the player in slot `index`:
// the one place a received record is applied.
void ApplyReportedState(Session& session, int32_t index, const tplayerinfo& record);

// Around a level restart: the skins each model shows are kept while every model is reloaded
// (local player first, other humans next, bots last) with fresh muzzle models.
void SaveModelTextures(Session& session);
void ReloadPlayerModels(Session& session);
void RestoreModelTextures(Session& session);
