#include "support/players.h"

#include "net/player_slots.h"

int32_t AddPlayer(Session& session, tgeomobject model, uint8_t team) {
    const auto slot = static_cast<int32_t>(session.client.clientPlayers.size());
    tplayerinfo record;
    record.id = 100 + slot;
    record.team = team;
    record.isBot = model.isBot ? 1 : 0;
    session.client.clientPlayers.push_back(record);
    if (session.state.hosting) {
        session.server.serverPlayers.push_back(record);
        session.server.lastHeard.push_back(session.frame.now);
    }
    AddPlayerSlot(session, record);
    // The caller's model, in place of the one the slot loads when the session has a Gpu.
    session.play.playerModels.resize(static_cast<size_t>(slot));
    session.play.playerModels.push_back(std::move(model));
    return slot;
}
