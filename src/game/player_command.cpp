#include "game/player_command.h"

namespace {

bool IsWeaponPart(const tmeshpart& part) {
    return part.name == "HAND" || part.name == "BSTART";
}

}  // namespace

PlayerCommand CurrentCommand(const tgeomobject& body) {
    PlayerCommand command{body.yaw, 0, body.velocity.x, body.velocity.z};
    for (const tmeshpart& part : body.triangleParts) {
        if (IsWeaponPart(part)) {
            command.aimPitch = part.pitch;
            break;
        }
    }
    return command;
}

void ApplyPlayerCommand(tgeomobject& body, const PlayerCommand& command) {
    body.yaw = command.yaw;
    body.velocity.x = command.velocityX;
    body.velocity.z = command.velocityZ;
    for (auto* parts : {&body.triangleParts, &body.quadParts}) {
        for (tmeshpart& part : *parts) {
            if (IsWeaponPart(part)) part.pitch = command.aimPitch;
        }
    }
}
