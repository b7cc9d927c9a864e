#include "world/text_lines.h"

#include "base/load_error.h"
#include "base/text_numbers.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

TextLines::TextLines(std::string_view text, std::string_view fileName) : fileName_(fileName) {
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines_.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
}

std::string_view TextLines::TakeLine() {
    if (scanning_) FinishValues();
    if (AtEnd()) Fail("unexpected end of file");
    lineNumber_ = static_cast<int>(next_) + 1;
    return lines_[next_++];
}

void TextLines::BeginValues(size_t column) {
    if (scanning_) FinishValues();
    if (AtEnd()) Fail("unexpected end of file");
    scanning_ = true;
    scanLine_ = next_;
    scanColumn_ = column;
    lineNumber_ = static_cast<int>(scanLine_) + 1;
}

std::string_view TextLines::NextToken() {
    if (!scanning_) BeginValues();
    for (;;) {
        const std::string_view line = lines_[scanLine_];
        while (scanColumn_ < line.size() && IsBlank(line[scanColumn_])) ++scanColumn_;
        if (scanColumn_ < line.size()) {
            const size_t start = scanColumn_;
            while (scanColumn_ < line.size() && !IsBlank(line[scanColumn_])) ++scanColumn_;
            return line.substr(start, scanColumn_ - start);
        }
        if (scanLine_ + 1 >= lines_.size()) Fail("unexpected end of file: a number is missing");
        ++scanLine_;
        scanColumn_ = 0;
        lineNumber_ = static_cast<int>(scanLine_) + 1;
    }
}

float TextLines::ReadReal() {
    const std::string_view token = NextToken();
    const auto value = ParseReal(token);
    if (!value) Fail("'" + std::string(token) + "' is not a number");
    return *value;
}

int32_t TextLines::ReadInt() {
    const std::string_view token = NextToken();
    const auto value = ParseInt32(token);
    if (!value) Fail("'" + std::string(token) + "' is not a whole number");
    return *value;
}

uint32_t TextLines::ReadColourWord() {
    const std::string_view token = NextToken();
    const auto value = ParseColourWord(token);
    if (!value) Fail("'" + std::string(token) + "' is not a colour number");
    return *value;
}

void TextLines::FinishValues() {
    if (!scanning_) return;
    scanning_ = false;
    next_ = scanLine_ + 1;
}

void TextLines::Fail(std::string_view message) const {
    ThrowLineError(fileName_, lineNumber_, message);
}
