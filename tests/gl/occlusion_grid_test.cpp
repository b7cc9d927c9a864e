// Leaving out a cylinder hidden behind nearer ones must never change the picture: whenever the grid
// says "hidden", a ray cast through every pixel of the far cylinder must meet the near one first.
// The rays here are the test's own (cylinders as true circles, no grid, no hull), so a grid that
// covered too much or compared depths the wrong way round would be caught at the pixel it gets
// wrong.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "render/occlusion_grid.h"

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 256;
constexpr float kNear = 1.0f, kFar = 1000.0f;
constexpr float kFovy = 60.0f;
constexpr int kSegments = 32;  // as drawn
constexpr float kPi = 3.14159265358979f;

// A camera at the origin, pitched about x, looking down -z.
struct Camera {
    float pitch = 0;  // degrees, positive looks up
    float matrix[16] = {};

    explicit Camera(float pitchDegrees) : pitch(pitchDegrees) {
        const float f = 1 / std::tan(kFovy * kPi / 360);
        const float aspect = static_cast<float>(kWidth) / kHeight;
        const float projection[16] = {f / aspect,
                                      0,
                                      0,
                                      0,
                                      0,
                                      f,
                                      0,
                                      0,
                                      0,
                                      0,
                                      (kFar + kNear) / (kNear - kFar),
                                      -1,
                                      0,
                                      0,
                                      2 * kFar * kNear / (kNear - kFar),
                                      0};
        // World to camera: turn by -pitch about x.
        const float a = -pitch * kPi / 180, c = std::cos(a), s = std::sin(a);
        const float view[16] = {1, 0, 0, 0, 0, c, s, 0, 0, -s, c, 0, 0, 0, 0, 1};
        for (int column = 0; column < 4; ++column)
            for (int row = 0; row < 4; ++row) {
                float sum = 0;
                for (int k = 0; k < 4; ++k) sum += projection[k * 4 + row] * view[column * 4 + k];
                matrix[column * 4 + row] = sum;
            }
    }

    ViewProjection View() const { return {matrix, kWidth, kHeight}; }

    // The world direction of the ray through a window position.
    tvec3 Ray(float x, float y) const {
        const float t = std::tan(kFovy * kPi / 360);
        const float aspect = static_cast<float>(kWidth) / kHeight;
        const float vx = (2 * x / kWidth - 1) * t * aspect, vy = (2 * y / kHeight - 1) * t;
        const float a = pitch * kPi / 180, c = std::cos(a), s = std::sin(a);
        return {vx, c * vy - s * -1.0f, s * vy + c * -1.0f};
    }
};

// Where a ray from the origin enters the cylinder as drawn: a prism of kSegments sides.
std::optional<float> DrawnHit(const tcylinderbounds& b, tvec3 d) {
    float enter = 0, leave = std::numeric_limits<float>::infinity();
    // Each face keeps the points with n . X <= h: along the ray, t (n . d) <= h.
    const auto face = [&](float nx, float ny, float nz, float h) {
        const float along = nx * d.x + ny * d.y + nz * d.z;
        if (along < 0) enter = std::max(enter, h / along);
        if (along > 0) leave = std::min(leave, h / along);
        if (along == 0 && h < 0) leave = -1;
    };
    const float step = 2 * kPi / kSegments;
    for (int j = 0; j < kSegments; ++j) {
        const float mid = (j + 0.5f) * step, nx = std::cos(mid), nz = std::sin(mid);
        face(nx, 0, nz,
             nx * (b.x + b.radius * std::cos(j * step)) +
                 nz * (b.z + b.radius * std::sin(j * step)));
    }
    face(0, 1, 0, b.top);
    face(0, -1, 0, -b.bottom);
    if (enter > 0 && enter <= leave) return enter;
    return std::nullopt;
}

// Whether some pixel centre shows the far cylinder: its ray meets it and misses the near one, or
// meets it first.
bool ShowsPast(const Camera& camera, const tcylinderbounds& near, const tcylinderbounds& far) {
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const tvec3 d = camera.Ray(x + 0.5f, y + 0.5f);
            const auto farHit = DrawnHit(far, d);
            if (!farHit) continue;
            const auto nearHit = DrawnHit(near, d);
            if (!nearHit || *nearHit >= *farHit) return true;
        }
    return false;
}

tcylinderbounds Upright(float x, float z, float radius, float bottom, float top) {
    return {x, (bottom + top) / 2, z, radius, top, bottom};
}

