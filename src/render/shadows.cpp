#include "render/shadows.h"

#include "render/gl_state.h"

namespace {

constexpr float kPlayerShadowScale = 0.25f;

}  // namespace

void DrawShadowDisc(const tshad& disc, float x, float y, float z, float radius) {
    const size_t segments = disc.rim.size();
    if (segments == 0) return;
    glBegin(GL_TRIANGLES);
    for (size_t i = 0; i < segments; ++i) {
        const tshad::RimPoint& from = disc.rim[i];
        const tshad::RimPoint& to = disc.rim[(i + 1) % segments];
        glNormal3f(from.normal.x, from.normal.y, from.normal.z);
        glVertex3f(x + radius * from.point.x, y, z + radius * from.point.z);
        glNormal3f(disc.centreNormal.x, disc.centreNormal.y, disc.centreNormal.z);
        glVertex3f(x, y, z);
        glNormal3f(to.normal.x, to.normal.y, to.normal.z);
        glVertex3f(x + radius * to.point.x, y, z + radius * to.point.z);
    }
    glEnd();
}

void DrawStaticShadows(const VertexBufferSet& shadowBuffers, std::span<const uint8_t> shown) {
    BindVertexSet(shadowBuffers, VertexSetHalf::kTriangles);
    for (size_t first = 0; first < shown.size();) {
        size_t end = first;
        while (end < shown.size() && shown[end]) ++end;
        if (end > first) {
            DrawVertexRange(shadowBuffers, VertexSetHalf::kTriangles,
                            static_cast<int32_t>(first) * kShadowDiscVertices,
                            static_cast<int32_t>(end - first) * kShadowDiscVertices);
        }
        first = end + 1;
    }
}

void DrawPlayerShadows(const tshad& disc, std::span<const MatchPlayer> players, float height) {
    for (const MatchPlayer& player : players) {
        if (!player.hasModel) continue;
        const tgeomobject& model = player.model;
        DrawShadowDisc(disc, model.position.x, height, model.position.z,
                       kPlayerShadowScale * model.extentRadius);
    }
}
