#include "platform/program_places.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
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

// Made and writable, or a line saying why not.
std::string FolderFault(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) return "cannot create " + folder.string() + ": " + error.message();
    if (access(folder.c_str(), W_OK) != 0)
        return "cannot write in " + folder.string() + ": " + std::strerror(errno);
    return {};
}

// Run from the build tree the files are bare names in the current folder.
fs::path FolderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

bool MakeFolder(const fs::path& folder, std::vector<std::string>& folderFaults) {
    if (folder.empty()) return true;
    std::string fault = FolderFault(folder);
    if (fault.empty()) return true;
    // The settings and log.txt may share a folder: it is told once.
    if (std::find(folderFaults.begin(), folderFaults.end(), fault) == folderFaults.end())
        folderFaults.push_back(std::move(fault));
    return false;
}

}  // namespace

ContentPaths PlacesOfThisRun(std::vector<std::string>& folderFaults) {
    PlaceFacts facts;
    facts.dataDirVariable = Variable("ZARNOK_DATA_DIR");
    facts.home = HomeFolder();
    facts.configHome = Variable("XDG_CONFIG_HOME");
    facts.stateHome = Variable("XDG_STATE_HOME");
    facts.dataHome = Variable("XDG_DATA_HOME");
    facts.installedDataDir = InstalledDataDir();
    PlacesFound found = FindContentPaths(facts);
    if (!found.error.empty()) throw std::runtime_error(found.error);
    ContentPaths& paths = found.paths;
    paths.settingsWritable = MakeFolder(FolderOf(paths.settingsFile), folderFaults);
    paths.logWritable = MakeFolder(FolderOf(paths.logFile), folderFaults);
    MakeFolder(paths.userMapsDir, folderFaults);
    return paths;
}
