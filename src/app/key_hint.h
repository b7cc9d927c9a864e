// The key hint: the HUD's lines that tell a new player the keys, worded in the player's language
// from the key bindings the game reads (ui/key_bindings.h). They show during the first level of
// each run of the program (app/hud_feed.h).
#pragma once
#include <string>
#include <vector>

#include "base/phrase.h"

// Lines of at most 64 characters, the view and menu keys first.
std::vector<std::string> KeyHintLines(Language language);
