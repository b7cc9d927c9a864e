// Menu actions that reach the network: joining a server from the join screen and hosting a game
// from the new-game screen. The menus have already closed the screen, released the button and
// remembered the names and address for conf2.cfg when these run. The networking code fills the
// bodies:
//  - ConnectFromMenu: leave the current game when a level is loaded; set the local player's name
//    and team; stop when already connected to `form.address`; otherwise set the client's
//    destination, ShowLoadingFrames, and start connecting.
//  - StartGameFromMenu (only called with at least one chosen map): set the server's name, game
//    type, frag limit, bot count and map rotation (current index 0), the local player's name and
//    team; ShowLoadingFrames; start hosting.
#pragma once
#include "ui/menu_forms.h"

struct Frontend;

void ConnectFromMenu(Frontend& frontend, const ConnectForm& form);
void StartGameFromMenu(Frontend& frontend, const NewGameForm& form);

// One menu frame and one loading frame, drawn at once (nothing without a window).
void ShowLoadingFrames(Frontend& frontend);
// The loading frame alone, as a level restart shows it.
void ShowLoadingFrame(Frontend& frontend);
