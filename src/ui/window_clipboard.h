// WindowClipboard: the edit boxes' clipboard on top of the main window's system clipboard.
#pragma once
#include "base/clipboard.h"
#include "base/main_window.h"

class WindowClipboard final : public Clipboard {
  public:
    explicit WindowClipboard(MainWindow& window) : window_(window) {}
    std::string GetText() override { return window_.ClipboardText(); }
    void SetText(const std::string& text) override { window_.SetClipboardText(text); }

  private:
    MainWindow& window_;
};
