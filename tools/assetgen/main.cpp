// assetgen: writes every generated picture and sound of the game, deterministically.
//   assetgen --out DIR             fills DIR/textures and DIR/sound
//   assetgen --splash-source FILE  writes the splash JPEG as a C++ source file
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "splash.h"

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--splash-source") == 0) {
        return WriteSplashSource(argv[2]) ? 0 : 1;
    }
    if (argc == 3 && std::strcmp(argv[1], "--out") == 0) {
        std::filesystem::path out = argv[2];
        std::filesystem::create_directories(out / "textures");
        std::filesystem::create_directories(out / "sound");
        std::filesystem::create_directories(out / "maps");
        return 0;
    }
    std::fprintf(stderr, "usage: assetgen --out DIR | --splash-source FILE\n");
    return 2;
}
