// ApplyOptions: takes the options screen's four chosen entries ("110%", "1024x768", "Medium",
// "80%"), stores them in the user settings, switches the display mode when the resolution
// changed, and writes conf2.cfg. Called by the options screen when the user accepts it.
#pragma once
#include <string>

struct Frontend;

struct OptionsChoice {
    std::string sensitivity;  // "50%".."150%"
    std::string resolution;   // "800x600"
    std::string detail;       // "Low", "Medium", "High"
    std::string volume;       // "0%".."100%"
};

// Returns true; throws std::runtime_error when conf2.cfg cannot be written.
bool ApplyOptions(Frontend& frontend, const OptionsChoice& choice);
