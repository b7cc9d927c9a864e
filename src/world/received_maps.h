// Received maps: map files a server sent, kept in a folder of their own, apart from the shipped
// maps and the player's own. Called by the program's map store (app/map_store.h).
#pragma once
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

// Keeps `bytes` as `folder`/`name` once the map reader accepts them: written under a temporary
// name and renamed when whole, so a failure leaves no part behind, and never over a file that is
// already there. The reason it was refused (the map's line, a disk error), empty when kept.
std::string KeepReceivedMap(const std::filesystem::path& folder, const std::string& name,
                            std::span<const uint8_t> bytes);
