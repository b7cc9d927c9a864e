// The 640 x 480 splash picture shown while the game starts.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

std::vector<uint8_t> DrawSplashRgb(int width, int height);
// Writes a C++ source file that defines kSplashJpeg / kSplashJpegSize.
bool WriteSplashSource(const std::string& path);
