// Wire records: the match's records (game/match_records.h) are what travels, byte for byte; the
// network adds what it must check of them on arrival.
#pragma once
#include <string_view>

#include "game/match_records.h"

// A map name from the network must be a bare file name inside the maps folder.
bool IsBareMapName(std::string_view name);
