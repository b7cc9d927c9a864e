#include <gtest/gtest.h>
#include <cstdio>
#include "base/random.h"
#include "config/tuning.h"
#include "game/collision.h"
#include "game/player_movement.h"
#include "game/player_physics.h"
#include "world/level_start.h"
#include "world/model_loader.h"
#include "world/null_gpu.h"

TEST(Scratch, WalkIntoCentre) {
    NullGpu gpu;
    Random random;
    World world;
    const std::filesystem::path run(ZARNOK_RUN_DIR);
    world.textures.texturesDir = run / "textures";
    world.playerModelFile = run / "player.txt";
    std::vector<tgeomobject> players(1);
    StartLevel(world, gpu, random, LevelSettings{0, 32}, run / "maps/arena.map", players);
    ModelLoadContext context{world.textures, gpu, world.modelVertexCounters};
    players[0] = *LoadModel(world.playerModelFile, context, true, world.sharedMesh);
    tgeomobject& p = players[0];
    printf("extent r %f h %f seat %f\n", p.extentRadius, p.extentHalfHeight, p.seatDrop);
    for (auto& part : p.triangleParts)
        printf("part %s sphere %d r %f h %f shift %f %f %f anims %zu\n", part.name.c_str(),
               part.sphere, part.frames[0].radius, part.frames[0].height, part.frames[0].shift.x,
               part.frames[0].shift.y, part.frames[0].shift.z, part.animations.size());
    p.position = {0, 1.2f, 14};
    Tuning tuning;
    float look = 0;
    for (int f = 0; f < 300; ++f) {
        MovementControls c;
        c.forward = true;
        c.forwardAxis = -1;
        MovePlayer(p, c, 0, 0, look, tuning, 100000 + f * 15, nullptr);
        StepPlayerPhysics(p, tuning.GRAVITY, 1);
        CollisionHit hit = IntegratePlayer(p, 0, CollisionWorldOf(world.arena, players), 1, random);
        if (f % 10 == 0)
            printf("%d pos %f %f %f hit %d %d anim %d\n", f, p.position.x, p.position.y,
                   p.position.z, hit.kind, hit.index, p.triangleParts[0].currentAnimation);
    }
}
