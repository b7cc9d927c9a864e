// FakeMainWindow: a desktop with a chosen screen size, colour depth and driver mode list that
// records mode changes, resizes and cursor changes, for headless tests.
#pragma once
#include <string>
#include <vector>

#include "base/main_window.h"

class FakeMainWindow final : public MainWindow {
  public:
    int32_t ScreenWidth() override { return screenWidth; }
    int32_t ScreenHeight() override { return screenHeight; }
    int32_t DesktopBitsPerPixel() override { return bitsPerPixel; }
    bool DisplayModeAt(int32_t index, DriverDisplayMode& mode) override {
        ++modeQueries;
        if (index < 0 || index >= static_cast<int32_t>(modes.size())) return false;
        mode = modes[index];
        return true;
    }
    bool ChangeDisplayMode(const DriverDisplayMode& mode) override {
        changes.push_back(mode);
        if (refuseChanges) return false;
        screenWidth = mode.width;
        screenHeight = mode.height;
        return true;
    }
    void Resize(int32_t width, int32_t height) override { resizes.push_back({width, height, 0}); }
    void SetWindowed(bool on, int32_t width, int32_t height) override {
        windowed = on;
        windowSize = {width, height, 0};
    }
    bool SetVsync(bool on) override {
        vsync = on;
        return true;
    }
    void SetCursorVisible(bool visible) override { cursorVisible = visible; }
    std::string ClipboardText() override { return clipboard; }
    void SetClipboardText(std::string_view text) override { clipboard = text; }

    int32_t screenWidth = 1280;
    int32_t screenHeight = 1024;
    int32_t bitsPerPixel = 32;
    bool refuseChanges = false;
    std::vector<DriverDisplayMode> modes;

    int modeQueries = 0;
    std::vector<DriverDisplayMode> changes;
    std::vector<DriverDisplayMode> resizes;
    bool windowed = false;
    DriverDisplayMode windowSize;
    bool vsync = false;
    bool cursorVisible = true;
    std::string clipboard;
};
