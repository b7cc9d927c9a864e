// The details of faults in the player's language. The program writes its faults in English, as
// stderr and log.txt keep them; the screens show them through here. A detail reads "place: what"
// (a file, a file and line) and only the "what" is worded anew: file names, line numbers, numbers
// and quoted file content stay as they were written. A detail of no known wording stays as it is.
#pragma once
#include <string>

#include "base/phrase.h"

std::string DetailInLanguage(const std::string& detail, Language language);

// What the game does without (sound, a map it cannot offer), told at the foot of the menus for as
// long as the program runs. Worded when shown, so that it follows a change of language.
struct FootLine {
    Phrase headline;
    std::string detail;  // as the game wrote it, in English
};

// "headline: detail" in `language`.
std::string FootLineText(const FootLine& line, Language language);
