// The HUD's words in both languages: its fixed texts, the winner of a level and the message
// lines, worded from what the match and the network report. Called where the HUD's input is
// gathered (app/hud_feed.h).
#pragma once
#include <string>

#include "base/phrase.h"
#include "game/hud_input.h"
#include "game/match_winner.h"
#include "net/message_log.h"

HudTexts HudTextsIn(Language language);
// Empty for no winner.
std::string WinnerText(const MatchWinner& winner, Language language);
// At most 64 characters; a kill names the killer in at most 24 with the words, and the whole line
// keeps to 40.
std::string MessageLineText(const tmessageline& line, Language language);
