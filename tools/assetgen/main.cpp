// assetgen: writes every generated picture and sound of the game, deterministically.
//   assetgen --out DIR                 fills DIR/textures and DIR/sound
//   assetgen --splash-source FILE      writes the splash JPEG as a C++ source file
//   assetgen --contact-sheet FILE.png  writes one PNG showing every texture with its name
//   assetgen --icon FILE.png           writes the program's 256 x 256 desktop icon
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

#include "contact_sheet.h"
#include "icon.h"
#include "picture_files.h"
#include "sounds.h"
#include "splash.h"
#include "text.h"
#include "texture_set.h"
#include "wav_file.h"

namespace fs = std::filesystem;

static bool WriteFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
    return static_cast<bool>(out);
}

static bool WriteRunFolder(const fs::path& out, TextPainter& text) {
    fs::create_directories(out / "textures");
    fs::create_directories(out / "sound");
    fs::create_directories(out / "maps");
    bool ok = true;
    for (const TextureFile& texture : AllTextures(text)) {
        const fs::path path = out / "textures" / TextureFileName(texture);
        ok &= WriteFile(path, texture.alpha ? EncodeTga(texture.image) : EncodeBmp(texture.image));
    }
    for (const SoundFile& sound : AllSounds())
        ok &= WriteFile(out / "sound" / sound.name, EncodeWav(sound.samples));
    return ok;
}

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(
            stderr,
            "usage: assetgen --out DIR | --splash-source FILE | --contact-sheet FILE.png | "
            "--icon FILE.png\n");
        return 2;
    }
    try {
        TextPainter text;
        if (std::strcmp(argv[1], "--splash-source") == 0)
            return WriteSplashSource(argv[2], text) ? 0 : 1;
        if (std::strcmp(argv[1], "--out") == 0) return WriteRunFolder(argv[2], text) ? 0 : 1;
        if (std::strcmp(argv[1], "--contact-sheet") == 0)
            return WriteFile(argv[2], EncodePng(ContactSheet(AllTextures(text), text))) ? 0 : 1;
        if (std::strcmp(argv[1], "--icon") == 0)
            return WriteFile(argv[2], EncodePng(GameIcon(256, text))) ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "assetgen: %s\n", error.what());
        return 1;
    }
    std::fprintf(stderr, "assetgen: unknown option %s\n", argv[1]);
    return 2;
}
