// PlayerCommand: what a player this machine runs asks of its body for a frame, the same for the
// local player (from the keys and the mouse, player_movement.h) and for the host's bots (from
// their rules, bots.h): where it faces, where it aims its arm and muzzle, and the horizontal
// velocity it wants. The vertical speed stays gravity's and a jump's; the body then moves through
// the one physics step every player takes (player_bodies.h), and a shot goes out through
// FireBullet (weapon.h) along the aim.
#pragma once

#include "world/geom_object.h"

struct PlayerCommand {
    float yaw = 0;                       // degrees; the model faces yaw - 180
    float aimPitch = 0;                  // degrees, of the HAND and BSTART parts
    float velocityX = 0, velocityZ = 0;  // units per reference frame
};

// The command as the body stands now: a command that changes nothing.
PlayerCommand CurrentCommand(const tgeomobject& body);

void ApplyPlayerCommand(tgeomobject& body, const PlayerCommand& command);
