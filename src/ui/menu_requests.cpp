#include "ui/menu_requests.h"

#include <exception>

#include "base/main_window.h"
#include "ui/frontend.h"
#include "ui/menu_actions.h"
#include "ui/menu_forms.h"
#include "ui/options.h"

namespace {

void ApplyChosenOptions(Frontend& frontend) {
    try {
        ApplyOptions(frontend, ReadOptionsChoice(frontend.menus.options));
    } catch (const std::exception& error) {
        // The settings stay applied for this run; the user learns they were not saved.
        if (frontend.services.window) frontend.services.window->ShowMessage(error.what());
    }
}

}  // namespace

void RunMenuRequest(Frontend& frontend, MenuRequest request) {
    switch (request) {
        case MenuRequest::ApplyOptions:
            ApplyChosenOptions(frontend);
            break;
        case MenuRequest::Connect: {
            const ConnectForm form = ReadConnectForm(frontend.menus.join);
            frontend.userSettings.playerName.Assign(CutText(frontend.menus.join.playerName.text));
            frontend.userSettings.serverAddress.Assign(form.address);
            ConnectFromMenu(frontend, form);
            break;
        }
        case MenuRequest::StartGame: {
            const NewGameForm form = ReadNewGameForm(frontend.menus.newGame);
            frontend.userSettings.serverName.Assign(
                CutText(frontend.menus.newGame.serverName.text));
            frontend.userSettings.playerName.Assign(
                CutText(frontend.menus.newGame.playerName.text));
            StartGameFromMenu(frontend, form);
            break;
        }
        case MenuRequest::Exit:
            frontend.state.quitRequested = true;
            break;
        case MenuRequest::None:
            break;
    }
}

void ShowServerSilentMessage(Frontend& frontend) {
    Menus& menus = frontend.menus;
    // Whatever screen was opened while waiting gives way to the message.
    CloseScreen(menus);
    OpenScreen(menus, Overlay::Message);
}
