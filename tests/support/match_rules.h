// Runs one of the match's rules on a Game as the game step does: on the Game's match, its events
// then handed on to the network and the sound.
#pragma once
#include <utility>

#include "app/game.h"
#include "app/game_step.h"

template <typename Rule, typename... Args>
void RunRule(Game& game, Rule rule, Args&&... args) {
    Match match = MatchOf(game);
    rule(match, std::forward<Args>(args)...);
    DeliverMatchEvents(game);
}
