#include "app/key_hint.h"

#include "ui/key_bindings.h"

namespace {

// 0x96: the dash in Windows-1251.
// "{} – вид сзади, {} – статистика, {} – меню"
constexpr Phrase kViewAndMenuKeys{
    "{} \x96 \xE2\xE8\xE4 \xF1\xE7\xE0\xE4\xE8, {} \x96 "
    "\xF1\xF2\xE0\xF2\xE8\xF1\xF2\xE8\xEA\xE0, {} \x96 \xEC\xE5\xED\xFE",
    "{} \x96 chase view, {} \x96 statistics, {} \x96 menu"};
// "{}{}{}{} – ход, {} – бег, {} – присесть, {} – прыжок"
constexpr Phrase kMovementKeys{
    "{}{}{}{} \x96 \xF5\xEE\xE4, {} \x96 \xE1\xE5\xE3, {} \x96 "
    "\xEF\xF0\xE8\xF1\xE5\xF1\xF2\xFC, {} \x96 \xEF\xF0\xFB\xE6\xEE\xEA",
    "{}{}{}{} \x96 move, {} \x96 run, {} \x96 crouch, {} \x96 jump"};
// "левая кнопка мыши – огонь, {} – перезарядка, колесо – масштаб"
constexpr Phrase kWeaponKeys{
    "\xEB\xE5\xE2\xE0\xFF \xEA\xED\xEE\xEF\xEA\xE0 \xEC\xFB\xF8\xE8 \x96 \xEE\xE3\xEE\xED\xFC, "
    "{} \x96 \xEF\xE5\xF0\xE5\xE7\xE0\xF0\xFF\xE4\xEA\xE0, \xEA\xEE\xEB\xE5\xF1\xEE \x96 "
    "\xEC\xE0\xF1\xF8\xF2\xE0\xE1",
    "left mouse button \x96 fire, {} \x96 reload, wheel \x96 zoom"};

}  // namespace

std::vector<std::string> KeyHintLines(Language language) {
    return {
        SayWith(kViewAndMenuKeys, language, {kChaseViewKey.name, kStatisticsKey.name, kEscapeName}),
        SayWith(kMovementKeys, language,
                {kForwardKey.name, kStrafeLeftKey.name, kBackKey.name, kStrafeRightKey.name,
                 kRunKey.name, kCrouchKey.name, kJumpKey.name}),
        SayWith(kWeaponKeys, language, {kReloadKey.name}),
    };
}
