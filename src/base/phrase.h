// Phrase: a text the player reads, in both of the program's languages. Both are Windows-1251,
// the code page of every text inside the program; names and other texts that travel on the wire
// are never phrases.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

enum class Language : uint8_t { kRussian, kEnglish };

struct Phrase {
    const char* russian;
    const char* english;
};

inline const char* Say(const Phrase& phrase, Language language) {
    return language == Language::kEnglish ? phrase.english : phrase.russian;
}

// The phrase with each "{}" replaced by the next of `values`, in order: the languages put a
// name in different places of a sentence.
std::string SayWith(const Phrase& phrase, Language language,
                    std::initializer_list<std::string_view> values);
