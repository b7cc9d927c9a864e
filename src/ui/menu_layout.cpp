#include "ui/menu_layout.h"

#include <algorithm>

#include "game/bot_skill.h"
#include "ui/game_type_names.h"
#include "ui/menu_phrases.h"
#include "ui/menu_textures.h"
#include "ui/options.h"
#include "ui/select_list.h"

namespace {

constexpr float kButtonHeight = 0.08f;
constexpr float kEditWidth = 0.3f;
constexpr float kEditHeight = 0.08f;
constexpr float kLabelWidth = 0.8f;
constexpr float kLabelHeight = 0.05f;
constexpr float kButtonRowY = -0.37f;

tselectoption Label(const std::string& text, float x, float y) {
    return MakeLabel(text, x, y, kLabelWidth, kLabelHeight);
}

tgbutton Button(const std::string& caption, float x, float y, float w, ClientSize client) {
    return MakeButton(caption, x, y, w, kButtonHeight, client);
}

tgedit Edit(const std::string& text, float x, float y, ClientSize client) {
    return MakeEdit(text, x, y, kEditWidth, kEditHeight, client);
}

std::vector<std::string> Percentages(int32_t from, int32_t to) {
    std::vector<std::string> texts;
    for (int32_t value = from; value <= to; value += 10)
        texts.push_back(std::to_string(value) + "%");
    return texts;
}

int32_t IndexOf(const std::vector<std::string>& texts, const std::string& wanted,
                int32_t fallback) {
    const auto found = std::find(texts.begin(), texts.end(), wanted);
    return found == texts.end() ? fallback : static_cast<int32_t>(found - texts.begin());
}

void BuildEntries(Menus& menus, MenuVariant variant) {
    menus.entries.clear();
    menus.entryActions.clear();
    auto add = [&](const std::string& name, float y, EntryAction action) {
        menus.entries.push_back(MakeMenuItem(name, -0.2f, y, 0.4f, 0.1f));
        menus.entries.back().texture.name = PictureInLanguage(name, menus.language);
        menus.entryActions.push_back(action);
    };
    add("mi_curs", 0.2f, EntryAction::None);
    menus.entries[0].pressedTexture.name = "mi_curs1";
    add("mi_newgame", 0.2f, EntryAction::NewGame);
    add("mi_langame", 0.1f, EntryAction::Join);
    add("mi_options", 0.0f, EntryAction::Options);
    add("mi_exit", -0.1f, EntryAction::Exit);
    if (variant == MenuVariant::InGame) add("mi_continue", 0.3f, EntryAction::Continue);
}

void BuildOptions(tgoptions& screen, const MenuSources& sources, Language language) {
    auto say = [language](const Phrase& phrase) { return std::string(Say(phrase, language)); };
    screen = tgoptions{};
    screen.name = "gopotions";
    const auto sensitivities = Percentages(50, 150);
    const auto sensitivity = std::to_string(sources.mouseSensitivity) + "%";
    screen.sensitivity = MakeOptionList(
        say(kMouseSensitivity), -0.45f, 0.45f, 0.9f, sensitivities,
        IndexOf(sensitivities, sensitivity, IndexOf(sensitivities, "100%", 0)), ListStyle::Options);

    std::vector<std::string> resolutions;
    for (const tdisplaymode& mode : sources.displayModes)
        resolutions.push_back(DisplayModeText(mode));
    const int32_t resolution =
        IndexOf(resolutions, DisplayModeText(sources.savedResolution),
                IndexOf(resolutions, DisplayModeText(sources.currentScreen), 0));
    screen.resolution = MakeOptionList(say(kResolution), -0.45f, 0.35f, 0.9f, resolutions,
                                       resolution, ListStyle::Options);

    // Detail levels count down from high; unknown levels show high, the default.
    const int32_t detail =
        sources.detailLevel >= 0 && sources.detailLevel <= 2 ? 2 - sources.detailLevel : 2;
    screen.detail = MakeOptionList(say(kDetail), -0.45f, 0.25f, 0.9f,
                                   {say(kDetailLow), say(kDetailMedium), say(kDetailHigh)}, detail,
                                   ListStyle::Options);

    const auto volumes = Percentages(0, 100);
    const auto volume = std::to_string(sources.soundVolume) + "%";
    screen.volume =
        MakeOptionList(say(kSoundVolume), -0.45f, 0.15f, 0.9f, volumes,
                       IndexOf(volumes, volume, IndexOf(volumes, "100%", 0)), ListStyle::Options);
    std::vector<std::string> displays = {"Off", "800x600", "1024x768", "1280x720", "1600x900"};
    const std::string display = DisplayText(sources.display);
    if (IndexOf(displays, display, -1) < 0) displays.push_back(display);
    screen.display =
        MakeOptionList(say(kWindow), -0.45f, 0.05f, 0.9f, WordedOptions(displays, language),
                       IndexOf(displays, display, 0), ListStyle::Options);
    std::vector<std::string> limits = {"Vsync", "30", "60", "120", "Off"};
    const std::string limit = FrameLimitText(sources.display);
    if (IndexOf(limits, limit, -1) < 0) limits.push_back(limit);
    screen.frames =
        MakeOptionList(say(kFrameLimit), -0.45f, -0.05f, 0.9f, WordedOptions(limits, language),
                       IndexOf(limits, limit, 0), ListStyle::Options);
    // In the order of LanguageChoice; each language is named in its own words.
    screen.language =
        MakeOptionList(say(kLanguage), -0.45f, -0.15f, 0.9f,
                       {say(kLanguageOfEnvironment), kRussianInRussian, "English"},
                       static_cast<int32_t>(sources.display.language), ListStyle::Options);
    screen.ok = Button(say(kOk), 0.3f, kButtonRowY, 0.15f, sources.client);
    screen.cancel = Button(say(kCancel), 0.1f, kButtonRowY, 0.2f, sources.client);
}

void BuildJoin(tgnetwork& screen, const MenuSources& sources, Language language) {
    auto say = [language](const Phrase& phrase) { return std::string(Say(phrase, language)); };
    screen = tgnetwork{};
    screen.name = "gnetwork";
    screen.playerLabel = Label(say(kPlayerName), -0.2f, 0.4f);
    screen.playerName = Edit(sources.playerName, 0.0f, 0.4f, sources.client);
    screen.playerName.active = true;
    screen.addressLabel = Label(say(kServerIp), -0.2f, 0.3f);
    screen.address = Edit(sources.serverAddress, 0.0f, 0.3f, sources.client);
    // As wide as the panel allows: a row says what each game is.
    screen.servers = MakeSelect(-0.47f, 0.2f, 0.94f, 0.4f);
    screen.team = MakeOptionList(say(kTeam), -0.2f, -0.25f, 0.4f, {say(kBlue), say(kRed)}, 0,
                                 ListStyle::Wrapping);
    screen.connect = Button(say(kConnect), 0.2f, kButtonRowY, 0.3f, sources.client);
    screen.cancel = Button(say(kCancel), 0.0f, kButtonRowY, 0.2f, sources.client);
}

void BuildNewGame(tgnewgame& screen, const MenuSources& sources, Language language) {
    auto say = [language](const Phrase& phrase) { return std::string(Say(phrase, language)); };
    screen = tgnewgame{};
    screen.name = "gnetwork";
    screen.showBots = sources.showBots;
    screen.serverLabel = Label(say(kServerName), -0.49f, 0.4f);
    screen.serverName = Edit(sources.serverName, -0.3f, 0.4f, sources.client);
    screen.playerLabel = Label(say(kPlayerName), -0.49f, 0.3f);
    screen.playerName = Edit(sources.playerName, -0.3f, 0.3f, sources.client);
    screen.fragLabel = Label(say(kFragLimit), -0.49f, 0.2f);
    screen.fragLimit = Edit("5", -0.3f, 0.2f, sources.client);
    screen.botsLabel = Label(say(kBots), 0.05f, 0.4f);
    screen.bots = Edit("0", 0.15f, 0.4f, sources.client);
    // In the order of BotSkill, normal at first. An arrow takes clicks up to 0.075 from its
    // point, so the list keeps clear of the game type's and the map lists' controls: under the
    // available maps, left of the buttons.
    screen.botSkill = MakeOptionList(say(kBotSkill), -0.47f, -0.41f, 0.43f,
                                     {say(kSkillEasy), say(kSkillNormal), say(kSkillHard)},
                                     static_cast<int32_t>(BotSkill::kNormal), ListStyle::Wrapping);
    screen.available = MakeSelect(-0.45f, 0.05f, 0.4f, 0.4f);
    SetSelectItems(screen.available, sources.mapNames);
    screen.chosen = MakeSelect(0.05f, 0.05f, 0.4f, 0.4f);
    screen.add = Button(">>", -0.05f, 0.05f, 0.1f, sources.client);
    screen.remove = Button("<<", -0.05f, -0.05f, 0.1f, sources.client);
    screen.gameType =
        MakeOptionList(say(kGameType), 0.07f, 0.25f, 0.4f,
                       {say(GameTypePhrase(kDeathMatch)), say(GameTypePhrase(kCaptureTheFlag)),
                        say(GameTypePhrase(kTeamDeathMatch))},
                       0, ListStyle::Wrapping);
    screen.team = MakeOptionList(say(kTeam), 0.07f, 0.15f, 0.4f, {say(kBlue), say(kRed)}, 0,
                                 ListStyle::Wrapping);
    screen.start = Button(say(kStartGame), 0.2f, kButtonRowY, 0.3f, sources.client);
    screen.cancel = Button(say(kCancel), 0.0f, kButtonRowY, 0.2f, sources.client);
    // Room under the buttons for the note.
    screen.h = 1.1f;
    if (sources.mapNames.empty()) LayOutNewGameNote(screen, say(kNoMaps), say(kNoMapFiles));
}

}  // namespace

