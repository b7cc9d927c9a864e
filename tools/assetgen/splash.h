// The 640 x 480 splash picture shown while the game starts, compiled into the game as a JPEG.
#pragma once
#include <string>

class TextPainter;

// Writes a C++ source file that defines kSplashJpeg / kSplashJpegSize.
bool WriteSplashSource(const std::string& path, TextPainter& text);
