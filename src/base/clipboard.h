// Clipboard: the system clipboard as the edit boxes see it. Text here is Windows-1251, like all
// text inside the program; the platform side converts to and from UTF-8 for other programs.
// MemoryClipboard keeps the text in the process (tests, and a window-less fallback).
#pragma once
#include <string>

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    virtual std::string GetText() = 0;
    virtual void SetText(const std::string& text) = 0;
};

class MemoryClipboard final : public Clipboard {
  public:
    std::string GetText() override { return text; }
    void SetText(const std::string& value) override { text = value; }
    std::string text;
};
