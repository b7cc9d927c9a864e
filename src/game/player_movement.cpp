#include "game/player_movement.h"

#include <cmath>
#include <numbers>
#include <optional>

#include "game/player_command.h"

namespace {

// Signed milliseconds since `then`; a time of 0 means "never", which is always long ago.
bool LongerAgoThan(uint32_t now, uint32_t then, int32_t period) {
    return then == 0 || static_cast<int32_t>(now - then) >= period;
}

// The sprint budget: the speed and animation pace of this frame.
void UpdateSprint(tgeomobject& player, const MovementControls& controls, const Tuning& tuning,
                  uint32_t now) {
    const bool rested = LongerAgoThan(now, player.runEndTime, tuning.RUN_TIMEOUT);
    if (controls.run && controls.forward && !controls.crouch && rested) {
        if (player.runStartTime == 0) player.runStartTime = now;
        player.moveSpeed = tuning.RUN_SPEED;
        player.animationPace = 0.25f;
        if (LongerAgoThan(now, player.runStartTime, tuning.RUN_TIME)) {
            player.runStartTime = 0;
            player.runEndTime = now;
        }
        return;
    }
    player.moveSpeed = controls.crouch ? tuning.SITSPEED : tuning.WALK_SPEED;
    player.animationPace = 1;
    // A sprint released early resumes its budget if taken up again soon; later it starts anew.
    if (LongerAgoThan(now, player.runStartTime, tuning.RUN_TIME / 4) && rested) {
        player.runStartTime = 0;
    }
}

void SetWantedVelocity(PlayerCommand& command, float speed, const MovementControls& controls) {
    const double a = -command.yaw * std::numbers::pi / 180.0;
    const auto c = static_cast<float>(std::cos(a)), s = static_cast<float>(std::sin(a));
    command.velocityX = c * speed * controls.strafeAxis - s * speed * controls.forwardAxis;
    command.velocityZ = s * speed * controls.strafeAxis + c * speed * controls.forwardAxis;
}

void RewindAnimation(tgeomobject& player, int32_t index) {
    for (auto* parts : {&player.triangleParts, &player.quadParts}) {
        for (tmeshpart& part : *parts) {
            if (index < 0 || static_cast<size_t>(index) >= part.animations.size()) continue;
            tanimation& animation = part.animations[static_cast<size_t>(index)];
            animation.cursor = 0;
            animation.finished = false;
        }
    }
}

// Only from rest vertically, on the ground or a top, and not too soon after the last jump.
void Jump(tgeomobject& player, MovementControls& controls, const Tuning& tuning, uint32_t now) {
    if (controls.jump && LongerAgoThan(now, player.jumpStartTime, tuning.JUMP_TIMEOUT) &&
        player.velocity.y == 0 && !player.airborne) {
        player.velocity.y = kJumpSpeed;
        player.jumpStartTime = now;
        RewindAnimation(player, kJumpAnimation);
    }
    controls.jump = false;
}

bool Crouching(int32_t animation) {
    return animation >= kCrouchForwardAnimation && animation <= kCrouchStillAnimation;
}

// The animation the held keys ask for; none for combinations such as forward and left together.
std::optional<int32_t> ChooseMotion(const MovementControls& controls, bool canStand) {
    const bool f = controls.forward, b = controls.back, l = controls.left, r = controls.right;
    const int held = f + b + l + r;
    if (held > 1) return std::nullopt;
    if (controls.crouch || !canStand) {
        if (f) return kCrouchForwardAnimation;
        if (b) return kCrouchBackAnimation;
        if (l) return kCrouchLeftAnimation;
        if (r) return kCrouchRightAnimation;
        return kCrouchStillAnimation;
    }
    // The animation follows Shift, not the budget: a spent sprint walks with the sprint's look.
    if (f) return controls.run ? kSprintAnimation : kWalkAnimation;
    if (b) return kWalkBackAnimation;
    if (l) return kStrafeLeftAnimation;
    if (r) return kStrafeRightAnimation;
    return kStandAnimation;
}

// Picks the animation of the motion; true when it changed.
bool Animate(tgeomobject& player, const MovementControls& controls) {
    const int32_t before = RunningAnimation(player);
    // Crouched under something lower than the head would rise: the player stays down.
    const bool canStand = !(Crouching(before) && player.headroom < player.seatDrop);
    if (player.airborne) {
        if (canStand) SetAnimation(player, kJumpAnimation);
    } else if (const std::optional<int32_t> motion = ChooseMotion(controls, canStand)) {
        SetAnimation(player, *motion);
    }
    if (RunningAnimation(player) == before) return false;
    for (auto* parts : {&player.triangleParts, &player.quadParts}) {
        for (tmeshpart& part : *parts) {
            for (tanimation& animation : part.animations) {
                if (animation.playOnce) animation.cursor = 0;
            }
        }
    }
    return true;
}

}  // namespace

void SetAnimation(tgeomobject& player, int32_t animation) {
    for (auto* parts : {&player.triangleParts, &player.quadParts}) {
        for (tmeshpart& part : *parts) part.currentAnimation = animation;
    }
}

int32_t RunningAnimation(const tgeomobject& player) {
    return player.triangleParts.empty() ? kStandAnimation
                                        : player.triangleParts.front().currentAnimation;
}

void MovePlayer(tgeomobject& player, MovementControls& controls, float yawDelta, float pitchDelta,
                float& lookPitch, const Tuning& tuning, uint32_t now, PlayerGait gait) {
    UpdateSprint(player, controls, tuning, now);
    const float pitch = lookPitch + pitchDelta;
    if (pitch > -kLookPitchLimit && pitch < kLookPitchLimit) lookPitch = pitch;
    PlayerCommand command = CurrentCommand(player);
    if (std::isfinite(yawDelta)) command.yaw -= yawDelta;
    command.aimPitch = lookPitch;
    SetWantedVelocity(command, player.moveSpeed, controls);
    ApplyPlayerCommand(player, command);
    Jump(player, controls, tuning, now);
    if (Animate(player, controls))
        gait.events.push_back(GaitChanged{gait.playerIndex, RunningAnimation(player)});
}
