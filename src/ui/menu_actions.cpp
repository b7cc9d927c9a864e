#include "ui/menu_actions.h"

#include <algorithm>

#include "game/level_score.h"
#include "net/client_session.h"
#include "net/server.h"
#include "ui/fault_details.h"
#include "ui/frontend.h"
#include "ui/menu_phrases.h"
#include "ui/menu_requests.h"
#include "ui/screen_flow.h"
#include "ui/select_list.h"

namespace {

void SetLocalPlayer(Frontend& frontend, const std::string& name, int32_t team) {
    frontend.client.localPlayer.name.Assign(name);
    frontend.client.localPlayer.team = team == 1 ? 1 : 0;
}

uint8_t ClampToByte(int32_t value, int32_t limit) {
    return static_cast<uint8_t>(std::clamp(value, 0, limit));
}

// The map that did not load leaves the rotation, so the next start does not fail on it again; the
// new-game screen names it with the cause, which the menus' box would otherwise show.
void DropFailedMap(Frontend& frontend, const std::string& map) {
    tselect& chosen = frontend.menus.newGame.chosen;
    for (int32_t row = static_cast<int32_t>(chosen.items.size()) - 1; row >= 0; --row) {
        if (chosen.items[static_cast<size_t>(row)].label == map) RemoveSelectItem(chosen, row);
    }
    std::string& cause = frontend.client.levelError;
    const Language language = frontend.menus.language;
    TellOnNewGameScreen(frontend.menus, SayWith(kMapLeftRotation, language, {map}),
                        DetailInLanguage(cause, language));
    cause.clear();
}

}  // namespace

void ConnectFromMenu(Frontend& frontend, const ConnectForm& form) {
    if (!frontend.client.loadedMap.empty()) Disconnect(frontend);
    SetLocalPlayer(frontend, form.playerName, form.team);
    if (IsConnected(frontend) &&
        frontend.client.clientSettings.serverAddress.View() == form.address)
        return;
    frontend.client.serverDestination = form.address;
    frontend.client.clientSettings.serverAddress.Assign(form.address);
    ShowLoadingFrames(frontend);
    Connect(frontend);
}

void StartGameFromMenu(Frontend& frontend, const NewGameForm& form) {
    tgamesettings& settings = frontend.server.serverSettings;
    settings.gameName.Assign(form.serverName);
    settings.gameType = ClampToByte(form.gameType, kTeamDeathMatch);
    if (FragLimitError(form.fragLimit)) {
        ShowMenuMessage(
            frontend.menus, Say(kBadFragLimit, frontend.menus.language),
            SayWith(kFragLimitRange, frontend.menus.language, {std::to_string(kHighestFragLimit)}));
        return;
    }
    settings.fragLimit = static_cast<uint8_t>(form.fragLimit);
    settings.botCount = ClampToByte(form.botCount, kBotLimit);
    frontend.server.botSkill = form.botSkill;
    frontend.server.mapList = form.maps;
    frontend.server.mapIndex = 0;
    if (form.maps.empty()) {
        TellNoMapChosen(frontend.menus);
        return;
    }
    SetLocalPlayer(frontend, form.playerName, form.team);
    ShowLoadingFrames(frontend);
    StartHostedGame(frontend);
    if (frontend.client.loadedMap.empty()) {
        // No level to play on: the host stops at once instead of joining an empty server.
        frontend.state.connecting = false;
        Disconnect(frontend);
        DropFailedMap(frontend, form.maps.front());
    }
}

void ShowLoadingFrames(Frontend& frontend) {
    if (frontend.menus.paintMenuAndLoading) frontend.menus.paintMenuAndLoading();
}

void ShowLoadingFrame(Frontend& frontend) {
    if (frontend.menus.paintLoading) frontend.menus.paintLoading();
}
