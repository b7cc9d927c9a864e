// Menu textures: the pictures BuildMenus loads (menu entries, buttons, edit boxes, panels, the
// HUD icons, the menu background and the loading picture), and the lookup that turns a widget's
// texture name into its slot the first time it is drawn. The pictures with words on them come in
// a set per language: the English ones by their plain names, the Russian ones with "_ru" added.
#pragma once
#include <string>

#include "base/phrase.h"
#include "ui/menus.h"
#include "world/textures.h"

class Gpu;

// The name of the picture `name` in `language`: itself when it carries no words.
std::string PictureInLanguage(const std::string& name, Language language);

// Fresh texture slots, then every menu picture in its fixed order, the worded ones in `language`;
// records the slots others use.
void LoadMenuTextures(TextureTable& table, Gpu& gpu, MenuVariant variant, Language language,
                      MenuPictures& pictures);
// After a change of language: the worded pictures of `language` that are not loaded yet join the
// table (each set is loaded once), and the menu background and the loading picture are theirs.
void LoadWordedPictures(TextureTable& table, Gpu& gpu, Language language, MenuPictures& pictures);

// Caches the first slot of the last picture named exactly like the reference; stays -1 (and is
// looked up again next time) while no picture has that name. Returns the slot.
int32_t ResolveSlot(TextureRef& texture, const TextureTable& table);
