// Player bodies: the one physics step of every player this machine runs, its own and on the host
// its bots, once per frame after they chose their commands (player_command.h): a living player
// moves by its kept velocity through gravity and the collision (player_physics.h), a bot with a
// slimmer body than a player's so bots crowd less; a dead one comes back once its respawn delay
// has passed. Every bot's state then goes into its server table entry, from which every machine
// draws it. Other machines' players move by their reports only.
#pragma once

struct Match;

// A bot collides as a cylinder this much narrower than its model.
inline constexpr float kBotCollisionRadiusShare = 0.3f;

void StepPlayerBodies(Match& match);
