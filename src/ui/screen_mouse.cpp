#include "ui/screen_mouse.h"

#include <vector>

#include "ui/select_list.h"

namespace {

int32_t EntryUnder(const Menus& menus, PixelPoint pointer) {
    for (std::size_t i = 1; i < menus.entries.size(); ++i) {
        if (Contains(menus.entries[i], pointer, menus.client)) return static_cast<int32_t>(i);
    }
    return -1;
}

void PressIfUnder(tgbutton& button, PixelPoint pointer, ClientSize client) {
    if (Contains(button, pointer, client)) button.pressed = true;
}

void Release(tgbutton& button) {
    button.pressed = false;
}

MenuRequest ClickJoin(Menus& menus, PixelPoint pointer) {
    tgnetwork& screen = menus.join;
    if (Contains(screen.connect, pointer, menus.client)) return AcceptConnect(menus);
    if (Contains(screen.cancel, pointer, menus.client)) {
        CloseScreen(menus);
        return MenuRequest::None;
    }
    screen.focus = kNoFocus;
    screen.playerName.selectAll = false;
    screen.address.selectAll = false;
    if (Contains(screen.playerName, pointer, menus.client)) {
        screen.playerName.active = true;
        screen.address.active = false;
    } else if (Contains(screen.address, pointer, menus.client)) {
        screen.address.active = true;
        screen.playerName.active = false;
    }
    // Only a click on the list copies its row: a click elsewhere must not undo a typed address.
    const bool inList = Click(screen.servers, pointer, menus.client);
    const int32_t row = screen.servers.selected;
    if (inList && row >= 0 && static_cast<size_t>(row) < screen.rowAddresses.size())
        screen.address.text = screen.rowAddresses[static_cast<size_t>(row)];
    return MenuRequest::None;
}

MenuRequest ClickNewGame(Menus& menus, PixelPoint pointer) {
    tgnewgame& screen = menus.newGame;
    if (Contains(screen.start, pointer, menus.client)) return AcceptStartGame(menus);
    if (Contains(screen.cancel, pointer, menus.client)) {
        CloseScreen(menus);
        return MenuRequest::None;
    }
    if (Contains(screen.add, pointer, menus.client)) AddChosenMap(screen);
    if (Contains(screen.remove, pointer, menus.client)) RemoveChosenMap(screen);
    screen.focus = kNoFocus;
    tgedit* boxes[] = {&screen.serverName, &screen.bots, &screen.playerName, &screen.fragLimit};
    tgedit* hit = nullptr;
    for (tgedit* box : boxes) {
        box->selectAll = false;
        // The bots box is only there to click when it is shown.
        if (box == &screen.bots && !screen.showBots) continue;
        if (Contains(*box, pointer, menus.client)) hit = box;
    }
    if (hit) {
        for (tgedit* box : boxes) box->active = box == hit;
    }
    Click(screen.available, pointer, menus.client);
    Click(screen.chosen, pointer, menus.client);
    return MenuRequest::None;
}

// Select-all on a double-clicked box; the others lose it.
void SelectAllUnder(const std::vector<tgedit*>& boxes, PixelPoint pointer, ClientSize client) {
    tgedit* hit = nullptr;
    for (tgedit* box : boxes) {
        if (Contains(*box, pointer, client)) hit = box;
    }
    if (!hit) return;
    for (tgedit* box : boxes) box->selectAll = box == hit;
}

int32_t VisibleRowUnder(tselect& list, PixelPoint pointer, ClientSize client) {
    if (!ContainsNdc(list.x, list.y, list.w, list.h, PixelToNdc(pointer, client))) return -1;
    LayoutSelectRows(list);
    for (int32_t j = 0; j < static_cast<int32_t>(list.items.size()); ++j) {
        const tselectoption& item = list.items[j];
        if (IsRowVisible(list, j) &&
            ContainsNdc(item.x, item.y, item.w, item.h, PixelToNdc(pointer, client)))
            return j;
    }
    return -1;
}

}  // namespace

void MenuMouseMove(Menus& menus, PixelPoint pointer) {
    menus.pointer = pointer;
    if (!InMenu(menus.screenState)) return;
    const int32_t entry = EntryUnder(menus, pointer);
    if (entry > 0) menus.entries[0].y = menus.entries[entry].y;
}

MenuRequest MenuClick(Menus& menus, int32_t& playState) {
    const PixelPoint pointer = menus.pointer;
    if (InMenu(menus.screenState))
        return PerformEntry(menus, EntryUnder(menus, pointer), playState);
    switch (OverlayOf(menus.screenState)) {
        case Overlay::Options:
            if (Contains(menus.options.ok, pointer, menus.client)) return AcceptOptions(menus);
            if (Contains(menus.options.cancel, pointer, menus.client)) CloseScreen(menus);
            return MenuRequest::None;
        case Overlay::Join:
            return ClickJoin(menus, pointer);
        case Overlay::NewGame:
            return ClickNewGame(menus, pointer);
        case Overlay::Message:
            if (Contains(menus.message.ok, pointer, menus.client)) CloseScreen(menus);
            return MenuRequest::None;
        case Overlay::None:
            break;
    }
    return MenuRequest::None;
}

