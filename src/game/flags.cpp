#include "game/flags.h"

#include <cmath>

#include "game/match.h"

namespace {

constexpr uint8_t kBlueTeam = 0;
constexpr uint8_t kRedTeam = 1;
constexpr uint8_t kHighestScore = 255;

// How close a player (or a carried flag) must come to a flag, along each axis.
struct Reach {
    float x = 2, y = 3, z = 2;
};
// The blue flag at home is taken from a little further along z.
constexpr Reach kNear{};
constexpr Reach kNearBlueHome{2, 3, 3};

bool Near(tvec3 a, tvec3 b, Reach reach) {
    return std::fabs(a.x - b.x) < reach.x && std::fabs(a.y - b.y) < reach.y &&
           std::fabs(a.z - b.z) < reach.z;
}

// One flag with everything its rules need: who takes it, who returns it, where home is, and the
// enemy flag a capture is made at (with the score the capture goes to).
struct FlagSide {
    tteamflag& flag;
    tvec3 home;
    uint8_t takers;
    uint8_t owners;
    Reach homeReach;
    const tteamflag& enemyFlag;
    uint8_t& capturingScore;
};

void GoHome(tteamflag& flag, tvec3 home) {
    flag.state = kFlagAtBase;
    flag.position = home;
}

tvec3 CarrierPosition(const Match& match, size_t carrier) {
    // The models follow the client's table, which lets a departed player go before the server
    // does: the carrier's model is the one of its id.
    const tplayerinfo& entry = match.serverPlayers[carrier];
    const int32_t slot = FindPlayerSlot(match.play.players, entry.id);
    const MatchPlayer* player = match.Player(slot);
    return player && player->hasModel ? PlaceCarriedFlag(player->model) : entry.position;
}

void Report(Match& match, const FlagSide& side, FlagChange change, const tplayerinfo& player) {
    match.play.events.push_back(FlagChanged{side.owners, change, player.id});
}

void FlagAtHome(Match& match, FlagSide side, const std::vector<tplayerinfo>& table) {
    for (size_t i = 0; i < table.size(); ++i) {
        // The dead take nothing: a body lying at the home would lift the flag off it and drop
        // it there at once, over and over while a defender stands by to return it.
        if (table[i].team != side.takers || table[i].dead) continue;
        if (!Near(table[i].position, side.flag.position, side.homeReach)) continue;
        side.flag.state = kFlagCarried;
        side.flag.carrier = static_cast<uint8_t>(i);
        Report(match, side, FlagChange::kTaken, table[i]);
        return;
    }
}

void FlagCarried(Match& match, FlagSide side, const std::vector<tplayerinfo>& table) {
    const size_t carrier = side.flag.carrier;
    if (carrier >= table.size()) {
        // No such player: the flag lies where it was last carried (going home from a carrier
        // would read as a capture on every machine).
        side.flag.state = kFlagDropped;
        return;
    }
    side.flag.position = CarrierPosition(match, carrier);
    // Dropped where the carrier fell; but a carrier that fell on reaching its base still scores.
    if (table[carrier].dead) side.flag.state = kFlagDropped;
    // A capture needs the capturing team's own flag standing at home.
    if (side.enemyFlag.state == kFlagAtBase &&
        Near(side.flag.position, side.enemyFlag.position, kNear)) {
        if (side.capturingScore < kHighestScore) ++side.capturingScore;
        GoHome(side.flag, side.home);
        Report(match, side, FlagChange::kCaptured, table[carrier]);
    } else if (side.flag.state == kFlagDropped) {
        Report(match, side, FlagChange::kDropped, table[carrier]);
    }
}

void FlagDropped(Match& match, FlagSide side, const std::vector<tplayerinfo>& table) {
    for (size_t i = 0; i < table.size(); ++i) {
        if (!Near(table[i].position, side.flag.position, kNear)) continue;
        if (table[i].team == side.takers && !table[i].dead) {
            side.flag.state = kFlagCarried;
            side.flag.carrier = static_cast<uint8_t>(i);
            Report(match, side, FlagChange::kTaken, table[i]);
            return;
        }
        if (table[i].team == side.owners) {
            // Even a fallen defender lying at the flag returns it.
            GoHome(side.flag, side.home);
            Report(match, side, FlagChange::kReturned, table[i]);
            return;
        }
    }
}

void RunRulesOf(Match& match, FlagSide side) {
    const std::vector<tplayerinfo>& table = match.serverPlayers;
    switch (side.flag.state) {
        case kFlagAtBase:
            FlagAtHome(match, side, table);
            break;
        case kFlagCarried:
            FlagCarried(match, side, table);
            break;
        case kFlagDropped:
            FlagDropped(match, side, table);
            break;
        default:
            GoHome(side.flag, side.home);
            break;
    }
}

void StandFlag(tgeomobject& model, const tteamflag& flag, const std::vector<MatchPlayer>& players) {
    const bool carried = flag.state == kFlagCarried && flag.carrier < players.size() &&
                         players[flag.carrier].hasModel;
    float pitch = 0;
    if (carried) {
        const tgeomobject& carrier = players[flag.carrier].model;
        model.position = PlaceCarriedFlag(carrier);
        model.yaw = carrier.yaw;
        const int32_t body = FindPart(carrier, "body");
        if (body >= 0) {
            const tmeshpart& part = carrier.triangleParts[static_cast<size_t>(body)];
            if (static_cast<size_t>(part.currentFrame) < part.frames.size())
                pitch = part.frames[static_cast<size_t>(part.currentFrame)].rotation.x;
        }
    } else {
        model.position = flag.position;
        if (flag.state != kFlagAtBase) return;  // a dropped flag lies as it fell
        model.yaw = 0;
    }
    if (!model.quadParts.empty()) model.quadParts.front().pitch = pitch;
}

}  // namespace

tvec3 PlaceCarriedFlag(const tgeomobject& carrier) {
    const int32_t body = FindPart(carrier, "body");
    if (body < 0) return carrier.position;
    const tmeshpart& part = carrier.triangleParts[static_cast<size_t>(body)];
    const auto frame = static_cast<size_t>(part.currentFrame);
    if (frame >= part.frames.size()) return carrier.position;
    const tpartframe& pose = part.frames[frame];
    tvec3 point{0, 0, pose.radius};
    TransformPoint(point, pose.matrix);
    point = point + pose.shift;
    TransformPoint(point, RotationY(-carrier.yaw));
    return point + carrier.position;
}

void ShiftFlagCarriers(tgamesettings& settings, size_t slot) {
    for (tteamflag* flag : {&settings.blueFlag, &settings.redFlag}) {
        if (flag->state != kFlagCarried || flag->carrier < slot) continue;
        if (flag->carrier == slot) {
            flag->state = kFlagDropped;
        } else {
            --flag->carrier;
        }
    }
}

void RunFlagRules(Match& match) {
    tgamesettings& settings = match.serverSettings;
    const Arena& arena = match.arena;
    RunRulesOf(match, {settings.blueFlag, arena.blueFlagHome, kRedTeam, kBlueTeam, kNearBlueHome,
                       settings.redFlag, settings.redFlag.score});
    RunRulesOf(match, {settings.redFlag, arena.redFlagHome, kBlueTeam, kRedTeam, kNear,
                       settings.blueFlag, settings.blueFlag.score});
}

void PlaceFlagModels(Match& match) {
    const tgamesettings& settings = match.clientSettings;
    Arena& arena = match.arena;
    StandFlag(arena.blueFlag, settings.blueFlag, match.play.players);
    StandFlag(arena.redFlag, settings.redFlag, match.play.players);
}
