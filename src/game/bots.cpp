#include "game/bots.h"

#include <algorithm>
#include <cmath>

#include "base/clock.h"
#include "game/bot_platform.h"
#include "game/match.h"
#include "game/player_command.h"
#include "game/player_movement.h"
#include "game/weapon.h"

namespace {

constexpr float kAimTolerance = 0.2f;       // degrees off that still count as on target
constexpr float kTurnLimit = 1.0f;          // degrees a bot turns or tilts its weapon a frame
constexpr float kFiringTurnLimit = 3.0f;    // degrees off its target a bot still fires
constexpr float kTargetHorizon = 99999.0f;  // nobody farther counts as a target
constexpr float kWalkShare = 0.5f;          // bots walk at half the walking speed
constexpr double kDegreesPerRadian = 57.29577951308232;

// Into [0, 360), rounded to thousandths of a degree.
double NormaliseAngle(float degrees) {
    const double wrapped =
        std::fmod(std::round(static_cast<double>(degrees) * 1000.0) / 1000.0, 360.0);
    return wrapped < 0 ? wrapped + 360.0 : wrapped;
}

// a - b the short way round, within [-180, 180].
float WrappedDifference(float a, float b) {
    double difference = NormaliseAngle(a) - NormaliseAngle(b);
    if (difference > 180) difference -= 360;
    if (difference < -180) difference += 360;
    return static_cast<float>(difference);
}

float LimitedTurn(float difference) {
    return std::clamp(difference, -kTurnLimit, kTurnLimit);
}

// The nearest living player `bot` may shoot: anyone in deathmatch, the other team otherwise
// (the host's own player included). -1 when nobody is in reach.
int32_t NearestEnemy(const Match& match, size_t bot) {
    const std::vector<MatchPlayer>& players = match.play.players;
    const bool teamGame = match.serverSettings.gameType != kDeathMatch;
    const auto botSlot = static_cast<int32_t>(bot);
    int32_t nearest = -1;
    float nearestDistance = kTargetHorizon;
    for (size_t other = 0; other < players.size(); ++other) {
        const MatchPlayer& candidate = players[other];
        if (other == bot || !candidate.hasModel || candidate.dead ||
            !Finite(candidate.model.position)) {
            continue;
        }
        const auto otherSlot = static_cast<int32_t>(other);
        if (teamGame && (!match.Entry(otherSlot) || !match.Entry(botSlot) ||
                         match.TeamOf(otherSlot) == match.TeamOf(botSlot))) {
            continue;
        }
        const tvec3 d = candidate.model.position - players[bot].model.position;
        const float distance = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
        if (distance < nearestDistance) {
            nearest = static_cast<int32_t>(other);
            nearestDistance = distance;
        }
    }
    return nearest;
}

// Where the bot must turn (heading: 0 along +z, positive toward +x) and tilt its weapon to
// point its muzzle at the target, and how far away the target is horizontally.
struct BotAim {
    float heading = 0;
    float pitch = 0;
    float horizontal = 0;
};

BotAim AimAt(const tgeomobject& bot, tvec3 target) {
    const tvec3 d = target - bot.position - bot.bulletStart;
    BotAim aim;
    aim.horizontal = std::hypot(d.x, d.z);
    if (aim.horizontal == 0) return aim;  // straight above or below: nothing to turn to
    const float length = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
    const double nz = std::clamp(d.z / aim.horizontal, -1.0f, 1.0f);
    const double ny = std::clamp(d.y / length, -1.0f, 1.0f);
    // A target straight behind along -z (no x offset) is half a turn away, not straight ahead.
    const double side = d.x < 0 ? -1.0 : 1.0;
    aim.heading = static_cast<float>(side * std::acos(nz) * kDegreesPerRadian);
    aim.pitch = static_cast<float>(std::asin(ny) * kDegreesPerRadian);
    return aim;
}

// Walks toward the target while it is in view and the next step stays on the platform; a bot
// that stands on nothing it knows waits. Returns the animation that goes with it.
int32_t WalkToward(PlayerCommand& command, const tgeomobject& bot, int32_t platformIndex,
                   const BotAim& aim, const Arena& arena, const Tuning& tuning) {
    const float heading = DegToRad(aim.heading);
    const tvec3 step{std::sin(heading), 0, std::cos(heading)};
    const std::vector<tcylinderbounds>& cylinders = arena.cylinderBounds;
    bool staysOn = false;
    if (platformIndex >= 0 && static_cast<size_t>(platformIndex) < cylinders.size()) {
        const tcylinderbounds& platform = cylinders[static_cast<size_t>(platformIndex)];
        const tvec3 probe{bot.position.x + step.x * tuning.WALK_SPEED, bot.position.y,
                          bot.position.z + step.z * tuning.WALK_SPEED};
        staysOn = DistanceFromAxis(platform, probe) < platform.radius;
    }
    if (!staysOn || aim.horizontal > tuning.VIEW_DISTANCE) {
        command.velocityX = 0;
        command.velocityZ = 0;
        return kStandAnimation;
    }
    command.velocityX = step.x * tuning.WALK_SPEED * kWalkShare;
    command.velocityZ = step.z * tuning.WALK_SPEED * kWalkShare;
    return kWalkAnimation;
}

// Turns toward the heading (the model faces yaw - 180) while the target is in view; returns how
// far off the heading the bot faced before it turned.
float TurnToward(PlayerCommand& command, const BotAim& aim, const Tuning& tuning) {
    const float difference = WrappedDifference(aim.heading, command.yaw - 180);
    if (std::fabs(difference) > kAimTolerance && aim.horizontal <= tuning.VIEW_DISTANCE) {
        command.yaw += LimitedTurn(difference);
    }
    return difference;
}

// Tilts arm and muzzle toward the aim; true when the weapon is on target and the bot may fire:
// it faces the target (a bot still turning toward it would shoot past it), its gun is ready and
// the target is in range.
bool AimAndDecideFire(PlayerCommand& command, const MatchPlayer& player, const BotAim& aim,
                      float headingOff, const Tuning& tuning, uint32_t now) {
    const float difference = WrappedDifference(aim.pitch, command.aimPitch);
    if (std::fabs(difference) > kAimTolerance) {
        command.aimPitch += LimitedTurn(difference);
        return false;
    }
    const bool ready = Elapsed(now, player.lastShotTime) > kBotShotTimeouts * tuning.FIRE_TIMEOUT;
    return std::fabs(headingOff) <= kFiringTurnLimit && ready &&
           aim.horizontal <= tuning.SHOOT_DISTANCE;
}

void DecideFor(Match& match, size_t index) {
    MatchPlayer& player = match.play.players[index];
    BotMemory& memory = player.bot;
    tgeomobject& bot = player.model;
    const int32_t animation = RunningAnimation(bot);
    if (animation != memory.previousAnimation)
        match.play.events.push_back(GaitChanged{static_cast<int32_t>(index), animation});

    const int32_t target = NearestEnemy(match, index);
    if (target >= 0) {
        // The muzzle as the bot stands now: it may have turned since its pose was stepped.
        bot.bulletStart = BulletStartOffset(bot, FindPart(bot, "BSTART"));
        const BotAim aim =
            AimAt(bot, match.play.players[static_cast<size_t>(target)].model.position);
        memory.platformIndex = FindBotPlatform(match.arena.cylinderBounds, memory.platformIndex,
                                               bot.position, bot.extentHalfHeight);
        PlayerCommand command = CurrentCommand(bot);
        SetAnimation(
            bot, WalkToward(command, bot, memory.platformIndex, aim, match.arena, match.tuning));
        const float headingOff = TurnToward(command, aim, match.tuning);
        const bool fire =
            AimAndDecideFire(command, player, aim, headingOff, match.tuning, match.now);
        ApplyPlayerCommand(bot, command);
        if (fire) {
            player.lastShotTime = match.now;
            FireBullet(match, static_cast<int32_t>(index), command.aimPitch, command.yaw);
        }
    }
    memory.previousAnimation = RunningAnimation(bot);
}

}  // namespace

void UpdateBots(Match& match) {
    std::vector<MatchPlayer>& players = match.play.players;
    for (size_t i = 0; i < players.size(); ++i) {
        if (players[i].isBot && players[i].hasModel && !players[i].dead) DecideFor(match, i);
    }
}
