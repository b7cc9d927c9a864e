// Remote motion: a player another machine runs is known only from the state tables the server
// sends about twenty times a second. Shown report by report, a running player would stand still
// for several frames and then jump a whole step. Instead each report is kept, with the time it
// arrived, in a short history, and every frame the model is drawn a little behind the newest
// report, on the straight path between the two reports around that moment. When the next report
// is late or lost the model goes on along the last path for a short while, never into a
// cylinder, and then holds (at once when the newest report came again); whatever the next report
// corrects is eased out over a few frames instead of snapping. A teleport (a respawn, a new level,
// a report farther than a player could run) starts the history afresh, so the model moves there at
// once. The pose set here is the one bullets are tested against, so hits agree with what the screen
// shows.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "game/match_records.h"
#include "world/vec_math.h"

struct Match;
struct MatchPlayer;

struct ReportedPose {
    uint32_t arrived = 0;
    tvec3 position;
    float yaw = 0;
    float aimPitch = 0;
};

// The last reports of one remote player, oldest first, and what is still being eased out of the
// pose shown when the path last changed under it.
struct RemoteMotion {
    static constexpr size_t kCapacity = 6;
    std::array<ReportedPose, kCapacity> reports;
    size_t count = 0;
    // The newest report came again: its player stopped there, or its machine's next report has
    // not reached the server. Either way the model does not go on past it.
    bool repeated = false;
    tvec3 correction;
    float yawCorrection = 0;
    uint32_t correctedAt = 0;
    float correctionMs = 0;  // how long it takes to ease out
};

// Drawn this far behind the newest report: one report interval, so that a report on time is
// always there to move towards.
inline constexpr uint32_t kRemoteDisplayDelayMs = 50;
// How long the model goes on past its newest report before it holds.
inline constexpr uint32_t kRemoteExtrapolationMs = 100;

// Keeps `record`, just arrived, in the history of player `slot`; a teleport or a return to life
// clears the history first and shows the report at once.
void RecordRemoteReport(Match& match, int32_t slot, const tplayerinfo& record);
// The history is cleared: the next report is shown where it says, at once.
void ForgetRemoteMotion(MatchPlayer& player);
// Every player with a history is posed at its place on the reported path.
void StepRemotePlayers(Match& match);
