#include "game/body_record.h"

void RecordBody(const MatchPlayer& player, tplayerinfo& entry) {
    const tgeomobject& model = player.model;
    entry.position = model.position;
    entry.yaw = model.yaw;
    entry.animationPace = model.animationPace;
    entry.dead = player.dead ? 1 : 0;
    if (!player.hasModel) {
        // No pose to read: the aim and animation stand as last known.
        entry.aimPitch = player.aimPitch;
        entry.animation = player.animation;
        return;
    }
    const int32_t hand = FindPart(model, "HAND");
    entry.aimPitch = hand >= 0 ? model.triangleParts[static_cast<size_t>(hand)].pitch : 0;
    const int32_t animation =
        model.triangleParts.empty() ? -1 : model.triangleParts.front().currentAnimation;
    entry.animation = static_cast<int8_t>(animation < -1 || animation > 127 ? -1 : animation);
}
