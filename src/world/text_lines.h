// TextLines: the line-by-line reader behind the model and map files. It hands out whole lines,
// and reads numbers the way both formats write them: separated by blanks, possibly continuing
// onto further lines, the rest of the last line skipped. Errors name the file and the line.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TextLines {
  public:
    TextLines(std::string_view text, std::string_view fileName);

    bool AtEnd() const { return next_ >= lines_.size(); }
    // Takes the next whole line (a trailing carriage return removed).
    std::string_view TakeLine();
    std::string_view PeekLine() const { return AtEnd() ? std::string_view() : lines_[next_]; }

    // Number reading starts on the next line, `column` characters in, and goes on to further lines
    // while numbers are wanted; FinishValues then moves past the line the last one ended on.
    void BeginValues(size_t column = 0);
    float ReadReal();
    int32_t ReadInt();
    uint32_t ReadColourWord();
    void FinishValues();

    // 1-based number of the line read last (or being read).
    int LineNumber() const { return lineNumber_; }
    const std::string& FileName() const { return fileName_; }
    [[noreturn]] void Fail(std::string_view message) const;

  private:
    std::string_view NextToken();

    std::string fileName_;
    std::vector<std::string_view> lines_;
    size_t next_ = 0;
    int lineNumber_ = 0;
    bool scanning_ = false;
    size_t scanLine_ = 0;
    size_t scanColumn_ = 0;
};
