#include "app/event_steps.h"

#include "app/game.h"
#include "ui/window_events.h"

void HandleKeyDown(Game& game, uint8_t dik) {
    FormScanKeyDown(game, dik);
}
void HandleKeyUp(Game&, uint8_t) {}  // held keys are read by the keyboard poll
void HandleCharacter(Game& game, uint8_t code) {
    FormKeyPress(game, code);
}
void HandleMouseButton(Game& game, MouseButton button, bool pressed, int32_t x, int32_t y) {
    // The menus answer the left button only; play reads the buttons by polling.
    if (button == MouseButton::Left) FormLeftButton(game, pressed, {x, y});
}
void HandleMouseMove(Game& game, int32_t x, int32_t y) {
    FormMouseMove(game, {x, y});
}
void HandleMouseWheel(Game&, int32_t) {}  // the wheel is read by the mouse poll
