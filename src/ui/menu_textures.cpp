#include "ui/menu_textures.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<const char*, 7> kWordedPictures = {
    "mi_newgame", "mi_langame", "mi_options", "mi_exit", "mi_continue", "gamelogo", "loadlogo"};

int32_t Load(TextureTable& table, Gpu& gpu, const std::string& name) {
    return LoadTexture(table, gpu, name, 1).firstSlot;
}

int32_t SlotOf(const std::string& name, const TextureTable& table) {
    TextureRef picture{name};
    return ResolveSlot(picture, table);
}

}  // namespace

std::string PictureInLanguage(const std::string& name, Language language) {
    const bool worded =
        std::find(kWordedPictures.begin(), kWordedPictures.end(), name) != kWordedPictures.end();
    return worded && language == Language::kRussian ? name + "_ru" : name;
}

void LoadMenuTextures(TextureTable& table, Gpu& gpu, MenuVariant variant, Language language,
                      MenuPictures& pictures) {
    ResetTextureSlots(table, gpu);
    auto load = [&](const char* name) {
        return Load(table, gpu, PictureInLanguage(name, language));
    };
    pictures.statisticsBackground = load("tra_bk");
    for (const char* name :
         {"mi_curs1", "mi_curs", "mi_newgame", "mi_langame", "mi_btnup", "mi_btndown", "mi_edit",
          "mi_edita", "mi_bk1", "mi_options", "mi_exit"})
        load(name);
    if (variant == MenuVariant::InGame) load("mi_continue");
    pictures.hudBullet = load("mi_hud_bullet");
    pictures.hudCharger = load("mi_hud_charger");
    pictures.hudBlueFlag = load("mi_hud_blueflag");
    pictures.hudRedFlag = load("mi_hud_redflag");
    pictures.hudBlueTeam = load("mi_hud_blueteam");
    pictures.hudRedTeam = load("mi_hud_redteam");
    pictures.gameLogo = load("gamelogo");
    pictures.loadLogo = load("loadlogo");
}

void LoadWordedPictures(TextureTable& table, Gpu& gpu, Language language, MenuPictures& pictures) {
    for (const char* name : kWordedPictures)
        LoadTextureOnce(table, gpu, PictureInLanguage(name, language), 1);
    pictures.gameLogo = SlotOf(PictureInLanguage("gamelogo", language), table);
    pictures.loadLogo = SlotOf(PictureInLanguage("loadlogo", language), table);
}

int32_t ResolveSlot(TextureRef& texture, const TextureTable& table) {
    if (texture.slot >= 0) return texture.slot;
    for (auto image = table.textureList.rbegin(); image != table.textureList.rend(); ++image) {
        if (image->name == texture.name) {
            texture.slot = image->firstSlot;
            break;
        }
    }
    return texture.slot;
}
