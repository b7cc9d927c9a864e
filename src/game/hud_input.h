// HudInput: everything the HUD shows, gathered once per frame from the game (app/hud_feed.h)
// and read by the drawing (render/hud.h). The HUD draws from this alone, so the game's state can
// change shape without the drawing noticing.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "game/match_records.h"
#include "game/weapon.h"

// Texture slots of the HUD pictures; -1 draws the quad untextured.
struct HudPictures {
    int32_t bullet = -1;
    int32_t magazine = -1;
    int32_t blueFlag = -1, redFlag = -1;
    int32_t blueTeam = -1, redTeam = -1;
    int32_t statisticsBackground = -1;
};

// The local player's weapon as the HUD shows it.
struct HudWeapon {
    int32_t roundsLeft = kMagazineRounds;  // in the current magazine
    int32_t spareMagazines = kFullSpareMagazines;
    uint32_t reloadStart = 0;     // tick the reload in progress began
    uint32_t reloadDuration = 0;  // ms until it ends; 0 while no reload runs
};

// The HUD's own words, in the player's language (app/hud_words.h); empty ones draw nothing.
struct HudTexts {
    std::string_view kills, deaths;  // before the local player's numbers
    std::string_view connectionLost;
    std::string_view statistics, nameHeader, killsHeader, deathsHeader;
    std::string_view blueFlagTaken, redFlagTaken;
    std::string_view spawnProtection;
};

struct HudInput {
    // The local player.
    int32_t kills = 0;
    int32_t deaths = 0;
    uint8_t team = 0;
    HudWeapon weapon;
    int32_t spawnProtectionMs = 0;  // left of its protection after coming into play

    // The match, from the client's copy of the settings.
    uint8_t gameType = kDeathMatch;
    bool gameOver = false;
    int32_t blueScore = 0;
    int32_t redScore = 0;
    bool blueFlagTaken = false;
    bool redFlagTaken = false;
    bool connected = true;
    std::span<const tplayerinfo> players;  // the client's player table, in table order

    // Keys held this frame.
    bool statisticsKey = false;  // Tab
    bool hiddenLineKey = false;  // Ctrl+I

    std::span<const std::string> messageLines;  // oldest first
    std::span<const std::string> keyHint;       // lines telling the keys; none once learnt
    bool blinkOn = false;
    std::string_view winnerLine;  // empty while no winner is known
    HudPictures pictures;
    HudTexts texts;

    // The table shows while Tab is held, and for good once the level is over.
    bool StatisticsShown() const { return statisticsKey || gameOver; }
};
