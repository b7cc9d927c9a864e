// Runs what an accepted menu screen asks for: applying the options, joining, hosting, or
// closing the program. Also the menu hooks of the frame loop and start-up.
#pragma once
#include <string>

#include "ui/menus.h"
#include "ui/screen_flow.h"

struct Frontend;

void RunMenuRequest(Frontend& frontend, MenuRequest request);
// Opens the message box with `text` (and `detail`, a second line when not empty) over the current
// menu; whatever screen was open gives way to it. While the box shows another message, this one
// waits its turn.
void ShowMenuMessage(Menus& menus, const std::string& text, const std::string& detail);
// The server did not answer in time: the message box says so over the current menu.
void ShowServerSilentMessage(Frontend& frontend);
// Out of play, a level that did not load (hosting or joining) is told once, with its cause.
void ShowLevelFailure(Frontend& frontend);
