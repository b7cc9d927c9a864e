// Bot skill: how hard the host's bots are to play against, chosen with the game (the new-game
// screen, `zarnok --server --bot-skill`). The three profiles live here, and they hold everything
// that makes a bot strong against a person: how long it takes from seeing a new enemy to its first
// shot at it, how far off its shots go, how fast it turns and tilts its weapon, and how often it
// fires. Hard is the bots as they always played; normal leaves a newcomer time to see who shoots
// and to shoot back; easy is clearly gentler still. The skill stays on the host: nothing of it
// travels on the wire.
#pragma once
#include <cstdint>

enum class BotSkill : uint8_t { kEasy, kNormal, kHard };

struct BotSkillProfile {
    uint32_t reactionMs = 0;    // from seeing a new enemy to the first shot at it
    float aimErrorDegrees = 0;  // a shot goes up to this far off, sideways and up or down
    float turnDegrees = 1;      // turning and tilting the weapon, per 15 ms frame
    int32_t shotTimeouts = 3;   // FIRE_TIMEOUTs from one shot to the next
};

const BotSkillProfile& ProfileOf(BotSkill skill);
