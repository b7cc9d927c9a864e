#include "config/language_choice.h"

#include <string_view>

Language LanguageOfEnvironment(const char* lcAll, const char* lcMessages, const char* lang) {
    std::string_view locale;
    for (const char* variable : {lcAll, lcMessages, lang}) {
        if (locale.empty() && variable) locale = variable;
    }
    return locale.starts_with("ru") ? Language::kRussian : Language::kEnglish;
}

Language ChooseLanguage(LanguageChoice choice, Language environment) {
    switch (choice) {
        case LanguageChoice::kRussian:
            return Language::kRussian;
        case LanguageChoice::kEnglish:
            return Language::kEnglish;
        case LanguageChoice::kEnvironment:
            break;
    }
    return environment;
}
