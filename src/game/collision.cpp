#include "game/collision.h"

#include <algorithm>
#include <cmath>

#include "base/random.h"

namespace {

constexpr float kNoHeadroom = 9999.0f;
// Bounds the work of one call whatever speed or size it is handed (a broken model of radius 0,
// a speed factor gone wild): past this the sub-steps simply get longer.
constexpr float kMaxSubSteps = 1024.0f;
// A long part is sampled at pairs of points along its axis; a freak part gets no more than this.
constexpr int32_t kMaxSamplePairs = 64;

// How far a player's bounding cylinder may overlap another player's before they touch.
constexpr float kPlayerOverlap = 0.2f;
constexpr float kLiftMargin = 0.0001f;
constexpr float kLandingGap = 0.001f;
constexpr float kShallowDepth = 0.3f;
constexpr float kLargestSidePush = 0.4f;
constexpr float kSmallestSidePush = 0.05f;

float HorizontalDistance(float x, float z, float toX, float toZ) {
    const float dx = x - toX, dz = z - toZ;
    return std::sqrt(dx * dx + dz * dz);
}

// Sub-steps no longer than `stepLength` along `velocity`.
int32_t SubStepCount(tvec3 velocity, float stepLength) {
    float steps = std::nearbyint(Length(velocity) / stepLength);
    if (!(steps < kMaxSubSteps)) steps = kMaxSubSteps;  // also a zero step length
    return static_cast<int32_t>(steps) + 1;
}

// The grid column (or row) of a coordinate: cells are centred on multiples of the cell size
// from the origin. False when the coordinate is beyond any cell.
bool GridIndex(float coordinate, float origin, float cellSize, int32_t count, int32_t& index) {
    const float cell = std::nearbyint(cellSize);
    const float offset = std::nearbyint(coordinate - origin + cellSize / 2);
    if (!(cell >= 1.0f) || !(std::fabs(offset) < 1e9f)) return false;
    index = static_cast<int32_t>(offset) / static_cast<int32_t>(cell);
    return index >= 0 && index < count;
}

// The cylinders listed in the grid cell of `next`, or null when `next` is outside the grid.
const std::vector<int32_t>* CellCylinders(const CollisionGrid* grid, tvec3 next) {
    if (grid == nullptr) return nullptr;
    int32_t column = 0, row = 0;
    if (!GridIndex(next.x, grid->gridOriginX, grid->gridCellSize, grid->gridColumns, column) ||
        !GridIndex(next.z, grid->gridOriginZ, grid->gridCellSize, grid->gridRows, row)) {
        return nullptr;
    }
    const auto r = static_cast<size_t>(row), c = static_cast<size_t>(column);
    if (r >= grid->rows.size() || c >= grid->rows[r].size()) return nullptr;
    return &grid->rows[r][c].cylinders;
}

// The pose collision uses for a part: the first frame of its current animation, else frame 0.
const tpartframe* CollisionFrame(const tmeshpart& part) {
    size_t frame = 0;
    const int32_t animation = part.currentAnimation;
    if (animation >= 0 && static_cast<size_t>(animation) < part.animations.size()) {
        const std::vector<int32_t>& frames = part.animations[static_cast<size_t>(animation)].frames;
        if (!frames.empty() && frames.front() >= 0) frame = static_cast<size_t>(frames.front());
    }
    return frame < part.frames.size() ? &part.frames[frame] : nullptr;
}

const tpartframe* CurrentFrame(const tmeshpart& part) {
    const auto frame = static_cast<size_t>(part.currentFrame);
    return part.currentFrame >= 0 && frame < part.frames.size() ? &part.frames[frame] : nullptr;
}

tmatrix PartTurn(const tgeomobject& player, const tmeshpart& part) {
    return MultiplyMatrix(RotationY(-player.yaw), RotationX(part.pitch));
}

// Everything one call of CollideMove works with.
struct Mover {
    const CollisionWorld& world;
    MoverKind mode;
    int32_t index;
    const tgeomobject* model;  // a player's own model; null for bullets and unknown slots
    tvec3 position;
    tvec3& velocity;
    float halfHeight, radius;
    float stepLength;
    float& headroom;
    CollisionHit hit;
};

// The free height between the head's top and a cylinder above it.
void MeasureHeadroom(Mover& mover, const tcylinderbounds& cylinder, tvec3 offset) {
    const int32_t head = FindPart(*mover.model, "HEAD");
    if (head < 0) return;
    const tpartframe* frame = CollisionFrame(mover.model->triangleParts[static_cast<size_t>(head)]);
    if (frame == nullptr) return;
    const float headTop = mover.position.y + frame->shift.y + frame->radius;
    // Measured to the cylinder's underside: that is what the head would meet on standing up. To
    // its centre, a slab thicker than about twice the seat drop never reads as low, and a
    // crouched player under it stands up with its head through the slab.
    const float room = cylinder.bottom - headTop;
    const float reach = HorizontalDistance(mover.position.x + offset.x, mover.position.z + offset.z,
                                           cylinder.x, cylinder.z);
    if (room > 0 && room < mover.headroom && reach < mover.radius / 2 + cylinder.radius) {
        mover.headroom = room;
    }
}

CylinderDepth PartsTouchAt(const Mover& mover, const tcylinderbounds& cylinder, tvec3 offset) {
    // The parts sit at the model's position; the probe is from the position the mover was given.
    return PartsTouchCylinder(cylinder, *mover.model,
                              offset + (mover.position - mover.model->position));
}

// Already inside the cylinder: out sideways when deep (or shallow but nearer the side), else up.
void PushOutOfCylinder(Mover& mover, const tcylinderbounds& cylinder, CylinderDepth depth,
                       float velocityY) {
    tvec3& v = mover.velocity;
    if (depth.vertical >= depth.radial || depth.vertical >= kShallowDepth) {
        float dx = mover.position.x - cylinder.x, dz = mover.position.z - cylinder.z;
        const float length = std::sqrt(dx * dx + dz * dz);
        if (length != 0) {
            dx /= length;
            dz /= length;
        }
        const float push = depth.radial == 0 ? kSmallestSidePush : depth.radial;
        if (push < kLargestSidePush) {
            v.x = push * dx;
            v.z = push * dz;
        }
        v.y = velocityY;
    } else {
        v.y = depth.vertical;
    }
}

void HitCylinder(Mover& mover, int32_t index) {
    mover.hit.kind = kHitCylinder;
    mover.hit.index = index;
}

// A bullet meeting cylinder `index`; true when it has stopped.
bool BulletMeetsCylinder(Mover& mover, const tcylinderbounds& cylinder, int32_t index,
                         tvec3 previousOffset) {
    const tvec3 p = mover.position;
    tvec3& v = mover.velocity;
    HitCylinder(mover, index);
    if (p.y + mover.halfHeight > cylinder.bottom && p.y - mover.halfHeight < cylinder.top) {
        if (HorizontalDistance(p.x, p.z, cylinder.x, cylinder.z) < mover.radius + cylinder.radius) {
            v.y = cylinder.top - p.y + mover.halfHeight + kLiftMargin;
        } else {
            v.x = previousOffset.x;
            v.z = previousOffset.z;
        }
        return true;
    }
    v.y = 0;  // grazing a top or an underside
    return false;
}

// A player's body parts against cylinder `index`; true when sub-stepping it should stop.
bool PlayerMeetsCylinder(Mover& mover, const tcylinderbounds& cylinder, int32_t index, tvec3 offset,
                         float velocityY) {
    if (mover.model == nullptr) return false;
    tvec3& v = mover.velocity;
    MeasureHeadroom(mover, cylinder, offset);
    if (PartsTouchAt(mover, cylinder, {offset.x, 0, offset.z}).inside) {
        HitCylinder(mover, index);
        v.x = 0;
        v.z = 0;
    }
    const CylinderDepth below = PartsTouchAt(mover, cylinder, {0, offset.y, 0});
    if (below.inside) {
        HitCylinder(mover, index);
        v.y = 0;
        // A fall ends on the top itself, not up to a whole frame's fall above it: at 20 frames a
        // second that is nearly a unit of air under the feet.
        const float onTop = offset.y + below.vertical + kLandingGap;
        if (offset.y < 0 && onTop < 0) v.y = onTop;
        if (offset.y < 0) mover.hit.landed = true;
    }
    const CylinderDepth stuck = PartsTouchAt(mover, cylinder, {0, 0, 0});
    if (!stuck.inside) return false;
    HitCylinder(mover, index);
    PushOutOfCylinder(mover, cylinder, stuck, velocityY);
    return true;
}

// Returns true when the mover has stopped for good (a bullet hitting a side).
bool CollideWithCylinder(Mover& mover, int32_t index) {
    const tcylinderbounds& cylinder = mover.world.cylinderBounds[static_cast<size_t>(index)];
    const tvec3 p = mover.position;
    const int32_t steps = SubStepCount(mover.velocity, mover.stepLength);
    const tvec3 step = Scaled(mover.velocity, 1.0f / static_cast<float>(steps));
    const float velocityY = mover.velocity.y;
    for (int32_t k = 1; k <= steps; ++k) {
        const tvec3 offset = Scaled(step, static_cast<float>(k));
        const bool overlaps = HorizontalDistance(p.x + offset.x, p.z + offset.z, cylinder.x,
                                                 cylinder.z) < mover.radius + cylinder.radius &&
                              p.y + offset.y + mover.halfHeight > cylinder.bottom &&
                              p.y + offset.y - mover.halfHeight < cylinder.top;
        if (!overlaps) continue;
        if (mover.mode == MoverKind::Bullet) {
            if (BulletMeetsCylinder(mover, cylinder, index,
                                    Scaled(step, static_cast<float>(k - 1))))
                return true;
        } else if (PlayerMeetsCylinder(mover, cylinder, index, offset, velocityY)) {
            return false;
        }
    }
    return false;
}

// Motion that would leave the grid. A player stops, except that one already outside (pushed
// there by a bad spawn or a peer) may walk back towards the grid: stopped dead, it would stand
// there for good.
void StopAtGridEdge(Mover& mover) {
    tvec3& v = mover.velocity;
    const CollisionGrid* grid = mover.world.collisionGrid;
    const tvec3 p = mover.position;
    const auto outside = [grid](float x, float z) {
        if (grid == nullptr) return 0.0f;
        const float half = grid->gridCellSize / 2;
        const float minX = grid->gridOriginX - half, minZ = grid->gridOriginZ - half;
        const float maxX = minX + grid->gridCellSize * static_cast<float>(grid->gridColumns);
        const float maxZ = minZ + grid->gridCellSize * static_cast<float>(grid->gridRows);
        const float dx = std::max({minX - x, 0.0f, x - maxX});
        const float dz = std::max({minZ - z, 0.0f, z - maxZ});
        return std::sqrt(dx * dx + dz * dz);
    };
    const float now = outside(p.x, p.z);
    if (now > 0 && outside(p.x + v.x, p.z + v.z) < now) {
        v.y = 0;
        return;
    }
    v = {};
}

// Returns true when a bullet stopped at a side; players beyond it are not tested then.
bool CollideWithCylinders(Mover& mover) {
    const tvec3 next = mover.position + mover.velocity;
    const std::vector<int32_t>* cylinders = CellCylinders(mover.world.collisionGrid, next);
    if (cylinders == nullptr) {
        if (mover.mode == MoverKind::Player) StopAtGridEdge(mover);
        return false;
    }
    for (int32_t index : *cylinders) {
        if (index < 0 || static_cast<size_t>(index) >= mover.world.cylinderBounds.size()) continue;
        if (CollideWithCylinder(mover, index)) return true;
    }
    return false;
}

void CollideWithPlayers(Mover& mover, Random& random) {
    const bool player = mover.mode == MoverKind::Player;
    const float overlap = player ? kPlayerOverlap : 1.0f;
    float bodyOffset = 0;
    if (player && mover.model != nullptr) {
        const bool moving = !mover.model->triangleParts.empty() &&
                            mover.model->triangleParts.front().currentAnimation >= 1;
        bodyOffset = mover.halfHeight * (moving ? 0.7f : 0.263f);
    }
    const tvec3 p = mover.position;
    const float r = mover.radius, h = mover.halfHeight;
    const std::span<const MatchPlayer> players = mover.world.players;
    for (size_t i = 0; i < players.size(); ++i) {
        if (player && static_cast<int32_t>(i) == mover.index) continue;
        if (!players[i].hasModel) continue;
        const tgeomobject& other = players[i].model;
        tvec3& v = mover.velocity;
        const int32_t steps = SubStepCount(v, mover.stepLength);
        const tvec3 step = Scaled(v, 1.0f / static_cast<float>(steps));
        for (int32_t k = 1; k <= steps; ++k) {
            const tvec3 at = p + Scaled(step, static_cast<float>(k));
            const float across = HorizontalDistance(at.x, at.z, other.position.x, other.position.z);
            const float below = std::fabs(at.y - bodyOffset - other.position.y);
            if (!(overlap * (r + other.extentRadius) > across &&
                  h + overlap * other.extentHalfHeight > below)) {
                continue;
            }
            if (player) {
                v = {};
                const float across0 =
                    HorizontalDistance(p.x, p.z, other.position.x, other.position.z);
                const float below0 = p.y - other.position.y;
                if (overlap * r + kPlayerOverlap * other.extentRadius > across0 &&
                    h + kPlayerOverlap * other.extentHalfHeight > below0) {
                    // Already inside each other: step out to a random side.
                    v.z = r / 2 * static_cast<float>(random.Below(2));
                    v.x = r / 2 * static_cast<float>(random.Below(2)) - kPlayerOverlap * r;
                }
            }
            mover.hit.kind = kHitPlayer;
            mover.hit.index = static_cast<int32_t>(i);
            break;
        }
    }
}

}  // namespace

