#include "config/content_paths.h"

namespace {

namespace fs = std::filesystem;

// The XDG rule: a relative path in the variable is as good as none.
bool Usable(const std::string& folder) {
    return !folder.empty() && fs::path(folder).is_absolute();
}

// $variable/zarnok, else ~/fallback/zarnok; empty when neither is usable.
fs::path UserFolder(const std::string& variable, const PlaceFacts& facts, const char* fallback) {
    if (Usable(variable)) return fs::path(variable) / "zarnok";
    if (Usable(facts.home)) return fs::path(facts.home) / fallback / "zarnok";
    return {};
}

}  // namespace

PlacesFound FindContentPaths(const PlaceFacts& facts) {
    PlacesFound found;
    const fs::path data =
        !facts.dataDirVariable.empty() ? fs::path(facts.dataDirVariable) : facts.installedDataDir;
    if (data.empty()) return found;
    ContentPaths& paths = found.paths;
    paths.soundDir = data / "sound/";
    paths.mapsDir = data / "maps/";
    paths.texturesDir = data / "textures/";
    paths.configFile = data / "config.txt";
    paths.playerModelFile = data / "player.txt";
    paths.bulletModelFile = data / "bullet.txt";

    const fs::path settings = UserFolder(facts.configHome, facts, ".config");
    const fs::path state = UserFolder(facts.stateHome, facts, ".local/state");
    const fs::path userData = UserFolder(facts.dataHome, facts, ".local/share");
    if (settings.empty() || state.empty() || userData.empty()) {
        found.error = "no home folder for the settings: set HOME (or the XDG_*_HOME variables)";
        return found;
    }
    paths.settingsFile = settings / "conf2.cfg";
    paths.displayFile = settings / "display.cfg";
    paths.logFile = state / "log.txt";
    paths.userMapsDir = userData / "maps/";
    paths.receivedMapsDir = userData / "received-maps/";
    return found;
}
