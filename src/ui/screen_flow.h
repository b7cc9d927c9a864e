// Screen flow: which screen is open, how screens open and close, the highlight bar, keyboard
// focus of the edit boxes, and what Esc, Enter and the arrow keys do. Works on Menus alone;
// anything that reaches beyond the menus (applying options, joining, hosting, closing the
// program) comes back as a MenuRequest for the caller to run.
#pragma once
#include <cstdint>
#include <string>

#include "ui/edit_box.h"
#include "ui/menus.h"

enum class Overlay { None, Options, Join, NewGame, Message };

enum class MenuRequest { None, ApplyOptions, Connect, StartGame, Exit };

// The overlay a screen state shows, and the menu (main or in-game) under it.
Overlay OverlayOf(int32_t screenState);
int32_t MenuUnder(int32_t screenState);
bool InMenu(int32_t screenState);  // main or in-game menu, no overlay

tgform& FormOf(Menus& menus, Overlay overlay);

// Opens an overlay over the current menu; does nothing unless a menu without overlay is shown.
void OpenScreen(Menus& menus, Overlay overlay);
// Closes the open overlay back to its menu; a closed message box shows the next waiting message.
void CloseScreen(Menus& menus);

// Esc: play -> in-game menu (playState 0), in-game menu -> play (playState 1), overlay -> menu.
void HandleEscape(Menus& menus, int32_t& playState);

// The entry whose y matches the highlight bar's, or -1.
int32_t EntryUnderBar(const Menus& menus);
void MoveBarUp(Menus& menus);
void MoveBarDown(Menus& menus);

// The entry's action: opens its screen or resumes play, or asks the caller to exit.
MenuRequest PerformEntry(Menus& menus, int32_t entry, int32_t& playState);

// Enter while the menus are shown (playState 0).
MenuRequest HandleEnter(Menus& menus, int32_t& playState);

// The actions of the screens' main buttons: close the screen, release the button, and ask for
// what the button stands for. "Start game" with no chosen map takes the map highlighted in the
// available list; with none highlighted the screen stays open and its note says what to do.
MenuRequest AcceptOptions(Menus& menus);
MenuRequest AcceptConnect(Menus& menus);
MenuRequest AcceptStartGame(Menus& menus);

// The new-game screen opens (over the current menu, if it is not open) with `text` as its note
// and `detail` under it.
void TellOnNewGameScreen(Menus& menus, const std::string& text, const std::string& detail);
// Why no game can start without a chosen map: none to choose, or none chosen yet.
void TellNoMapChosen(Menus& menus);

// Keyboard focus: box i becomes the only active box, with its text selected.
void FocusJoinBox(tgnetwork& screen, uint8_t box);
void FocusNewGameBox(tgnewgame& screen, uint8_t box);
// Tab: the next box of the open join or new-game screen.
void AdvanceFocus(Menus& menus);

// The edit box that takes typed keys: the active box of the open join or new-game screen.
struct ActiveEdit {
    tgedit* box = nullptr;
    EditMode mode = EditMode::Text;
};
ActiveEdit FindActiveEdit(Menus& menus);

// The new-game screen's ">>" and "<<".
void AddChosenMap(tgnewgame& screen);
void RemoveChosenMap(tgnewgame& screen);
