// Match events: what the rules report happened, in order, for the layers that serve the match:
// the network turns them into messages, sound into sounds. The rules only append; the frame loop
// hands them on once a frame and empties the list.
#pragma once
#include <cstdint>
#include <variant>
#include <vector>

#include "world/vec_math.h"

// A bullet this machine decides left the muzzle of player `ownerIndex` (announced, and heard).
struct ShotFired {
    int32_t bulletId = 0;
    int32_t ownerIndex = 0;
    tvec3 position;
    tvec3 velocity;
};

// A bullet this machine decides ended with a hit of `hitKind` on `hitIndex` (-1: it flew out).
struct BulletEnded {
    int32_t bulletId = 0;
    int32_t hitKind = 0;
    int32_t hitIndex = 0;
};

// This machine's bullet killed a player; the ids are the table's.
struct PlayerKilled {
    int32_t killerId = 0;
    int32_t victimId = 0;
};

// A sound of one player's own that starts or stops.
enum class PlayerSound : uint8_t { kReloadStarted, kReloadFinished, kDeath };
struct PlayerSoundCue {
    int32_t playerIndex = 0;
    PlayerSound sound = PlayerSound::kDeath;
};

// A player's looping step and sprint sounds follow the animation it now runs.
struct GaitChanged {
    int32_t playerIndex = 0;
    int32_t animation = -1;
};

// The host's flag rules moved the flag of team `owners` (0 blue, 1 red): `playerId` took it, or
// returned it home; a dropped flag lies where its carrier fell; a captured one went home.
enum class FlagChange : uint8_t { kTaken, kDropped, kReturned, kCaptured };
struct FlagChanged {
    uint8_t owners = 0;
    FlagChange change = FlagChange::kTaken;
    int32_t playerId = 0;  // the taker, the carrier, or the returner
};

// The roster seated a player in the next slot, unseated slot `slot` (later slots move down), or
// emptied: every per-slot table that serves the match (the sound channels) follows.
struct PlayerSeated {
    int32_t slot = 0;
    uint8_t team = 0;
};
struct PlayerUnseated {
    int32_t slot = 0;
};
struct RosterEmptied {};

// Another machine's player `ownerIndex` fired (its bullet is on its way here).
struct RemoteShot {
    int32_t ownerIndex = 0;
};

// The level is over: nobody walks any more.
struct LevelEnded {};

// This machine announces a flag change it saw in the server's table (the message line and the
// flag's sound), or a new level silences both flags' alarms.
struct FlagAnnounced {
    uint8_t owners = 0;
    FlagChange change = FlagChange::kTaken;
};
struct FlagAlarmsOff {};

using MatchEvent = std::variant<ShotFired, BulletEnded, PlayerKilled, PlayerSoundCue, GaitChanged,
                                FlagChanged, PlayerSeated, PlayerUnseated, RosterEmptied,
                                RemoteShot, LevelEnded, FlagAnnounced, FlagAlarmsOff>;
using MatchEvents = std::vector<MatchEvent>;
