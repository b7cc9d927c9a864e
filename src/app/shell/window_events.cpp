#include "app/shell/window_events.h"

#include <SDL.h>

#include "app/game.h"
#include "base/cp1251.h"
#include "game/view_layout.h"
#include "platform/input_devices.h"
#include "ui/window_events.h"

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

// Held keys, the wheel and the buttons in play are read by the device poll; key-down events
// (which repeat while held) and typed characters serve the menus and text entry.
void HandleKey(Game& game, const SDL_KeyboardEvent& key) {
    if (key.type == SDL_KEYUP) return;
    if (uint8_t dik = DikFromScancode(key.keysym.scancode)) FormScanKeyDown(game, dik);
    if (uint8_t control = ControlCharacter(key)) FormKeyPress(game, control);
}

// The menus answer the left button only.
void HandleButton(Game& game, const SDL_MouseButtonEvent& event) {
    if (event.button != SDL_BUTTON_LEFT) return;
    FormLeftButton(game, event.type == SDL_MOUSEBUTTONDOWN, {event.x, event.y});
}

void HandleWindowEvent(Game& game, const SDL_WindowEvent& event) {
    if (event.event != SDL_WINDOWEVENT_SIZE_CHANGED) return;
    SDL_Window* window = SDL_GetWindowFromID(event.windowID);
    int width = event.data1;
    int height = event.data2;
    if (window) SDL_GL_GetDrawableSize(window, &width, &height);
    FormResize(game.view, width, height);
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
                    FormKeyPress(game, static_cast<uint8_t>(c));
                }
                break;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP:
                HandleButton(game, event.button);
                break;
            case SDL_MOUSEMOTION:
                FormMouseMove(game, {event.motion.x, event.motion.y});
                break;
            default:
                break;
        }
    }
    return keepRunning;
}
