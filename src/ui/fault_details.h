// The details of faults in the player's language. The program writes its faults in English, as
// stderr and log.txt keep them; the screens show them through here. A detail reads "place: what"
// (a file, a file and line) and only the "what" is worded anew: file names, line numbers, numbers
// and quoted file content stay as they were written. A detail of no known wording stays as it is.
#pragma once
#include <string>

#include "base/phrase.h"

std::string DetailInLanguage(const std::string& detail, Language language);