CollisionHit CollideMove(const CollisionWorld& world, MoverKind mode, int32_t moverIndex,
                         tvec3 position, tvec3& velocity, float halfHeight, float radius,
                         float& headroom, Random& random) {
    headroom = kNoHeadroom;
    if (!Finite(position) || !Finite(velocity) || !std::isfinite(halfHeight) ||
        !std::isfinite(radius)) {
        velocity = {};
        return {};
    }
    if (velocity == tvec3{}) return {};

    const tgeomobject* model = nullptr;
    if (mode == MoverKind::Player && moverIndex >= 0 &&
        static_cast<size_t>(moverIndex) < world.players.size()) {
        model = &world.players[static_cast<size_t>(moverIndex)].model;
    }
    Mover mover{world,      mode,     moverIndex,
                model,      position, velocity,
                halfHeight, radius,   std::min(halfHeight, radius),
                headroom,   {}};
    if (CollideWithCylinders(mover)) return mover.hit;
    CollideWithPlayers(mover, random);
    return mover.hit;
}

bool InsideCylinder(tvec3 point, float height, float margin, float radius) {
    return std::sqrt(point.x * point.x + point.z * point.z) <= radius + margin &&
           std::fabs(point.y) < height / 2;
}

CylinderDepth CylinderPenetration(tvec3 point, float height, float margin, float radius) {
    if (!InsideCylinder(point, height, margin, radius)) return {};
    return {true, height / 2 - point.y, radius - std::sqrt(point.x * point.x + point.z * point.z)};
}

