#include "app/map_store.h"

#include <cstdio>
#include <system_error>

#include "app/game.h"
#include "app/log_file.h"
#include "base/file_bytes.h"
#include "base/load_error.h"
#include "net/map_messages.h"
#include "ui/fault_details.h"
#include "ui/map_list.h"
#include "ui/menu_build.h"
#include "ui/menu_phrases.h"
#include "ui/menu_requests.h"
#include "world/received_maps.h"

namespace {

void Tell(const ContentPaths& paths, const std::string& line) {
    std::fprintf(stderr, "zarnok: %s\n", line.c_str());
    try {
        AppendLogLine(paths.logFile, line);
    } catch (const std::exception&) {
    }
}

tservedmap ReadServedMap(const ContentPaths& paths, const std::string& name) {
    tservedmap served;
    const std::filesystem::path file = MapFile(paths, name);
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return served;
    served.size = std::filesystem::file_size(file, error);
    if (error) return served;
    served.found = true;
    // A map too big to send is only announced by its size.
    if (served.size > static_cast<uint64_t>(kMaxTransferredMapBytes)) return served;
    try {
        if (auto bytes = ReadFileBytes(file, static_cast<size_t>(kMaxTransferredMapBytes))) {
            served.bytes = std::move(*bytes);
            served.size = served.bytes.size();
        } else {
            served.found = false;
        }
    } catch (const WorldLoadError&) {
        served.found = false;
    }
    return served;
}

}  // namespace

void InstallMapStore(Session& session, const ContentPaths& paths) {
    MapStore& store = session.maps.store;
    store.has = [&paths](const std::string& name) {
        std::error_code error;
        return std::filesystem::is_regular_file(MapFile(paths, name), error);
    };
    store.keep = [&paths](const std::string& name, std::span<const uint8_t> bytes) {
        std::string refused = KeepReceivedMap(paths.receivedMapsDir, name, bytes);
        if (refused.empty()) {
            Tell(paths, "map " + name + " received from the server, kept in " +
                            paths.receivedMapsDir.string());
        }
        return refused;
    };
    store.read = [&paths](const std::string& name) { return ReadServedMap(paths, name); };
}

void ReportMapTransferFailure(Game& game) {
    std::optional<tmapfailure> failure = TakeMapFailure(game);
    if (!failure) return;
    Tell(game.paths, "map " + failure->map + " not received: " + failure->reason);
    // The transfer's own reason says it all; a loader's message would repeat it.
    game.client.levelError.clear();
    BuildMenus(game, MenuVariant::Main);
    game.menus.screenState = kMainMenu;
    ShowMenuMessage(game.menus, SayWith(kMapNotReceived, game.menus.language, {failure->map}),
                    DetailInLanguage(failure->reason, game.menus.language));
}
