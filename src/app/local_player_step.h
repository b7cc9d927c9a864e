// The local player's part of the game step: its command while alive (keys and mouse), the
// cameras and the chargers. Its body moves with the others' (game/player_bodies.h).
#pragma once

struct Game;
struct Match;

void MoveLocalPlayer(Game& game, Match& match);
