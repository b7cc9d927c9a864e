#include "app/local_player_step.h"

#include "app/game.h"
#include "game/chargers.h"
#include "game/player_movement.h"
#include "game/view_cameras.h"
#include "sound/sound_buffers.h"

namespace {

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

void MoveLocalPlayer(Game& game, Match& match) {
    UpdateViewCameras(game.view, game.tuning, game.input.wheelDelta);
    MatchPlayer* local = match.Playing(match.localPlayerIndex);
    if (local == nullptr || local->dead) return;
    tgeomobject* player = &local->model;
    const uint32_t now = match.now;
    MovementControls controls = ControlsFromInput(game.input);
    MovePlayer(*player, controls, game.input.yawDelta, game.input.pitchDelta, game.play.lookPitch,
               game.tuning, now, {game.play.events, match.localPlayerIndex});
    game.input.jumpRequest = controls.jump;
    if (PickUpCharger(game.world.arena.chargerPoints, player->position, now,
                      game.play.weapon.spareMagazines)) {
        RestartSound(game.sound.pickupSound);
    }
}
