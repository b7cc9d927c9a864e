#include "app/hud_feed.h"

#include <algorithm>

#include "app/game.h"
#include "app/hud_words.h"
#include "app/key_hint.h"
#include "game/spawn_protection.h"
#include "game/weapon.h"

namespace {

const MatchPlayer* LocalPlayer(const Game& game) {
    const auto index = static_cast<size_t>(game.state.localPlayerIndex);
    return index < game.play.players.size() ? &game.play.players[index] : nullptr;
}

// A reload runs from the last shot for one shot's pause plus the reload itself.
HudWeapon LocalWeapon(const Game& game) {
    const WeaponState& weapon = game.play.weapon;
    const MatchPlayer* player = LocalPlayer(game);
    const bool reloading = weapon.reloadDelay > 0 && player;
    return HudWeapon{
        .roundsLeft = kMagazineRounds - weapon.magazineShots,
        .spareMagazines = weapon.spareMagazines,
        .reloadStart = reloading ? player->lastShotTime : 0,
        .reloadDuration =
            reloading ? static_cast<uint32_t>(game.tuning.FIRE_TIMEOUT + weapon.reloadDelay) : 0,
    };
}

HudPictures Pictures(const MenuPictures& pictures) {
    return HudPictures{.bullet = pictures.hudBullet,
                       .magazine = pictures.hudCharger,
                       .blueFlag = pictures.hudBlueFlag,
                       .redFlag = pictures.hudRedFlag,
                       .blueTeam = pictures.hudBlueTeam,
                       .redTeam = pictures.hudRedTeam,
                       .statisticsBackground = pictures.statisticsBackground};
}

}  // namespace

void StepHudState(Game& game) {
    CopyTableEntries(game.play.players, game.hud.table);
    UpdateHudState(game.hud, game.frame.now, game.client.clientSettings, game.hud.table);
}

HudInput GatherHudInput(Game& game) {
    const Client& client = game.client;
    CopyTableEntries(game.play.players, game.hud.table);
    const tgamesettings& settings = client.clientSettings;
    const tmessagelog& log = client.messageLog;
    const Language language = game.menus.language;
    HudState& hud = game.hud;
    hud.winnerLine = WinnerText(hud.winner, language);
    hud.messageLines.resize(static_cast<size_t>(std::clamp(log.count, 0, tmessagelog::kSlots)));
    for (size_t i = 0; i < hud.messageLines.size(); ++i)
        hud.messageLines[i] = MessageLineText(log.lines[i], language);
    if (hud.levelsEntered == 1) {
        hud.keyHint = KeyHintLines(language);
    } else {
        hud.keyHint.clear();
    }
    return HudInput{
        .kills = client.localPlayer.frags,
        .deaths = client.localPlayer.deaths,
        .team = client.localPlayer.team,
        .weapon = LocalWeapon(game),
        .spawnProtectionMs =
            LocalPlayer(game) ? SpawnProtectionLeft(*LocalPlayer(game), game.frame.now) : 0,
        .gameType = settings.gameType,
        .gameOver = settings.gameOver != 0,
        .blueScore = settings.blueFlag.score,
        .redScore = settings.redFlag.score,
        .blueFlagTaken = settings.blueFlag.state == kFlagCarried,
        .redFlagTaken = settings.redFlag.state == kFlagCarried,
        .connected = game.state.connected,
        .players = game.hud.table,
        .statisticsKey = game.input.held.statistics,
        .hiddenLineKey = game.input.held.hiddenLine,
        .messageLines = hud.messageLines,
        .keyHint = hud.keyHint,
        .blinkOn = hud.blinkOn,
        .winnerLine = hud.winnerLine,
        .pictures = Pictures(game.menus.pictures),
        .texts = HudTextsIn(language),
    };
}
