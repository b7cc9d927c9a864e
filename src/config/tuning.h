// Tuning: the tuning values read once from config.txt at start-up, with their built-in defaults.
// Member names are the file's keys. Read-only after start-up, except the two mouse sensitivities,
// which start-up and ApplyOptions scale by the user's percentage (the file's values are kept in
// configMouseSencX/Y for that).
#pragma once
#include <cstdint>

struct Tuning {
    float CAM_OFFSET_X = 0.5f;
    float CAM_OFFSET_Y = 0.4f;
    float CAM_OFFSET_Z = 0.45f;
    float FROM_X = -280.0f;
    float FROM_Y = 400.0f;
    float FROM2_X = 2.0f;
    float FROM2_Y = 2.0f;
    float FROM2_Z = 7.0f;
    float GRAVITY = -0.085f;
    float WALK_SPEED = 0.1f;
    float RUN_SPEED = 0.3f;
    float SITSPEED = 0.05f;
    float MOUSE_SENC_X = 0.01f;
    float MOUSE_SENC_Y = 0.05f;
    int32_t FIRE_TIMEOUT = 50;
    float BULLET_SPEED = 0.3f;
    int32_t RUN_TIME = 5000;
    int32_t RUN_TIMEOUT = 10000;
    int32_t JUMP_TIMEOUT = 1000;
    float INERTION = 0.1f;
    float VIEW_DISTANCE = 10.0f;
    float SHOOT_DISTANCE = 5.0f;
    int32_t CYL_SIDE_COUNT = 32;
    int32_t SHOW_BOTS = 0;

    // The sensitivities as config.txt gave them, before the user's percentage.
    float configMouseSencX = 0.01f;
    float configMouseSencY = 0.05f;
};

// MOUSE_SENC_X/Y := the config.txt values times percent / 100.
void ScaleMouseSensitivity(Tuning& tuning, int32_t percent);
