#include "game/body_record.h"

void RecordBody(const tgeomobject& model, tplayerinfo& entry) {
    entry.position = model.position;
    entry.yaw = model.yaw;
    entry.animationPace = model.animationPace;
    entry.dead = model.dead ? 1 : 0;
    const int32_t hand = FindPart(model, "HAND");
    entry.aimPitch = hand >= 0 ? model.triangleParts[static_cast<size_t>(hand)].pitch : 0;
    const int32_t animation =
        model.triangleParts.empty() ? -1 : model.triangleParts.front().currentAnimation;
    entry.animation = static_cast<int8_t>(animation < -1 || animation > 127 ? -1 : animation);
}
