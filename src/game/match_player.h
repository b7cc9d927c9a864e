// MatchPlayer: everything this machine knows of one player of the match, one record per slot in
// the order of the server's table: its table entry (name, id, team, score), its body and pose (the
// model), whether and since when it is dead, its last shot, what its own machine last reported of
// it (and, for a player another machine runs, its last reports), the skins it wears and, for a bot,
// the bot's memory. The roster (game/roster.h) seats, places and updates it from what the network
// decodes; the rules, the renderer and the sound read it. The muzzle-flash models and sound
// channels are kept by slot beside it.
#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "game/match_records.h"
#include "game/remote_motion.h"
#include "world/geom_object.h"

// What a bot remembers between frames: the arena cylinder it stands on (-1 unknown), the
// animation it ran last frame (its looping sounds change with it), and what gets it unstuck:
// whether it meant to walk, where and how long ago it last got somewhere, how long it still steps
// sideways (to which side), how long its platform's edge has held it back and it steps off; and
// the enemy it had in sight last frame (-1 none) and since when (its skill's reaction time runs
// from then).
struct BotMemory {
    int32_t platformIndex = -1;
    int32_t previousAnimation = -1;
    bool walking = false;
    tvec3 progressFrom;
    float stillMs = 0;
    float sidestepMs = 0;
    float sidestepSide = 1;
    float heldMs = 0;
    float leavingMs = 0;
    int32_t sightedEnemy = -1;
    uint32_t sightedSince = 0;
};

struct MatchPlayer {
    // The entry the server's table gave this slot.
    tplayerinfo entry;
    // Body (position, velocity, extents) and pose (animation state per part, aim pitch, muzzle
    // point). Without a loaded model (no player model file, or no Gpu) only the body's position
    // and yaw are kept, and the rules leave the player alone.
    tgeomobject model;
    bool hasModel = false;

    bool isBot = false;
    bool dead = false;
    uint32_t deathTime = 0;
    int32_t respawnDelay = 2000;  // ms
    uint32_t lastShotTime = 0;
    uint32_t muzzleStartTime = 0;  // the last shot seen, for the muzzle flash
    // Since when it is protected after coming into play (game/spawn_protection.h).
    bool spawnProtected = false;
    uint32_t protectedSince = 0;

    // As the player's own machine last reported it.
    float aimPitch = 0;
    int8_t animation = -1;
    // Another machine's player: its last reports, the path it is drawn along.
    RemoteMotion remoteMotion;

    // Skin frames: the head's, and the team skin of body and shoulders (0: default).
    int32_t headSkinFrame = 0;
    int32_t bodySkinFrame = 0;

    BotMemory bot;
};

// The players' table entries, in slot order, into `entries` (its storage reused frame to frame).
inline void CopyTableEntries(std::span<const MatchPlayer> players,
                             std::vector<tplayerinfo>& entries) {
    entries.clear();
    for (const MatchPlayer& player : players) entries.push_back(player.entry);
}
inline std::vector<tplayerinfo> TableEntries(std::span<const MatchPlayer> players) {
    std::vector<tplayerinfo> entries;
    CopyTableEntries(players, entries);
    return entries;
}

// The slot of the player with `id`, or -1.
inline int32_t FindPlayerSlot(std::span<const MatchPlayer> players, int32_t id) {
    for (size_t i = 0; i < players.size(); ++i) {
        if (players[i].entry.id == id) return static_cast<int32_t>(i);
    }
    return -1;
}
