// SplitLine: the line splitter shared by the config.txt reader and the map reader. Blanks and tabs
// separate tokens (runs count once, trailing ones add nothing); "." becomes "," so files may write
// decimals either way. The result never holds more tokens than the line has words.
#pragma once
#include <string>
#include <string_view>
#include <vector>

void SplitLine(std::string_view line, std::vector<std::string>& tokens);
