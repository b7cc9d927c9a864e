// Input polling: once per frame the frame loop turns the polled key and mouse state into the
// movement and fire controls, raises the editing commands (Delete, Ctrl+C, Ctrl+X, Ctrl+V) on
// their release and hands them to the focused edit box, and shows the cursor only in the menus.
#pragma once
#include <cstdint>

struct Frontend;
struct InputState;
struct Menus;
struct Tuning;
class Clipboard;
class MainWindow;

void PollKeyboard(InputState& input, Menus& menus, Clipboard& clipboard);
void PollMouse(InputState& input, const Tuning& tuning);
// The cursor shows while the menus are up and hides during play (the mouse then turns the view).
void UpdateCursor(Menus& menus, MainWindow& window, int32_t playState);

// The frame's whole input step: keyboard, mouse (look, wheel, chase-camera zoom), cursor.
void PollInput(Frontend& frontend);
