#include "app/event_steps.h"

#include "app/game.h"

// menus: every body below (key, character and mouse handlers).
void HandleKeyDown(Game&, uint8_t) {}
void HandleKeyUp(Game&, uint8_t) {}
void HandleCharacter(Game&, uint8_t) {}
void HandleMouseButton(Game&, MouseButton, bool, int32_t, int32_t) {}
void HandleMouseMove(Game&, int32_t, int32_t) {}
void HandleMouseWheel(Game&, int32_t) {}
