// Player movement: turns the held keys and the mouse into the local player's turn, look pitch and
// velocity (walk, sprint with a limited budget, crouch, jump), aims its arm and muzzle, and picks
// the animation that goes with the motion, reporting a change (the step and sprint sounds follow
// it). The game step calls MovePlayer once per frame while the local player is alive.
#pragma once
#include <cstdint>

#include "config/tuning.h"
#include "game/match_events.h"
#include "world/geom_object.h"

// Animation indices of the player model.
inline constexpr int32_t kStandAnimation = -1;
inline constexpr int32_t kWalkAnimation = 0;
inline constexpr int32_t kWalkBackAnimation = 1;
inline constexpr int32_t kCrouchForwardAnimation = 2;
inline constexpr int32_t kCrouchBackAnimation = 3;
inline constexpr int32_t kCrouchLeftAnimation = 4;
inline constexpr int32_t kCrouchRightAnimation = 5;
inline constexpr int32_t kCrouchStillAnimation = 6;
inline constexpr int32_t kSprintAnimation = 7;
inline constexpr int32_t kStrafeLeftAnimation = 8;
inline constexpr int32_t kStrafeRightAnimation = 9;
inline constexpr int32_t kDeathAnimation = 10;
inline constexpr int32_t kJumpAnimation = 11;

// The look pitch stays strictly between these (degrees).
inline constexpr float kLookPitchLimit = 45.0f;
// The upward speed a jump starts with, units per reference frame.
inline constexpr float kJumpSpeed = 1.5f;

// What the player asks for this frame: the decayed movement axes and the keys held now.
struct MovementControls {
    float forwardAxis = 0;  // -1 forward .. +1 back
    float strafeAxis = 0;   // -1 left .. +1 right
    bool forward = false, back = false, left = false, right = false;
    bool run = false;
    bool crouch = false;
    bool jump = false;  // a request: used (or dropped) by one MovePlayer call
};

// Where a change of the player's animation is reported, and as whose.
struct PlayerGait {
    MatchEvents& events;
    int32_t playerIndex = 0;
};

// One frame of the local player's own motion: its command from the keys and the mouse, its jump
// and animation. The physics and collision come later in the frame (player_bodies.h).
void MovePlayer(tgeomobject& player, MovementControls& controls, float yawDelta, float pitchDelta,
                float& lookPitch, const Tuning& tuning, uint32_t now, PlayerGait gait);

// The animation the player's parts run (the first part's; standing without parts).
int32_t RunningAnimation(const tgeomobject& player);

// Makes `animation` the current one of every part; nothing is rewound.
void SetAnimation(tgeomobject& player, int32_t animation);
