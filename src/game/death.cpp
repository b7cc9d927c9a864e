#include "game/death.h"

#include "game/match.h"
#include "world/animation.h"

bool KillPlayer(Match& match, int32_t index, tplayerinfo& entry) {
    CountOneMore(entry.deaths);
    tgeomobject* model = match.Model(index);
    if (!model) return false;
    model->dead = true;
    model->deathTime = match.now;
    return true;
}

bool ShowDeath(Match& match, int32_t index) {
    tgeomobject* model = match.Model(index);
    if (!model || !model->dead) return false;
    SelectAnimation(*model, kDeathAnimation);
    match.play.events.push_back(PlayerSoundCue{index, PlayerSound::kDeath});
    return true;
}
