// ProgramState: the program-wide flags every subsystem reads (who hosts, whether the client is
// connected, whether a match is played) and FrameTiming: the frame loop's clock bookkeeping.
// Both live in the Session; the frame loop (app/frame_loop) is their main reader.
#pragma once
#include <cstdint>

struct ProgramState {
    bool startupComplete = false;  // the frame loop does nothing until start-up has finished
    bool renderEnabled = false;    // drawing allowed (cleared while the display mode changes)
    bool vsyncOn = false;          // swaps wait for the display's refresh (the driver agreed)
    bool quitRequested = false;    // the menu's Exit: the shell closes the window gracefully
    int32_t playState = 0;         // 0 menus, 1 a game is played
    bool hosting = false;          // this process runs the server
    bool connecting = false;       // a connection request is outstanding
    bool connected = false;        // the client is in a running game; cleared on server silence
    bool heardFromServer = false;  // a game-information reply arrived since the last check
    bool spawnConfirmed = true;    // the server has sent the local player's spawn position
    bool localDeathPending = false;
    int32_t localPlayerIndex = 0;
    uint32_t levelEndTime = 0;         // tick of the level's end, plus a random 0..199
    uint32_t connectionStartTime = 0;  // tick of the last connection request
};

struct FrameTiming {
    uint32_t now = 0;  // read once per frame; every time rule of the frame uses it
    uint32_t lastFrameTime = 0;
    int32_t frameCounter = 0;
    uint32_t lastSpeedSample = 0;
    float speedFactor = 1.0f;  // average frame time of the last 40 frames / 15 ms

    // Periodic checks, each the tick of its last run.
    uint32_t networkCheckTime = 0;
    uint32_t watchdogTime = 0;
    uint32_t timeoutCheckTime = 0;
    uint32_t tabDisarmTime = 0;
    bool tabArmed = true;

    uint32_t lastTimerTick = 0;  // the 50 ms timer's last firing
};
