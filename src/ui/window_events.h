// Window event handlers: typed characters, virtual keys and the mouse drive the menus and the
// edit boxes; Q switches the view and R reloads during play. The shell calls these for the main
// window's events; characters arrive as Windows-1251 bytes.
#pragma once
#include <cstdint>

#include "ui/key_bindings.h"
#include "ui/widgets.h"

struct Frontend;

// Virtual key codes FormKeyDown acts on.
inline constexpr int32_t kVirtualKeyEnter = 13;
inline constexpr int32_t kVirtualKeyUp = 38;
inline constexpr int32_t kVirtualKeyDown = 40;

void FormKeyPress(Frontend& frontend, uint8_t character);
void FormKeyDown(Frontend& frontend, int32_t virtualKey);
void FormMouseMove(Frontend& frontend, PixelPoint pointer);
void FormClick(Frontend& frontend);
void FormMouseDown(Frontend& frontend, PixelPoint pointer);
void FormMouseUp(Frontend& frontend, PixelPoint pointer);
void FormDblClick(Frontend& frontend);

// A left button press or release as the window reports it: press -> FormMouseDown, and
// FormDblClick for the second press of a double click; release -> FormClick (not after a
// double click's second press) and FormMouseUp.
void FormLeftButton(Frontend& frontend, bool pressed, PixelPoint pointer);
// A DirectInput key went down (repeating while held): Enter, Up and Down reach FormKeyDown.
void FormScanKeyDown(Frontend& frontend, uint8_t dik);
