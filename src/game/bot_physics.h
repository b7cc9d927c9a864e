// Bot bodies: the host's per-frame physics of its bots, before they decide anything. A living bot
// collides (with a slimmer body than a player's, so bots crowd less) and keeps what the collision
// left of its motion; a dead one comes back once its respawn delay has passed. Every bot's state
// then goes into its player table entry, from which every machine draws it; the moves themselves
// are applied once all bots have collided, so each saw the others where they stood.
#pragma once

struct Match;

// A bot collides as a cylinder this much narrower than its model.
inline constexpr float kBotCollisionRadiusShare = 0.3f;

void StepBotBodies(Match& match);
