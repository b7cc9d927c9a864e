#include "ui/menu_forms.h"

#include <algorithm>

#include "ui/widgets.h"

namespace {

constexpr const char* kLoopbackAddress = "127.0.0.1";

int32_t DetailLevelOf(const std::string& text) {
    if (text == "Low") return 2;
    if (text == "Medium") return 1;
    return 0;
}

}  // namespace

int32_t LeadingNumber(const std::string& text) {
    int32_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = std::min(value * 10 + (c - '0'), 1000000);
    }
    return value;
}

bool FindResolution(const std::vector<ScreenSize>& modes, const std::string& text,
                    ScreenSize& found) {
    for (ScreenSize mode : modes) {
        if (ResolutionText(mode) == text) {
            found = mode;
            return true;
        }
    }
    return false;
}

OptionsForm ReadOptionsForm(const tgoptions& screen) {
    OptionsForm form;
    form.mouseSensitivity = LeadingNumber(screen.sensitivity.valueText);
    form.resolution = screen.resolution.valueText;
    form.detailLevel = DetailLevelOf(screen.detail.valueText);
    form.soundVolume = LeadingNumber(screen.volume.valueText);
    return form;
}

ConnectForm ReadConnectForm(const tgnetwork& screen) {
    ConnectForm form;
    form.playerName = CutText(screen.playerName.text, kPlayerNameLimit);
    form.team = screen.team.current;
    form.address = screen.address.text.empty() ? kLoopbackAddress : screen.address.text;
    return form;
}

NewGameForm ReadNewGameForm(const tgnewgame& screen) {
    NewGameForm form;
    form.serverName = CutText(screen.serverName.text, kServerNameLimit);
    form.gameType = screen.gameType.current;
    form.fragLimit = LeadingNumber(screen.fragLimit.text);
    form.botCount = std::min(LeadingNumber(screen.bots.text), kMaxBots);
    form.playerName = CutText(screen.playerName.text, kPlayerNameLimit);
    form.team = screen.team.current;
    for (const tselectoption& row : screen.chosen.items) form.maps.push_back(row.label);
    return form;
}
