#include "render/scene_passes.h"

#include "base/clock.h"
#include "render/gl_state.h"
#include "render/model_drawing.h"
#include "render/shadows.h"

namespace {

// The floor picture repeats once per this many units.
constexpr float kFloorTextureScale = 0.2f;
constexpr float kExplosionTopPitch = 60.0f;
constexpr float kSeeThroughAlpha = 0.5f;

int32_t CylinderSlot(const tgeomobject& cylinder, size_t index) {
    return index < cylinder.textureSlots.size() ? cylinder.textureSlots[index] : -1;
}

void DrawFlag(tgeomobject& flag, const RenderScene& scene, uint32_t now, FlagLighting lighting) {
    if (lighting == FlagLighting::kUnlit) glDisable(GL_LIGHTING);
    DrawModel(flag, scene.world.textures, now);
    if (lighting == FlagLighting::kUnlit) glEnable(GL_LIGHTING);
}

}  // namespace

void ApplyPlayerFrame(const tgeomobject& player) {
    glRotatef(-player.yaw, 0, 1, 0);
    glTranslatef(-player.position.x, -player.position.y, -player.position.z);
}

void DrawSkyPanorama(const RenderScene& scene, float u0, float u1) {
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glColor4f(1, 1, 1, 1);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    BindTextureSlot(scene.world.textures, scene.world.arena.skyTextureSlot);
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

void DrawFloor(const RenderScene& scene) {
    const auto extent = static_cast<float>(scene.world.arena.floorExtent);
    const float repeats = kFloorTextureScale * extent;
    glEnable(GL_CULL_FACE);
    glFrontFace(GL_CCW);
    glDisable(GL_LIGHTING);
    glColor4f(1, 1, 1, 1);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    BindTextureSlot(scene.world.textures, scene.world.arena.floorTextureSlot);
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
}

void DrawMovingModels(const RenderScene& scene, uint32_t now, FlagLighting flagLighting) {
    const TextureTable& textures = scene.world.textures;
    const VertexBufferSet& playerBuffers = scene.world.arena.playerBuffers;
    for (tbullet& bullet : scene.bullets) DrawModel(bullet, textures, now);
    for (size_t i = 0; i < scene.playerModels.size(); ++i) {
        if (static_cast<int32_t>(i) == scene.localPlayerIndex) continue;
        DrawPlayerModel(scene.playerModels[i], textures, playerBuffers, now);
    }
    // The local player last, over everyone standing at the same spot.
    DrawPlayerModel(scene.playerModels[static_cast<size_t>(scene.localPlayerIndex)], textures,
                    playerBuffers, now);
    if (scene.captureTheFlag) {
        DrawFlag(scene.world.arena.blueFlag, scene, now, flagLighting);
        DrawFlag(scene.world.arena.redFlag, scene, now, flagLighting);
    }
}

void DrawArenaBatches(const RenderScene& scene) {
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

void DrawSolidCylinders(const RenderScene& scene) {
    const Arena& arena = scene.world.arena;
    const tvec3 player = scene.LocalPlayer()->position;
    // All caps from the triangle buffers, then all sides from the quad buffers, binding a
    // texture only when it changes: rebinding both buffer sets and both textures for every
    // cylinder made the driver re-validate its arrays on each draw.
    for (VertexSetHalf half : {VertexSetHalf::kTriangles, VertexSetHalf::kQuads}) {
        const bool caps = half == VertexSetHalf::kTriangles;
        BindVertexSet(arena.arenaBuffers, half);
        int32_t boundSlot = -1;
        for (size_t k = 0; k < arena.arenaCylinders.size(); ++k) {
            if (IsNearCylinder(arena.cylinderBounds, static_cast<int32_t>(k), player)) continue;
            const tgeomobject& cylinder = arena.arenaCylinders[k];
            const int32_t slot = CylinderSlot(cylinder, caps ? 0 : 1);
            if (slot != boundSlot) BindTextureSlot(scene.world.textures, slot);
            boundSlot = slot;
            DrawVertexRange(arena.arenaBuffers, half,
                            caps ? cylinder.arenaTriangleStart : cylinder.arenaQuadStart,
                            caps ? cylinder.arenaTriangleVertices : cylinder.arenaQuadVertices);
        }
    }
}

void DrawChargers(const RenderScene& scene, uint32_t now) {
    Arena& arena = scene.world.arena;
    for (const tcharger& charger : arena.chargerPoints) {
        if (Elapsed(now, charger.lastTaken) <= charger.respawnInterval) continue;
        arena.chargerModel.position = {charger.x, charger.y, charger.z};
        DrawModel(arena.chargerModel, scene.world.textures, now);
    }
}

void DrawMuzzleFlashes(const RenderScene& scene, uint32_t now, EffectVariant variant) {
    for (const MuzzleFlash& flash : scene.muzzleFlashes) {
        tgeomobject* model = variant == EffectVariant::kSide ? flash.side : flash.top;
        if (!model || Elapsed(now, flash.shotTime) >= scene.tuning.FIRE_TIMEOUT) continue;
        DrawModel(*model, scene.world.textures, now);
    }
}

void DrawExplosions(const RenderScene& scene, uint32_t now, EffectVariant variant) {
    const bool side = variant == EffectVariant::kSide;
    tgeomobject& model = side ? scene.world.arena.sideExplosion : scene.world.arena.topExplosion;
    for (const ExplosionSite& site : scene.explosions) {
        model.position = site.position;
        model.yaw = (side ? site.sideYaw : site.topYaw) + 180.0f;
        if (!model.quadParts.empty())
            model.quadParts.front().pitch = side ? site.pitch : kExplosionTopPitch;
        DrawModel(model, scene.world.textures, now);
    }
}

void DrawShadowPass(const RenderScene& scene, float alpha,
                    std::optional<float> playerShadowHeight) {
    // Set here, not left to the effects drawn later: the first chase-view frame would otherwise
    // draw its shadows with the default (opaque) blend function.
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_CULL_FACE);
    glDisable(GL_TEXTURE_2D);
    glColor4f(0, 0, 0, alpha);
    EnableVertexArrays();
    DrawStaticShadows(scene.world.arena.shadowBuffers);
    DisableVertexArrays();
    if (playerShadowHeight)
        DrawPlayerShadows(scene.world.arena.playerShadow, scene.playerModels, *playerShadowHeight);
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
