#include "ui/menu_actions.h"

#include <algorithm>

#include "app/game.h"
#include "net/client_session.h"
#include "net/server.h"

namespace {

void SetLocalPlayer(Game& game, const std::string& name, int32_t team) {
    game.client.localPlayer.name.Assign(name);
    game.client.localPlayer.team = team == 1 ? 1 : 0;
}

uint8_t ClampToByte(int32_t value, int32_t limit) {
    return static_cast<uint8_t>(std::clamp(value, 0, limit));
}

}  // namespace

void ConnectFromMenu(Game& game, const ConnectForm& form) {
    if (!game.client.loadedMap.empty()) Disconnect(game);
    SetLocalPlayer(game, form.playerName, form.team);
    if (IsConnected(game) && game.client.clientSettings.serverAddress.View() == form.address)
        return;
    game.client.serverDestination = form.address;
    game.client.clientSettings.serverAddress.Assign(form.address);
    ShowLoadingFrames(game);
    Connect(game);
}

void StartGameFromMenu(Game& game, const NewGameForm& form) {
    tgamesettings& settings = game.server.serverSettings;
    settings.gameName.Assign(form.serverName);
    settings.gameType = ClampToByte(form.gameType, kTeamDeathMatch);
    settings.fragLimit = ClampToByte(form.fragLimit, 255);
    settings.botCount = ClampToByte(form.botCount, kBotLimit);
    game.server.mapList = form.maps;
    game.server.mapIndex = 0;
    SetLocalPlayer(game, form.playerName, form.team);
    ShowLoadingFrames(game);
    StartHostedGame(game);
}

void ShowLoadingFrames(Game& game) {
    if (game.menus.paintMenuAndLoading) game.menus.paintMenuAndLoading(game);
}

void ShowLoadingFrame(Game& game) {
    if (game.menus.paintLoading) game.menus.paintLoading(game);
}
