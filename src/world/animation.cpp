#include "world/animation.h"

void SelectAnimation(tgeomobject& model, int32_t index) {
    for (auto* parts : {&model.triangleParts, &model.quadParts}) {
        for (tmeshpart& part : *parts) {
            part.currentAnimation = index;
            if (index < 0 || static_cast<size_t>(index) >= part.animations.size()) continue;
            tanimation& animation = part.animations[static_cast<size_t>(index)];
            if (animation.finished) {
                animation.cursor = 0;
                animation.finished = false;
            }
        }
    }
}

int32_t StepAnimation(const tgeomobject& model, tmeshpart& part, uint32_t now) {
    const auto frameCount = static_cast<int32_t>(part.frames.size());
    const auto index = static_cast<size_t>(part.currentAnimation);
    if (part.currentAnimation < 0 || index >= part.animations.size() || frameCount == 0) {
        part.currentFrame = 0;
        return part.currentFrame;
    }
    tanimation& animation = part.animations[index];
    const auto length = static_cast<int32_t>(animation.frames.size());
    if (length == 0) {
        part.currentFrame = 0;
        return part.currentFrame;
    }
    if (animation.cursor < 0 || animation.cursor >= length) animation.cursor = 0;
    const int32_t frame = animation.frames[static_cast<size_t>(animation.cursor)];
    part.currentFrame = frame >= 0 && frame < frameCount ? frame : 0;

    const float pace = model.animationPace == 0 ? 1.0f : model.animationPace;
    const auto elapsed = static_cast<float>(now - animation.lastStep);
    if (elapsed >= static_cast<float>(animation.interval) * pace) {
        if (animation.cursor < length - 1) {
            ++animation.cursor;
        } else if (animation.playOnce) {
            animation.finished = true;
        } else {
            animation.cursor = 0;
        }
        animation.lastStep = now;
    }
    return part.currentFrame;
}

int32_t StepTextureRun(ttexrun& run, int32_t slot, uint32_t now) {
    if (run.textureAnimated == 1) {
        if (static_cast<int64_t>(now - run.textureLastSwitch) >= run.textureInterval) {
            run.textureLastSwitch = now;
            if (run.textureFrame < run.textureFrames - 1) {
                ++run.textureFrame;
            } else {
                run.textureFrame = run.textureRestartFrame;
            }
        }
    } else {
        run.textureFrame = run.textureRestartFrame;
    }
    return slot + run.textureFrame;
}
