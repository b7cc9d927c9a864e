// Map list: the arena map files the new-game screen offers, found in the maps folder.
#pragma once
#include <filesystem>
#include <string>
#include <vector>

// Names (with extension) of the regular files ending in ".map" (any letter case) in `folder`,
// sorted by name so the list reads the same on every machine; empty when the folder is missing.
std::vector<std::string> ListMapFiles(const std::filesystem::path& folder);
