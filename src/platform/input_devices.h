// InputDevices: the keyboard and mouse read in DirectInput terms. The key state comes from SDL's
// scancode state mapped to DIK scan codes; mouse motion and wheel are summed from SDL events
// between polls, so each poll gives the relative counts since the previous one.
#pragma once
#include <SDL.h>

#include <cstdint>

#include "ui/input_state.h"

// The DIK scan code of an SDL scancode; 0 for keys DirectInput has no code for.
uint8_t DikFromScancode(SDL_Scancode scancode);

class InputDevices {
  public:
    // Feeds mouse motion and wheel events; other events are ignored.
    void HandleEvent(const SDL_Event& event);
    // Writes the key bytes, the counts since the last poll and the buttons into `input`.
    void Poll(InputState& input);

  private:
    int32_t motionX_ = 0;
    int32_t motionY_ = 0;
    int32_t wheel_ = 0;
};
