// The local player's part of the game step: its own motion while alive (keys and mouse, cameras,
// chargers, gravity) and, every frame, the collision and position update and the respawn.
#pragma once

struct Game;
struct Match;

void MoveLocalPlayer(Game& game, Match& match);
void IntegrateLocalPlayer(Game& game, Match& match);
