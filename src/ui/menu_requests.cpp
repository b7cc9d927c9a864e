#include "ui/menu_requests.h"

#include <exception>

#include "app/game.h"
#include "base/main_window.h"
#include "ui/menu_actions.h"
#include "ui/menu_forms.h"
#include "ui/options.h"

namespace {

void ApplyChosenOptions(Game& game) {
    try {
        ApplyOptions(game, ReadOptionsChoice(game.menus.options));
    } catch (const std::exception& error) {
        // The settings stay applied for this run; the user learns they were not saved.
        if (game.services.window) game.services.window->ShowMessage(error.what());
    }
}

}  // namespace

void RunMenuRequest(Game& game, MenuRequest request) {
    switch (request) {
        case MenuRequest::ApplyOptions:
            ApplyChosenOptions(game);
            break;
        case MenuRequest::Connect: {
            const ConnectForm form = ReadConnectForm(game.menus.join);
            game.userSettings.playerName.Assign(CutText(game.menus.join.playerName.text));
            game.userSettings.serverAddress.Assign(form.address);
            ConnectFromMenu(game, form);
            break;
        }
        case MenuRequest::StartGame: {
            const NewGameForm form = ReadNewGameForm(game.menus.newGame);
            game.userSettings.serverName.Assign(CutText(game.menus.newGame.serverName.text));
            game.userSettings.playerName.Assign(CutText(game.menus.newGame.playerName.text));
            StartGameFromMenu(game, form);
            break;
        }
        case MenuRequest::Exit:
            game.state.quitRequested = true;
            break;
        case MenuRequest::None:
            break;
    }
}

void ShowServerSilentMessage(Game& game) {
    Menus& menus = game.menus;
    // Whatever screen was opened while waiting gives way to the message.
    CloseScreen(menus);
    OpenScreen(menus, Overlay::Message);
}