void AddOccluder(OcclusionGrid& grid, const ViewProjection& view, const tcylinderbounds& cylinder) {
    std::vector<ScreenPoint> rims;
    ProjectCylinderRims(view, cylinder, kSegments, rims);
    AddCylinderOccluder(grid, rims);
}

bool GridHides(const Camera& camera, const tcylinderbounds& near, const tcylinderbounds& far) {
    OcclusionGrid grid;
    grid.Reset(kWidth, kHeight);
    AddOccluder(grid, camera.View(), near);
    return grid.Hides(CylinderBox(camera.View(), far));
}

// A thin far cylinder slides sideways and up behind a wide near one, under three pitches: the
// grid may only call it hidden where no ray sees it, and must call it hidden somewhere.
// Both stand level with the camera, below it (its top cap shows) or above it (its bottom cap).
TEST(OcclusionGrid, HidesAFarCylinderOnlyWhereNoPixelOfItShows) {
    struct Setting {
        float pitch, lift;
    };
    for (const Setting setting : {Setting{0, 0}, Setting{-20, 0}, Setting{15, 0}, Setting{-30, -7},
                                  Setting{-10, -7}, Setting{30, 7}}) {
        const float pitch = setting.pitch, lift = setting.lift;
        const Camera camera(pitch);
        const tcylinderbounds near = Upright(0, -10, 3, lift - 2, lift + 4);
        int hidden = 0, shown = 0;
        for (float x = -9; x <= 9; x += 0.75f) {
            // Centred where the near one is on screen, from well within it to beyond it.
            for (const float reach : {0.5f, 2.0f, 5.0f, 8.0f}) {
                const float centre = 2.5f * (lift + 1);
                const tcylinderbounds far = Upright(x, -25, 0.8f, centre - reach, centre + reach);
                const bool gridHides = GridHides(camera, near, far);
                if (gridHides) {
                    EXPECT_FALSE(ShowsPast(camera, near, far))
                        << "pitch " << pitch << ", lift " << lift << ", far cylinder at x " << x
                        << " reaching " << reach;
                    ++hidden;
                } else {
                    ++shown;
                }
            }
        }
        EXPECT_GT(hidden, 10) << "pitch " << pitch << ", lift " << lift;
        EXPECT_GT(shown, 10) << "pitch " << pitch << ", lift " << lift;
    }
}

// Straight down along a short wide cylinder's axis no side faces the camera and its top rim is
// its whole outline: a thin one farther down is hidden only where its rays meet the first one.
TEST(OcclusionGrid, HidesWhatLiesBelowACylinderSeenAlongItsAxis) {
    const Camera camera(-90);
    const tcylinderbounds near = Upright(0, 0, 3, -10, -6);
    int hidden = 0, shown = 0;
    for (float x = -9; x <= 9; x += 0.75f) {
        const tcylinderbounds far = Upright(x, 1, 0.8f, -20, -14);
        if (GridHides(camera, near, far)) {
            EXPECT_FALSE(ShowsPast(camera, near, far)) << "far cylinder at x " << x;
            ++hidden;
        } else {
            ++shown;
        }
    }
    EXPECT_GT(hidden, 10);
    EXPECT_GT(shown, 5);
}

// Where a ray from the origin meets side `j` of the cylinder as drawn with kSegments sides, if it
// does from in front.
std::optional<float> SideHit(const tcylinderbounds& b, int j, tvec3 d) {
    const float step = 2 * kPi / kSegments;
    const tvec3 p0{b.x + b.radius * std::cos(j * step), 0, b.z + b.radius * std::sin(j * step)};
    const tvec3 p1{b.x + b.radius * std::cos((j + 1) * step), 0,
                   b.z + b.radius * std::sin((j + 1) * step)};
    const float mid = (j + 0.5f) * step;
    const float nx = std::cos(mid), nz = std::sin(mid);
    const float facing = nx * d.x + nz * d.z;
    if (facing >= 0) return std::nullopt;
    const float t = (nx * p0.x + nz * p0.z) / facing;
    const float ex = p1.x - p0.x, ez = p1.z - p0.z;
    const float along = ((t * d.x - p0.x) * ex + (t * d.z - p0.z) * ez) / (ex * ex + ez * ez);
    if (t <= 0 || along < 0 || along > 1 || t * d.y < b.bottom || t * d.y > b.top)
        return std::nullopt;
    return t;
}

