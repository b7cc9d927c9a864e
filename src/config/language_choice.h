// The language the program speaks: what the user chose in the options, or else what the
// environment asks for (LC_ALL, then LC_MESSAGES, then LANG, the first that is set and not empty):
// Russian for a locale starting with "ru", English for any other, for "C" and for none.
#pragma once
#include <cstdint>

#include "base/phrase.h"

enum class LanguageChoice : uint8_t { kEnvironment, kRussian, kEnglish };

// The variables' values as getenv gives them: null when unset.
Language LanguageOfEnvironment(const char* lcAll, const char* lcMessages, const char* lang);
Language ChooseLanguage(LanguageChoice choice, Language environment);
