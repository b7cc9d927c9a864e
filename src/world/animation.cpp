#include "world/animation.h"

namespace {

const tanimation* CurrentAnimation(const tmeshpart& part) {
    const auto index = static_cast<size_t>(part.currentAnimation);
    if (part.currentAnimation < 0 || index >= part.animations.size() || part.frames.empty())
        return nullptr;
    const tanimation& animation = part.animations[index];
    return animation.frames.empty() ? nullptr : &animation;
}

}  // namespace

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

int32_t CursorPose(const tmeshpart& part) {
    const tanimation* animation = CurrentAnimation(part);
    if (!animation) return 0;
    const auto length = static_cast<int32_t>(animation->frames.size());
    const int32_t cursor =
        animation->cursor >= 0 && animation->cursor < length ? animation->cursor : 0;
    const int32_t frame = animation->frames[static_cast<size_t>(cursor)];
    return frame >= 0 && static_cast<size_t>(frame) < part.frames.size() ? frame : 0;
}

int32_t StepAnimation(const tgeomobject& model, tmeshpart& part, uint32_t now) {
    part.currentFrame = CursorPose(part);
    if (!CurrentAnimation(part)) return part.currentFrame;
    tanimation& animation = part.animations[static_cast<size_t>(part.currentAnimation)];
    const auto length = static_cast<int32_t>(animation.frames.size());
    if (animation.cursor < 0 || animation.cursor >= length) animation.cursor = 0;

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

int32_t ShownTextureFrame(const ttexrun& run) {
    return run.textureAnimated == 1 ? run.textureFrame : run.textureRestartFrame;
}

void StepModelPose(tgeomobject& model, uint32_t now) {
    if (model.animationPace == 0) model.animationPace = 1;
    for (auto* parts : {&model.triangleParts, &model.quadParts}) {
        const bool triangles = parts == &model.triangleParts;
        for (size_t index = 0; index < parts->size(); ++index) {
            tmeshpart& part = (*parts)[index];
            std::vector<ttexrun>& runs = triangles ? part.triangleRuns : part.quadRuns;
            for (ttexrun& run : runs) {
                StepAnimation(model, part, now);
                StepTextureRun(run, 0, now);
            }
            const bool posed =
                !runs.empty() && static_cast<size_t>(part.currentFrame) < part.frames.size();
            if (triangles && posed && part.name == "BSTART")
                model.bulletStart = BulletStartOffset(model, static_cast<int32_t>(index));
        }
    }
}
