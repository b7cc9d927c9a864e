#include "platform/splash_window.h"

#include "platform/jpeg_image.h"
#include "platform/splash_jpeg.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

}  // namespace

SplashWindow::~SplashWindow() {
    if (window_) SDL_DestroyWindow(window_);
}

bool SplashWindow::Show() {
    window_ = SDL_CreateWindow(
        "", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kWidth, kHeight,
        SDL_WINDOW_BORDERLESS | SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_SKIP_TASKBAR);
    if (!window_) return false;
    RgbImage image = DecodeJpeg({kSplashJpeg, kSplashJpegSize});
    SDL_Surface* target = SDL_GetWindowSurface(window_);
    if (!target) return true;
    SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 0, 0, 0));
    if (!image.pixels.empty()) {
        SDL_Surface* picture =
            SDL_CreateRGBSurfaceWithFormatFrom(image.pixels.data(), image.width, image.height, 24,
                                               image.width * 3, SDL_PIXELFORMAT_RGB24);
        if (picture) {
            SDL_Rect area{0, 0, kWidth, kHeight};
            SDL_BlitScaled(picture, nullptr, target, &area);
            SDL_FreeSurface(picture);
        }
    }
    SDL_UpdateWindowSurface(window_);
    SDL_PumpEvents();
    return true;
}
