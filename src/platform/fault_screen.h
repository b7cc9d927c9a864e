// The game's own screen for a fault that stops start-up once the window is up. SDL's message
// boxes need a helper program the desktop may lack; this needs only the window and the font.
#pragma once
#include <span>
#include <string>

class BitmapFont;
class SdlMainWindow;

// Draws into the shown window `lines` (Windows-1251) centred one below the other, and returns when
// a key or a mouse button is pressed or the window is closed.
void ShowFaultScreen(SdlMainWindow& window, const BitmapFont& font,
                     std::span<const std::string> lines);
