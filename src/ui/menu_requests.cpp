#include "ui/menu_requests.h"

#include <cstdio>
#include <exception>
#include <string>

#include "net/client.h"
#include "ui/fault_details.h"
#include "ui/fault_phrases.h"
#include "ui/frontend.h"
#include "ui/menu_actions.h"
#include "ui/menu_forms.h"
#include "ui/menu_layout.h"
#include "ui/menu_phrases.h"
#include "ui/options.h"
#include "ui/server_rows.h"

namespace {

void ShowGameFullMessage(Menus& menus, const tfoundserver& server) {
    const tserverpresence& game = *server.presence;
    ShowMenuMessage(menus, Say(kGameFull, menus.language),
                    SayWith(kPlacesTaken, menus.language,
                            {game.gameName.View(), std::to_string(game.players + game.bots),
                             std::to_string(game.limit)}));
}

void ApplyChosenOptions(Frontend& frontend) {
    try {
        ApplyOptions(frontend, ReadOptionsChoice(frontend.menus.options, frontend.menus.language));
    } catch (const std::exception& error) {
        // The settings stay applied for this run; the user learns at once they were not saved,
        // in the game's own box: the desktop may lack the helper SDL's boxes need.
        std::fprintf(stderr, "zarnok: settings not saved: %s\n", error.what());
        const Language language = frontend.menus.language;
        ShowMenuMessage(
            frontend.menus, Say(kSettingsNotSaved, language),
            Say(kCheckWriteAccess, language) + frontend.paths.settingsFile.filename().string());
    }
}

// Another copy of the game on this machine holds a port this request needs: say so instead of
// sending datagrams that would reach the other copy or never be answered.
bool RefusedForTakenPort(Menus& menus, bool portOpen, const Phrase& taken, const Phrase& advice) {
    if (portOpen) return false;
    ShowMenuMessage(menus, Say(taken, menus.language), Say(advice, menus.language));
    return true;
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
            if (RefusedForTakenPort(frontend.menus, frontend.client.clientPortOpen,
                                    kClientPortTakenPhrase, kCloseOtherToJoinPhrase))
                break;
            // The server would drop the join without a word; the player would wait for nothing.
            if (const tfoundserver* full = FullServerAt(frontend.client, form.address)) {
                ShowGameFullMessage(frontend.menus, *full);
                break;
            }
            ConnectFromMenu(frontend, form);
            break;
        }
        case MenuRequest::StartGame: {
            const NewGameForm form = ReadNewGameForm(frontend.menus.newGame);
            frontend.userSettings.serverName.Assign(
                CutText(frontend.menus.newGame.serverName.text));
            frontend.userSettings.playerName.Assign(
                CutText(frontend.menus.newGame.playerName.text));
            if (RefusedForTakenPort(frontend.menus, frontend.client.serverPortOpen,
                                    kServerPortTakenPhrase, kCloseOtherToHostPhrase))
                break;
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

void ShowMenuMessage(Menus& menus, const std::string& text, const std::string& detail) {
    if (OverlayOf(menus.screenState) == Overlay::Message) {
        menus.waitingMessages.push_back({text, detail});
        return;
    }
    CloseScreen(menus);
    LayOutMessageBox(menus.message, menus.client, text, detail);
    OpenScreen(menus, Overlay::Message);
}

void ShowServerSilentMessage(Frontend& frontend) {
    ShowMenuMessage(frontend.menus, Say(kServerSilent, frontend.menus.language), "");
}

void ShowLevelFailure(Frontend& frontend) {
    std::string& error = frontend.client.levelError;
    if (error.empty() || frontend.state.playState != 0) return;
    ShowMenuMessage(frontend.menus, Say(kMapFailed, frontend.menus.language),
                    DetailInLanguage(error, frontend.menus.language));
    error.clear();
}
