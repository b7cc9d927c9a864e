// Bot bullets: the host decides where its bots' bullets end. A bot's bullet ends on any cylinder
// and on any player but its shooter (no body-part test: the host does not take the precise shot);
// a hit on an enemy gives the bot a frag in the host's player table and reports the kill.
#pragma once

struct Match;

// Once per frame on the host, once the poses of the frame are stepped.
void UpdateBotBullets(Match& match);
