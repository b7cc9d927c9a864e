#include "ui/menu_textures.h"

namespace {

int32_t Load(TextureTable& table, Gpu& gpu, const char* name) {
    return LoadTexture(table, gpu, name, 1).firstSlot;
}

}  // namespace

void LoadMenuTextures(TextureTable& table, Gpu& gpu, MenuVariant variant, MenuPictures& pictures) {
    ResetTextureSlots(table, gpu);
    pictures.statisticsBackground = Load(table, gpu, "tra_bk");
    for (const char* name :
         {"mi_curs1", "mi_curs", "mi_newgame", "mi_langame", "mi_btnup", "mi_btndown", "mi_edit",
          "mi_edita", "mi_bk1", "mi_options", "mi_exit"})
        Load(table, gpu, name);
    if (variant == MenuVariant::InGame) Load(table, gpu, "mi_continue");
    pictures.hudBullet = Load(table, gpu, "mi_hud_bullet");
    pictures.hudCharger = Load(table, gpu, "mi_hud_charger");
    pictures.hudBlueFlag = Load(table, gpu, "mi_hud_blueflag");
    pictures.hudRedFlag = Load(table, gpu, "mi_hud_redflag");
    pictures.hudBlueTeam = Load(table, gpu, "mi_hud_blueteam");
    pictures.hudRedTeam = Load(table, gpu, "mi_hud_redteam");
    pictures.gameLogo = Load(table, gpu, "gamelogo");
    pictures.loadLogo = Load(table, gpu, "loadlogo");
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
