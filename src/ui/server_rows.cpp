#include "ui/server_rows.h"

#include <algorithm>
#include <tuple>

#include "net/client.h"
#include "ui/game_type_names.h"
#include "ui/menu_phrases.h"
#include "ui/select_list.h"

namespace {

std::string_view WithoutMapExtension(std::string_view map) {
    constexpr std::string_view kExtension = ".map";
    if (map.size() > kExtension.size() && map.ends_with(kExtension))
        map.remove_suffix(kExtension.size());
    return map;
}

std::vector<std::string> SilenceLines(tlistsilence silence, Language language) {
    auto lines = [language](const Phrase& first, const Phrase& second, const Phrase& third) {
        return std::vector<std::string>{Say(first, language), Say(second, language),
                                        Say(third, language)};
    };
    switch (silence) {
        case tlistsilence::kClientPortTaken:
            return lines(kPortTaken1, kPortTaken2, kPortTaken3);
        case tlistsilence::kNoBroadcastInterface:
            return lines(kNoBroadcast1, kNoBroadcast2, kNoBroadcast3);
        case tlistsilence::kNothingHeard:
            return lines(kNothingHeard1, kNothingHeard2, kNothingHeard3);
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

std::string ServerRowText(const tfoundserver& server, Language language) {
    if (!server.presence || server.presence->gameName.length == 0) return server.address.Text();
    const tserverpresence& game = *server.presence;
    std::string row = game.gameName.Text() + " - " +
                      std::string(WithoutMapExtension(game.mapName.View())) + " - " +
                      Say(GameTypePhrase(game.gameType), language) + " - " +
                      std::to_string(game.players + game.bots) + "/" + std::to_string(game.limit);
    if (!game.open) row += Say(kRowFull, language);
    if (game.bots > 0) row += SayWith(kRowBots, language, {std::to_string(game.bots)});
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
        rows.emplace_back(ServerRowText(server, menus.language), server.address.Text());
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
        LinesInList(screen.servers, SilenceLines(WhyNoServerIsListed(client, now), menus.language));
}

void RefreshServerRows(Menus& menus, Client& client, uint32_t now) {
    const bool silenceChanged = !SameLines(
        menus.join.silenceLines, SilenceLines(WhyNoServerIsListed(client, now), menus.language));
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
