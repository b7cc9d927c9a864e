#include "render/scene_passes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "base/clock.h"
#include "render/floor_rows.h"
#include "render/gl_state.h"
#include "render/model_copies.h"
#include "render/model_drawing.h"
#include "render/occlusion_grid.h"
#include "render/shadows.h"
#include "render/view_volume.h"

namespace {

// The floor picture repeats once per this many units.
constexpr float kFloorTextureScale = 0.2f;
constexpr float kExplosionTopPitch = 60.0f;
constexpr float kSeeThroughAlpha = 0.5f;
// Just short of the cleared depth (1.0) in a 24-bit depth buffer.
constexpr double kFloorMarkDepth = 1.0 - 4.0 / (1 << 24);
// How far beyond the near plane a cylinder must stay to count as closed on screen.
constexpr float kClosedMargin = 0.5f;

int32_t CylinderSlot(const tgeomobject& cylinder, size_t index) {
    return index < cylinder.textureSlots.size() ? cylinder.textureSlots[index] : -1;
}

void DrawFlag(tgeomobject& flag, const RenderScene& scene, FlagLighting lighting) {
    if (lighting == FlagLighting::kUnlit) glDisable(GL_LIGHTING);
    DrawModel(flag, scene.world.textures);
    if (lighting == FlagLighting::kUnlit) glEnable(GL_LIGHTING);
}

bool CylindersAreOpaque(const RenderScene& scene) {
    for (const tgeomobject& cylinder : scene.world.arena.arenaCylinders) {
        if (!IsOpaqueSlot(scene.world.textures, CylinderSlot(cylinder, 0)) ||
            !IsOpaqueSlot(scene.world.textures, CylinderSlot(cylinder, 1)))
            return false;
    }
    return true;
}

// How far in front of the camera a cylinder's centre and its nearest point can be, from the
// current matrix: projection and camera share it, and its bottom row gives each point's clip w.
struct CylinderDepth {
    float centre = 0;
    float nearest = 0;
};

CylinderDepth DepthOf(const GLfloat* matrix, const tcylinderbounds& bounds) {
    const float acrossAxis = std::hypot(matrix[3], matrix[11]);
    const float centre =
        matrix[3] * bounds.x + matrix[7] * bounds.centreY + matrix[11] * bounds.z + matrix[15];
    const float halfHeight = 0.5f * (bounds.top - bounds.bottom);
    return {centre, centre - std::fabs(matrix[7]) * halfHeight - acrossAxis * bounds.radius};
}

// No part of the cylinder comes nearer than the near plane (plus a margin): it is closed on screen.
bool WhollyBeyond(const CylinderDepth& depth, float nearPlane) {
    return depth.nearest > nearPlane + kClosedMargin;
}

enum class NearCylinders { kDrawn, kSkipped };
enum class HiddenCylinders { kDrawn, kLeftOut };

// A cylinder to draw, and whether it lies wholly beyond the near plane: then it is closed on
// screen and its own front faces hide its back faces, so those need not be shaded.
struct OrderedCylinder {
    int32_t index = 0;
    float distance = 0;
    bool closed = false;
    bool outsideView = false;
    bool hidden = false;  // behind nearer closed cylinders on every pixel
    // Some sides hidden: of the side runs only [firstRun, firstRun + runCount) are drawn.
    bool sidesTrimmed = false;
    size_t firstRun = 0, runCount = 0;
};

// The same list serves every frame, so drawing allocates nothing once it has grown.
std::vector<OrderedCylinder>& CylinderOrderScratch() {
    thread_local std::vector<OrderedCylinder> order;
    return order;
}

// Runs of side vertices to draw, for cylinders some of whose sides are hidden.
struct VertexRun {
    int32_t first = 0, count = 0;
};

std::vector<VertexRun>& SideRunScratch() {
    thread_local std::vector<VertexRun> runs;
    return runs;
}

// The runs of sides the grid leaves to draw, for a cylinder drawn with `segments` sides; false
// when all of them are to be drawn.
bool TrimSides(const tgeomobject& cylinder, int32_t segments, const std::vector<uint8_t>& hidden,
               std::vector<VertexRun>& runs) {
    if (hidden.size() != static_cast<size_t>(segments) ||
        std::none_of(hidden.begin(), hidden.end(), [](uint8_t h) { return h != 0; }))
        return false;
    // Each side is `along` quads one above the other, drawn one after the other.
    const int32_t sideVertices = cylinder.arenaQuadVertices / segments;
    for (int32_t i = 0; i < segments;) {
        if (hidden[static_cast<size_t>(i)]) {
            ++i;
            continue;
        }
        const int32_t first = i;
        while (i < segments && !hidden[static_cast<size_t>(i)]) ++i;
        runs.push_back(
            {cylinder.arenaQuadStart + first * sideVertices, (i - first) * sideVertices});
    }
    return true;
}

// Marks each closed cylinder that the nearer closed ones hide on every pixel, and the sides of
// the others they hide; what is drawn hides what lies behind it in turn. Cylinders the near plane
// cuts open show their inside, so they neither hide nor are hidden.
void MarkHiddenCylinders(const RenderScene& scene, const GLfloat* matrix,
                         std::vector<OrderedCylinder>& order) {
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    const ViewProjection view{matrix, static_cast<float>(viewport[2]),
                              static_cast<float>(viewport[3])};
    thread_local OcclusionGrid grid;
    thread_local std::vector<ScreenPoint> rims;
    thread_local std::vector<uint8_t> hiddenSides;
    std::vector<VertexRun>& runs = SideRunScratch();
    runs.clear();
    grid.Reset(viewport[2], viewport[3]);
    const Arena& arena = scene.world.arena;
    for (OrderedCylinder& ordered : order) {
        if (!ordered.closed || ordered.outsideView) continue;
        const auto k = static_cast<size_t>(ordered.index);
        const tcylinderbounds& bounds = arena.cylinderBounds[k + 1];
        const std::array<ScreenPoint, 8> box = CylinderBox(view, bounds);
        ordered.hidden = grid.Hides(box);
        if (ordered.hidden) {
            if (scene.counts) ++scene.counts->cylindersHidden;
            continue;
        }
        const tgeomobject& cylinder = arena.arenaCylinders[k];
        // Two cap triangles a side: one at the top, one at the bottom.
        const int32_t segments = cylinder.arenaTriangleVertices / 6;
        ProjectCylinderRims(view, bounds, segments, rims);
        if (segments > 0 && cylinder.arenaQuadVertices % (4 * segments) == 0 &&
            grid.CoversAny(box)) {
            MarkHiddenSides(grid, rims, hiddenSides);
            ordered.firstRun = runs.size();
            ordered.sidesTrimmed = TrimSides(cylinder, segments, hiddenSides, runs);
            ordered.runCount = runs.size() - ordered.firstRun;
            if (scene.counts)
                scene.counts->sidesHidden += static_cast<int32_t>(
                    std::count(hiddenSides.begin(), hiddenSides.end(), uint8_t{1}));
        }
        AddCylinderOccluder(grid, rims);
    }
}

// The cylinders in the order of their distance along the current camera's line of sight, each
// marked when it lies wholly outside the view volume; with a `nearPlane`, marked closed when no
// part of it comes nearer than that (plus a margin).
const std::vector<OrderedCylinder>& CylindersNearestFirst(const RenderScene& scene,
                                                          NearCylinders near,
                                                          std::optional<float> nearPlane,
                                                          HiddenCylinders hidden) {
    const Arena& arena = scene.world.arena;
    const tvec3 player = scene.LocalPlayer()->position;
    GLfloat matrix[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
    std::vector<OrderedCylinder>& order = CylinderOrderScratch();
    order.clear();
    for (size_t k = 0; k < arena.arenaCylinders.size() && k + 1 < arena.cylinderBounds.size();
         ++k) {
        const auto index = static_cast<int32_t>(k);
        if (near == NearCylinders::kSkipped && IsNearCylinder(arena.cylinderBounds, index, player))
            continue;
        const tcylinderbounds& bounds = arena.cylinderBounds[k + 1];
        // Kept in the list: the sort is not stable, and leaving some out could reorder those at
        // equal distances, and with it which one shows where they touch.
        const bool outsideView = OutsideViewVolume(matrix, bounds);
        if (outsideView && scene.counts) ++scene.counts->cylindersOutsideView;
        const CylinderDepth depth = DepthOf(matrix, bounds);
        const bool closed = nearPlane && WhollyBeyond(depth, *nearPlane);
        order.push_back({index, depth.centre, closed, outsideView});
    }
    std::sort(order.begin(), order.end(),
              [](const auto& a, const auto& b) { return a.distance < b.distance; });
    if (nearPlane && hidden == HiddenCylinders::kLeftOut) MarkHiddenCylinders(scene, matrix, order);
    return order;
}

// One cylinder's caps or sides from the bound vertex set, binding its picture unless `boundSlot`
// already holds it; of the sides only `sideRuns` when given.
void DrawCylinderHalf(const RenderScene& scene, const tgeomobject& cylinder, VertexSetHalf half,
                      int32_t& boundSlot,
                      std::optional<std::span<const VertexRun>> sideRuns = std::nullopt) {
    const bool caps = half == VertexSetHalf::kTriangles;
    const int32_t slot = CylinderSlot(cylinder, caps ? 0 : 1);
    if (slot != boundSlot) BindTextureSlot(scene.world.textures, slot);
    boundSlot = slot;
    const VertexBufferSet& buffers = scene.world.arena.arenaBuffers;
    if (caps) {
        DrawVertexRange(buffers, half, cylinder.arenaTriangleStart, cylinder.arenaTriangleVertices);
    } else if (sideRuns) {
        for (const VertexRun& run : *sideRuns) DrawVertexRange(buffers, half, run.first, run.count);
    } else {
        DrawVertexRange(buffers, half, cylinder.arenaQuadStart, cylinder.arenaQuadVertices);
    }
}

// Opaque cylinders drawn blended would look the same; unblended and nearest first, the depth test
// rejects the pixels they hide before they are shaded. Sides first, they cover the most. With a
// `nearPlane` (a view that shows both faces), the closed ones are drawn with back faces culled,
// after the ones the near plane cuts open.
void DrawOpaqueCylindersNearestFirst(const RenderScene& scene, NearCylinders near,
                                     std::optional<float> nearPlane, HiddenCylinders hidden) {
    const Arena& arena = scene.world.arena;
    const std::vector<OrderedCylinder>& order =
        CylindersNearestFirst(scene, near, nearPlane, hidden);
    const GLboolean blending = glIsEnabled(GL_BLEND);
    const GLboolean culling = glIsEnabled(GL_CULL_FACE);
    glDisable(GL_BLEND);
    for (VertexSetHalf half : {VertexSetHalf::kQuads, VertexSetHalf::kTriangles}) {
        BindVertexSet(arena.arenaBuffers, half);
        int32_t boundSlot = -1;
        for (const bool closedPass : {false, true}) {
            if (closedPass && !nearPlane) break;
            if (closedPass) {
                glEnable(GL_CULL_FACE);
                glCullFace(GL_BACK);
            }
            for (const OrderedCylinder& ordered : order) {
                if (ordered.closed != closedPass || ordered.outsideView || ordered.hidden) continue;
                const std::span<const VertexRun> runs(SideRunScratch().data() + ordered.firstRun,
                                                      ordered.runCount);
                DrawCylinderHalf(scene, arena.arenaCylinders[static_cast<size_t>(ordered.index)],
                                 half, boundSlot,
                                 ordered.sidesTrimmed ? std::optional(runs) : std::nullopt);
            }
            if (closedPass && !culling) glDisable(GL_CULL_FACE);
        }
    }
    if (blending) glEnable(GL_BLEND);
}

// Which static shadow discs can show in the current view: not one outside the view volume, nor
// one inside an opaque cylinder drawn whole, wholly beyond the near plane and not see-through
// over the player. The last disc, at the origin, always.
std::span<const uint8_t> ShownShadowDiscs(const RenderScene& scene, float nearPlane) {
    const Arena& arena = scene.world.arena;
    thread_local std::vector<uint8_t> shown;
    shown.assign(arena.arenaCylinders.size() + 1, 1);
    GLfloat matrix[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
    const bool opaque = CylindersAreOpaque(scene);
    const tgeomobject* player = scene.LocalPlayer();
    for (size_t k = 0; k + 1 < shown.size() && k + 1 < arena.cylinderBounds.size(); ++k) {
        const tcylinderbounds& bounds = arena.cylinderBounds[k + 1];
        const tcylinderbounds disc{.x = bounds.x,
                                   .centreY = kShadowDiscLowest + 0.5f * kShadowDiscRise,
                                   .z = bounds.z,
                                   .radius = bounds.radius,
                                   .top = kShadowDiscLowest + kShadowDiscRise,
                                   .bottom = kShadowDiscLowest};
        const bool hiddenInside =
            opaque && k < arena.shadowDiscInside.size() && arena.shadowDiscInside[k] && player &&
            !IsNearCylinder(arena.cylinderBounds, static_cast<int32_t>(k), player->position) &&
            WhollyBeyond(DepthOf(matrix, bounds), nearPlane);
        shown[k] = !hiddenInside && !OutsideViewVolume(matrix, disc);
    }
    return shown;
}

void SetSkyState(const RenderScene& scene) {
    glDisable(GL_LIGHTING);
    glColor4f(1, 1, 1, 1);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    BindTextureSlot(scene.world.textures, scene.world.arena.skyTextureSlot);
}

// The panorama across the viewport at z = 0 under an identity matrix.
void DrawSkyQuad(float u0, float u1) {
    glBegin(GL_QUADS);
    glNormal3f(0, 1, 0);
    glTexCoord2f(u1, 1);
    glVertex3f(1, -1, 0);
    glTexCoord2f(u1, 0);
    glVertex3f(1, 1, 0);
    glTexCoord2f(u0, 0);
    glVertex3f(-1, 1, 0);
    glTexCoord2f(u0, 1);
    glVertex3f(-1, -1, 0);
    glEnd();
}

// Narrows drawing to the rows of `viewport`, within any scissor already set, for its lifetime.
class ScissoredRows {
  public:
    ScissoredRows(RowSpan rows, const std::array<int32_t, 4>& viewport)
        : wasOn_(glIsEnabled(GL_SCISSOR_TEST)) {
        glGetIntegerv(GL_SCISSOR_BOX, box_.data());
        const std::array<int32_t, 4>& columns = wasOn_ ? box_ : viewport;
        int32_t first = rows.first, last = rows.last;
        if (wasOn_) {
            first = std::max(first, box_[1]);
            last = std::min(last, box_[1] + box_[3] - 1);
        }
        glEnable(GL_SCISSOR_TEST);
        glScissor(columns[0], first, columns[2], std::max(last - first + 1, 0));
    }
    ScissoredRows(const ScissoredRows&) = delete;
    ScissoredRows& operator=(const ScissoredRows&) = delete;
    ~ScissoredRows() {
        glScissor(box_[0], box_[1], box_[2], box_[3]);
        if (!wasOn_) glDisable(GL_SCISSOR_TEST);
    }

  private:
    GLboolean wasOn_;
    std::array<int32_t, 4> box_{};
};

}  // namespace

void ApplyPlayerFrame(const tgeomobject& player) {
    glRotatef(-player.yaw, 0, 1, 0);
    glTranslatef(-player.position.x, -player.position.y, -player.position.z);
}

void DrawSkyPanorama(const RenderScene& scene, float u0, float u1) {
    glLoadIdentity();
    SetSkyState(scene);
    glDisable(GL_DEPTH_TEST);
    DrawSkyQuad(u0, u1);
}

bool SkyCanGoBehind(const RenderScene& scene) {
    return IsOpaqueSlot(scene.world.textures, scene.world.arena.floorTextureSlot) &&
           CylindersAreOpaque(scene);
}

void DrawSkyBehindScene(const RenderScene& scene, float u0, float u1, RowSpan floorRows) {
    glPushMatrix();
    glLoadIdentity();
    SetSkyState(scene);
    // At the far end of the depth range the sky passes only where the depth is still cleared,
    // and it writes none.
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glDepthMask(GL_FALSE);
    glDepthRange(1, 1);
    // Rows the floor fills are left out before their pixels are tested.
    std::array<int32_t, 4> viewport;
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    const RowSpan rows = SkyRows(floorRows, viewport);
    if (!rows.Empty()) {
        const ScissoredRows scissor(rows, viewport);
        DrawSkyQuad(u0, u1);
    }
    glDepthRange(0, 1);
    glDepthMask(GL_TRUE);
    glDepthFunc(GL_LESS);
    glPopMatrix();
}

RowSpan DrawFloor(const RenderScene& scene, FloorDepth depth) {
    const auto extent = static_cast<float>(scene.world.arena.floorExtent);
    const float repeats = kFloorTextureScale * extent;
    glEnable(GL_CULL_FACE);
    glFrontFace(GL_CCW);
    glDisable(GL_LIGHTING);
    glColor4f(1, 1, 1, 1);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    const int32_t slot = scene.world.arena.floorTextureSlot;
    BindTextureSlot(scene.world.textures, slot);
    // An opaque floor blended over the sky or the cleared window looks the same unblended.
    const GLboolean blending = glIsEnabled(GL_BLEND);
    if (IsOpaqueSlot(scene.world.textures, slot)) glDisable(GL_BLEND);
    if (depth == FloorDepth::kBehindScene) {
        // Nearer than the cleared value, so it passes only where nothing stands, and farther
        // than anything else can be, so it hides nothing drawn after it.
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(GL_LESS);
        glDepthRange(kFloorMarkDepth, kFloorMarkDepth);
    }
    glBegin(GL_QUADS);
    glNormal3f(0, 1, 0);
    glTexCoord2f(0, 0);
    glVertex3f(-extent, 0, -extent);
    glTexCoord2f(0, repeats);
    glVertex3f(-extent, 0, extent);
    glTexCoord2f(repeats, repeats);
    glVertex3f(extent, 0, extent);
    glTexCoord2f(repeats, 0);
    glVertex3f(extent, 0, -extent);
    glEnd();
    if (blending) glEnable(GL_BLEND);
    if (depth != FloorDepth::kBehindScene) return {};
    glDepthRange(0, 1);
    std::array<float, 16> matrix;
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix.data());
    std::array<int32_t, 4> viewport;
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    return FloorCoveredRows(matrix, viewport, extent);
}

void DrawMovingModels(const RenderScene& scene, FlagLighting flagLighting, PoseLook look) {
    const TextureTable& textures = scene.world.textures;
    const VertexBufferSet& playerBuffers = scene.world.arena.playerBuffers;
    DrawModelCopies(scene.bullets, textures);
    const auto local = static_cast<size_t>(scene.localPlayerIndex);
    DrawPlayerModelsByPicture(scene.players, local, textures, playerBuffers, look, scene.now);
    // The local player last, over everyone standing at the same spot.
    if (local < scene.players.size() && scene.players[local].hasModel &&
        !PlayerBlinkedOut(scene.players[local], scene.now))
        DrawPlayerModel(scene.players[local].model, textures, playerBuffers, look);
    if (scene.captureTheFlag) {
        DrawFlag(scene.world.arena.blueFlag, scene, flagLighting);
        DrawFlag(scene.world.arena.redFlag, scene, flagLighting);
    }
}

void DrawArenaBatches(const RenderScene& scene, float nearPlane) {
    if (CylindersAreOpaque(scene)) {
        DrawOpaqueCylindersNearestFirst(scene, NearCylinders::kDrawn, nearPlane,
                                        HiddenCylinders::kDrawn);
        return;
    }
    const Arena& arena = scene.world.arena;
    const TextureTable& textures = scene.world.textures;
    BindVertexSet(arena.arenaBuffers, VertexSetHalf::kTriangles);
    for (const tdrawbatch& batch : arena.arenaTriangleBatches) {
        BindTextureSlot(textures, batch.textureSlot);
        DrawVertexRange(arena.arenaBuffers, VertexSetHalf::kTriangles, batch.firstVertex,
                        batch.vertexCount);
    }
    BindVertexSet(arena.arenaBuffers, VertexSetHalf::kQuads);
    for (const tdrawbatch& batch : arena.arenaQuadBatches) {
        BindTextureSlot(textures, batch.textureSlot);
        DrawVertexRange(arena.arenaBuffers, VertexSetHalf::kQuads, batch.firstVertex,
                        batch.vertexCount);
    }
}

void DrawSolidCylinders(const RenderScene& scene, std::optional<float> nearPlane) {
    if (CylindersAreOpaque(scene)) {
        DrawOpaqueCylindersNearestFirst(scene, NearCylinders::kSkipped, nearPlane,
                                        HiddenCylinders::kLeftOut);
        return;
    }
    const Arena& arena = scene.world.arena;
    const tvec3 player = scene.LocalPlayer()->position;
    // All caps from the triangle buffers, then all sides from the quad buffers, binding a
    // texture only when it changes: rebinding both buffer sets and both textures for every
    // cylinder made the driver re-validate its arrays on each draw.
    for (VertexSetHalf half : {VertexSetHalf::kTriangles, VertexSetHalf::kQuads}) {
        BindVertexSet(arena.arenaBuffers, half);
        int32_t boundSlot = -1;
        for (size_t k = 0; k < arena.arenaCylinders.size(); ++k) {
            if (IsNearCylinder(arena.cylinderBounds, static_cast<int32_t>(k), player)) continue;
            DrawCylinderHalf(scene, arena.arenaCylinders[k], half, boundSlot);
        }
    }
}

void DrawSolidCylindersAndModels(const RenderScene& scene, std::optional<float> nearPlane,
                                 bool behindScene, std::optional<SkyColumns> sky, PoseLook look) {
    if (!behindScene) DrawMovingModels(scene, FlagLighting::kUnlit, look);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    DrawSolidCylinders(scene, nearPlane);
    if (!behindScene) return;
    const RowSpan floorRows = DrawFloor(scene, FloorDepth::kBehindScene);
    if (sky) DrawSkyBehindScene(scene, sky->u0, sky->u1, floorRows);
    glEnable(GL_LIGHTING);
    glColor4f(1, 1, 1, 1);
    DrawMovingModels(scene, FlagLighting::kUnlit, look);
}

void DrawChargers(const RenderScene& scene, uint32_t now) {
    Arena& arena = scene.world.arena;
    for (const tcharger& charger : arena.chargerPoints) {
        if (Elapsed(now, charger.lastTaken) <= charger.respawnInterval) continue;
        arena.chargerModel.position = {charger.x, charger.y, charger.z};
        DrawModel(arena.chargerModel, scene.world.textures);
    }
}

void DrawMuzzleFlashes(const RenderScene& scene, uint32_t now, EffectVariant variant) {
    for (const MuzzleFlash& flash : scene.muzzleFlashes) {
        tgeomobject* model = variant == EffectVariant::kSide ? flash.side : flash.top;
        if (!model || Elapsed(now, flash.shotTime) >= scene.tuning.FIRE_TIMEOUT) continue;
        DrawModel(*model, scene.world.textures);
    }
}

void DrawExplosions(const RenderScene& scene, EffectVariant variant) {
    const bool side = variant == EffectVariant::kSide;
    tgeomobject& model = side ? scene.world.arena.sideExplosion : scene.world.arena.topExplosion;
    for (const ExplosionSite& site : scene.explosions) {
        model.position = site.position;
        model.yaw = (side ? site.sideYaw : site.topYaw) + 180.0f;
        if (!model.quadParts.empty())
            model.quadParts.front().pitch = side ? site.pitch : kExplosionTopPitch;
        DrawModel(model, scene.world.textures);
    }
}

void DrawShadowPass(const RenderScene& scene, float alpha, float nearPlane,
                    std::optional<float> playerShadowHeight) {
    // Set here, not left to the effects drawn later: the first chase-view frame would otherwise
    // draw its shadows with the default (opaque) blend function.
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_CULL_FACE);
    glDisable(GL_TEXTURE_2D);
    glColor4f(0, 0, 0, alpha);
    EnableVertexArrays();
    DrawStaticShadows(scene.world.arena.shadowBuffers, ShownShadowDiscs(scene, nearPlane));
    DisableVertexArrays();
    if (playerShadowHeight)
        DrawPlayerShadows(scene.world.arena.playerShadow, scene.players, *playerShadowHeight);
    glEnable(GL_TEXTURE_2D);
    glColor4f(1, 1, 1, 1);
}

void DrawSeeThroughCylinders(const RenderScene& scene) {
    const Arena& arena = scene.world.arena;
    const tvec3 player = scene.LocalPlayer()->position;
    glEnable(GL_STENCIL_TEST);
    glStencilFunc(GL_NOTEQUAL, 0, 1);
    glStencilOp(GL_KEEP, GL_KEEP, GL_REPLACE);
    EnableVertexArrays();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_LIGHTING);
    glColor4f(1, 1, 1, kSeeThroughAlpha);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    for (int32_t k : arena.cylinderOrder) {
        if (!IsNearCylinder(arena.cylinderBounds, k, player)) continue;
        if (k < 0 || static_cast<size_t>(k) >= arena.arenaCylinders.size()) continue;
        const tgeomobject& cylinder = arena.arenaCylinders[static_cast<size_t>(k)];
        DrawCylinder(cylinder, scene.world.textures, arena.arenaBuffers, CylinderSlot(cylinder, 0),
                     CylinderSlot(cylinder, 1));
    }
    DisableVertexArrays();
    glDisable(GL_BLEND);
    glDisable(GL_STENCIL_TEST);
    glEnable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
}