void BuildMenuScreens(Menus& menus, const MenuSources& sources) {
    menus.variant = sources.variant;
    menus.client = sources.client;
    BuildEntries(menus, sources.variant);
    BuildOptions(menus.options, sources, menus.language);
    BuildJoin(menus.join, sources, menus.language);
    BuildNewGame(menus.newGame, sources, menus.language);
    LayOutMessageBox(menus.message, sources.client, Say(kServerSilent, menus.language), "");
}

void LayOutNewGameNote(tgnewgame& screen, const std::string& text, const std::string& detail) {
    screen.note = Label(CutText(text), -0.49f, -0.465f);
    screen.noteDetail = Label(CutText(detail), -0.49f, -0.515f);
}

void LayOutMessageBox(tgmes& screen, ClientSize client, const std::string& text,
                      const std::string& detail) {
    screen = tgmes{};
    screen.name = "gnetwork";
    screen.y = 0.25f;
    screen.h = 0.5f;
    if (detail.empty()) {
        screen.x = -0.25f;
        screen.w = 0.5f;
        screen.message = Label(text, -0.13f, 0.05f);
    } else {
        // A sentence and a file's fault need more room than the server's three words; a fault
        // longer than a label holds goes on below, broken at a space.
        screen.x = -0.7f;
        screen.w = 1.4f;
        screen.message = Label(text, -0.64f, 0.12f);
        size_t cut = detail.size();
        if (cut > kWidgetTextCapacity) {
            cut = detail.rfind(' ', kWidgetTextCapacity);
            if (cut == std::string::npos || cut == 0) cut = kWidgetTextCapacity;
        }
        screen.detail = Label(detail.substr(0, cut), -0.64f, 0.05f);
        if (cut < detail.size()) {
            const size_t rest = detail[cut] == ' ' ? cut + 1 : cut;
            screen.detailRest = Label(detail.substr(rest), -0.64f, -0.01f);
        }
    }
    screen.ok = Button("OK", -0.15f, -0.12f, 0.3f, client);
}
