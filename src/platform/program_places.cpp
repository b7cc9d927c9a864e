#include "platform/program_places.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// HOME, else the password database's entry: a service started without HOME still has one.
std::string HomeFolder() {
    std::string home = Variable("HOME");
    if (!home.empty()) return home;
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_dir) {
        home = found->pw_dir;
    }
    return home;
}

// An installed program finds its content beside its own folder: <prefix>/bin/zarnok reads
// <prefix>/share/zarnok, wherever the prefix is.
fs::path InstalledDataDir() {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (error) return {};
    const fs::path data = executable.parent_path().parent_path() / "share" / "zarnok";
    return fs::is_directory(data, error) ? data : fs::path();
}

void CreateFolder(const fs::path& folder) {
    if (folder.empty()) return;
    std::error_code error;
    fs::create_directories(folder, error);
    if (error)
        throw std::runtime_error("cannot create " + folder.string() + ": " + error.message());
}

}  // namespace

ContentPaths PlacesOfThisRun() {
    PlaceFacts facts;
    facts.dataDirVariable = Variable("ZARNOK_DATA_DIR");
    facts.home = HomeFolder();
    facts.configHome = Variable("XDG_CONFIG_HOME");
    facts.stateHome = Variable("XDG_STATE_HOME");
    facts.dataHome = Variable("XDG_DATA_HOME");
    facts.installedDataDir = InstalledDataDir();
    PlacesFound found = FindContentPaths(facts);
    if (!found.error.empty()) throw std::runtime_error(found.error);
    const ContentPaths& paths = found.paths;
    CreateFolder(paths.settingsFile.parent_path());
    CreateFolder(paths.logFile.parent_path());
    CreateFolder(paths.userMapsDir);
    return found.paths;
}
