#include "ui/menu_actions.h"

#include "app/game.h"

// Until the client and server exist, joining and hosting leave the menu as it is.
void ConnectFromMenu(Game&, const ConnectForm&) {}
void StartGameFromMenu(Game&, const NewGameForm&) {}

void ShowLoadingFrames(Game& game) {
    if (game.menus.paintMenuAndLoading) game.menus.paintMenuAndLoading(game);
}

void ShowLoadingFrame(Game& game) {
    if (game.menus.paintLoading) game.menus.paintLoading(game);
}
