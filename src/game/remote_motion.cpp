#include "game/remote_motion.h"

#include <algorithm>
#include <cmath>

#include "base/clock.h"
#include "base/random.h"
#include "game/collision.h"
#include "game/match.h"
#include "game/player_models.h"

namespace {

// A correction is eased out over at least this long: a few frames, short enough not to trail
// behind; a long one (after reports held the model back) no faster than this share of the run
// speed, so that the model is not seen racing.
constexpr float kCorrectionMs = 100;
constexpr float kCatchUpShareOfRunSpeed = 1.0f;
// Reports leave their machine this often.
constexpr int32_t kReportIntervalMs = 50;
// Motion speeds are per reference frame of this length.
constexpr float kReferenceFrameMs = 15;

// The signed turn from `from` to `to` the short way round, in degrees.
float Turn(float from, float to) {
    float turn = std::fmod(to - from, 360.0f);
    if (turn > 180) turn -= 360;
    if (turn < -180) turn += 360;
    return turn;
}

float HorizontalDistance(tvec3 a, tvec3 b) {
    return std::hypot(a.x - b.x, a.z - b.z);
}

struct PathPoint {
    tvec3 position;
    float yaw = 0;
    float aimPitch = 0;
};

PathPoint PointOf(const ReportedPose& report) {
    return {report.position, report.yaw, report.aimPitch};
}

// The point `share` of the way from `from` to `to`; a share above 1 goes on past `to`.
PathPoint Between(const ReportedPose& from, const ReportedPose& to, float share) {
    return {from.position + Scaled(to.position - from.position, share),
            from.yaw + Turn(from.yaw, to.yaw) * share,
            from.aimPitch + (to.aimPitch - from.aimPitch) * share};
}

// Going on past the newest report along the last leg, for a short while and only as far as the
// cylinders let a player go: a late report must not carry the model into a wall.
PathPoint GoOnPast(const Match& match, const MatchPlayer& player, const ReportedPose& previous,
                   const ReportedPose& newest, int32_t past) {
    const int32_t leg = std::max(1, Elapsed(newest.arrived, previous.arrived));
    const int32_t ahead = std::min(past, static_cast<int32_t>(kRemoteExtrapolationMs));
    PathPoint point = Between(previous, newest, 1 + static_cast<float>(ahead) / leg);
    tvec3 offset = point.position - newest.position;
    const CollisionWorld cylinders{match.arena.cylinderBounds, &match.arena.collisionGrid, {}};
    // Only cylinders and the grid are met here, so the nudge out of players never draws.
    Random unused;
    float headroom = 0;
    CollideMove(cylinders, MoverKind::Player, -1, newest.position, offset,
                player.model.extentHalfHeight, player.model.extentRadius, headroom, unused);
    point.position = newest.position + offset;
    return point;
}

// Where the reported path puts `player` at `time`.
PathPoint PathAt(const Match& match, const MatchPlayer& player, uint32_t time) {
    const RemoteMotion& motion = player.remoteMotion;
    const auto& reports = motion.reports;
    if (Elapsed(time, reports[0].arrived) <= 0) return PointOf(reports[0]);
    for (size_t i = 1; i < motion.count; ++i) {
        const int32_t toNext = Elapsed(reports[i].arrived, time);
        if (toNext < 0) continue;
        const int32_t leg = std::max(1, Elapsed(reports[i].arrived, reports[i - 1].arrived));
        return Between(reports[i - 1], reports[i], 1 - static_cast<float>(toNext) / leg);
    }
    const ReportedPose& newest = reports[motion.count - 1];
    if (motion.count < 2 || motion.repeated) return PointOf(newest);
    return GoOnPast(match, player, reports[motion.count - 2], newest,
                    Elapsed(time, newest.arrived));
}

// What is left of the last correction at `now`: all of it at first, none after kCorrectionMs.
float CorrectionLeft(const RemoteMotion& motion, uint32_t now) {
    if (!(motion.correctionMs > 0)) return 0;
    return std::clamp(
        1 - static_cast<float>(Elapsed(now, motion.correctedAt)) / motion.correctionMs, 0.0f, 1.0f);
}

PathPoint ShownAt(const Match& match, const MatchPlayer& player, uint32_t now) {
    const RemoteMotion& motion = player.remoteMotion;
    PathPoint point = PathAt(match, player, now - kRemoteDisplayDelayMs);
    const float left = CorrectionLeft(motion, now);
    point.position = point.position + Scaled(motion.correction, left);
    point.yaw += motion.yawCorrection * left;
    return point;
}

void Show(MatchPlayer& player, const PathPoint& point) {
    ShowMotion(player, point.position, point.yaw, point.aimPitch);
}

void Append(RemoteMotion& motion, const ReportedPose& report) {
    if (motion.count == RemoteMotion::kCapacity) {
        std::move(motion.reports.begin() + 1, motion.reports.end(), motion.reports.begin());
        --motion.count;
    }
    motion.reports[motion.count++] = report;
}

// Farther than a player could run since the newest report (with room for one lost report):
// a respawn or a placement, shown at once.
bool Teleported(const ReportedPose& newest, const ReportedPose& report, float runSpeed) {
    const int32_t since = std::max(Elapsed(report.arrived, newest.arrived), kReportIntervalMs);
    const float reach =
        2 * runSpeed * static_cast<float>(since + kReportIntervalMs) / kReferenceFrameMs;
    return HorizontalDistance(newest.position, report.position) > reach;
}

}  // namespace

