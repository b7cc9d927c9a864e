// Map list: the arena map files the new-game screen offers and a server plays, found in the
// shipped maps folder and the player's own.
#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "config/content_paths.h"

// Names (with extension) of the regular files ending in ".map" (any letter case) in `folder`,
// sorted by name so the list reads the same on every machine; empty when the folder is missing.
std::vector<std::string> ListMapFiles(const std::filesystem::path& folder);
// The shipped maps and the player's, sorted, each name once; only names the network can carry
// (bare file names that fit the game settings' map field), since a host announces its map by name.
std::vector<std::string> ListMapFiles(const ContentPaths& paths);
// The map files of both folders whose names are too long for the network to carry, which the list
// above leaves out: the player is told of each rather than left to wonder.
std::vector<std::filesystem::path> MapFilesWithTooLongNames(const ContentPaths& paths);
// The longest map file name the list takes, extension included.
size_t LongestMapName();
// The file a map name opens: the shipped map (every machine of a game has it), else the player's,
// else one received from a server.
std::filesystem::path MapFile(const ContentPaths& paths, const std::string& name);
// The folders a map is looked for in, for messages.
std::string MapFolders(const ContentPaths& paths);
