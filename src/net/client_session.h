// Client session: joining and leaving a server, entering play, the client's outgoing messages,
// the forgetting of stale servers, the flag announcements and the level restart. Called by the
// menus, the frame loop and the 50 ms timer; the match's events reach the others through them.
#pragma once
#include <cstdint>

#include "game/match_events.h"
#include "net/client.h"
#include "net/messages.h"

struct Session;

// Joins the server at `client.serverDestination` (a default private address when none is set).
void Connect(Session& session);
// Leaves the game: tells the server, returns to the menus and forgets the tables.
void Disconnect(Session& session);
// Switches from the menus to play once a join (or a level restart) is complete.
void EnterGame(Session& session);

// The client's messages; none is sent while no server address is set.
void SendGameInfo(Session& session);  // the 50 ms state report
void SendBulletStart(Session& session, const tbulletstart& bullet);
void SendBulletFinish(Session& session, const tbulletfinish& finish);
void SendKill(Session& session, int32_t killerId, int32_t victimId);
void SendRespawnRequest(Session& session, int32_t playerId);
// What the other machines must hear of this frame's events: shots ("bulst"), bullet ends
// ("bulfn") and kills ("illim"), in order.
void SendMatchEvents(Session& session, const MatchEvents& events);

// The 50 ms timer: one state report while reports are on and the client is connected.
void ClientTimerTick(Session& session);
// Forgets servers not heard for 10 s; true when the list changed.
bool ExpireFoundServers(Client& client, uint32_t now);

// Announces flag state changes with a line and a sound on the flag's channel.
void ReportFlagEvents(Session& session, uint8_t blueState, uint8_t redState);
// Both flags are taken as at home again, with their alarms off: a new level or a new session.
void ForgetFlagEvents(Session& session);

// The restart into the next map, which the frame loop runs 5 s after the level ended.
void RestartLevel(Session& session);
