#include "ui/screen_flow.h"

#include <cmath>

#include "ui/menu_layout.h"
#include "ui/menu_phrases.h"
#include "ui/select_list.h"

namespace {

constexpr float kSameRow = 0.001f;
constexpr float kEntryStep = 0.1f;

int32_t OverlayOffset(Overlay overlay) {
    switch (overlay) {
        case Overlay::Options:
            return 2;
        case Overlay::Join:
            return 8;
        case Overlay::NewGame:
            return 10;
        case Overlay::Message:
            return 12;
        case Overlay::None:
            break;
    }
    return 0;
}

float EntryY(const Menus& menus, EntryAction action) {
    for (std::size_t i = 1; i < menus.entries.size(); ++i) {
        if (menus.entryActions[i] == action) return menus.entries[i].y;
    }
    return 0;
}

// The top entry: continue in the in-game menu, new game in the main menu.
float TopEntryY(const Menus& menus) {
    return menus.variant == MenuVariant::InGame ? EntryY(menus, EntryAction::Continue)
                                                : EntryY(menus, EntryAction::NewGame);
}

void ReleaseButton(tgbutton& button) {
    button.pressed = false;
    button.state = 0;
}

void SetFocus(tgedit* const* boxes, int count, uint8_t chosen) {
    for (int i = 0; i < count; ++i) {
        boxes[i]->active = i == chosen;
        boxes[i]->selectAll = i == chosen;
    }
}

}  // namespace

Overlay OverlayOf(int32_t screenState) {
    switch (screenState) {
        case kOptionsOverMain:
        case kOptionsOverGame:
            return Overlay::Options;
        case kJoinOverMain:
        case kJoinOverGame:
            return Overlay::Join;
        case kNewGameOverMain:
        case kNewGameOverGame:
            return Overlay::NewGame;
        case kMessageOverMain:
        case kMessageOverGame:
            return Overlay::Message;
        default:
            return Overlay::None;
    }
}

int32_t MenuUnder(int32_t screenState) {
    const Overlay overlay = OverlayOf(screenState);
    return overlay == Overlay::None ? screenState : screenState - OverlayOffset(overlay);
}

bool InMenu(int32_t screenState) {
    return screenState == kMainMenu || screenState == kInGameMenu;
}

tgform& FormOf(Menus& menus, Overlay overlay) {
    switch (overlay) {
        case Overlay::Options:
            return menus.options;
        case Overlay::Join:
            return menus.join;
        case Overlay::NewGame:
            return menus.newGame;
        default:
            return menus.message;
    }
}

void OpenScreen(Menus& menus, Overlay overlay) {
    if (!InMenu(menus.screenState) || overlay == Overlay::None) return;
    menus.screenState += OverlayOffset(overlay);
    FormOf(menus, overlay).open = true;
}

void CloseScreen(Menus& menus) {
    const Overlay overlay = OverlayOf(menus.screenState);
    if (overlay == Overlay::None) return;
    FormOf(menus, overlay).open = false;
    menus.screenState -= OverlayOffset(overlay);
    if (overlay == Overlay::Message && !menus.waitingMessages.empty()) {
        const MenuMessage next = std::move(menus.waitingMessages.front());
        menus.waitingMessages.pop_front();
        LayOutMessageBox(menus.message, menus.client, next.text, next.detail);
        OpenScreen(menus, Overlay::Message);
    }
}

void HandleEscape(Menus& menus, int32_t& playState) {
    // While a match is on screen no menu shows, whatever state the menus were left in.
    if (menus.screenState == kPlaying || playState == 1) {
        menus.screenState = kInGameMenu;
        playState = 0;
    } else if (menus.screenState == kInGameMenu) {
        menus.screenState = kPlaying;
        playState = 1;
    } else {
        CloseScreen(menus);
    }
}

int32_t EntryUnderBar(const Menus& menus) {
    if (menus.entries.empty()) return -1;
    const float barY = menus.entries[0].y;
    for (std::size_t i = 1; i < menus.entries.size(); ++i) {
        if (std::fabs(menus.entries[i].y - barY) < kSameRow) return static_cast<int32_t>(i);
    }
    return -1;
}

void MoveBarUp(Menus& menus) {
    if (menus.entries.empty()) return;
    tmenuitem& bar = menus.entries[0];
    if (bar.y < TopEntryY(menus) - kSameRow) bar.y += kEntryStep;
}

void MoveBarDown(Menus& menus) {
    if (menus.entries.empty()) return;
    tmenuitem& bar = menus.entries[0];
    if (bar.y > EntryY(menus, EntryAction::Exit) + kSameRow) bar.y -= kEntryStep;
}

