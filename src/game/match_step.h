// Match step: one reference step of a running match, the one list of steps that a player's game
// and a server with no player of its own (zarnok --server) both run: the bots decide where this
// machine runs them, the flags change hands and follow their carriers, this machine's own player
// moves and fires (through `stepLocalPlayer`, which reads the player's input; none on a server),
// every pose advances before a bullet moves (hits are tested against this step's poses, drawn or
// not), the bullets fly and hit, the bodies move and the muzzle flashes follow them.
#pragma once
#include <functional>

struct Match;

void StepMatch(Match& match, const std::function<void(Match&)>& stepLocalPlayer);