CylinderDepth PartsTouchCylinder(const tcylinderbounds& cylinder, const tgeomobject& player,
                                 tvec3 offset) {
    CylinderDepth deepest;
    const float height = cylinder.top - cylinder.bottom;
    const tvec3 base = player.position + offset - tvec3{cylinder.x, cylinder.centreY, cylinder.z};
    for (const tmeshpart& part : player.triangleParts) {
        const tpartframe* frame = CollisionFrame(part);
        if (frame == nullptr || !(frame->radius > 0)) continue;
        const float ratio = frame->height * 0.25f / frame->radius;
        if (!(ratio >= 1.0f)) continue;  // squat parts and spheres never touch the arena
        const int32_t samples = static_cast<int32_t>(std::min(ratio, 2.0f * kMaxSamplePairs));
        const int32_t pairs = (samples + 1) / 2;
        const tmatrix turn = PartTurn(player, part);
        for (int32_t j = 0; j < pairs; ++j) {
            const float along = frame->height / 2 - frame->radius / 2 -
                                2.0f * static_cast<float>(j) * frame->radius;
            for (const float a : {along, -along}) {
                tvec3 point{0, a, 0};
                TransformPoint(point, frame->matrix);
                point = point + frame->shift;
                TransformPoint(point, turn);
                const CylinderDepth depth =
                    CylinderPenetration(point + base, height, frame->radius, cylinder.radius);
                if (!depth.inside) continue;
                deepest.inside = true;
                deepest.vertical = std::max(deepest.vertical, depth.vertical);
                deepest.radial = std::max(deepest.radial, depth.radial);
            }
        }
    }
    return deepest;
}

