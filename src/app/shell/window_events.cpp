#include "app/shell/window_events.h"

#include <SDL.h>

#include "app/event_steps.h"
#include "app/game.h"
#include "app/text/cp1251.h"
#include "app/view_layout.h"
#include "platform/input_devices.h"

namespace {

// The control character a key produces as typed text, 0 for none.
uint8_t ControlCharacter(const SDL_KeyboardEvent& key) {
    switch (key.keysym.sym) {
        case SDLK_BACKSPACE:
            return 8;
        case SDLK_TAB:
            return 9;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return 13;
        case SDLK_ESCAPE:
            return 27;
        default:
            break;
    }
    if ((key.keysym.mod & KMOD_CTRL) && key.keysym.sym >= SDLK_a && key.keysym.sym <= SDLK_z) {
        return static_cast<uint8_t>(key.keysym.sym - SDLK_a + 1);
    }
    return 0;
}

void HandleKey(Game& game, const SDL_KeyboardEvent& key) {
    uint8_t dik = DikFromScancode(key.keysym.scancode);
    if (key.type == SDL_KEYUP) {
        if (dik) HandleKeyUp(game, dik);
        return;
    }
    if (dik) HandleKeyDown(game, dik);
    if (uint8_t control = ControlCharacter(key)) HandleCharacter(game, control);
}

void HandleButton(Game& game, const SDL_MouseButtonEvent& event) {
    MouseButton button;
    switch (event.button) {
        case SDL_BUTTON_LEFT:
            button = MouseButton::Left;
            break;
        case SDL_BUTTON_RIGHT:
            button = MouseButton::Right;
            break;
        case SDL_BUTTON_MIDDLE:
            button = MouseButton::Middle;
            break;
        default:
            return;
    }
    HandleMouseButton(game, button, event.type == SDL_MOUSEBUTTONDOWN, event.x, event.y);
}

void HandleWindowEvent(Game& game, const SDL_WindowEvent& event) {
    if (event.event != SDL_WINDOWEVENT_SIZE_CHANGED) return;
    SDL_Window* window = SDL_GetWindowFromID(event.windowID);
    int width = event.data1;
    int height = event.data2;
    if (window) SDL_GL_GetDrawableSize(window, &width, &height);
    FormResize(game.renderer, width, height);
    game.menus.client = {width, height};
}

}  // namespace

bool PumpWindowEvents(Game& game, InputDevices& devices) {
    bool keepRunning = true;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        devices.HandleEvent(event);
        switch (event.type) {
            case SDL_QUIT:
                keepRunning = false;
                break;
            case SDL_WINDOWEVENT:
                HandleWindowEvent(game, event.window);
                break;
            case SDL_KEYDOWN:
            case SDL_KEYUP:
                HandleKey(game, event.key);
                break;
            case SDL_TEXTINPUT:
                for (char c : Utf8ToCp1251(event.text.text)) {
                    HandleCharacter(game, static_cast<uint8_t>(c));
                }
                break;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP:
                HandleButton(game, event.button);
                break;
            case SDL_MOUSEMOTION:
                HandleMouseMove(game, event.motion.x, event.motion.y);
                break;
            case SDL_MOUSEWHEEL:
                HandleMouseWheel(game, event.wheel.y * 120);
                break;
            default:
                break;
        }
    }
    return keepRunning;
}
