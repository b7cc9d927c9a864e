#include "render/view_volume.h"

bool OutsideViewVolume(const GLfloat* m, const tcylinderbounds& bounds) {
    // One bit per plane, kept while every corner so far lies beyond it.
    unsigned beyondAll = 0x3F;
    for (const float y : {bounds.bottom, bounds.top}) {
        for (const float x : {bounds.x - bounds.radius, bounds.x + bounds.radius}) {
            for (const float z : {bounds.z - bounds.radius, bounds.z + bounds.radius}) {
                const float clipX = m[0] * x + m[4] * y + m[8] * z + m[12];
                const float clipY = m[1] * x + m[5] * y + m[9] * z + m[13];
                const float clipZ = m[2] * x + m[6] * y + m[10] * z + m[14];
                const float clipW = m[3] * x + m[7] * y + m[11] * z + m[15];
                const unsigned beyond = (clipX < -clipW ? 1u : 0u) | (clipX > clipW ? 2u : 0u) |
                                        (clipY < -clipW ? 4u : 0u) | (clipY > clipW ? 8u : 0u) |
                                        (clipZ < -clipW ? 16u : 0u) | (clipZ > clipW ? 32u : 0u);
                beyondAll &= beyond;
            }
        }
    }
    return beyondAll != 0;
}
