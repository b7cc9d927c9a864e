// Fuzzes the model file reader and builder, then animates every part of what was built: no input
// may make either index outside its lists.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/load_error.h"
#include "world/animation.h"
#include "world/model_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const ModelDescription description = ParseModelFile(text, "fuzz.txt");
        ModelVertexCounters counters;
        tgeomobject model;
        BuildModel(description, counters, "fuzz.txt", model);
        const auto animations =
            model.triangleParts.empty() ? 0 : model.triangleParts[0].animations.size();
        for (int32_t index = -1; index <= static_cast<int32_t>(animations); ++index) {
            SelectAnimation(model, index);
            for (uint32_t now : {0u, 1000u, 5000u}) {
                for (auto* parts : {&model.triangleParts, &model.quadParts}) {
                    for (tmeshpart& part : *parts) {
                        const int32_t frame = StepAnimation(model, part, now);
                        if (frame != 0 && static_cast<size_t>(frame) >= part.frames.size())
                            __builtin_trap();
                    }
                }
            }
        }
        BulletStartOffset(model, FindPart(model, "BSTART"));
    } catch (const WorldLoadError&) {
    }
    return 0;
}
