// Distance volume: every frame of play, each other player's five channels sound as loud as its
// horizontal distance from the local player allows, so a far fight is faint and a near one loud.
#pragma once

struct Session;

void SetRemoteVolumesByDistance(Session& session);
