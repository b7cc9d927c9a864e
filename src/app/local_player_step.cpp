#include "app/local_player_step.h"

#include "app/game.h"
#include "game/chargers.h"
#include "game/collision.h"
#include "game/player_movement.h"
#include "game/player_physics.h"
#include "game/respawn.h"
#include "game/view_cameras.h"
#include "net/player_models.h"
#include "sound/player_channels.h"
#include "sound/sound_buffers.h"

namespace {

tgeomobject* LocalModel(Game& game) {
    const int32_t index = game.state.localPlayerIndex;
    if (index < 0 || static_cast<size_t>(index) >= game.play.playerModels.size()) return nullptr;
    return &game.play.playerModels[static_cast<size_t>(index)];
}

// The movement controls the polled keys and axes give this frame.
MovementControls ControlsFromInput(const InputState& input) {
    const KeyControls& held = input.held;
    MovementControls controls;
    controls.forwardAxis = input.forwardAxis;
    controls.strafeAxis = input.strafeAxis;
    controls.forward = held.forward;
    controls.back = held.back;
    controls.left = held.strafeLeft;
    controls.right = held.strafeRight;
    controls.run = held.run;
    controls.crouch = held.crouch;
    controls.jump = input.jumpRequest;
    return controls;
}

}  // namespace

void MoveLocalPlayer(Game& game) {
    UpdateViewCameras(game.view, game.tuning, game.input.wheelDelta);
    tgeomobject* player = LocalModel(game);
    if (player == nullptr || player->dead) return;
    const uint32_t now = game.frame.now;
    const auto index = static_cast<size_t>(game.state.localPlayerIndex);
    MovementControls controls = ControlsFromInput(game.input);
    MovePlayer(*player, controls, game.input.yawDelta, game.input.pitchDelta, game.play.lookPitch,
               game.tuning, now, ChannelsOf(game.sound, index));
    game.input.jumpRequest = controls.jump;
    if (PickUpCharger(game.world.arena.chargerPoints, player->position, now,
                      game.play.weapon.spareMagazines)) {
        RestartSound(game.sound.pickupSound);
    }
    // Gravity and this frame's motion; the weapon step follows in the same frame.
    StepPlayerPhysics(*player, game.tuning.GRAVITY, game.frame.speedFactor);
}

void IntegrateLocalPlayer(Game& game) {
    tgeomobject* player = LocalModel(game);
    if (player == nullptr) return;
    IntegratePlayer(*player, game.state.localPlayerIndex,
                    CollisionWorldOf(game.world.arena, game.play.playerModels),
                    game.frame.speedFactor, game.random);
    RespawnLocalPlayerIfDue(game);
}
