#include "base/phrase.h"

std::string SayWith(const Phrase& phrase, Language language,
                    std::initializer_list<std::string_view> values) {
    const std::string_view text = Say(phrase, language);
    std::string said;
    auto value = values.begin();
    size_t from = 0;
    for (size_t slot = text.find("{}"); slot != std::string_view::npos && value != values.end();
         slot = text.find("{}", from)) {
        said.append(text.substr(from, slot - from)).append(*value++);
        from = slot + 2;
    }
    return said.append(text.substr(from));
}
