#include "net/client_session.h"

#include <algorithm>

#include "app/game.h"
#include "net/level_link.h"
#include "net/net_io.h"
#include "net/player_models.h"
#include "net/server.h"
#include "sound/player_channels.h"
#include "sound/sound_buffers.h"
#include "sound/sound_loading.h"

namespace {

void SendToServer(Game& game, const tdatagram& datagram) {
    SendDatagram(game, game.client.serverDestination, kServerPort, datagram);
}

// The local player's presence (its model), when the table already has it.
tplayerpresence* LocalPresence(Game& game) {
    int32_t index = game.state.localPlayerIndex;
    if (index < 0 || index >= static_cast<int32_t>(game.client.players.size())) return nullptr;
    return &game.client.players[static_cast<size_t>(index)];
}

// Whoever the last shots of a level killed starts the next one standing: the local player as
// well as the bots, with no death left to show.
void StartEveryoneAlive(Game& game) {
    for (tgeomobject& model : game.play.playerModels) model.dead = false;
    for (tplayerpresence& player : game.client.players) player.dead = false;
    game.state.localDeathPending = false;
}

}  // namespace

void Connect(Game& game) {
    Client& client = game.client;
    if (IsConnected(game)) Disconnect(game);
    if (client.serverDestination.empty()) {
        client.serverDestination = kDefaultServerAddress;
        client.clientSettings.serverAddress.Assign(kDefaultServerAddress);
    }
    client.localPlayer.id = DrawNetId(game);
    SendToServer(game, BuildConnect(client.localPlayer));
    game.state.connecting = true;
    game.state.connectionStartTime = NetNow(game);
}

void Disconnect(Game& game) {
    Client& client = game.client;
    if (client.serverDestination.empty()) return;
    SendToServer(game, BuildDisconnect(client.localPlayer.id));
    game.state.playState = 0;
    client.clientPlayers.clear();
    client.players.clear();
    ReleasePlayerChannels(game.sound);
    game.play.playerModels.clear();
    game.play.muzzleModels.clear();
    game.play.bullets.clear();
    game.play.explosions.clear();
    client.impacts.clear();
    client.departedIds.clear();
    client.loadedMap.clear();
    client.awaitingServerRestart = false;
    ForgetFlagEvents(game);
    if (game.state.hosting) StopHosting(game);
    client.gameInfoEnabled = false;
    // Without this a later Connect would first send a second "discn" for the old id.
    game.state.connected = false;
}

void EnterGame(Game& game) {
    Client& client = game.client;
    if (client.levelHooks.enteredGame) client.levelHooks.enteredGame(game);
    game.state.playState = 1;
    client.gameInfoEnabled = true;
    client.levelStartTime = NetNow(game);
    ClearMessageLog(client.messageLog);
    client.clientSettings.gameOver = 0;
    if (game.state.hosting) {
        tgamesettings& settings = game.server.serverSettings;
        settings.gameOver = 0;
        // Every level starts with both flags standing at the map's homes.
        settings.blueFlag = {game.world.arena.blueFlagHome, 0, kFlagAtBase, 0, 0};
        settings.redFlag = {game.world.arena.redFlagHome, 0, kFlagAtBase, 0, 0};
    }
    game.state.heardFromServer = true;
    game.state.connecting = false;
}

void SendGameInfo(Game& game) {
    Client& client = game.client;
    ReadModelIntoPresence(game, game.state.localPlayerIndex);
    if (const tplayerpresence* self = LocalPresence(game)) {
        client.localPlayer.position = self->position;
        client.localPlayer.aimPitch = self->aimPitch;
        client.localPlayer.yaw = self->yaw;
        client.localPlayer.animation = self->animation;
        client.localPlayer.animationPace = self->animationPace;
        client.localPlayer.dead = self->dead ? 1 : 0;
    }
    SendToServer(game, BuildClientGameInfo(client.localPlayer.id, client.localPlayer));
}

void SendBulletStart(Game& game, const tbulletstart& bullet) {
    SendToServer(game, BuildBulletStart(bullet));
}

void SendBulletFinish(Game& game, const tbulletfinish& finish) {
    SendToServer(game, BuildBulletFinish(finish));
}

void SendKill(Game& game, int32_t killerId, int32_t victimId) {
    SendToServer(game, BuildKill({killerId, victimId}));
}

void SendRespawnRequest(Game& game, int32_t playerId) {
    SendToServer(game, BuildRespawnRequest(playerId));
}

