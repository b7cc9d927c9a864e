// Menus: the menu screens, their widgets and the screen state.
#pragma once

struct Menus {};
