// Textures: the table of 200 GPU texture names (slots) and the list of loaded pictures. A picture
// with animation frames holds consecutive slots, so a frame is drawn by adding its number to the
// picture's first slot. Pictures load from `texturesDir` as NAME.bmp or NAME.tga, frame K from
// NAME_frK with the same extension, and reach the GPU only through the Gpu seam.
#pragma once
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class Gpu;
struct tgeomobject;

inline constexpr int32_t kTextureSlotCount = 200;
// "PLTEX1" holds one skin colour per player slot: the host and up to eight others.
inline constexpr int32_t kPlayerSkinFrames = 9;

struct tteximage {
    std::string name;
    int32_t firstSlot = 0;
    int32_t frameCount = 0;
    int32_t pixelBytes = 0;
    int32_t width = 0, height = 0;  // frame 0
};

struct TextureTable {
    std::filesystem::path texturesDir = "textures";
    std::vector<tteximage> textureList;
    std::array<uint32_t, kTextureSlotCount> textureSlotNames{};
    // The picture in the slot covers what lies behind it at every texel (alpha 255 throughout), so
    // drawing it blended changes nothing; an empty slot is not opaque.
    std::array<bool, kTextureSlotCount> slotOpaque{};
    int32_t nextTextureSlot = 0;
    bool slotNamesGenerated = false;
};

// Empties the picture list and gives every slot a fresh GPU name (deleting the old ones).
void ResetTextureSlots(TextureTable& table, Gpu& gpu);

// Appends a picture named `name` holding the next `frames` slots and uploads whatever frames exist.
// A missing picture is silent: its slots stay reserved and empty. Throws WorldLoadError when the
// slots would run past the table (nothing is reserved then) or a file cannot be decoded.
const tteximage& LoadTexture(TextureTable& table, Gpu& gpu, std::string_view name, int32_t frames);

// LoadTexture unless a picture of exactly that name is already in the list.
void LoadTextureOnce(TextureTable& table, Gpu& gpu, std::string_view name, int32_t frames);

// The texture slot of the object's texture `textureIndex`, looked up by name (the latest picture of
// that name) and cached in its textureSlots; -1 when no picture has that name.
int32_t ResolveTextureSlot(tgeomobject& object, const TextureTable& table, int32_t textureIndex);

// Whether the picture in `slot` is fully opaque; false for an empty slot or one outside the table.
bool IsOpaqueSlot(const TextureTable& table, int32_t slot);

// The GPU name in `slot`, or 0 (no texture) for a slot outside the table.
uint32_t TextureNameForSlot(const TextureTable& table, int32_t slot);