void SendMatchEvents(Game& game, const MatchEvents& events) {
    for (const MatchEvent& event : events) {
        if (const auto* shot = std::get_if<ShotFired>(&event)) {
            SendBulletStart(game,
                            {shot->bulletId, shot->ownerIndex, shot->position, shot->velocity});
        } else if (const auto* end = std::get_if<BulletEnded>(&event)) {
            SendBulletFinish(game, {end->bulletId, end->hitKind, end->hitIndex});
        } else if (const auto* kill = std::get_if<PlayerKilled>(&event)) {
            SendKill(game, kill->killerId, kill->victimId);
        }
    }
}

void ClientTimerTick(Game& game) {
    if (game.client.gameInfoEnabled && IsConnected(game)) SendGameInfo(game);
}

bool ExpireFoundServers(Client& client, uint32_t now) {
    size_t before = client.foundServers.size();
    std::erase_if(client.foundServers, [&](const tfoundserver& server) {
        return now - server.lastHeard > kFoundServerLifetimeMs;
    });
    if (client.foundServers.size() != before) client.serverListChanged = true;
    return client.foundServers.size() != before;
}

void ReportFlagEvents(Game& game, uint8_t blueState, uint8_t redState) {
    struct FlagTexts {
        const char* captured;
        const char* returned;
        const char* taken;
        const char* dropped;
    };
    // The blue flag coming home from a carrier means the red team brought it in, and the other
    // way round.
    static constexpr FlagTexts kTexts[2] = {
        {"Read team brings the flag", "Blue flag returned", "Blue flag taken", "Blue flag droped"},
        {"Blue team brings the flag", "Red flag returned", "Red flag taken", "Red flag droped"},
    };
    Client& client = game.client;
    uint32_t now = NetNow(game);
    const uint8_t states[2] = {blueState, redState};
    for (int flag = 0; flag < 2; ++flag) {
        uint8_t before = client.previousFlagState[flag];
        uint8_t after = states[flag];
        if (before == after) continue;
        const FlagTexts& texts = kTexts[flag];
        auto play = [&](const char* sound, bool looping) {
            PlayFlagSound(game.sound, sound, looping, flag);
        };
        if (after == kFlagAtBase && before == kFlagCarried) {
            AddMessageLine(client.messageLog, texts.captured, now);
            play("flagfrag.wav", false);
        } else if (after == kFlagAtBase && before == kFlagDropped) {
            AddMessageLine(client.messageLog, texts.returned, now);
            play("flagreturn.wav", false);
        } else if (after == kFlagCarried) {
            AddMessageLine(client.messageLog, texts.taken, now);
            play("flagalarm.wav", true);
        } else if (after == kFlagDropped) {
            AddMessageLine(client.messageLog, texts.dropped, now);
        }
        client.previousFlagState[flag] = after;
    }
}

void ForgetFlagEvents(Game& game) {
    game.client.previousFlagState = {kFlagAtBase, kFlagAtBase};
    for (SoundBuffer& alarm : game.sound.flagChannel) StopSound(true, alarm);
}

void RestartLevel(Game& game) {
    Client& client = game.client;
    Server& server = game.server;
    std::string map = client.clientSettings.mapName.Text();
    if (!map.empty()) {
        SaveModelTextures(game);
        if (LoadLevel(game, map)) client.loadedMap = map;
        // Both flags start the new level at home: that is no capture, and no alarm goes on.
        ForgetFlagEvents(game);
        ReloadPlayerModels(game);
        RestoreModelTextures(game);
        StartEveryoneAlive(game);
        game.play.bullets.clear();
        game.play.explosions.clear();
        client.impacts.clear();
        game.play.weapon.spareMagazines = 5;
        EnterGame(game);
        client.localPlayer.frags = 0;
        client.localPlayer.deaths = 0;
        SendRespawnRequest(game, client.localPlayer.id);
        uint32_t now = NetNow(game);
        server.lastHeard.assign(server.serverPlayers.size(), now);
        for (size_t i = 0; game.state.hosting && i < server.serverPlayers.size(); ++i) {
            tplayerinfo& bot = server.serverPlayers[i];
            if (!bot.isBot) continue;
            const tspawnpoint* spawn = ChooseSpawnPoint(game, bot.team);
            if (!spawn) continue;
            bot.position = {spawn->x, spawn->y, spawn->z};
            bot.yaw = spawn->angle;
            bot.frags = 0;
            bot.deaths = 0;
            if (i < client.players.size()) {
                client.players[i].position = bot.position;
                client.players[i].yaw = bot.yaw;
            }
            if (i < game.play.playerModels.size()) {
                tgeomobject& model = game.play.playerModels[i];
                model.position = bot.position;
                model.yaw = bot.yaw;
                model.velocity = {};
                model.platformIndex = -1;
            }
        }
    }
    client.clientSettings.gameOver = 0;
    client.awaitingServerRestart = !game.state.hosting;
}
