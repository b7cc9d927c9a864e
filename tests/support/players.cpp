#include "support/players.h"

#include "game/body_record.h"
#include "sound/player_channels.h"

int32_t AddPlayer(Session& session, tgeomobject model, uint8_t team) {
    const size_t slot = session.play.playerModels.size();
    tplayerinfo record;
    record.id = 100 + static_cast<int32_t>(slot);
    record.team = team;
    record.isBot = model.isBot ? 1 : 0;
    RecordBody(model, record);
    tplayerpresence presence;
    presence.isBot = model.isBot;
    presence.position = model.position;
    presence.yaw = model.yaw;

    Client& client = session.client;
    client.players.resize(slot);
    client.players.push_back(presence);
    client.clientPlayers.resize(slot);
    client.clientPlayers.push_back(record);
    if (session.state.hosting) {
        Server& server = session.server;
        server.serverPlayers.resize(slot);
        server.serverPlayers.push_back(record);
        server.lastHeard.resize(slot);
        server.lastHeard.push_back(session.frame.now);
    }
    while (session.sound.playerChannels.size() > slot) RemovePlayerChannels(session.sound, slot);
    AddPlayerChannels(session.sound, team);
    session.play.playerModels.push_back(std::move(model));
    return static_cast<int32_t>(slot);
}
