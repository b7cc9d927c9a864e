#include "net/distance_volume.h"

#include "app/game.h"
#include "sound/sound_volume.h"

namespace {

// A player's place as drawn when it has a model (the local one moves there first), else as the
// server last reported it.
tvec3 PlayerPosition(const Game& game, size_t index) {
    if (index < game.play.playerModels.size()) return game.play.playerModels[index].position;
    return game.client.players[index].position;
}

}  // namespace

void SetRemoteVolumesByDistance(Game& game) {
    const auto local = static_cast<size_t>(game.state.localPlayerIndex);
    const size_t players = game.client.players.size();
    if (game.state.localPlayerIndex < 0 || local >= players) return;
    const tvec3 here = PlayerPosition(game, local);
    for (size_t index = 0; index < players; ++index) {
        if (index == local) continue;
        ApplyDistanceVolume(game.sound, index, game.userSettings.soundVolume, here,
                            PlayerPosition(game, index));
    }
}
