#include "game/death.h"

#include "app/game.h"
#include "sound/player_channels.h"
#include "sound/sound_buffers.h"
#include "world/animation.h"

void ShowLocalDeathIfPending(Game& game) {
    if (!game.state.localDeathPending) return;
    const int32_t index = game.state.localPlayerIndex;
    if (index < 0 || static_cast<size_t>(index) >= game.play.playerModels.size()) return;
    tgeomobject& model = game.play.playerModels[static_cast<size_t>(index)];
    if (!model.dead) return;
    game.state.localDeathPending = false;
    SelectAnimation(model, kDeathAnimation);
    if (PlayerChannels* channels = ChannelsOf(game.sound, static_cast<size_t>(index)))
        PlaySound(false, channels->death);
}
