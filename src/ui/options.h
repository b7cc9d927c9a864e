// ApplyOptions: takes the options screen's chosen entries ("110%", "1024x768", "Medium", "80%",
// "1024x768", "Vsync", the language), stores them in the user settings and the display settings,
// switches the display mode when the resolution changed, shows the window as chosen, words the
// menus in a newly chosen language at once, and writes conf2.cfg and display.cfg. Called by the
// options screen when the user accepts it.
#pragma once
#include <string>

#include "config/display_settings.h"

struct Frontend;

struct OptionsChoice {
    std::string sensitivity;  // "50%".."150%"
    std::string resolution;   // "800x600"
    std::string detail;       // "Low", "Medium", "High"
    std::string volume;       // "0%".."100%"
    std::string display;      // the window: "Off" (full screen), "1024x768"
    std::string frames;       // "Vsync", "Off", "60"
    LanguageChoice language = LanguageChoice::kEnvironment;
};

// The display list's entry for `settings`, and the frame limit list's.
std::string DisplayText(const DisplaySettings& settings);
std::string FrameLimitText(const DisplaySettings& settings);

// Returns true; throws std::runtime_error when conf2.cfg or display.cfg cannot be written.
bool ApplyOptions(Frontend& frontend, const OptionsChoice& choice);
// Shows the window as the display settings say (full screen or a window) with its vsync.
void ShowDisplay(Frontend& frontend);
