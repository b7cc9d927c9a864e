#include "world/textures.h"

#include "base/file_bytes.h"
#include "base/load_error.h"
#include "world/bmp_decoder.h"
#include "world/geom_object.h"
#include "world/gpu.h"
#include "world/tga_decoder.h"

namespace {

// Enough for a 4096 x 4096 32-bit bitmap and its headers.
constexpr size_t kMaxPictureFileBytes = 4096 * 4096 * 4 + 4096;

enum class PictureFormat { Bmp, Tga };

struct PictureFile {
    std::filesystem::path path;
    std::vector<uint8_t> bytes;
};

std::optional<PictureFile> ReadPicture(const std::filesystem::path& stem, PictureFormat format) {
    std::filesystem::path path = stem;
    path += format == PictureFormat::Bmp ? ".bmp" : ".tga";
    auto bytes = ReadFileBytes(path, kMaxPictureFileBytes);
    if (!bytes) return std::nullopt;
    return PictureFile{path, std::move(*bytes)};
}

DecodedPicture Decode(const PictureFile& file, PictureFormat format, AlphaRule rule) {
    return format == PictureFormat::Bmp ? DecodeBmp(file.bytes, rule, file.path)
                                        : DecodeTga(file.bytes, file.path);
}

bool EveryTexelOpaque(const std::vector<uint8_t>& rgba) {
    for (size_t alpha = 3; alpha < rgba.size(); alpha += 4) {
        if (rgba[alpha] != 255) return false;
    }
    return !rgba.empty();
}

void Upload(Gpu& gpu, TextureTable& table, int32_t slot, const DecodedPicture& picture) {
    table.slotOpaque[static_cast<size_t>(slot)] = EveryTexelOpaque(picture.rgba);
    gpu.UploadTexture(table.textureSlotNames[static_cast<size_t>(slot)], picture.width,
                      picture.height, picture.rgba);
}

}  // namespace

void ResetTextureSlots(TextureTable& table, Gpu& gpu) {
    table.textureList.clear();
    if (table.slotNamesGenerated) gpu.DeleteTextures(table.textureSlotNames);
    gpu.GenerateTextures(table.textureSlotNames);
    table.slotNamesGenerated = true;
    table.nextTextureSlot = 0;
    table.slotOpaque.fill(false);
}

const tteximage& LoadTexture(TextureTable& table, Gpu& gpu, std::string_view name, int32_t frames) {
    if (frames < 1) frames = 1;
    if (frames > kTextureSlotCount - table.nextTextureSlot) {
        throw WorldLoadError("texture " + std::string(name) + ": no free texture slot (" +
                             std::to_string(kTextureSlotCount) + " in use)");
    }
    tteximage image;
    image.name = TruncateName(name);
    image.firstSlot = table.nextTextureSlot;
    image.frameCount = frames;
    table.nextTextureSlot += frames;
    table.textureList.push_back(image);
    tteximage& stored = table.textureList.back();

    const std::filesystem::path stem = table.texturesDir / stored.name;
    PictureFormat format = PictureFormat::Bmp;
    auto file = ReadPicture(stem, format);
    if (!file) {
        format = PictureFormat::Tga;
        file = ReadPicture(stem, format);
    }
    if (!file) return stored;

    const AlphaRule rule = AlphaRuleForName(stored.name);
    const DecodedPicture first = Decode(*file, format, rule);
    stored.width = first.width;
    stored.height = first.height;
    stored.pixelBytes = static_cast<int32_t>(first.rgba.size());
    Upload(gpu, table, stored.firstSlot, first);

    for (int32_t k = 1; k < frames; ++k) {
        std::filesystem::path frameStem = stem;
        frameStem += "_fr" + std::to_string(k);
        auto frameFile = ReadPicture(frameStem, format);
        if (!frameFile) break;
        // Each frame keeps its own size: a frame that differs from frame 0 must not be read
        // with frame 0's dimensions.
        Upload(gpu, table, stored.firstSlot + k, Decode(*frameFile, format, rule));
    }
    return stored;
}

void LoadTextureOnce(TextureTable& table, Gpu& gpu, std::string_view name, int32_t frames) {
    const std::string stored = TruncateName(name);
    for (const auto& image : table.textureList) {
        if (image.name == stored) return;
    }
    LoadTexture(table, gpu, stored, frames);
}

int32_t ResolveTextureSlot(tgeomobject& object, const TextureTable& table, int32_t textureIndex) {
    if (textureIndex < 0 || static_cast<size_t>(textureIndex) >= object.textureSlots.size() ||
        static_cast<size_t>(textureIndex) >= object.textureNames.size())
        return -1;
    int32_t& slot = object.textureSlots[static_cast<size_t>(textureIndex)];
    if (slot != -1) return slot;
    const std::string& name = object.textureNames[static_cast<size_t>(textureIndex)];
    for (const auto& image : table.textureList) {
        if (image.name == name) slot = image.firstSlot;
    }
    return slot;
}

bool IsOpaqueSlot(const TextureTable& table, int32_t slot) {
    return slot >= 0 && slot < kTextureSlotCount && table.slotOpaque[static_cast<size_t>(slot)];
}

uint32_t TextureNameForSlot(const TextureTable& table, int32_t slot) {
    if (slot < 0 || slot >= kTextureSlotCount) return 0;
    return table.textureSlotNames[static_cast<size_t>(slot)];
}
