// Client: what every player's machine (the host's too) knows of the game it joined: its own
// player (`localPlayer`), the settings copy (`clientSettings`, whose `running` is the connected
// flag), the ends of remote bullets waiting for their explosions, the event lines and the
// servers heard on the LAN. The program-wide flags it shares with the frame loop (connected,
// connecting, playState, localPlayerIndex...) live in the Session's ProgramState. Handlers and
// operations live in client_session.h (joining and leaving) and client_receive.h (the handler of
// port 7051).
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "net/level_link.h"
#include "net/message_log.h"
#include "net/presence.h"
#include "net/wire_codec.h"
#include "world/geom_object.h"

struct Session;

// A bullet another machine ended with a hit, waiting for its explosion (made once per frame).
struct tbulletimpact {
    tbullet bullet;
    int32_t hitKind = 0;
    int32_t hitIndex = 0;  // as the shooter's machine saw it: may name a player not known here
};

struct tfoundserver {
    tshortstring<16> address;
    uint32_t lastHeard = 0;
    // What the game is; nothing when the server sent a bare "my_ip" or a record we cannot read.
    std::optional<tserverpresence> presence;
};

// Why the join list is empty, once it has been for kListSilenceMs.
enum class tlistsilence { kNotSilent, kClientPortTaken, kNoBroadcastInterface, kNothingHeard };
// Longer than the two seconds between presences, so a game on the LAN shows before any excuse.
inline constexpr uint32_t kListSilenceMs = 3000;

inline constexpr size_t kMaxFoundServers = 21;
// Bounds of the lists the game loop consumes; the oldest entry goes first.
inline constexpr size_t kMaxImpacts = 64;
inline constexpr size_t kRememberedDepartures = 16;
inline constexpr uint32_t kFoundServerLifetimeMs = 10000;
// Used when the player joins without typing an address.
inline constexpr std::string_view kDefaultServerAddress = "192.168.0.1";

struct Client {
    uint32_t levelStartTime = 0;
    bool gameInfoEnabled = false;  // the 50 ms state reports
    // The map the level on screen was built from; a repeated announcement does not reload it.
    std::string loadedMap;
    // Why the last level start failed, with the file and line where the loader names them;
    // empty when it loaded. The menus tell the player and clear it.
    std::string levelError;
    // Set by our own level restart until the server's settings show its new level too; until
    // then a report still saying "game over" is old news, not a new level end.
    bool awaitingServerRestart = false;

    tplayerinfo localPlayer;
    tgamesettings clientSettings;
    // Where client messages go (port 7050); empty until an address is chosen.
    std::string serverDestination;

    // Players this client removed on the server's word; the server lists them until everyone
    // confirmed, so their records are left out of its tables, and a repeated removal notice is
    // confirmed again (the first confirmation may have been lost).
    std::vector<int32_t> departedIds;
    std::vector<tbulletimpact> impacts;
    std::array<uint8_t, 2> previousFlagState = {kFlagAtBase, kFlagAtBase};

    std::vector<tfoundserver> foundServers;
    bool serverListChanged = false;
    // What the list needs to explain its silence: whether the client port was ours to bind, since
    // when we listen, and whether a broadcast can reach this machine at all (checked every 2 s).
    // Without the client port no answer reaches this copy; without the server port its own
    // player's datagrams would reach the other copy's server: it can neither join nor host.
    bool clientPortOpen = false;
    bool serverPortOpen = false;
    uint32_t listeningSince = 0;
    bool broadcastInterface = true;
    tmessagelog messageLog;

    // What the network cannot do itself: load a map, frame the views (installed by the program).
    LevelHooks levelHooks;
};

// The client is in a running game (the program's `connected` flag).
bool IsConnected(const Session& session);

// Why no server is listed at `now`; kNotSilent while servers are listed or the silence is young.
tlistsilence WhyNoServerIsListed(const Client& client, uint32_t now);