int32_t BulletHitsPart(const tgeomobject& victim, tvec3 start, tvec3 velocity, float bulletRadius) {
    const float speed = Length(velocity);
    const float reach =
        speed + std::max(victim.extentRadius, victim.extentHalfHeight) + bulletRadius;
    if (!(reach >= Length(start - victim.position))) return -1;
    int32_t steps = 1;
    if (bulletRadius != 0) {
        const float count = speed / std::fabs(bulletRadius);
        steps = (count < kMaxSubSteps ? static_cast<int32_t>(count)
                                      : static_cast<int32_t>(kMaxSubSteps)) +
                1;
    }
    const tvec3 step = Scaled(velocity, 1.0f / static_cast<float>(steps));
    for (size_t index = 0; index < victim.triangleParts.size(); ++index) {
        const tmeshpart& part = victim.triangleParts[index];
        const tpartframe* frame = CurrentFrame(part);
        if (frame == nullptr) continue;
        tvec3 centre = frame->shift;
        TransformPoint(centre, PartTurn(victim, part));
        centre = centre + victim.position;
        const tmatrix toPart = MultiplyMatrix(
            frame->inverse, MultiplyMatrix(RotationX(-part.pitch), RotationY(victim.yaw)));
        for (int32_t k = 1; k <= steps; ++k) {
            const tvec3 at = start + Scaled(step, static_cast<float>(k));
            bool hit = false;
            if (part.sphere) {
                hit = Length(at - centre) < bulletRadius + frame->radius;
            } else {
                tvec3 local = at - centre;
                TransformPoint(local, toPart);
                hit = InsideCylinder(local, frame->height, bulletRadius, frame->radius);
            }
            if (hit) return static_cast<int32_t>(index);
        }
    }
    return -1;
}
