// The local player's weapon and the firing of bullets. UpdateLocalWeapon runs once per frame
// while the local player is alive, right after its movement: the trigger (one shot per
// FIRE_TIMEOUT, 30 rounds to a magazine, an empty magazine starts a reload) and the end of a
// reload. ManualReload is the R key. FireBullet makes one bullet and reports the shot (the
// network announces it, the shooter's fire sound plays); the bots fire through it too.
#pragma once
#include <cstdint>

struct Match;

inline constexpr int32_t kMagazineRounds = 30;
inline constexpr int32_t kFullSpareMagazines = 5;
// A reload lasts this many FIRE_TIMEOUTs.
inline constexpr int32_t kReloadTimeouts = 20;
// The local player's shots scatter up to this many degrees up, down and sideways.
inline constexpr float kSpreadDegrees = 4.0f;

// `triggerHeld`: the fire button is down this frame.
void UpdateLocalWeapon(Match& match, bool triggerHeld);

// Starts a reload at once when the local player lives, a spare magazine is left, no reload runs
// and the magazine is not full; otherwise nothing (nothing is remembered for later).
void ManualReload(Match& match);

// A bullet from `ownerIndex`'s muzzle flying at `pitch` and `yaw` (degrees): appended to the
// bullets, the owner's muzzle flash shown and the shot reported. Nothing for an index without a
// model.
void FireBullet(Match& match, int32_t ownerIndex, float pitch, float yaw);