void MenuMouseDown(Menus& menus, PixelPoint pointer) {
    const ClientSize client = menus.client;
    if (InMenu(menus.screenState)) {
        if (EntryUnder(menus, pointer) > 0) menus.entries[0].state = 1;
        return;
    }
    switch (OverlayOf(menus.screenState)) {
        case Overlay::Options: {
            tgoptions& screen = menus.options;
            for (tglist* list : screen.Lists()) PressListArrows(*list, pointer, client);
            PressIfUnder(screen.ok, pointer, client);
            PressIfUnder(screen.cancel, pointer, client);
            break;
        }
        case Overlay::Join: {
            tgnetwork& screen = menus.join;
            PressIfUnder(screen.connect, pointer, client);
            PressIfUnder(screen.cancel, pointer, client);
            PressListArrows(screen.team, pointer, client);
            PressArrows(screen.servers, pointer, client);
            break;
        }
        case Overlay::NewGame: {
            tgnewgame& screen = menus.newGame;
            for (tgbutton* button : {&screen.start, &screen.cancel, &screen.add, &screen.remove})
                PressIfUnder(*button, pointer, client);
            PressListArrows(screen.gameType, pointer, client);
            PressListArrows(screen.team, pointer, client);
            if (screen.showBots) PressListArrows(screen.botSkill, pointer, client);
            PressArrows(screen.available, pointer, client);
            PressArrows(screen.chosen, pointer, client);
            break;
        }
        case Overlay::Message:
            PressIfUnder(menus.message.ok, pointer, client);
            break;
        case Overlay::None:
            break;
    }
}

// Every button and arrow lets go on release, also those of a screen the click has just closed
// or that the pointer has left, so that none stays drawn pressed.
static void ReleaseAllControls(Menus& menus) {
    tgoptions& options = menus.options;
    tgnetwork& join = menus.join;
    tgnewgame& game = menus.newGame;
    for (tgbutton* button : {&options.ok, &options.cancel, &join.connect, &join.cancel, &game.start,
                             &game.cancel, &game.add, &game.remove, &menus.message.ok})
        Release(*button);
    for (tselect* list : {&join.servers, &game.available, &game.chosen}) {
        list->up.pressed = false;
        list->down.pressed = false;
    }
    for (tglist* list : {&options.sensitivity, &options.resolution, &options.detail,
                         &options.volume, &join.team, &game.gameType, &game.team, &game.botSkill}) {
        list->left.pressed = false;
        list->right.pressed = false;
    }
}

// Release: an option-list arrow under the pointer steps its list.
void MenuMouseUp(Menus& menus, PixelPoint pointer) {
    const ClientSize client = menus.client;
    if (!menus.entries.empty()) menus.entries[0].state = 0;
    switch (OverlayOf(menus.screenState)) {
        case Overlay::Options: {
            tgoptions& screen = menus.options;
            for (tglist* list : screen.Lists()) ReleaseListArrows(*list, pointer, client);
            break;
        }
        case Overlay::Join:
            ReleaseListArrows(menus.join.team, pointer, client);
            break;
        case Overlay::NewGame:
            ReleaseListArrows(menus.newGame.gameType, pointer, client);
            ReleaseListArrows(menus.newGame.team, pointer, client);
            if (menus.newGame.showBots) ReleaseListArrows(menus.newGame.botSkill, pointer, client);
            break;
        default:
            break;
    }
    ReleaseAllControls(menus);
}

void MenuDoubleClick(Menus& menus, PixelPoint pointer) {
    const ClientSize client = menus.client;
    switch (OverlayOf(menus.screenState)) {
        case Overlay::Join: {
            SelectAllUnder({&menus.join.playerName, &menus.join.address}, pointer, client);
            break;
        }
        case Overlay::NewGame: {
            tgnewgame& screen = menus.newGame;
            std::vector<tgedit*> boxes = {&screen.serverName, &screen.playerName,
                                          &screen.fragLimit};
            if (screen.showBots) boxes.push_back(&screen.bots);
            SelectAllUnder(boxes, pointer, client);
            const int32_t available = VisibleRowUnder(screen.available, pointer, client);
            if (available >= 0) {
                screen.available.selected = available;
                AddChosenMap(screen);
            }
            const int32_t chosen = VisibleRowUnder(screen.chosen, pointer, client);
            if (chosen >= 0) {
                screen.chosen.selected = chosen;
                RemoveChosenMap(screen);
            }
            break;
        }
        default:
            break;
    }
}
