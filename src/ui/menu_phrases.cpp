#include "ui/menu_phrases.h"

#include <array>

namespace {

constexpr std::array<const Phrase*, 5> kOptionWords = {&kOff, &kVsync, &kDetailLow, &kDetailMedium,
                                                       &kDetailHigh};

std::string Translated(const std::string& value, Language from, Language to) {
    for (const Phrase* word : kOptionWords) {
        if (value == Say(*word, from)) return Say(*word, to);
    }
    return value;
}

}  // namespace

std::vector<std::string> WordedOptions(const std::vector<std::string>& englishValues,
                                       Language language) {
    std::vector<std::string> worded;
    for (const std::string& value : englishValues)
        worded.push_back(Translated(value, Language::kEnglish, language));
    return worded;
}

std::string EnglishOption(const std::string& shownValue, Language language) {
    return Translated(shownValue, language, Language::kEnglish);
}
