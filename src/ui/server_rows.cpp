#include "ui/server_rows.h"

#include <algorithm>
#include <tuple>

#include "net/client.h"
#include "ui/select_list.h"

namespace {

const char* GameTypeName(uint8_t gameType) {
    if (gameType == kCaptureTheFlag) return "CTF";
    if (gameType == kTeamDeathMatch) return "TDM";
    return "DeathMatch";
}

std::string_view WithoutMapExtension(std::string_view map) {
    constexpr std::string_view kExtension = ".map";
    if (map.size() > kExtension.size() && map.ends_with(kExtension))
        map.remove_suffix(kExtension.size());
    return map;
}

std::vector<std::string> SilenceLines(tlistsilence silence) {
    switch (silence) {
        case tlistsilence::kClientPortTaken:
            return {"UDP port 7051 is taken: another copy of the game",
                    "runs on this machine, so this one hears no games.",
                    "Close it to see and join the games here."};
        case tlistsilence::kNoBroadcastInterface:
            return {"No network interface here can broadcast,",
                    "so no game on a network can be heard.",
                    "Connect to a network, or type a server's address."};
        case tlistsilence::kNothingHeard:
            // 0x96: the dash in Windows-1251.
            return {"No game heard yet.", "A game on this network appears here within 2 s;",
                    "a firewall must allow UDP 7050\x96"
                    "7051."};
        case tlistsilence::kNotSilent:
            break;
    }
    return {};
}

std::vector<tselectoption> LinesInList(const tselect& list, const std::vector<std::string>& texts) {
    std::vector<tselectoption> lines;
    for (const std::string& text : texts) {
        const float y = list.y - list.rowHeight * static_cast<float>(lines.size());
        lines.push_back(MakeSelectOption(text, list.x, y, list.w, list.rowHeight));
    }
    return lines;
}

bool SameLines(const std::vector<tselectoption>& shown, const std::vector<std::string>& texts) {
    return std::equal(shown.begin(), shown.end(), texts.begin(), texts.end(),
                      [](const tselectoption& line, const std::string& text) {
                          return line.label == CutText(text);
                      });
}

}  // namespace

std::string ServerRowText(const tfoundserver& server) {
    if (!server.presence || server.presence->gameName.length == 0) return server.address.Text();
    const tserverpresence& game = *server.presence;
    std::string row = game.gameName.Text() + " - " +
                      std::string(WithoutMapExtension(game.mapName.View())) + " - " +
                      GameTypeName(game.gameType) + " - " +
                      std::to_string(game.players + game.bots) + "/" + std::to_string(game.limit);
    if (!game.open) row += " full";
    if (game.bots > 0) row += " (" + std::to_string(game.bots) + " bots)";
    return row;
}

void SetServerRows(Menus& menus, const Client& client, uint32_t now) {
    tgnetwork& screen = menus.join;
    const int32_t selected = screen.servers.selected;
    const std::string selectedAddress =
        selected >= 0 && static_cast<size_t>(selected) < screen.rowAddresses.size()
            ? screen.rowAddresses[static_cast<size_t>(selected)]
            : "";
    // By text, then address: the order does not depend on who was heard first.
    std::vector<std::pair<std::string, std::string>> rows;
    for (const tfoundserver& server : client.foundServers)
        rows.emplace_back(ServerRowText(server), server.address.Text());
    std::sort(rows.begin(), rows.end());

    std::vector<std::string> labels;
    screen.rowAddresses.clear();
    for (const auto& [label, address] : rows) {
        labels.push_back(label);
        screen.rowAddresses.push_back(address);
    }
    SetSelectItems(screen.servers, labels);
    const auto kept =
        std::find(screen.rowAddresses.begin(), screen.rowAddresses.end(), selectedAddress);
    if (!selectedAddress.empty() && kept != screen.rowAddresses.end())
        screen.servers.selected = static_cast<int32_t>(kept - screen.rowAddresses.begin());
    screen.silenceLines =
        LinesInList(screen.servers, SilenceLines(WhyNoServerIsListed(client, now)));
}

void RefreshServerRows(Menus& menus, Client& client, uint32_t now) {
    const bool silenceChanged =
        !SameLines(menus.join.silenceLines, SilenceLines(WhyNoServerIsListed(client, now)));
    if (!client.serverListChanged && !silenceChanged) return;
    client.serverListChanged = false;
    SetServerRows(menus, client, now);
}

const tfoundserver* FullServerAt(const Client& client, std::string_view address) {
    for (const tfoundserver& server : client.foundServers) {
        if (server.address.View() == address && server.presence && !server.presence->open)
            return &server;
    }
    return nullptr;
}
