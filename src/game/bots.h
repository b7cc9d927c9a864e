// Bots: the host's computer-controlled players. Once per frame, before any body moves
// (player_bodies.h), UpdateBots decides for every living bot, on where everyone stands: it picks
// the nearest enemy, turns toward it, walks toward it while the enemy is in view and the next step
// stays on the platform it stands on, raises or lowers its weapon, and fires when the weapon
// points at an enemy close enough. How fast it turns, how soon and how often it fires at an enemy
// it has just seen and how far off its shots go are the host's bot skill (bot_skill.h). A bot
// whose walk is blocked steps sideways for a moment; one held at its platform's edge steps off
// after a moment. In capture the flag a bot with no enemy close goes about the flags instead
// (bot_flags.h). Its turn, aim and walk are a command (player_command.h) like the local player's.
// Bots exist only on the host; every other machine sees them through the player table the host
// publishes.
#pragma once

struct Match;

void UpdateBots(Match& match);
