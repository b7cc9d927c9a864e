#include "game/respawn.h"

#include "app/game.h"
#include "game/player_movement.h"

void RespawnLocalPlayerIfDue(Game& game) {
    const int32_t index = game.state.localPlayerIndex;
    if (index < 0 || static_cast<size_t>(index) >= game.play.playerModels.size()) return;
    tgeomobject& player = game.play.playerModels[static_cast<size_t>(index)];
    if (!player.dead ||
        static_cast<int32_t>(game.frame.now - player.deathTime) < player.respawnDelay)
        return;
    player.dead = false;
    SetAnimation(player, kStandAnimation);
    if (static_cast<size_t>(index) < game.client.players.size())
        game.client.players[static_cast<size_t>(index)].dead = false;
    game.state.spawnConfirmed = false;
}
