#include "ui/map_list.h"

#include <algorithm>
#include <cctype>
#include <system_error>

static bool HasMapExtension(const std::string& name) {
    constexpr std::string_view kExtension = ".map";
    if (name.size() <= kExtension.size()) return false;
    const std::string_view tail = std::string_view(name).substr(name.size() - kExtension.size());
    return std::equal(tail.begin(), tail.end(), kExtension.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
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
