#include "world/effect_models.h"

tgeomobject BuildExplosionModel(bool top, TextureTable& textures, Gpu& gpu) {
    static constexpr float kTexCoords[4][2] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    static constexpr tvec3 kSide[4] = {
        {0, 0.8f, -0.8f}, {0, -0.8f, -0.8f}, {0, -0.8f, 0.8f}, {0, 0.8f, 0.8f}};
    static constexpr tvec3 kTop[4] = {
        {0.8f, 0, -0.8f}, {-0.8f, 0, -0.8f}, {-0.8f, 0, 0.8f}, {0.8f, 0, 0.8f}};
    const tvec3 normal = top ? tvec3{0, 1, 0} : tvec3{-1, 0, 0};

    tgeomobject object;
    object.quadCount = 1;
    object.triangles = std::make_shared<std::vector<tmodelvertex>>();
    object.quads = std::make_shared<std::vector<tmodelvertex>>();
    for (int i = 0; i < 4; ++i) {
        object.quads->push_back(
            {top ? kTop[i] : kSide[i], normal, kTexCoords[i][0], kTexCoords[i][1], 0});
    }

    tmeshpart part;
    part.name = "explosion";
    part.elementsPerFrame = 1;
    part.verticesPerFrame = 4;
    tpartframe frame;
    frame.elementCount = 1;
    part.frames.push_back(frame);
    part.currentAnimation = -2;
    ttexrun run;
    run.textureIndex = 0;
    run.elementCount = 1;
    run.textureFrames = 3;
    run.textureAnimated = 1;
    run.textureInterval = 50;
    part.quadRuns.push_back(run);
    object.quadParts.push_back(std::move(part));

    object.textureNames = {"mi_expl"};
    object.textureSlots = {-1};
    LoadTextureOnce(textures, gpu, "mi_expl", 3);
    return object;
}
