// The local player's weapon and the firing of bullets. UpdateLocalWeapon runs once per frame
// while the local player is alive, right after its movement: the trigger (one shot per
// FIRE_TIMEOUT, 30 rounds to a magazine, an empty magazine starts a reload) and the end of a
// reload. ManualReload is the R key. FireBullet makes,
// announces and shows one bullet; the bots fire through it too.
#pragma once
#include <cstdint>

struct Game;

inline constexpr int32_t kMagazineRounds = 30;
inline constexpr int32_t kFullSpareMagazines = 5;
// A reload lasts this many FIRE_TIMEOUTs.
inline constexpr int32_t kReloadTimeouts = 20;
// The local player's shots scatter up to this many degrees up, down and sideways.
inline constexpr float kSpreadDegrees = 4.0f;

void UpdateLocalWeapon(Game& game);

// Starts a reload at once when a game is played, a spare magazine is left, no reload runs and
// the magazine is not full; otherwise nothing (nothing is remembered for later).
void ManualReload(Game& game);

// A bullet from `ownerIndex`'s muzzle flying at `pitch` and `yaw` (degrees): appended to the
// bullets, announced with "bulst", the owner's muzzle flash shown and its fire sound restarted.
// Nothing for an index without a model.
void FireBullet(Game& game, int32_t ownerIndex, float pitch, float yaw);
