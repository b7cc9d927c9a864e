// Map store: where the network's map transfer finds, keeps and serves map files on this machine
// (the shipped maps, the player's own, those received from servers), and what the player is told
// when a map could not be fetched. Installed at start-up by the game and the dedicated server.
#pragma once
#include "config/content_paths.h"

struct Session;
struct Game;

// `paths` must outlive the session's use of the store.
void InstallMapStore(Session& session, const ContentPaths& paths);
// A map the server could not give: back to the main menu, with a box naming the map and why.
void ReportMapTransferFailure(Game& game);
