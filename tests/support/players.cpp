#include "support/players.h"

#include "game/roster.h"
#include "sound/match_sounds.h"

int32_t AddPlayer(Session& session, tgeomobject model, uint8_t team, bool bot) {
    const auto slot = static_cast<int32_t>(session.play.players.size());
    tplayerinfo record;
    record.id = 100 + slot;
    record.team = team;
    record.isBot = bot ? 1 : 0;
    if (session.state.hosting) {
        session.server.serverPlayers.push_back(record);
        session.server.lastHeard.push_back(session.frame.now);
    }
    Match match = MatchOf(session);
    SeatPlayer(match, record);
    DeliverMatchSounds(session);
    // The caller's model, in place of the one the slot loads when the session has a Gpu.
    MatchPlayer& player = session.play.players.back();
    player.model = std::move(model);
    player.hasModel = true;
    return slot;
}

std::vector<MatchPlayer> Seated(std::span<const tgeomobject> bodies) {
    std::vector<MatchPlayer> players(bodies.size());
    for (size_t i = 0; i < bodies.size(); ++i) {
        players[i].model = bodies[i];
        players[i].hasModel = true;
    }
    return players;
}

void DeliverMatchSounds(Session& session) {
    PlayMatchSounds(session.sound, session.play.events, session.userSettings.soundVolume,
                    session.state.localPlayerIndex);
    session.play.events.clear();
}
