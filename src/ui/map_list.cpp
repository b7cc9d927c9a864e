#include "ui/map_list.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "net/wire_records.h"

static bool HasMapExtension(const std::string& name) {
    constexpr std::string_view kExtension = ".map";
    if (name.size() <= kExtension.size()) return false;
    const std::string_view tail = std::string_view(name).substr(name.size() - kExtension.size());
    return std::equal(tail.begin(), tail.end(), kExtension.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

static bool TravelsByName(const std::string& name) {
    return IsBareMapName(name) && name.size() <= LongestMapName();
}

size_t LongestMapName() {
    return decltype(tgamesettings::mapName)::capacity;
}

std::vector<std::string> ListMapFiles(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error) return names;
    for (const auto& entry : entries) {
        std::error_code kindError;
        if (!entry.is_regular_file(kindError)) continue;
        std::string name = entry.path().filename().string();
        if (HasMapExtension(name)) names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> ListMapFiles(const ContentPaths& paths) {
    std::vector<std::string> names = ListMapFiles(paths.mapsDir);
    if (!paths.userMapsDir.empty()) {
        const std::vector<std::string> own = ListMapFiles(paths.userMapsDir);
        names.insert(names.end(), own.begin(), own.end());
        std::sort(names.begin(), names.end());
        names.erase(std::unique(names.begin(), names.end()), names.end());
    }
    std::erase_if(names, [](const std::string& name) { return !TravelsByName(name); });
    return names;
}

std::vector<std::filesystem::path> MapFilesWithTooLongNames(const ContentPaths& paths) {
    std::vector<std::filesystem::path> files;
    for (const std::filesystem::path& folder : {paths.mapsDir, paths.userMapsDir}) {
        if (folder.empty()) continue;
        for (const std::string& name : ListMapFiles(folder)) {
            if (name.size() > LongestMapName()) files.push_back(folder / name);
        }
    }
    return files;
}

std::filesystem::path MapFile(const ContentPaths& paths, const std::string& name) {
    const std::filesystem::path shipped = paths.mapsDir / name;
    std::error_code error;
    if (std::filesystem::is_regular_file(shipped, error)) return shipped;
    for (const std::filesystem::path& folder : {paths.userMapsDir, paths.receivedMapsDir}) {
        if (folder.empty()) continue;
        const std::filesystem::path file = folder / name;
        if (std::filesystem::is_regular_file(file, error)) return file;
    }
    return shipped;
}

std::string MapFolders(const ContentPaths& paths) {
    if (paths.userMapsDir.empty()) return paths.mapsDir.string();
    return paths.mapsDir.string() + " or " + paths.userMapsDir.string();
}
