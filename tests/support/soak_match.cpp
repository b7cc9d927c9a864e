#include "support/soak_match.h"

#include <algorithm>
#include <cmath>

#include "net/messages.h"

namespace {

constexpr const char* kHostAddress = "10.0.0.1";
constexpr const char* kStrangerAddress = "10.0.0.66";
constexpr uint32_t kJoinRetryMs = 1100;
constexpr uint32_t kHostileEveryMs = 100;
constexpr uint32_t kSpreeKillEveryMs = 300;
// The stranger's join flood stops this long before the faults are lifted, so that the entry it
// took has timed out and gone by then.
constexpr uint32_t kFloodStopsBeforeEndMs = 40000;
constexpr float kPositionTolerance = 0.3f;

bool Playing(const NetMachine& machine) {
    const ProgramState& state = machine.game.state;
    return state.playState == 1 && state.localPlayerIndex >= 0 &&
           static_cast<size_t>(state.localPlayerIndex) < machine.game.play.players.size();
}

tvec3 OnCircle(uint32_t now, float phase, float radius) {
    float angle = static_cast<float>(now % 60000) / 60000.0f * 6.2831853f + phase;
    return {radius * std::cos(angle), 1.0f, radius * std::sin(angle)};
}

float Distance(const tvec3& a, const tvec3& b) {
    float dx = a.x - b.x, dy = a.y - b.y, dz = a.z - b.z;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

bool SameRecord(const tplayerinfo& mine, const tplayerinfo& truth) {
    return mine.id == truth.id && mine.name == truth.name && mine.team == truth.team &&
           mine.isBot == truth.isBot && mine.frags == truth.frags && mine.deaths == truth.deaths &&
           Distance(mine.position, truth.position) <= kPositionTolerance;
}

}  // namespace

// The hostile senders: a joined player's machine speaking for others, and a stranger.
class SoakMatch::Hostiles {
  public:
    Hostiles(SoakMatch& match, NetMachine* joiner, std::unique_ptr<Network> stranger)
        : match_(match), joiner_(joiner), stranger_(std::move(stranger)) {}

    void Step(uint32_t now, bool floodJoins) {
        if (now - lastSend_ < kHostileEveryMs) return;
        lastSend_ = now;
        const std::vector<tplayerinfo>& table = match_.host->server().serverPlayers;
        if (table.empty()) return;
        if (joiner_ && Playing(*joiner_)) SpeakForOthers(*joiner_->endpoint, table, false);
        if (stranger_) {
            SpeakForOthers(*stranger_, table, floodJoins);
            MimicTheServer(table);
        }
    }

    uint64_t sent = 0;

  private:
    void Send(Network& from, const std::string& to, uint16_t port, const tdatagram& datagram) {
        from.SendTo(to, port, datagram);
        ++sent;
    }

    int32_t AnyIdExcept(const std::vector<tplayerinfo>& table, const std::string& address) {
        std::vector<int32_t> ids;
        for (const tplayerinfo& p : table) {
            if (p.address.View() != address) ids.push_back(p.id);
        }
        return ids.empty()
                   ? table.front().id
                   : ids[static_cast<size_t>(random_.Below(static_cast<int32_t>(ids.size())))];
    }

    void SpeakForOthers(Network& from, const std::vector<tplayerinfo>& table, bool floodJoins) {
        std::string self = &from == stranger_.get() ? kStrangerAddress : joiner_->address;
        int32_t other = AnyIdExcept(table, self);
        tplayerinfo forged;
        forged.id = other;
        forged.name.Assign("Forged");
        forged.joined = 1;
        forged.active = 1;
        forged.position = {77, 1, 77};
        forged.frags = 100;
        Send(from, kHostAddress, kServerPort, BuildClientGameInfo(other, forged));
        Send(from, kHostAddress, kServerPort, BuildDisconnect(other));
        if (match_.spared) {
            int32_t spared = match_.spared->client().localPlayer.id;
            Send(from, kHostAddress, kServerPort, BuildKill({other, spared}));
        }
        Send(from, kHostAddress, kServerPort, BuildRespawnRequest(other));
        Send(from, kHostAddress, kServerPort, BuildRespawnRequest(kIdRange + random_.Below(1000)));
        Send(from, kHostAddress, kServerPort, BuildDeletedAck({other, AnyIdExcept(table, self)}));
        Send(from, kHostAddress, kServerPort, BuildAddedAck(random_.Below(kIdRange)));
        int32_t owner = random_.Below(static_cast<int32_t>(table.size()));
        Send(from, kHostAddress, kServerPort,
             BuildBulletStart({random_.Below(1000), owner, {0, 1, 0}, {1, 0, 0}}));
        Send(from, kHostAddress, kServerPort, BuildBulletFinish({random_.Below(1000), 0, 0}));
        if (floodJoins) {
            for (int n = 0; n < 5; ++n) {
                tplayerinfo joining;
                joining.id = random_.Below(kIdRange);
                joining.name.Assign("Flood");
                Send(from, kHostAddress, kServerPort, BuildConnect(joining));
            }
        }
    }

