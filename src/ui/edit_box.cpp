#include "ui/edit_box.h"

#include <algorithm>
#include <string>

namespace {

constexpr std::size_t kAddressGroupDigits = 3;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

// The decimal value of a digit string, saturating so that long strings cannot overflow.
int32_t SaturatedValue(std::string_view digits) {
    int32_t value = 0;
    for (char c : digits) {
        value = std::min(value * 10 + (c - '0'), 100000);
    }
    return value;
}

std::string_view LastAddressGroup(std::string_view text) {
    const std::size_t dot = text.rfind('.');
    return dot == std::string_view::npos ? text : text.substr(dot + 1);
}

bool AcceptsNumberDigit(const std::string& text, char digit) {
    return SaturatedValue(text + digit) < 256;
}

// Address mode: returns the character to append, or 0 when the key is refused.
char AddressCharacter(const std::string& text, char typed) {
    if (typed == ',') typed = '.';
    if (typed == '.') {
        const auto dots = std::count(text.begin(), text.end(), '.');
        return !text.empty() && text.back() != '.' && dots <= 2 ? '.' : 0;
    }
    if (IsDigit(typed)) {
        std::string group(LastAddressGroup(text));
        group += typed;
        return group.size() <= kAddressGroupDigits && SaturatedValue(group) < 256 ? typed : 0;
    }
    return 0;
}

// Pasted text loses control characters (a copied line often ends in a line break).
std::string PrintableOnly(const std::string& text) {
    std::string result;
    for (char c : text) {
        if (static_cast<uint8_t>(c) >= kFirstPrintable) result += c;
    }
    return result;
}

void Paste(tgedit& edit, EditMode mode, std::string pasted) {
    switch (mode) {
        case EditMode::Number:
            if (!AllDigits(pasted)) return;
            if (SaturatedValue(pasted) >= 256) pasted = "255";
            break;
        case EditMode::Address:
            if (!CheckAddress(pasted)) return;
            break;
        case EditMode::Text:
            pasted = PrintableOnly(pasted);
            break;
    }
    edit.text = CutText(pasted);
    edit.selectAll = false;
}

}  // namespace

bool CheckAddress(std::string_view text) {
    if (text.empty() || text.front() == '.') return false;
    std::size_t groupStart = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && IsDigit(text[i])) continue;
        if (i < text.size() && text[i] != '.') return false;
        const std::string_view group = text.substr(groupStart, i - groupStart);
        if (group.size() > kAddressGroupDigits || SaturatedValue(group) >= 256) return false;
        groupStart = i + 1;
    }
    return true;
}

void HandleCommand(tgedit& edit, EditCommand command, EditMode mode, Clipboard& clipboard) {
    switch (command) {
        case EditCommand::Copy:
            if (edit.selectAll) clipboard.SetText(edit.text);
            return;
        case EditCommand::Cut:
            if (edit.selectAll) {
                clipboard.SetText(edit.text);
                edit.text.clear();
                edit.selectAll = false;
            }
            return;
        case EditCommand::Paste:
            Paste(edit, mode, clipboard.GetText());
            return;
        case EditCommand::Delete:
            if (edit.selectAll) {
                edit.text.clear();
                edit.selectAll = false;
            }
            return;
    }
}

void HandleKey(tgedit& edit, uint8_t code, EditMode mode) {
    if (edit.selectAll) {
        edit.text.clear();
        edit.selectAll = false;
    }
    char typed = static_cast<char>(code);
    if (code != kBackspace) {
        if (mode == EditMode::Number && (!IsDigit(typed) || !AcceptsNumberDigit(edit.text, typed)))
            return;
        if (mode == EditMode::Address) {
            typed = AddressCharacter(edit.text, typed);
            if (typed == 0) return;
        }
    }
    if (code == kBackspace) {
        if (!edit.text.empty()) edit.text.pop_back();
    } else if (code >= kFirstPrintable && edit.text.size() < kTypedTextLimit) {
        edit.text += typed;
    }
}

bool UpdateCaret(tgedit& edit, uint32_t now) {
    if (!edit.active) return false;
    if (now - edit.lastCaretToggle >= edit.caretInterval) {
        edit.caretVisible = !edit.caretVisible;
        edit.lastCaretToggle = now;
    }
    return edit.caretVisible;
}
