#include "app/frame_loop.h"

#include <charconv>
#include <string>

#include "app/game.h"
#include "app/game_step.h"
#include "app/hud_feed.h"
#include "app/log_file.h"
#include "app/map_store.h"
#include "app/remote_trace.h"
#include "net/client_session.h"
#include "net/map_transfer.h"
#include "net/net_frame.h"
#include "net/net_io.h"
#include "net/server.h"
#include "ui/input_poll.h"
#include "ui/menu_build.h"
#include "ui/menu_requests.h"
#include "ui/screen_flow.h"
#include "ui/server_rows.h"

namespace {

constexpr int32_t kCheckPeriod = 2000;
constexpr int32_t kConnectTimeout = 1000;
constexpr int32_t kTabRepeat = 200;

// Network housekeeping every two seconds, in menus as well as in play.
void TwoSecondNetworkCheck(Game& game, uint32_t now) {
    FrameTiming& timing = game.frame;
    if (Elapsed(now, timing.networkCheckTime) <= kCheckPeriod) return;
    RunNetworkHousekeeping(game);
    RefreshServerRows(game.menus, game.client, now);
    timing.networkCheckTime = now;
}

// Checks that only matter while a game is played.
void InGameChecks(Game& game, uint32_t now) {
    FrameTiming& timing = game.frame;
    ProgramState& state = game.state;
    ExpireMessageLine(game.client.messageLog, now);
    // The watchdog: a server that sent nothing for a whole period counts as gone.
    if (Elapsed(now, timing.watchdogTime) >= kCheckPeriod) {
        timing.watchdogTime = now;
        if (!state.heardFromServer && !state.connecting) state.connected = false;
        if (!state.connecting) state.heardFromServer = false;
    }
    if (state.hosting && Elapsed(now, timing.timeoutCheckTime) >= kCheckPeriod) {
        timing.timeoutCheckTime = now;
        RunServerTimeoutCheck(game);
    }
}

// A joined game whose server closed or fell silent: the player is taken back to the main menu
// and told the server does not answer, rather than left looking at a match that never moves.
void LeaveLostGame(Game& game) {
    const ProgramState& state = game.state;
    if (state.hosting || state.connected || state.connecting || game.play.players.empty()) {
        return;
    }
    Disconnect(game);
    // The main menu again: there is no game left to continue.
    BuildMenus(game, MenuVariant::Main);
    game.menus.screenState = kMainMenu;
    ShowServerSilentMessage(game);
}

void DecayMovementInput(Game& game) {
    InputState& input = game.input;
    input.yawDelta = 0.0f;
    input.pitchDelta = 0.0f;
    input.wheelDelta = 0.0f;
    float step = game.tuning.INERTION * game.tuning.WALK_SPEED;
    input.forwardAxis = DecayAxis(input.forwardAxis, step);
    input.strafeAxis = DecayAxis(input.strafeAxis, step);
}

void GameStepOrLevelRestart(Game& game, uint32_t now) {
    const ProgramState& state = game.state;
    bool levelOver = game.client.clientSettings.gameOver != 0;
    bool playersLoaded = !game.play.players.empty();
    if (playersLoaded && state.playState == 1 && !levelOver) {
        RunGameStep(game);
        TraceRemotePlayers(game);
        return;
    }
    if (state.playState > 0) StepPosesWithoutPlay(game);
    // The next map may still be on its way from the server.
    if (levelOver && state.connected && !AwaitingMap(game) &&
        Elapsed(now, state.levelEndTime) > static_cast<int32_t>(kRestartDelay)) {
        RestartLevel(game);
    }
}

// The shortest text that reads back as `value`, whatever the locale: "27.58", not "27.580000".
std::string ShortestNumber(float value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

// After a level change the server places this machine's player. Where it landed goes to stderr
// and log.txt: read after a bad spawn, it tells which map's point it was given. Checked before
// the game step, which would already move the player from there.
void LogPlacementAfterLevelChange(Game& game) {
    const ProgramState& state = game.state;
    const bool placed = state.spawnConfirmed && !game.spawnConfirmedSeen;
    game.spawnConfirmedSeen = state.spawnConfirmed;
    const auto local = static_cast<size_t>(state.localPlayerIndex);
    if (!placed || state.playState != 1 || local >= game.play.players.size()) return;
    const tvec3& at = game.play.players[local].model.position;
    TellLogLine(game.paths.logFile, "placed on " + game.client.loadedMap + " at " +
                                        ShortestNumber(at.x) + " " + ShortestNumber(at.y) + " " +
                                        ShortestNumber(at.z));
}

// Tab moves the edit focus once per press, repeating every 200 ms while held.
void MenuTabHandling(Game& game, uint32_t now) {
    FrameTiming& timing = game.frame;
    bool held = game.input.KeyHeld(DIK_TAB);
    if (!held || Elapsed(now, timing.tabDisarmTime) > kTabRepeat) timing.tabArmed = true;
    if (held && timing.tabArmed) {
        AdvanceFocus(game.menus);
        timing.tabArmed = false;
        timing.tabDisarmTime = now;
    }
}

// The menus' frame except the drawing, which the caller does: returns whether to draw them.
bool MenuFrame(Game& game, uint32_t now) {
    ProgramState& state = game.state;
    if (state.connecting && Elapsed(now, state.connectionStartTime) > kConnectTimeout) {
        state.connecting = false;
        ShowServerSilentMessage(game);
    }
    MenuTabHandling(game, now);
    ShowLevelFailure(game);
    return state.renderEnabled;
}

}  // namespace

void DrainReceivedDatagrams(Game& game) {
    DrainNetwork(game);
    RefreshServerRows(game.menus, game.client, NetNow(game));
}

float DecayAxis(float value, float step) {
    if (value > 0.0f) {
        value -= step;
        return value > 0.0f ? value : 0.0f;
    }
    value += step;
    return value < 0.0f ? value : 0.0f;
}

void UpdateSpeedFactor(FrameTiming& timing, uint32_t now) {
    if (++timing.frameCounter < 40) return;
    timing.frameCounter = 0;
    // 40 frames of 15 ms are 600 ms: a factor of 1.
    float factor = static_cast<float>(static_cast<double>(now - timing.lastSpeedSample) / 600.0);
    if (!(factor >= 0.00001f && factor <= 100.0f)) factor = 1.0f;
    timing.speedFactor = factor;
    timing.lastSpeedSample = now;
}

FrameDraw RunFrame(Game& game) {
    ProgramState& state = game.state;
    if (!state.startupComplete) return FrameDraw::Nothing;
    FrameTiming& timing = game.frame;
    uint32_t now = game.services.clock->Ticks();
    timing.now = now;

    TwoSecondNetworkCheck(game, now);
    if (state.playState > 0) InGameChecks(game, now);
    LeaveLostGame(game);
    StepMapTransfer(game);
    ReportMapTransferFailure(game);
    UpdateSpeedFactor(timing, now);

    // A tick counter that ran backwards (it wrapped) skips the body of this frame.
    if (Elapsed(now, timing.lastFrameTime) < 0) return FrameDraw::Nothing;

    if (state.hosting) RunServerFrameDuties(game);
    DecayMovementInput(game);
    PollInput(game);
    RemoveOldExplosions(game);
    LogPlacementAfterLevelChange(game);
    GameStepOrLevelRestart(game, now);
    // The game step hands on its own; what the input handlers set off (a reload) goes here.
    DeliverMatchEvents(game);

    FrameDraw draw = FrameDraw::Nothing;
    if (state.playState > 0 && state.renderEnabled) {
        draw = game.view.chaseView ? FrameDraw::ChaseView : FrameDraw::SplitView;
        StepHudState(game);
    }
    if (state.playState == 0 && MenuFrame(game, now)) draw = FrameDraw::Menus;
    timing.lastFrameTime = now;
    return draw;
}

bool RunTimerIfDue(Game& game) {
    if (!game.state.startupComplete) return false;
    uint32_t now = game.services.clock->Ticks();
    if (Elapsed(now, game.frame.lastTimerTick) < static_cast<int32_t>(kTimerInterval)) return false;
    // Like a window timer, a late tick fires once and the period starts again from now.
    game.frame.lastTimerTick = now;
    Timer1Timer(game);
    return true;
}

void Timer1Timer(Game& game) {
    if (game.state.connected) ClientTimerTick(game);
}
