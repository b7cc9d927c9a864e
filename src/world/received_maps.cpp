#include "world/received_maps.h"

#include <fstream>
#include <system_error>

#include "base/load_error.h"
#include "world/map_file.h"

namespace fs = std::filesystem;

std::string KeepReceivedMap(const fs::path& folder, const std::string& name,
                            std::span<const uint8_t> bytes) {
    try {
        // The reader that will load it judges it first: a map that would not load is not kept.
        ParseMapFile(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                     name);
    } catch (const WorldLoadError& error) {
        return error.what();
    }
    std::error_code error;
    const fs::path target = folder / name;
    const fs::path part = folder / ("." + name + ".part");
    fs::create_directories(folder, error);
    if (error) return "cannot create " + folder.string() + ": " + error.message();
    if (fs::exists(target, error)) return target.string() + " is already there";
    {
        std::ofstream out(part, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            fs::remove(part, error);
            return "cannot write " + part.string();
        }
    }
    fs::rename(part, target, error);
    if (error) {
        const std::string cause = error.message();
        fs::remove(part, error);
        return "cannot keep " + target.string() + ": " + cause;
    }
    return "";
}
