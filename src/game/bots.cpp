#include "game/bots.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "base/clock.h"
#include "base/random.h"
#include "game/bot_flags.h"
#include "game/bot_platform.h"
#include "game/match.h"
#include "game/player_command.h"
#include "game/player_movement.h"
#include "game/spawn_protection.h"
#include "game/weapon.h"

namespace {

constexpr float kAimTolerance = 0.2f;       // degrees off that still count as on target
constexpr float kFiringTurnLimit = 3.0f;    // degrees off its target a bot still fires
constexpr float kTargetHorizon = 99999.0f;  // nobody farther counts as a target
// Bots hunt at half the walking speed; about the flags they walk at a player's walking speed, or a
// carrier would never outwalk the whole other team.
constexpr float kWalkShare = 0.5f;
constexpr double kDegreesPerRadian = 57.29577951308232;
constexpr float kFrameMs = 15;  // the reference frame: speeds and turns are per this many ms

// A bot that gets less than kProgress from where it was for a while steps sideways (and a little
// back, off what it touches) for a while: to get round a cylinder, or to a clear shot.
constexpr float kProgress = 0.5f;
constexpr float kBlockedMs = 500;
constexpr float kFightingMs = 2000;
constexpr float kSidestepMs = 1000;
constexpr float kSidestepDegrees = 100;
// A bot stands and fights an enemy this far away, closes in from farther and backs off from
// nearer: its muzzle sits beside its body, and a target nearer than that is one it cannot face.
constexpr float kNearestFight = 2;
constexpr float kFarthestFight = 4;
constexpr float kLevelHeight = 1;  // enemies within this height of the bot stand on its level
// Held back by its platform's edge this long, a bot walks on regardless, long enough to step off.
constexpr float kHeldMs = 1000;
constexpr float kLeavingMs = 1500;

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

// A turn of at most the skill's degrees a reference frame, so bots turn as fast at any frame rate.
float LimitedTurn(float difference, const Match& match) {
    const float limit = ProfileOf(match.botSkill).turnDegrees * match.speedFactor;
    return std::clamp(difference, -limit, limit);
}

// The nearest living player `bot` may shoot: anyone in deathmatch, the other team otherwise
// (the host's own player included), unless it has just come into play. -1 when nobody is in reach.
int32_t NearestEnemy(const Match& match, size_t bot) {
    const std::vector<MatchPlayer>& players = match.play.players;
    const bool teamGame = match.serverSettings.gameType != kDeathMatch;
    const auto botSlot = static_cast<int32_t>(bot);
    int32_t nearest = -1;
    float nearestDistance = kTargetHorizon;
    for (size_t other = 0; other < players.size(); ++other) {
        const MatchPlayer& candidate = players[other];
        if (other == bot || !candidate.hasModel || candidate.dead ||
            SpawnProtected(candidate, match.now) || !Finite(candidate.model.position)) {
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

// Counts how long the bot, with a goal in view, has not got anywhere, and starts a side step (to a
// random side, or the other side when a side step got nowhere either) once that has lasted long
// enough: soon when it meant to walk (pushing into a cylinder, or another player), later when it
// stood and fought (a shot along a cylinder's side ends in it).
void WatchForBlocks(BotMemory& memory, tvec3 position, bool inView, const Match& match) {
    const float frameMs = kFrameMs * match.speedFactor;
    memory.sidestepMs = std::max(0.0f, memory.sidestepMs - frameMs);
    const tvec3 moved = position - memory.progressFrom;
    if (!inView || std::hypot(moved.x, moved.z) >= kProgress) {
        memory.progressFrom = position;
        memory.stillMs = 0;
        return;
    }
    memory.stillMs += frameMs;
    if (memory.stillMs < (memory.walking ? kBlockedMs : kFightingMs)) return;
    memory.progressFrom = position;
    memory.stillMs = 0;
    memory.sidestepSide = memory.sidestepMs > 0   ? -memory.sidestepSide
                          : match.random.Below(2) ? 1.0f
                                                  : -1.0f;
    memory.sidestepMs = kSidestepMs;
}

// Whether the bot's next step along `step` keeps it on its platform, or it has waited at the edge
// long enough to step off; a bot that stands on nothing it knows counts as at the edge.
bool MayStep(BotMemory& memory, const tgeomobject& bot, tvec3 step, const Match& match) {
    const float frameMs = kFrameMs * match.speedFactor;
    if (memory.leavingMs > 0) {
        memory.leavingMs -= frameMs;
        return true;
    }
    const std::vector<tcylinderbounds>& cylinders = match.arena.cylinderBounds;
    const int32_t platform = memory.platformIndex;
    if (platform >= 0 && static_cast<size_t>(platform) < cylinders.size()) {
        const tvec3 probe{bot.position.x + step.x * match.tuning.WALK_SPEED, bot.position.y,
                          bot.position.z + step.z * match.tuning.WALK_SPEED};
        const tcylinderbounds& under = cylinders[static_cast<size_t>(platform)];
        if (DistanceFromAxis(under, probe) < under.radius) {
            memory.heldMs = 0;
            return true;
        }
    }
    memory.heldMs += frameMs;
    if (memory.heldMs >= kHeldMs) {
        memory.heldMs = 0;
        memory.leavingMs = kLeavingMs;
    }
    return false;
}

// Walks from where the body stands toward `goal` (to fighting distance when it is an enemy) while
// the goal is in view, or sideways round what blocked it, as far as the platform lets it. (Walking
// by the muzzle's heading would circle a target close by for ever.) Returns the animation.
int32_t WalkToward(PlayerCommand& command, MatchPlayer& player, tvec3 goal, bool enemy, bool inView,
                   const Match& match) {
    BotMemory& memory = player.bot;
    WatchForBlocks(memory, player.model.position, inView, match);
    const tvec3 d = goal - player.model.position;
    const float distance = std::hypot(d.x, d.z);
    const bool backOff = enemy && distance < kNearestFight;
    // Across a platform's edge the shots would end in its side: closing in takes one of the two
    // off the platform (or round it).
    const bool level = std::fabs(d.y) < kLevelHeight;
    const bool stand = enemy && level && !backOff && distance <= kFarthestFight;
    const bool sidestep = memory.sidestepMs > 0;
    const float turn = sidestep ? memory.sidestepSide * kSidestepDegrees : backOff ? 180 : 0;
    const float heading = std::atan2(d.x, d.z) + DegToRad(turn);
    const tvec3 step{std::sin(heading), 0, std::cos(heading)};
    memory.walking = inView && (sidestep || !stand) && MayStep(memory, player.model, step, match);
    if (!memory.walking) {
        command.velocityX = 0;
        command.velocityZ = 0;
        return kStandAnimation;
    }
    const float speed = match.tuning.WALK_SPEED * (enemy ? kWalkShare : 1);
    command.velocityX = step.x * speed;
    command.velocityZ = step.z * speed;
    return kWalkAnimation;
}

// Turns toward the heading (the model faces yaw - 180) while the goal is in view; returns how
// far off the heading the bot faced before it turned.
float TurnToward(PlayerCommand& command, const BotAim& aim, bool inView, const Match& match) {
    const float difference = WrappedDifference(aim.heading, command.yaw - 180);
    if (std::fabs(difference) > kAimTolerance && inView) {
        command.yaw += LimitedTurn(difference, match);
    }
    return difference;
}

// Keeps count of how long the bot has had its enemy in sight, frame after frame: a new enemy, or
// one seen again after a frame without it (out of view, or either of them dead in between),
// starts the count afresh. Counted in frames, not a time, so that it holds at any frame rate.
// Returns whether the bot has seen it long enough to shoot.
bool Reacted(BotMemory& memory, int32_t enemy, bool inSight, const Match& match) {
    const bool seenLastFrame = memory.sightedEnemy == enemy;
    memory.sightedEnemy = inSight ? enemy : -1;
    if (!inSight) return false;
    if (!seenLastFrame) memory.sightedSince = match.now;
    const auto reaction = static_cast<int32_t>(ProfileOf(match.botSkill).reactionMs);
    return Elapsed(match.now, memory.sightedSince) >= reaction;
}

// Tilts arm and muzzle toward the aim; true when the weapon is on target and the bot may fire:
// it faces the target (a bot still turning toward it would shoot past it), its gun is ready and
// the target is in range, and not so near that the muzzle points past it.
bool AimAndDecideFire(PlayerCommand& command, const MatchPlayer& player, const BotAim& aim,
                      float headingOff, const Match& match) {
    const float difference = WrappedDifference(aim.pitch, command.aimPitch);
    if (std::fabs(difference) > kAimTolerance) {
        command.aimPitch += LimitedTurn(difference, match);
        return false;
    }
    const int32_t shotTimeouts = ProfileOf(match.botSkill).shotTimeouts;
    const bool ready =
        Elapsed(match.now, player.lastShotTime) > shotTimeouts * match.tuning.FIRE_TIMEOUT;
    return std::fabs(headingOff) <= kFiringTurnLimit && ready && aim.horizontal >= kNearestFight &&
           aim.horizontal <= match.tuning.SHOOT_DISTANCE;
}

// Up to the skill's aim error either way, at random (a bot that never errs draws nothing, and
// leaves the match's random numbers as they were).
float AimError(Match& match) {
    const float error = ProfileOf(match.botSkill).aimErrorDegrees;
    return error > 0 ? (match.random.Unit() * 2 - 1) * error : 0;
}

void DecideFor(Match& match, size_t index) {
    MatchPlayer& player = match.play.players[index];
    BotMemory& memory = player.bot;
    tgeomobject& bot = player.model;
    const int32_t animation = RunningAnimation(bot);
    if (animation != memory.previousAnimation)
        match.play.events.push_back(GaitChanged{static_cast<int32_t>(index), animation});

    // The muzzle as the bot stands now: it may have turned since its pose was stepped.
    bot.bulletStart = BulletStartOffset(bot, FindPart(bot, "BSTART"));
    const int32_t target = NearestEnemy(match, index);
    std::optional<tvec3> enemy;
    if (target >= 0) enemy = match.play.players[static_cast<size_t>(target)].model.position;
    // In capture the flag a bot goes about the flags, fighting an enemy close by on its way.
    const std::optional<tvec3> flag = FlagGoal(match, index);
    // A frame without anything to go for is a frame without its enemy in sight.
    if (!enemy && !flag) memory.sightedEnemy = -1;
    if (enemy || flag) {
        const bool enemyClose =
            enemy && AimAt(bot, *enemy).horizontal <= match.tuning.SHOOT_DISTANCE;
        const bool fighting = enemy && (enemyClose || !flag);
        const BotAim aim = AimAt(bot, fighting ? *enemy : *flag);
        const bool inView = !fighting || aim.horizontal <= match.tuning.VIEW_DISTANCE;
        memory.platformIndex = FindBotPlatform(match.arena.cylinderBounds, memory.platformIndex,
                                               bot.position, bot.extentHalfHeight);
        PlayerCommand command = CurrentCommand(bot);
        SetAnimation(
            bot, WalkToward(command, player, flag ? *flag : *enemy, !flag, flag || inView, match));
        const float headingOff = TurnToward(command, aim, inView, match);
        const bool reacted = Reacted(memory, target, fighting && inView, match);
        const bool fire =
            AimAndDecideFire(command, player, aim, headingOff, match) && fighting && reacted;
        ApplyPlayerCommand(bot, command);
        if (fire) {
            player.lastShotTime = match.now;
            const float pitchError = AimError(match);
            FireBullet(match, static_cast<int32_t>(index), command.aimPitch + pitchError,
                       command.yaw + AimError(match));
        }
    }
    memory.previousAnimation = RunningAnimation(bot);
}

}  // namespace

void UpdateBots(Match& match) {
    std::vector<MatchPlayer>& players = match.play.players;
    for (size_t i = 0; i < players.size(); ++i) {
        if (!players[i].isBot || !players[i].hasModel) continue;
        if (players[i].dead) {
            players[i].bot.sightedEnemy = -1;  // back in play, it looks around afresh
        } else {
            DecideFor(match, i);
        }
    }
}
