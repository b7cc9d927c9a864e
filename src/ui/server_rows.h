// Server rows: the join screen's list of the games heard on the LAN, one row per server saying
// what the game is, sorted so that rows keep their places as presences come and go; and, when
// the list has stayed empty, the lines inside it that say why. Called by the menu build and by
// the frame loop after every drain of the network.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "ui/menus.h"

struct Client;
struct tfoundserver;

// A row: "name - map - type - players/limit (bots)", "full" when a join would be refused (the
// words in `language`); the bare address for a server whose presence carried no record we can read.
std::string ServerRowText(const tfoundserver& server, Language language);
// Fills the rows from what the client heard (keeping the selected server selected) and the
// silence lines from why nothing is heard.
void SetServerRows(Menus& menus, const Client& client, uint32_t now);
// The same, when the heard servers or the reason for silence changed.
void RefreshServerRows(Menus& menus, Client& client, uint32_t now);
// The listed server at `address` when its record says it is full.
const tfoundserver* FullServerAt(const Client& client, std::string_view address);
