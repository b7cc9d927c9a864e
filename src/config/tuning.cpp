#include "config/tuning.h"

void ScaleMouseSensitivity(Tuning& tuning, int32_t percent) {
    tuning.MOUSE_SENC_X = tuning.configMouseSencX * static_cast<float>(percent) / 100.0f;
    tuning.MOUSE_SENC_Y = tuning.configMouseSencY * static_cast<float>(percent) / 100.0f;
}
