// Window input events as the menus and text entry receive them, between frames. The shell turns
// its window system's events into these calls; the menus fill the bodies.
#pragma once
#include <cstdint>

struct Game;

enum class MouseButton { Left, Right, Middle };

void HandleKeyDown(Game& game, uint8_t dik);  // repeats while held, like a window key event
void HandleKeyUp(Game& game, uint8_t dik);
// A typed Windows-1251 character; Backspace, Tab, Enter, Esc and Ctrl+letter arrive as their
// control codes (8, 9, 13, 27, 1..26).
void HandleCharacter(Game& game, uint8_t code);
void HandleMouseButton(Game& game, MouseButton button, bool pressed, int32_t x, int32_t y);
void HandleMouseMove(Game& game, int32_t x, int32_t y);
void HandleMouseWheel(Game& game, int32_t delta);  // 120 per notch, positive away from the user
