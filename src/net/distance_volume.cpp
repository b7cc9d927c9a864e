#include "net/distance_volume.h"

#include "net/session.h"
#include "sound/sound_volume.h"

void SetRemoteVolumesByDistance(Session& session) {
    const auto local = static_cast<size_t>(session.state.localPlayerIndex);
    const std::vector<MatchPlayer>& players = session.play.players;
    if (session.state.localPlayerIndex < 0 || local >= players.size()) return;
    const tvec3 here = players[local].model.position;
    for (size_t index = 0; index < players.size(); ++index) {
        if (index == local) continue;
        ApplyDistanceVolume(session.sound, index, session.userSettings.soundVolume, here,
                            players[index].model.position);
    }
}
