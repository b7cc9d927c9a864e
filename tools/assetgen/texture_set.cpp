#include "texture_set.h"

std::string TextureFileName(const TextureFile& texture) {
    return texture.name + (texture.alpha ? ".tga" : ".bmp");
}

void AddFrames(std::vector<TextureFile>& out, const std::string& name, bool alpha, int count,
               const std::vector<Image>& frames) {
    for (int k = 0; k < count; ++k) {
        std::string file = k == 0 ? name : name + "_fr" + std::to_string(k);
        out.push_back({file, frames[static_cast<size_t>(k)], alpha});
    }
}

std::vector<TextureFile> AllTextures(TextPainter& text) {
    std::vector<TextureFile> all;
    for (auto* part : {&WorldTextures, &MenuTextures}) {
        std::vector<TextureFile> some = (*part)(text);
        all.insert(all.end(), some.begin(), some.end());
    }
    for (auto* part : {&PlayerTextures, &EffectTextures}) {
        std::vector<TextureFile> some = (*part)();
        all.insert(all.end(), some.begin(), some.end());
    }
    return all;
}
