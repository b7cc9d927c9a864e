// The game types by name, in the player's language: the new-game screen's list, the join list's
// rows. The wire and the files carry the type's number, never these names.
#pragma once
#include <cstdint>

#include "base/phrase.h"
#include "game/match_records.h"

// Бой насмерть
inline constexpr Phrase kDeathMatchName{"\xC1\xEE\xE9 \xED\xE0\xF1\xEC\xE5\xF0\xF2\xFC",
                                        "DeathMatch"};
// Командный бой
inline constexpr Phrase kTeamDeathMatchName{"\xCA\xEE\xEC\xE0\xED\xE4\xED\xFB\xE9 \xE1\xEE\xE9",
                                            "TDM"};
// Захват флага
inline constexpr Phrase kCaptureTheFlagName{"\xC7\xE0\xF5\xE2\xE0\xF2 \xF4\xEB\xE0\xE3\xE0", "CTF"};

inline const Phrase& GameTypePhrase(uint8_t gameType) {
    if (gameType == kCaptureTheFlag) return kCaptureTheFlagName;
    if (gameType == kTeamDeathMatch) return kTeamDeathMatchName;
    return kDeathMatchName;
}
