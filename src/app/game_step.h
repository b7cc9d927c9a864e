// RunGameStep: one step of a running match (bots, flags, the local player, bullets, muzzle
// models, integration), called by the frame loop while a level is played.
#pragma once

struct Game;

void RunGameStep(Game& game);
// A frame in play without a game step (the level is over, or play is paused): the models keep
// animating where they stand.
void StepPosesWithoutPlay(Game& game);
// The explosions of bullet ends other machines reported show, and those past their lifetime
// leave; runs every frame, in menus as well as in play.
void RemoveOldExplosions(Game& game);
// The events the match reported since the last call go to the network and to the sound, once.
void DeliverMatchEvents(Game& game);
