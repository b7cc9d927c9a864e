// The local player's part of the game step: its own motion while alive (keys and mouse, cameras,
// chargers, gravity) and, every frame, the collision and position update and the respawn.
#pragma once

struct Game;
struct InputState;
struct MovementControls;

// The movement controls the polled keys and axes give this frame.
MovementControls ControlsFromInput(const InputState& input);

void MoveLocalPlayer(Game& game);
void IntegrateLocalPlayer(Game& game);
