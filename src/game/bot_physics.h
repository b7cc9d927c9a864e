// Bot bodies: the host's per-frame physics of its bots, before they decide anything (bots.h): a
// living bot moves by the velocity it chose last frame through the same gravity step and
// integration as the local player (player_physics.h), colliding with a slimmer body than a
// player's so bots crowd less; a dead one comes back once its respawn delay has passed. Every
// bot's state then goes into its player table entry, from which every machine draws it.
#pragma once

struct Match;

// A bot collides as a cylinder this much narrower than its model.
inline constexpr float kBotCollisionRadiusShare = 0.3f;

void StepBotBodies(Match& match);