void RecordRemoteReport(Match& match, int32_t slot, const tplayerinfo& record) {
    MatchPlayer* player = match.Player(slot);
    if (!player) return;
    RemoteMotion& motion = player->remoteMotion;
    const ReportedPose report{match.now, record.position, record.yaw, record.aimPitch};
    const bool dead = record.dead != 0;
    const bool revived = player->dead && !dead;
    if (motion.count == 0 || revived ||
        Teleported(motion.reports[motion.count - 1], report, match.tuning.RUN_SPEED)) {
        ForgetRemoteMotion(*player);
        Append(motion, report);
        Show(*player, PointOf(report));
        return;
    }
    const ReportedPose newest = motion.reports[motion.count - 1];
    // The same report again is no new point of the path: stamped now, it would stop a runner
    // whose next report was merely lost on its way to the server, and rush it on afterwards.
    if (newest.position == report.position && newest.yaw == report.yaw &&
        newest.aimPitch == report.aimPitch) {
        motion.repeated = true;
        return;
    }
    // A report that changes the path at the moment shown is eased in from what is shown now.
    const PathPoint before = ShownAt(match, *player, match.now);
    motion.repeated = false;
    // Reports that waited for a slow frame arrive together; stamped about a report interval
    // apart, as they left, they keep their pace instead of making a leg of no time: a jump.
    ReportedPose spaced = report;
    const uint32_t earliest = newest.arrived + kReportIntervalMs * 3 / 4;
    if (Elapsed(earliest, spaced.arrived) > 0) spaced.arrived = earliest;
    Append(motion, spaced);
    const PathPoint after = PathAt(match, *player, match.now - kRemoteDisplayDelayMs);
    motion.correction = before.position - after.position;
    motion.yawCorrection = Turn(after.yaw, before.yaw);
    motion.correctedAt = match.now;
    const float catchUpPerMs = kCatchUpShareOfRunSpeed * match.tuning.RUN_SPEED / kReferenceFrameMs;
    const tvec3& c = motion.correction;
    motion.correctionMs =
        std::max(kCorrectionMs, std::sqrt(c.x * c.x + c.y * c.y + c.z * c.z) / catchUpPerMs);
}

void ForgetRemoteMotion(MatchPlayer& player) {
    player.remoteMotion = {};
}

void StepRemotePlayers(Match& match) {
    for (MatchPlayer& player : match.play.players) {
        if (player.remoteMotion.count > 0) Show(player, ShownAt(match, player, match.now));
    }
}
