// Who won the level that just ended: a team, or a player by name. The HUD words it in the
// player's language (app/hud_words.h).
#pragma once
#include <cstdint>
#include <span>
#include <string>

#include "game/match_records.h"

struct MatchWinner {
    enum class Side : uint8_t { kNone, kPlayer, kBlueTeam, kRedTeam };
    Side side = Side::kNone;
    std::string name;  // the player's, for kPlayer

    bool operator==(const MatchWinner&) const = default;
};

// Team games: the team with the higher score; equal scores go to red. DeathMatch: the last
// player in table order whose kills reached the frag limit; while no one has (the table may lag
// behind the level's end by a report), the winner known before stays.
MatchWinner WinnerOf(const tgamesettings& settings, std::span<const tplayerinfo> players,
                     const MatchWinner& previous);
