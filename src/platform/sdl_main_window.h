// SdlMainWindow: the game's one window "zarnok" with its OpenGL context (compatibility profile,
// double buffer, depth 24, stencil 8), created hidden and borderless at the size of the display,
// shown over the whole display or as a resizable window of a chosen size, and the MainWindow
// services on top of SDL: display modes, the full-screen mode switch, cursor and the
// clipboard (texts Windows-1251). Owns window and context.
#pragma once
#include <SDL.h>

#include <string>

#include "base/main_window.h"

class SdlMainWindow final : public MainWindow {
  public:
    SdlMainWindow() = default;
    ~SdlMainWindow() override;
    SdlMainWindow(const SdlMainWindow&) = delete;
    SdlMainWindow& operator=(const SdlMainWindow&) = delete;

    // Creates the hidden window and its context and makes the context current; false with
    // Error() set when either fails.
    bool Create();
    // Sizes the window to the whole display without a border, then shows and raises it.
    void ShowMaximised();
    void SwapBuffers();
    SDL_Window* Handle() const { return window_; }
    void DrawableSize(int& width, int& height) const;
    const std::string& Error() const { return error_; }

    int32_t ScreenWidth() override;
    int32_t ScreenHeight() override;
    int32_t DesktopBitsPerPixel() override;
    bool DisplayModeAt(int32_t index, DriverDisplayMode& mode) override;
    bool ChangeDisplayMode(const DriverDisplayMode& mode) override;
    void Resize(int32_t width, int32_t height) override;
    void SetWindowed(bool windowed, int32_t width, int32_t height) override;
    bool SetVsync(bool on) override;
    void SetCursorVisible(bool visible) override;
    std::string ClipboardText() override;
    void SetClipboardText(std::string_view text) override;

  private:
    SDL_Window* window_ = nullptr;
    SDL_GLContext context_ = nullptr;
    bool cursorVisible_ = true;
    std::string error_;
};

// A message box without a parent window (for errors before the window exists); `text` is UTF-8.
void ShowErrorBox(const std::string& text);
