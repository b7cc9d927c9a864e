// ContentPaths: where the program reads its content and keeps the player's files. Run from the
// build tree everything is a bare name in the current folder; installed, the content comes from
// the data folder and the player's files from the XDG folders of the user's home.
#pragma once
#include <filesystem>
#include <string>

struct ContentPaths {
    std::filesystem::path soundDir = "sound/";
    std::filesystem::path mapsDir = "maps/";
    // Maps the player added; empty when there is no such folder (run from the build tree).
    std::filesystem::path userMapsDir;
    // Maps received from a server the player joined: apart from both, never replacing either.
    std::filesystem::path receivedMapsDir = "received-maps/";
    std::filesystem::path texturesDir = "textures/";
    std::filesystem::path configFile = "config.txt";
    std::filesystem::path playerModelFile = "player.txt";
    std::filesystem::path bulletModelFile = "bullet.txt";
    std::filesystem::path settingsFile = "conf2.cfg";
    std::filesystem::path displayFile = "display.cfg";
    std::filesystem::path logFile = "log.txt";
    // False when the folder of the settings (or of log.txt) could not be made or written at
    // start-up: the game then plays on and writes nothing there, keeping what the folder holds.
    bool settingsWritable = true;
    bool logWritable = true;
};

// What the machine tells about this run; empty strings for unset variables.
struct PlaceFacts {
    std::string dataDirVariable;  // ZARNOK_DATA_DIR
    std::string home;             // HOME, or the password database's home folder
    std::string configHome;       // XDG_CONFIG_HOME
    std::string stateHome;        // XDG_STATE_HOME
    std::string dataHome;         // XDG_DATA_HOME
    // <the executable's folder>/../share/zarnok when that folder exists: the program is installed.
    std::filesystem::path installedDataDir;
};

struct PlacesFound {
    ContentPaths paths;
    std::string error;  // set when the player's folders cannot be placed (no home folder)
};

// The content comes from ZARNOK_DATA_DIR, else the installed data folder, else the current folder
// (the build tree: every file there, as bare names). Off the build tree the settings go to
// $XDG_CONFIG_HOME/zarnok, log.txt to $XDG_STATE_HOME/zarnok and the player's maps are read from
// $XDG_DATA_HOME/zarnok/maps (maps received from servers are kept in
// $XDG_DATA_HOME/zarnok/received-maps); a variable unset, empty or not absolute means ~/.config,
// ~/.local/state and ~/.local/share.
PlacesFound FindContentPaths(const PlaceFacts& facts);
