#include "platform/sdl_main_window.h"

#include "base/cp1251.h"
#include "config/display_settings.h"

namespace {

constexpr int kDisplay = 0;
// The window's design size, used until it is sized to the display.
constexpr int kInitialWidth = 828;
constexpr int kInitialHeight = 648;

}  // namespace

SdlMainWindow::~SdlMainWindow() {
    if (context_) SDL_GL_DeleteContext(context_);
    if (window_) SDL_DestroyWindow(window_);
}

bool SdlMainWindow::Create() {
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    window_ = SDL_CreateWindow("zarnok", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               kInitialWidth, kInitialHeight,
                               SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS);
    if (!window_) {
        error_ = SDL_GetError();
        return false;
    }
    context_ = SDL_GL_CreateContext(window_);
    if (!context_) {
        error_ = SDL_GetError();
        return false;
    }
    SDL_GL_MakeCurrent(window_, context_);
    SDL_GL_SetSwapInterval(0);  // the frame rate is not capped
    return true;
}

void SdlMainWindow::ShowMaximised() {
    // Without a window manager a maximise request does nothing, so size it ourselves.
    SDL_Rect bounds{0, 0, kInitialWidth, kInitialHeight};
    SDL_GetDisplayBounds(kDisplay, &bounds);
    SDL_SetWindowBordered(window_, SDL_FALSE);
    SDL_SetWindowPosition(window_, bounds.x, bounds.y);
    SDL_SetWindowSize(window_, bounds.w, bounds.h);
    SDL_ShowWindow(window_);
    SDL_RaiseWindow(window_);
    SDL_GL_MakeCurrent(window_, context_);
}

void SdlMainWindow::SwapBuffers() {
    SDL_GL_SwapWindow(window_);
}

void SdlMainWindow::DrawableSize(int& width, int& height) const {
    SDL_GL_GetDrawableSize(window_, &width, &height);
}

int32_t SdlMainWindow::ScreenWidth() {
    SDL_DisplayMode mode{};
    return SDL_GetCurrentDisplayMode(kDisplay, &mode) == 0 ? mode.w : 0;
}

int32_t SdlMainWindow::ScreenHeight() {
    SDL_DisplayMode mode{};
    return SDL_GetCurrentDisplayMode(kDisplay, &mode) == 0 ? mode.h : 0;
}

int32_t SdlMainWindow::DesktopBitsPerPixel() {
    SDL_DisplayMode mode{};
    if (SDL_GetDesktopDisplayMode(kDisplay, &mode) != 0) return 0;
    return static_cast<int32_t>(SDL_BITSPERPIXEL(mode.format));
}

bool SdlMainWindow::DisplayModeAt(int32_t index, DriverDisplayMode& mode) {
    SDL_DisplayMode sdlMode{};
    if (index < 0 || index >= SDL_GetNumDisplayModes(kDisplay)) return false;
    if (SDL_GetDisplayMode(kDisplay, index, &sdlMode) != 0) return false;
    mode = {sdlMode.w, sdlMode.h, static_cast<int32_t>(SDL_BITSPERPIXEL(sdlMode.format))};
    return true;
}

bool SdlMainWindow::ChangeDisplayMode(const DriverDisplayMode& mode) {
    for (int index = 0; index < SDL_GetNumDisplayModes(kDisplay); ++index) {
        SDL_DisplayMode sdlMode{};
        if (SDL_GetDisplayMode(kDisplay, index, &sdlMode) != 0) break;
        if (sdlMode.w != mode.width || sdlMode.h != mode.height ||
            static_cast<int32_t>(SDL_BITSPERPIXEL(sdlMode.format)) != mode.bitsPerPixel) {
            continue;
        }
        return SDL_SetWindowDisplayMode(window_, &sdlMode) == 0 &&
               SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN) == 0;
    }
    return false;
}

void SdlMainWindow::Resize(int32_t width, int32_t height) {
    SDL_SetWindowSize(window_, width, height);
    SDL_GL_MakeCurrent(window_, context_);
}

void SdlMainWindow::SetWindowed(bool windowed, int32_t width, int32_t height) {
    if (!windowed) {
        SDL_SetWindowResizable(window_, SDL_FALSE);
        ShowMaximised();
        return;
    }
    SDL_SetWindowFullscreen(window_, 0);
    SDL_SetWindowBordered(window_, SDL_TRUE);
    SDL_SetWindowResizable(window_, SDL_TRUE);
    SDL_Rect usable{0, 0, 0, 0};
    SDL_GetDisplayUsableBounds(kDisplay, &usable);
    WindowSize frame;
    int top = 0, left = 0, bottom = 0, right = 0;
    // Known only where a window manager frames the window; without one there is no frame.
    if (SDL_GetWindowBordersSize(window_, &top, &left, &bottom, &right) == 0)
        frame = {left + right, top + bottom};
    const WindowSize size = WindowWithinDesktop({width, height}, {usable.w, usable.h}, frame);
    SDL_SetWindowSize(window_, size.width, size.height);
    SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    SDL_ShowWindow(window_);
    SDL_RaiseWindow(window_);
    SDL_GL_MakeCurrent(window_, context_);
}

bool SdlMainWindow::SetVsync(bool on) {
    return SDL_GL_SetSwapInterval(on ? 1 : 0) == 0;
}

void SdlMainWindow::SetCursorVisible(bool visible) {
    if (visible == cursorVisible_) return;
    cursorVisible_ = visible;
    // Hidden means playing: relative mode keeps the mouse counts coming at the screen's edges,
    // as the game's mouse look expects.
    SDL_SetRelativeMouseMode(visible ? SDL_FALSE : SDL_TRUE);
    SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

std::string SdlMainWindow::ClipboardText() {
    char* text = SDL_GetClipboardText();
    std::string converted = text ? Utf8ToCp1251(text) : std::string();
    SDL_free(text);
    return converted;
}

void SdlMainWindow::SetClipboardText(std::string_view text) {
    SDL_SetClipboardText(Cp1251ToUtf8(text).c_str());
}

void ShowErrorBox(const std::string& text) {
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "zarnok", text.c_str(), nullptr);
}