    // Server messages from a machine that is not the server, to every joiner.
    void MimicTheServer(const std::vector<tplayerinfo>& table) {
        tgamesettings over = match_.host->server().serverSettings;
        over.gameOver = 1;
        for (NetMachine* joiner : match_.joiners) {
            Send(*stranger_, joiner->address, kClientPort, BuildServerClosed());
            Send(*stranger_, joiner->address, kClientPort,
                 BuildPlayerDeleted(AnyIdExcept(table, joiner->address)));
            Send(*stranger_, joiner->address, kClientPort, BuildEndLevel(over));
            Send(*stranger_, joiner->address, kClientPort, BuildServerGameInfo({}, over));
        }
    }

    SoakMatch& match_;
    NetMachine* joiner_;
    std::unique_ptr<Network> stranger_;
    Random random_{99};
    uint32_t lastSend_ = 0;
};

SoakMatch::SoakMatch(const SoakOptions& options) : options_(options), random_(options.seed) {
    host = &net.AddMachine(kHostAddress, options.seed * 100 + 1);
    for (int32_t j = 0; j < options.joiners; ++j) {
        std::string address = "10.0.0." + std::to_string(j + 2);
        joiners.push_back(
            &net.AddMachine(address, options.seed * 100 + 2 + static_cast<uint64_t>(j)));
    }
    if (!joiners.empty()) spared = joiners.front();
    NetMachine* hostileJoiner =
        options.hostileJoiner && joiners.size() > 1 ? joiners.back() : nullptr;
    std::unique_ptr<Network> stranger;
    if (options.stranger) stranger = net.bus.CreateEndpoint(kStrangerAddress);
    if (hostileJoiner || stranger) {
        hostiles_ = std::make_unique<Hostiles>(*this, hostileJoiner, std::move(stranger));
    }
}

SoakMatch::~SoakMatch() = default;

void SoakMatch::JoinEveryone() {
    HostGame(*host, {.maps = options_.maps,
                     .bots = options_.bots,
                     .gameType = kDeathMatch,
                     .fragLimit = options_.fragLimit});
    // Everyone tries again after the join time-out, as a player clicking "Connect" again would.
    for (int attempt = 0; attempt < 30 && !Playing(*host); ++attempt) {
        net.RunFor(kJoinRetryMs, options_.frameMs);
        if (!Playing(*host) && !host->game.state.connecting) Connect(host->game);
    }
    for (NetMachine* joiner : joiners) {
        JoinGame(*joiner, kHostAddress, "Player" + joiner->address.substr(7), 1);
    }
    for (int attempt = 0; attempt < 30; ++attempt) {
        bool all =
            std::all_of(joiners.begin(), joiners.end(), [](NetMachine* m) { return Playing(*m); });
        if (all) break;
        net.RunFor(kJoinRetryMs, options_.frameMs);
        for (NetMachine* joiner : joiners) {
            if (!Playing(*joiner) && !joiner->game.state.connecting) Connect(joiner->game);
        }
    }
}

int32_t SoakMatch::RandomVictimOf(NetMachine& machine) {
    int32_t self = machine.client().localPlayer.id;
    int32_t sparedId = spared ? spared->client().localPlayer.id : -1;
    std::vector<int32_t> victims;
    for (const MatchPlayer& p : machine.game.play.players) {
        if (p.entry.id != self && p.entry.id != sparedId) victims.push_back(p.entry.id);
    }
    if (victims.empty()) return -1;
    return victims[static_cast<size_t>(random_.Below(static_cast<int32_t>(victims.size())))];
}

void SoakMatch::MoveHumans() {
    float phase = 0;
    for (auto& owned : net.machines) {
        NetMachine* machine = owned.get();
        phase += 0.8f;
        if (!Playing(*machine)) continue;
        auto local = static_cast<size_t>(machine->game.state.localPlayerIndex);
        tgeomobject& body = machine->game.play.players[local].model;
        body.position = OnCircle(net.clock.now, phase, 12.0f);
        body.yaw = phase * 40.0f;
    }
}

// What the host's bot step does every frame: each bot's state into its table entry.
void SoakMatch::MoveBots() {
    std::vector<tplayerinfo>& table = host->server().serverPlayers;
    for (size_t i = 0; i < table.size(); ++i) {
        if (!table[i].isBot) continue;
        table[i].position = OnCircle(net.clock.now, static_cast<float>(i), 20.0f);
        if (i < host->game.play.players.size())
            host->game.play.players[i].model.position = table[i].position;
    }
}

void SoakMatch::Fire(NetMachine& machine, int32_t ownerIndex, const tvec3& from) {
    int32_t id = nextBulletId_++;
    // Along x and z together, so that the bullet's coordinates run out of range.
    float angle = random_.Unit() * 1.5707963f;
    float sign = random_.Below(2) ? 1.0f : -1.0f;
    tvec3 velocity = {sign * std::cos(angle), 0, sign * std::sin(angle)};
    SendBulletStart(machine.game, {id, ownerIndex, from, velocity});
    liveBullets_.push_back({&machine, id, ownerIndex,
                            net.clock.now + 200 + static_cast<uint32_t>(random_.Below(600))});
    ++figures_.bulletsFired;
}

void SoakMatch::EndBullets() {
    std::erase_if(liveBullets_, [&](const LiveBullet& bullet) {
        if (static_cast<int32_t>(net.clock.now - bullet.endsAt) < 0) return false;
        bool hitCylinder = random_.Below(2) == 0;
        SendBulletFinish(bullet.machine->game,
                         {bullet.id, hitCylinder ? 0 : -1, hitCylinder ? 0 : -1});
        return true;
    });
}

void SoakMatch::MaybeKill(NetMachine& machine) {
    Client& client = machine.client();
    if (client.clientSettings.gameOver) return;
    if (random_.Unit() * 60000.0f >= static_cast<float>(options_.frameMs)) return;
    if (client.localPlayer.frags >= options_.fragLimit - 2) return;  // only sprees end levels
    int32_t victim = RandomVictimOf(machine);
    if (victim < 0) return;
    ++client.localPlayer.frags;  // a machine counts its own frag before it reports the kill
    SendKill(machine.game, client.localPlayer.id, victim);
    ++figures_.kills;
}

void SoakMatch::MaybeBotKill() {
    std::vector<tplayerinfo>& table = host->server().serverPlayers;
    if (host->server().serverSettings.gameOver) return;
    for (tplayerinfo& bot : table) {
        if (!bot.isBot || bot.frags >= options_.fragLimit - 2) continue;
        if (random_.Unit() * 60000.0f >= static_cast<float>(options_.frameMs)) continue;
        int32_t victim = RandomVictimOf(*host);
        if (victim < 0 || victim == bot.id) continue;
        ++bot.frags;  // the host counts a bot's frag before it reports the kill
        SendKill(host->game, bot.id, victim);
        ++figures_.kills;
    }
}

// One joiner kills until the server ends the level.
void SoakMatch::Spree() {
    if (joiners.empty() || figures_.levelChanges >= options_.levelChanges) return;
    if (static_cast<int32_t>(net.clock.now - nextLevelEndAt_) < 0) return;
    if (host->server().serverSettings.gameOver) return;
    NetMachine& killer = *joiners[static_cast<size_t>(figures_.levelChanges) % joiners.size()];
    if (!Playing(killer) || killer.client().clientSettings.gameOver) return;
    killer.client().localPlayer.frags = static_cast<int8_t>(options_.fragLimit - 1);
    if (net.clock.now - lastSpreeKill_ < kSpreeKillEveryMs) return;
    lastSpreeKill_ = net.clock.now;
    int32_t victim = RandomVictimOf(killer);
    if (victim < 0) return;
    SendKill(killer.game, killer.client().localPlayer.id, victim);
    ++figures_.kills;
}

// A player whose game lost the server joins again, as a person would.
void SoakMatch::RejoinDropped() {
    for (NetMachine* joiner : joiners) {
        const ProgramState& state = joiner->game.state;
        if (joiner == churnedOut_) continue;
        const auto coming = std::find(churnJoining_.begin(), churnJoining_.end(), joiner);
        if (coming != churnJoining_.end() && Playing(*joiner)) churnJoining_.erase(coming);
        if (state.connecting || (state.connected && state.playState == 1)) continue;
        if (coming == churnJoining_.end()) ++figures_.rejoins;
        Disconnect(joiner->game);
        JoinGame(*joiner, kHostAddress, joiner->client().localPlayer.name.Text(), 1);
    }
}

void SoakMatch::Churn() {
    if (options_.churnEveryMs == 0 || churnOver_ ||
        static_cast<int32_t>(net.clock.now - nextChurnAt_) < 0)
        return;
    nextChurnAt_ = net.clock.now + options_.churnEveryMs;
    std::vector<NetMachine*> churners;
    for (NetMachine* joiner : joiners) {
        if (joiner != spared && joiner != churnedOut_ && Playing(*joiner))
            churners.push_back(joiner);
    }
    if (churners.empty()) return;
    NetMachine* leaving = churners[nextChurner_++ % churners.size()];
    Disconnect(leaving->game);
    if (churnedOut_) {
        JoinGame(*churnedOut_, kHostAddress, churnedOut_->client().localPlayer.name.Text(), 1);
        churnJoining_.push_back(churnedOut_);
    }
    churnedOut_ = leaving;
    ++figures_.churns;
}

// A machine placed after a level change stands on a spawn point of the level the server plays (or
// has just ended: an answer may be under way when the level ends).
void SoakMatch::CheckPlacements(const tgamesettings& server) {
    wasConfirmed_.resize(net.machines.size(), true);
    wasOver_.resize(net.machines.size(), false);
    if (!server.gameOver) serverLevelMap_ = server.mapName.Text();
    for (size_t m = 0; m < net.machines.size(); ++m) {
        NetMachine& machine = *net.machines[m];
        const bool confirmed = machine.game.state.spawnConfirmed;
        const bool over = machine.client().clientSettings.gameOver != 0;
        if (&machine != host && wasOver_[m] && !over && machine.game.state.playState == 1)
            ++(server.gameOver ? figures_.joinerRestartedFirst : figures_.hostRestartedFirst);
        if (confirmed && !wasConfirmed_[m] && Playing(machine)) {
            ++figures_.placements;
            const tvec3 place =
                machine.game.play.players[static_cast<size_t>(machine.game.state.localPlayerIndex)]
                    .model.position;
            if (machine.client().loadedMap != serverLevelMap_ ||
                !IsSpawnPoint(machine.game.world.arena, place))
                ++figures_.placementsOffMap;
        }
        wasConfirmed_[m] = confirmed;
        wasOver_[m] = over;
    }
}

void SoakMatch::Sample() {
    const Server& server = host->server();
    figures_.maxServerPlayers = std::max(figures_.maxServerPlayers, server.serverPlayers.size());
    figures_.maxPendingMessages =
        std::max(figures_.maxPendingMessages, server.pendingMessages.size());
    figures_.maxDepartures = std::max(figures_.maxDepartures, server.departures.size());
    figures_.maxVisitors = std::max(figures_.maxVisitors, host->game.traffic.visitorList.size());
    for (auto& machine : net.machines) {
        const Client& client = machine->client();
        figures_.maxClientPlayers =
            std::max(figures_.maxClientPlayers, machine->game.play.players.size());
        figures_.maxRemoteBullets =
            std::max(figures_.maxRemoteBullets, machine->game.play.bullets.size());
        figures_.maxImpacts = std::max(figures_.maxImpacts, client.impacts.size());
    }
    figures_.maxWaitingDatagrams = std::max(figures_.maxWaitingDatagrams, net.bus.waitingCount());
}

void SoakMatch::StepFrame(bool firing) {
    MoveHumans();
    if (Playing(*host)) MoveBots();
    if (firing) {
        for (auto& machine : net.machines) {
            if (!Playing(*machine)) continue;
            if (random_.Unit() * 1500.0f < static_cast<float>(options_.frameMs)) {
                auto local = static_cast<size_t>(machine->game.state.localPlayerIndex);
                Fire(*machine, static_cast<int32_t>(local),
                     machine->game.play.players[local].model.position);
            }
            MaybeKill(*machine);
        }
        const std::vector<tplayerinfo>& table = host->server().serverPlayers;
        for (size_t i = 0; i < table.size() && Playing(*host); ++i) {
            if (table[i].isBot && random_.Unit() * 1500.0f < static_cast<float>(options_.frameMs)) {
                Fire(*host, static_cast<int32_t>(i), table[i].position);
            }
        }
        MaybeBotKill();
        Spree();
    }
    EndBullets();
    if (firing) Churn();
    // The server's level as the frame began: a placement answered in it is on it, even when a
    // kill ends that level within the same frame.
    const tgamesettings serverLevel = host->server().serverSettings;
    net.RunFrame(options_.frameMs);
    CheckPlacements(serverLevel);

    bool over = host->server().serverSettings.gameOver != 0;
    if (over && !hostWasOver_) {
        ++figures_.levelChanges;
        uint32_t playMs = options_.minutes * 60000;
        nextLevelEndAt_ += playMs / static_cast<uint32_t>(options_.levelChanges + 1);
    }
    hostWasOver_ = over;
    RejoinDropped();
    Sample();
}

void SoakMatch::PlayFor(uint32_t ms, bool firing) {
    uint32_t playEnd = net.clock.now + ms;
    while (static_cast<int32_t>(net.clock.now - playEnd) < 0) {
        if (hostiles_ && firing) {
            bool flood = static_cast<int32_t>(playEnd - net.clock.now) >
                         static_cast<int32_t>(kFloodStopsBeforeEndMs);
            hostiles_->Step(net.clock.now, flood);
        }
        StepFrame(firing);
    }
}

bool SoakMatch::TablesAgree() {
    const std::vector<tplayerinfo>& truth = host->server().serverPlayers;
    for (auto& machine : net.machines) {
        const Client& client = machine->client();
        const std::vector<MatchPlayer>& players = machine->game.play.players;
        if (players.size() != truth.size()) return false;
        for (size_t i = 0; i < truth.size(); ++i) {
            if (!SameRecord(players[i].entry, truth[i])) return false;
        }
        int32_t local = machine->game.state.localPlayerIndex;
        if (local < 0 || static_cast<size_t>(local) >= truth.size() ||
            truth[static_cast<size_t>(local)].id != client.localPlayer.id) {
            return false;
        }
    }
    return true;
}

bool SoakMatch::HostHoldsExactlyTheRealPlayers() {
    const std::vector<tplayerinfo>& table = host->server().serverPlayers;
    if (table.size() != 1 + joiners.size() + options_.bots) return false;
    size_t bots = 0;
    for (const tplayerinfo& player : table) {
        if (player.isBot) {
            ++bots;
            if (player.address.View() != "127.0.0.1") return false;
        }
    }
    if (bots != options_.bots) return false;
    for (auto& machine : net.machines) {
        int32_t index = FindServerPlayer(host->server(), machine->client().localPlayer.id);
        if (index < 0) return false;
        std::string expected = machine.get() == host ? "127.0.0.1" : machine->address;
        if (table[static_cast<size_t>(index)].address.View() != expected) return false;
    }
    return true;
}

SoakFigures SoakMatch::Run(uint32_t convergeLimitMs) {
    net.bus.SetFaults(options_.faults);
    JoinEveryone();
    figures_.rejoins = 0;  // the joins above are not drops
    uint32_t playMs = options_.minutes * 60000;
    nextLevelEndAt_ = net.clock.now + playMs / static_cast<uint32_t>(options_.levelChanges + 1);
    uint32_t start = net.clock.now;
    PlayFor(playMs, true);
    churnOver_ = true;
    // The player out of the game for the churn comes back before the faults stop.
    if (churnedOut_) {
        JoinGame(*churnedOut_, kHostAddress, churnedOut_->client().localPlayer.name.Text(), 1);
        churnJoining_.push_back(churnedOut_);
        churnedOut_ = nullptr;
    }
    for (int attempt = 0; attempt < 30 && !churnJoining_.empty(); ++attempt)
        PlayFor(kJoinRetryMs, false);

    net.bus.SetFaults({});
    uint32_t lifted = net.clock.now;
    // Agreement must hold for a while, not for one lucky frame.
    uint32_t agreeingSince = 0;
    bool agreeing = false;
    while (net.clock.now - lifted < convergeLimitMs + 500) {
        StepFrame(true);
        if (!TablesAgree()) {
            agreeing = false;
            continue;
        }
        if (!agreeing) agreeingSince = net.clock.now;
        agreeing = true;
        if (net.clock.now - agreeingSince >= 500) break;
    }
    if (agreeing && agreeingSince - lifted <= convergeLimitMs) {
        figures_.convergenceMs = static_cast<int32_t>(agreeingSince - lifted);
    }

    // Nobody fires any more; every bullet in the air must end.
    PlayFor(8000, false);
    for (auto& machine : net.machines) figures_.bulletsLeft += machine->game.play.bullets.size();

    figures_.simulatedMs = net.clock.now - start;
    figures_.datagrams = net.bus.sentCount();
    figures_.lost = net.bus.lostCount();
    figures_.duplicated = net.bus.duplicatedCount();
    figures_.hostileDatagrams = hostiles_ ? hostiles_->sent : 0;
    return figures_;
}
