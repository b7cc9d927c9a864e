// PlayState: player models, bullets, effects, the local player and its weapon.
#pragma once

struct PlayState {};
