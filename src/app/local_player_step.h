// The local player's part of the game step: its own motion while alive (keys and mouse, cameras,
// chargers, gravity) and, every frame, the collision and position update and the respawn.
#pragma once

struct Game;

void MoveLocalPlayer(Game& game);
void IntegrateLocalPlayer(Game& game);
