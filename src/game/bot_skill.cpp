#include "game/bot_skill.h"

namespace {

// Normal and easy bots give a person time to see who shoots and to shoot back: a new enemy is
// not shot at before a second or more, the shots come seldom and scatter, and a bot turns slowly
// enough that a player who strafes near it slips out of its aim. (bench/bots.cpp measures a
// newcomer against each.)
constexpr BotSkillProfile kEasy{
    .reactionMs = 1800, .aimErrorDegrees = 25, .turnDegrees = 0.4f, .shotTimeouts = 36};
constexpr BotSkillProfile kNormal{
    .reactionMs = 1200, .aimErrorDegrees = 18, .turnDegrees = 0.5f, .shotTimeouts = 24};
// Sees and shoots at once, never misses its aim, turns a degree a frame.
constexpr BotSkillProfile kHard{
    .reactionMs = 0, .aimErrorDegrees = 0, .turnDegrees = 1, .shotTimeouts = 3};

}  // namespace

const BotSkillProfile& ProfileOf(BotSkill skill) {
    switch (skill) {
        case BotSkill::kEasy:
            return kEasy;
        case BotSkill::kHard:
            return kHard;
        case BotSkill::kNormal:
            break;
    }
    return kNormal;
}
