// Who won the level that just ended, as the line the HUD announces (Windows-1251).
#pragma once
#include <span>
#include <string>
#include <string_view>

#include "game/match_records.h"

// Team games: the team with the higher score; equal scores go to red. DeathMatch: the last
// player in table order whose kills reached the frag limit; while no one has (the table may lag
// behind the level's end by a report), the line announced before stays.
std::string WinnerLine(const tgamesettings& settings, std::span<const tplayerinfo> players,
                       std::string_view previousLine);
