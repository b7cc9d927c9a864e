// Runs what an accepted menu screen asks for: applying the options, joining, hosting, or
// closing the program. Also the menu hooks of the frame loop and start-up.
#pragma once
#include "ui/menus.h"
#include "ui/screen_flow.h"

struct Frontend;

void RunMenuRequest(Frontend& frontend, MenuRequest request);
// The server did not answer in time: the message box opens over the current menu.
void ShowServerSilentMessage(Frontend& frontend);
