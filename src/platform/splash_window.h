// SplashWindow: the borderless, stay-on-top 640 x 480 picture shown centred while the game
// starts, decoded from the JPEG compiled into the executable. Gone when destroyed.
#pragma once
#include <SDL.h>

class SplashWindow {
  public:
    SplashWindow() = default;
    ~SplashWindow();
    SplashWindow(const SplashWindow&) = delete;
    SplashWindow& operator=(const SplashWindow&) = delete;

    // Shows the picture and paints it at once; false when the window could not be made.
    bool Show();

  private:
    SDL_Window* window_ = nullptr;
};
