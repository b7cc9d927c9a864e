#include "base/split_line.h"

namespace {

bool IsSeparator(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

void SplitLine(std::string_view line, std::vector<std::string>& tokens) {
    tokens.clear();
    for (std::size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (IsSeparator(c)) {
            // Only a separator that leads to another word opens a token; leading separators on a
            // line with no token yet open nothing, so the first word is token 0.
            bool wordFollows = i + 1 < line.size() && !IsSeparator(line[i + 1]);
            if (wordFollows && !tokens.empty()) tokens.emplace_back();
            continue;
        }
        if (tokens.empty()) tokens.emplace_back();
        tokens.back().push_back(c == '.' ? ',' : c);
    }
}
