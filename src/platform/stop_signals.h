// StopSignals: SIGINT, SIGTERM and SIGHUP held back from the process and waited for between the
// steps of a loop without a window (the dedicated server), so that any of them ends the loop
// where it can close cleanly instead of killing the program mid-step. Made once, on the main
// thread, before any other thread starts.
#pragma once
#include <cstdint>

class StopSignals {
  public:
    StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // Sleeps up to `ms` milliseconds; true once a stop signal has arrived (then at once).
    bool WaitFor(uint32_t ms);
    // The signal that stopped the loop, 0 while none did.
    int Received() const { return received_; }

  private:
    int received_ = 0;
};
