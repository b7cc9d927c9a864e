// MainWindow: what the game asks of its window and desktop: the screen size and display modes,
// the full-screen mode switch, resizing, the cursor, message boxes and the clipboard. The game's
// implementation is SDL (platform/sdl_main_window); tests use a fake. Texts are Windows-1251.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct DriverDisplayMode {
    int32_t width = 0;
    int32_t height = 0;
    int32_t bitsPerPixel = 0;
};

class MainWindow {
  public:
    virtual ~MainWindow() = default;

    virtual int32_t ScreenWidth() = 0;
    virtual int32_t ScreenHeight() = 0;
    virtual int32_t DesktopBitsPerPixel() = 0;
    // The driver's mode at `index`, false past the last one.
    virtual bool DisplayModeAt(int32_t index, DriverDisplayMode& mode) = 0;
    // A temporary full-screen change; false when the system refuses it.
    virtual bool ChangeDisplayMode(const DriverDisplayMode& mode) = 0;
    // Resizes the main window and binds the GL context to it again.
    virtual void Resize(int32_t width, int32_t height) = 0;
    // A framed window of the given size that the user may resize, or (false) the whole display
    // without a frame.
    virtual void SetWindowed(bool windowed, int32_t width, int32_t height) = 0;
    // Swaps wait for the display's refresh while on; false when the driver cannot.
    virtual bool SetVsync(bool on) = 0;

    // Hiding the cursor also captures the mouse for relative motion (play); showing frees it.
    virtual void SetCursorVisible(bool visible) = 0;
    virtual std::string ClipboardText() = 0;
    virtual void SetClipboardText(std::string_view text) = 0;
};
