// Window event handlers: typed characters, virtual keys and the mouse drive the menus and the
// edit boxes; Q switches the view and R reloads during play. The shell calls these for the main
// window's events; characters arrive as Windows-1251 bytes.
#pragma once
#include <cstdint>

#include "ui/widgets.h"

struct Game;

// Virtual key codes FormKeyDown acts on.
inline constexpr int32_t kVirtualKeyEnter = 13;
inline constexpr int32_t kVirtualKeyUp = 38;
inline constexpr int32_t kVirtualKeyDown = 40;
inline constexpr uint8_t kEscapeCharacter = 27;

void FormKeyPress(Game& game, uint8_t character);
void FormKeyDown(Game& game, int32_t virtualKey);
void FormMouseMove(Game& game, PixelPoint pointer);
void FormClick(Game& game);
void FormMouseDown(Game& game, PixelPoint pointer);
void FormMouseUp(Game& game, PixelPoint pointer);
void FormDblClick(Game& game);

// A left button press or release as the window reports it: press -> FormMouseDown, and
// FormDblClick for the second press of a double click; release -> FormClick (not after a
// double click's second press) and FormMouseUp.
void FormLeftButton(Game& game, bool pressed, PixelPoint pointer);
// A DirectInput key went down (repeating while held): Enter, Up and Down reach FormKeyDown.
void FormScanKeyDown(Game& game, uint8_t dik);