// A wall of cylinders seen along its length, under three pitches: every side the grid leaves
// out must show no pixel past the cylinders drawn before it.
TEST(OcclusionGrid, HidesASideOnlyWhereNoPixelOfItShows) {
    int hiddenSides = 0;
    for (const float pitch : {0.0f, -25.0f, 10.0f}) {
        const Camera camera(pitch);
        const ViewProjection view = camera.View();
        for (const float shift : {-3.0f, -1.5f, 0.0f, 2.0f}) {
            OcclusionGrid grid;
            grid.Reset(kWidth, kHeight);
            std::vector<uint8_t> hidden;
            std::vector<tcylinderbounds> drawn;
            // Five along the wall, nearest first; then one nearer than all but the first, as an
            // order by centres can bring it.
            for (int k = 0; k < 6; ++k) {
                const tcylinderbounds wall =
                    k < 5 ? Upright(shift - 6 + 0.3f * k, -12 - 5 * k, 2.6f, -3, 20)
                          : Upright(shift - 3, -15.5f, 1.2f, -3, 8);
                std::vector<ScreenPoint> rims;
                ProjectCylinderRims(view, wall, kSegments, rims);
                MarkHiddenSides(grid, rims, hidden);
                for (int j = 0; j < kSegments; ++j) {
                    if (!hidden[static_cast<size_t>(j)]) continue;
                    ++hiddenSides;
                    for (int y = 0; y < kHeight; ++y)
                        for (int x = 0; x < kWidth; ++x) {
                            const tvec3 d = camera.Ray(x + 0.5f, y + 0.5f);
                            const auto sideHit = SideHit(wall, j, d);
                            if (!sideHit) continue;
                            bool covered = false;
                            for (const tcylinderbounds& near : drawn) {
                                const auto nearHit = DrawnHit(near, d);
                                covered = covered || (nearHit && *nearHit < *sideHit);
                            }
                            ASSERT_TRUE(covered)
                                << "pitch " << pitch << ", shift " << shift << ", cylinder " << k
                                << ", side " << j << " shows at " << x << "," << y;
                        }
                }
                drawn.push_back(wall);
                AddCylinderOccluder(grid, rims);
            }
        }
    }
    EXPECT_GT(hiddenSides, 50);
}

// Behind on screen is not enough: a cylinder poking out in front of the occluder's face, or
// standing in front of it, is drawn.
TEST(OcclusionGrid, NeverHidesACylinderThatComesNearerThanTheOccludersFace) {
    const Camera camera(0);
    const tcylinderbounds near = Upright(0, -10, 3, -2, 4);
    EXPECT_TRUE(GridHides(camera, near, Upright(0, -16, 0.5f, -1, 1)));
    EXPECT_FALSE(GridHides(camera, near, Upright(0, -7.2f, 0.5f, -1, 1)));
    EXPECT_FALSE(GridHides(camera, near, Upright(0, -5, 0.5f, -1, 1)));
}

// Two occluders side by side hide together what neither hides alone; a gap between them lets it
// show.
TEST(OcclusionGrid, NeighbouringOccludersHideTogetherButNotAcrossAGap) {
    const Camera camera(0);
    const tcylinderbounds far = Upright(0, -30, 1.5f, -2, 2);
    for (const float gap : {0.0f, 1.0f}) {
        OcclusionGrid grid;
        grid.Reset(kWidth, kHeight);
        for (const float x : {-2.0f - gap / 2, 2.0f + gap / 2})
            AddOccluder(grid, camera.View(), Upright(x, -10, 2.2f, -3, 3));
        EXPECT_EQ(grid.Hides(CylinderBox(camera.View(), far)), gap == 0) << "gap " << gap;
    }
}

// Points from a matrix gone wrong (infinite, not a number) hide nothing and cover nothing.
TEST(OcclusionGrid, PointsThatAreNotFiniteNeitherCoverNorAreHidden) {
    OcclusionGrid grid;
    grid.Reset(kWidth, kHeight);
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::vector<ScreenPoint> wild = {
        {-inf, -inf, 0}, {inf, -inf, 0}, {0, nan, 0}, {0, inf, 0}};
    grid.AddOccluder(wild);
    const std::vector<ScreenPoint> box = {{40, 40, 0.5f}, {60, 60, 0.5f}};
    EXPECT_FALSE(grid.Hides(box));
    const std::vector<ScreenPoint> square = {
        {0, 0, 0}, {kWidth, 0, 0}, {kWidth, kHeight, 0}, {0, kHeight, 0}};
    grid.AddOccluder(square);
    EXPECT_TRUE(grid.Hides(box));
    EXPECT_FALSE(grid.Hides(wild));
}

}  // namespace
