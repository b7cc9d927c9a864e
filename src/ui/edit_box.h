// Edit box keys: typed characters and the clipboard commands of a `tgedit` in its three modes,
// the address check used for pasted addresses, and the blinking caret. Called by the window
// event handlers (typed characters) and the keyboard poll (Delete, copy, cut, paste).
#pragma once
#include <cstdint>
#include <string_view>

#include "base/clipboard.h"
#include "ui/widgets.h"

enum class EditMode : uint8_t { Text = 0, Number = 1, Address = 2 };

// The commands carry the codes the keyboard poll raises them with.
enum class EditCommand : uint8_t { Delete = 247, Copy = 248, Cut = 249, Paste = 250 };

inline constexpr uint8_t kBackspace = 8;
// Codes below this (other than Backspace) are control keys, never text.
inline constexpr uint8_t kFirstPrintable = 20;
// A typed text stops growing here; a paste may fill the whole field.
inline constexpr std::size_t kTypedTextLimit = 20;

// A typed Windows-1251 character. Letters whose codes equal the command codes are typed as
// letters: commands arrive only through HandleCommand.
void HandleKey(tgedit& edit, uint8_t code, EditMode mode);
void HandleCommand(tgedit& edit, EditCommand command, EditMode mode, Clipboard& clipboard);

// A dotted address text: digits and dots only, not starting with a dot, no group longer than
// three digits or above 255. The number of dots is not checked; empty text is rejected.
bool CheckAddress(std::string_view text);

// Flips the caret of an active box once its interval has passed; returns whether "|" shows.
bool UpdateCaret(tgedit& edit, uint32_t now);
