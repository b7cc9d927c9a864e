// Key bindings: the keys that play the game, in one place. The keyboard poll reads the held keys
// by these scan codes, the window's key handler takes the letter keys' characters, and the HUD's
// key hint names them all from here, so a key changed here changes everywhere.
#pragma once
#include <cstdint>

#include "base/scan_codes.h"

// A held key, with the second key that does the same (0: none), and its name on the key cap.
struct HeldKey {
    uint8_t key = 0;
    uint8_t otherKey = 0;
    const char* name = "";
};

inline constexpr HeldKey kForwardKey{DIK_W, DIK_UP, "W"};
inline constexpr HeldKey kBackKey{DIK_S, DIK_DOWN, "S"};
inline constexpr HeldKey kStrafeLeftKey{DIK_A, DIK_LEFT, "A"};
inline constexpr HeldKey kStrafeRightKey{DIK_D, DIK_RIGHT, "D"};
inline constexpr HeldKey kRunKey{DIK_LSHIFT, 0, "Shift"};
// Also the command keys' modifier (Ctrl+C...) and, with I, the hidden line's.
inline constexpr HeldKey kCrouchKey{DIK_LCONTROL, 0, "Ctrl"};
inline constexpr HeldKey kJumpKey{DIK_SPACE, 0, "Space"};
inline constexpr HeldKey kStatisticsKey{DIK_TAB, 0, "Tab"};
inline constexpr uint8_t kHiddenLineLetter = DIK_I;

// A letter key acts on the character it types: the Latin letter in either case, or the Russian
// one on the same key (Windows-1251 capitals, the small letter 0x20 above).
struct LetterKey {
    char latin = 0;
    uint8_t russian = 0;
    const char* name = "";
};

inline constexpr LetterKey kChaseViewKey{'Q', 0xC9, "Q"};  // Й
inline constexpr LetterKey kReloadKey{'R', 0xCA, "R"};     // К
// Esc arrives as its character; it pauses play and closes screens.
inline constexpr uint8_t kEscapeCharacter = 27;
inline constexpr const char* kEscapeName = "Esc";

inline bool TypedBy(const LetterKey& binding, uint8_t character) {
    const auto latin = static_cast<uint8_t>(binding.latin);
    return character == latin || character == latin + 0x20 || character == binding.russian ||
           character == binding.russian + 0x20;
}
