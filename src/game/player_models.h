// Player models: models are loaded from the player model file (World::playerModelFile) as the
// roster seats players (with their head skin and, in team games, their team skin), each with its
// two muzzle-flash models; a remote player's pose shows what its machine reports. Models need a
// Gpu: a game without one keeps only the players' records.
#pragma once
#include <cstdint>

#include "game/match_records.h"
#include "world/geom_object.h"
#include "world/textures.h"

struct Match;
struct MatchPlayer;
class Gpu;

// The muzzle flash of `player` ("fire" quads on every pose of its "bstart" part); an empty model,
// never drawn, when the player model has no such part.
tgeomobject BuildMuzzleModel(const tgeomobject& player, bool top, TextureTable& textures, Gpu& gpu);

// Loads the model of the player in slot `index`, where it stands, with its skins and muzzle models.
void CreatePlayerModel(Match& match, int32_t index);
// Shows a player as its own machine reported it (a table entry): animation and pace, whether dead.
// The roster's ApplyReportedState is its one caller; place, heading and aim follow the reported
// path (game/remote_motion.h).
void ShowReportedPose(MatchPlayer& player, const tplayerinfo& record);
// Stands a player at `position` facing `yaw`, its arm and muzzle raised to `aimPitch`.
void ShowMotion(MatchPlayer& player, const tvec3& position, float yaw, float aimPitch);

// Around a level restart: the skins each model shows are kept while every model is reloaded
// (local player first, other humans next, bots last) with fresh muzzle models.
void SaveModelTextures(Match& match);
void ReloadPlayerModels(Match& match);
void RestoreModelTextures(Match& match);
