#include "net/distance_volume.h"

#include "net/session.h"
#include "sound/sound_volume.h"

namespace {

// A player's place as drawn when it has a model (the local one moves there first), else as the
// server last reported it.
tvec3 PlayerPosition(const Session& session, size_t index) {
    if (index < session.play.playerModels.size()) return session.play.playerModels[index].position;
    return session.client.players[index].position;
}

}  // namespace

void SetRemoteVolumesByDistance(Session& session) {
    const auto local = static_cast<size_t>(session.state.localPlayerIndex);
    const size_t players = session.client.players.size();
    if (session.state.localPlayerIndex < 0 || local >= players) return;
    const tvec3 here = PlayerPosition(session, local);
    for (size_t index = 0; index < players; ++index) {
        if (index == local) continue;
        ApplyDistanceVolume(session.sound, index, session.userSettings.soundVolume, here,
                            PlayerPosition(session, index));
    }
}