MenuRequest PerformEntry(Menus& menus, int32_t entry, int32_t& playState) {
    if (entry < 1 || entry >= static_cast<int32_t>(menus.entryActions.size()))
        return MenuRequest::None;
    switch (menus.entryActions[entry]) {
        case EntryAction::NewGame:
            OpenScreen(menus, Overlay::NewGame);
            FocusNewGameBox(menus.newGame, 0);
            break;
        case EntryAction::Join:
            OpenScreen(menus, Overlay::Join);
            break;
        case EntryAction::Options:
            OpenScreen(menus, Overlay::Options);
            break;
        case EntryAction::Exit:
            return MenuRequest::Exit;
        case EntryAction::Continue:
            menus.screenState = kPlaying;
            playState = 1;
            break;
        case EntryAction::None:
            break;
    }
    return MenuRequest::None;
}

MenuRequest HandleEnter(Menus& menus, int32_t& playState) {
    if (InMenu(menus.screenState)) return PerformEntry(menus, EntryUnderBar(menus), playState);
    switch (OverlayOf(menus.screenState)) {
        case Overlay::Options:
            return AcceptOptions(menus);
        case Overlay::Join:
            return AcceptConnect(menus);
        case Overlay::NewGame:
            return AcceptStartGame(menus);
        case Overlay::Message:  // the box has one button: Enter presses it
            CloseScreen(menus);
            return MenuRequest::None;
        default:
            return MenuRequest::None;
    }
}

MenuRequest AcceptOptions(Menus& menus) {
    CloseScreen(menus);
    ReleaseButton(menus.options.ok);
    return MenuRequest::ApplyOptions;
}

MenuRequest AcceptConnect(Menus& menus) {
    CloseScreen(menus);
    ReleaseButton(menus.join.connect);
    return MenuRequest::Connect;
}

MenuRequest AcceptStartGame(Menus& menus) {
    tgnewgame& screen = menus.newGame;
    ReleaseButton(screen.start);
    if (screen.chosen.items.empty()) AddChosenMap(screen);
    if (screen.chosen.items.empty()) {
        TellNoMapChosen(menus);
        return MenuRequest::None;
    }
    CloseScreen(menus);
    return MenuRequest::StartGame;
}

void TellOnNewGameScreen(Menus& menus, const std::string& text, const std::string& detail) {
    if (!menus.newGame.open) {
        // A level start that failed after rebuilding the menus left them set for play.
        if (menus.screenState == kPlaying) menus.screenState = kMainMenu;
        OpenScreen(menus, Overlay::NewGame);
    }
    LayOutNewGameNote(menus.newGame, text, detail);
}

void TellNoMapChosen(Menus& menus) {
    if (menus.newGame.available.items.empty()) {
        TellOnNewGameScreen(menus, Say(kNoMaps, menus.language), Say(kNoMapFiles, menus.language));
    } else {
        TellOnNewGameScreen(menus, Say(kChooseMap, menus.language), "");
    }
}

void FocusJoinBox(tgnetwork& screen, uint8_t box) {
    tgedit* boxes[] = {&screen.playerName, &screen.address};
    SetFocus(boxes, 2, box);
    screen.focus = box;
}

void FocusNewGameBox(tgnewgame& screen, uint8_t box) {
    tgedit* boxes[] = {&screen.serverName, &screen.bots, &screen.playerName, &screen.fragLimit};
    SetFocus(boxes, 4, box);
    screen.focus = box;
}

void AdvanceFocus(Menus& menus) {
    switch (OverlayOf(menus.screenState)) {
        case Overlay::Join: {
            const uint8_t focus = menus.join.focus;
            FocusJoinBox(menus.join, focus == 0 ? 1 : 0);
            break;
        }
        case Overlay::NewGame: {
            const uint8_t focus = menus.newGame.focus;
            FocusNewGameBox(menus.newGame, focus >= 3 ? 0 : focus + 1);
            break;
        }
        default:
            break;
    }
}

void AddChosenMap(tgnewgame& screen) {
    const int32_t selected = screen.available.selected;
    if (selected < 0 || selected >= static_cast<int32_t>(screen.available.items.size())) return;
    AddSelectItem(screen.chosen, screen.available.items[selected].label);
    // A note about the rotation is out of date once it changes.
    LayOutNewGameNote(screen, "", "");
}

void RemoveChosenMap(tgnewgame& screen) {
    const int32_t selected = screen.chosen.selected;
    if (selected < 0 || selected >= static_cast<int32_t>(screen.chosen.items.size())) return;
    RemoveSelectItem(screen.chosen, selected);
}

ActiveEdit FindActiveEdit(Menus& menus) {
    const auto first = [](std::initializer_list<ActiveEdit> boxes) {
        for (const ActiveEdit& each : boxes) {
            if (each.box->active) return each;
        }
        return ActiveEdit{};
    };
    switch (OverlayOf(menus.screenState)) {
        case Overlay::Join:
            return first({{&menus.join.playerName, EditMode::Text},
                          {&menus.join.address, EditMode::Address}});
        case Overlay::NewGame:
            return first({{&menus.newGame.serverName, EditMode::Text},
                          {&menus.newGame.bots, EditMode::Number},
                          {&menus.newGame.playerName, EditMode::Text},
                          {&menus.newGame.fragLimit, EditMode::Number}});
        default:
            return {};
    }
}
