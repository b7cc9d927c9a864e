#include "ui/menu_forms.h"

#include <algorithm>

#include "ui/menu_phrases.h"
#include "ui/widgets.h"

namespace {

constexpr const char* kLoopbackAddress = "127.0.0.1";

// The leading decimal digits of a text as a number (0 when there are none), saturating.
int32_t LeadingNumber(const std::string& text) {
    int32_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = std::min(value * 10 + (c - '0'), 1000000);
    }
    return value;
}

}  // namespace

OptionsChoice ReadOptionsChoice(const tgoptions& screen, Language language) {
    auto english = [language](const tglist& list) {
        return EnglishOption(list.valueText, language);
    };
    return {english(screen.sensitivity),
            english(screen.resolution),
            english(screen.detail),
            english(screen.volume),
            english(screen.display),
            english(screen.frames),
            static_cast<LanguageChoice>(screen.language.current)};
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
    form.botSkill = static_cast<BotSkill>(std::clamp(screen.botSkill.current, 0, 2));
    form.playerName = CutText(screen.playerName.text, kPlayerNameLimit);
    form.team = screen.team.current;
    for (const tselectoption& row : screen.chosen.items) form.maps.push_back(row.label);
    return form;
}
