// The splash picture, a JPEG compiled into the executable by the build (see tools/assetgen).
#pragma once
#include <cstddef>

extern const unsigned char kSplashJpeg[];
extern const std::size_t kSplashJpegSize;
